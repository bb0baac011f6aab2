#pragma once

// The title and the description of each system type, as the settings window
// shows them for the chosen system.

#include <optional>
#include <string>

namespace nk {

struct SystemText {
    std::string title;
    std::string description;
};

// Group 1 hot water (variants 1..6), 2 pool (1..2), 4 combined (1..6);
// nothing for any other pair.
std::optional<SystemText> systemText(int group, int variant);

}  // namespace nk
