#pragma once

// The check of a number typed into a field of the windows: the user's
// notation, the field's inclusive bounds, and the message of the field's
// style when the entry is refused.

#include <string>
#include <string_view>

#include "platform/text.h"
#include "state/ui_port.h"

namespace nk {

enum class FieldStyle {
    Exclamation,  // "HIBÁS ADAT", "Adjon meg számot!"
    Information,  // the field's own title, "Kérem adjon meg számot!"
};

struct FieldRule {
    double lo, hi;  // both accepted
    FieldStyle style;
    std::string_view title;  // information style only
    std::string_view rangeMessage;
};

struct FieldVerdict {
    bool accepted = false;
    double value = 0;  // the number typed, when accepted
    std::string message, title;
    MsgIcon icon = MsgIcon::None;
};

FieldVerdict checkField(const FieldRule& rule, std::string_view text, const NumberLocale& loc);

// The refusal of a field's style for a text that is not a number.
FieldVerdict notANumber(const FieldRule& rule);
// The refusal with the field's range message.
FieldVerdict outOfRange(const FieldRule& rule);

}  // namespace nk
