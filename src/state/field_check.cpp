#include "state/field_check.h"

namespace nk {

namespace {

FieldVerdict refusal(const FieldRule& rule, std::string_view message) {
    FieldVerdict v;
    v.message = std::string(message);
    const bool exclamation = rule.style == FieldStyle::Exclamation;
    v.title = exclamation ? "HIBÁS ADAT" : std::string(rule.title);
    v.icon = exclamation ? MsgIcon::Exclamation : MsgIcon::Information;
    return v;
}

}  // namespace

FieldVerdict notANumber(const FieldRule& rule) {
    return refusal(rule, rule.style == FieldStyle::Exclamation ? "Adjon meg számot!" : "Kérem adjon meg számot!");
}

FieldVerdict outOfRange(const FieldRule& rule) { return refusal(rule, rule.rangeMessage); }

FieldVerdict checkField(const FieldRule& rule, std::string_view text, const NumberLocale& loc) {
    const auto value = localeRead(text, loc);
    if (!value) return notANumber(rule);
    if (!(*value >= rule.lo && *value <= rule.hi)) return outOfRange(rule);
    FieldVerdict v;
    v.accepted = true;
    v.value = *value;
    return v;
}

}  // namespace nk
