#pragma once

#include <string>
#include <vector>

#include "state/ui_port.h"

namespace nk::testing {

// Remembers every message the core asked the windows to show.
class RecordingUi : public UiPort {
public:
    struct Message {
        std::string text, title;
        MsgIcon icon;
    };
    void message(const std::string& text, const std::string& title, MsgIcon icon) override {
        messages.push_back({text, title, icon});
    }
    std::vector<Message> messages;
};

}  // namespace nk::testing
