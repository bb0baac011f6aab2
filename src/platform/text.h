#pragma once

// Conversions between numbers and texts as the windows and the result table
// use them. Texts are UTF-8. The locale only decides the separators, so the
// core stays free of any windowing or locale library: the windows pass the
// user's separators in.

#include <optional>
#include <string>
#include <string_view>

#include "platform/numeric.h"
#include "platform/variant.h"

namespace nk {

struct NumberLocale {
    std::string decimal = ",";
    std::string group = "\u00a0";  // Hungarian groups digits with a no-break space

    static NumberLocale decimalComma() { return {",", "\u00a0"}; }
    static NumberLocale decimalPoint() { return {".", ","}; }
};

// Point reading: the leading number of a text with a point as decimal
// separator, ending at the first other character; blanks are skipped; a text
// without a leading number reads 0. "12,7" reads 12, ".798" reads 0.798.
double pointRead(std::string_view text);

// Locale numeric test and locale reading: the whole text (surrounding blanks
// allowed) must be one number in the user's notation, digit groups allowed in
// the whole part.
bool localeIsNumeric(std::string_view text, const NumberLocale& loc);
std::optional<double> localeRead(std::string_view text, const NumberLocale& loc);

// Text form: no leading blank, the locale's decimal separator, at most 15
// significant digits for a double and 7 for a single.
std::string textForm(double v, const NumberLocale& loc);
std::string textForm(float v, const NumberLocale& loc);
std::string textForm(Integer v, const NumberLocale& loc);
std::string textForm(Currency v, const NumberLocale& loc);
std::string textForm(const Var& v, const NumberLocale& loc);

// Line breaks as texts of several lines are kept, in the settings and in
// their file: a carriage return and a line feed. A bare line feed, as a text
// box or a file from another system gives it, becomes one.
std::string crLfLineBreaks(std::string_view text);

}  // namespace nk
