#include "platform/text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace nk {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWith(std::string_view s, std::size_t pos, std::string_view what) {
    return !what.empty() && s.substr(pos, what.size()) == what;
}

// Decimal exponent of the leading significant digit of "digits[.digits][E[+-]digits]";
// only asked for texts that cannot be held in a double.
long leadingExponent(std::string_view plain) {
    long exponent = 0;
    const std::size_t e = plain.find_first_of("Ee");
    if (e != std::string_view::npos) {
        std::size_t j = e + 1;
        const bool negative = j < plain.size() && plain[j] == '-';
        if (j < plain.size() && (plain[j] == '+' || plain[j] == '-')) ++j;
        for (; j < plain.size(); ++j) exponent = std::min(exponent * 10 + (plain[j] - '0'), 100000L);
        if (negative) exponent = -exponent;
    }
    const std::string_view mantissa = plain.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return std::numeric_limits<long>::min();
    return exponent + (first < point ? long(point - first) - 1 : -long(first - point));
}

// Converts "[+-]digits[.digits][E[+-]digits]" exactly, whatever the process
// locale says. Too large a magnitude gives an infinity, too small a zero.
double plainToDouble(std::string_view plain) {
    bool negative = false;
    if (!plain.empty() && (plain[0] == '+' || plain[0] == '-')) {
        negative = plain[0] == '-';
        plain.remove_prefix(1);
    }
    double v = 0.0;
    const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range)
        v = leadingExponent(plain) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -v : v;
}

// Applies the precision of a value kind and the locale's separator.
std::string formatSignificant(double v, int digits, const NumberLocale& loc) {
    if (v == 0.0) v = 0.0;  // never "-0"
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
    std::string out;
    for (const char* p = buf; p != r.ptr; ++p) {
        if (*p == '.')
            out += loc.decimal;
        else if (*p == 'e')
            out += 'E';
        else
            out += *p;
    }
    return out;
}

// A blank typed for the no-break space that groups digits.
bool groupsWithNoBreakSpace(const NumberLocale& loc) { return loc.group == "\u00a0" || loc.group == "\u202f"; }

// Length of the digit-group separator at `pos`, 0 when there is none.
std::size_t groupSeparatorAt(std::string_view s, std::size_t pos, const NumberLocale& loc) {
    if (startsWith(s, pos, loc.group)) return loc.group.size();
    if (groupsWithNoBreakSpace(loc)) {
        if (s[pos] == ' ') return 1;
        for (std::string_view nbsp : {std::string_view("\u00a0"), std::string_view("\u202f")})
            if (startsWith(s, pos, nbsp)) return nbsp.size();
    }
    return 0;
}

}  // namespace

double pointRead(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s += c;

    std::string plain;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    bool digits = false;
    while (i < s.size() && isDigit(s[i])) plain += s[i++], digits = true;
    if (i < s.size() && s[i] == '.') {
        plain += s[i++];
        while (i < s.size() && isDigit(s[i])) plain += s[i++], digits = true;
    }
    if (!digits) return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exp = "E";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) exp += s[j++];
            plain += exp;
        }
    }
    return chk(plainToDouble(plain));
}

std::optional<double> localeRead(std::string_view text, const NumberLocale& loc) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    const std::string_view s = text.substr(b, e - b);

    std::string plain;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    // The whole part, its digits grouped by threes or not at all: "1 000" is a
    // thousand, "1 00" or "25,7" in a decimal-point locale is no number, nor
    // is "0,045" there (no grouped number starts with a zero).
    const std::size_t wholeStart = i;
    bool digits = false;
    bool grouped = false;
    int groupLength = 0;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            plain += s[i++];
            digits = true;
            ++groupLength;
        } else if (const std::size_t sep = digits ? groupSeparatorAt(s, i, loc) : 0) {
            const bool wellFormed = grouped ? groupLength == 3 : (groupLength <= 3 && s[wholeStart] != '0');
            if (!wellFormed) return std::nullopt;
            grouped = true;
            groupLength = 0;
            i += sep;
        } else {
            break;
        }
    }
    if (grouped && groupLength != 3) return std::nullopt;
    if (startsWith(s, i, loc.decimal)) {
        i += loc.decimal.size();
        plain += '.';
        while (i < s.size() && isDigit(s[i])) plain += s[i++], digits = true;
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        plain += 'E';
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
        if (i >= s.size() || !isDigit(s[i])) return std::nullopt;
        while (i < s.size() && isDigit(s[i])) plain += s[i++];
    }
    if (i != s.size()) return std::nullopt;
    const double v = plainToDouble(plain);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

bool localeIsNumeric(std::string_view text, const NumberLocale& loc) { return localeRead(text, loc).has_value(); }

std::string textForm(double v, const NumberLocale& loc) { return formatSignificant(v, 15, loc); }
std::string textForm(float v, const NumberLocale& loc) { return formatSignificant(double(v), 7, loc); }
std::string textForm(Integer v, const NumberLocale&) { return std::to_string(int(v)); }

std::string textForm(Currency v, const NumberLocale& loc) {
    // Four decimals held exactly: written from the whole units and the
    // ten-thousandths, without their trailing zeros.
    const std::int64_t raw = v.raw();
    const std::uint64_t mag = raw < 0 ? std::uint64_t(0) - std::uint64_t(raw) : std::uint64_t(raw);
    std::string out = raw < 0 ? "-" : "";
    out += std::to_string(mag / Currency::kScale);
    std::uint64_t fraction = mag % Currency::kScale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + Currency::kScale).substr(1);  // four digits, leading zeros kept
        while (digits.back() == '0') digits.pop_back();
        out += loc.decimal + digits;
    }
    return out;
}

std::string textForm(const Var& v, const NumberLocale& loc) {
    switch (v.kind()) {
        case VKind::Empty: return "";
        case VKind::Integer:
        case VKind::Long:
        case VKind::Boolean: return std::to_string(static_cast<long long>(v.d()));
        case VKind::Single: return textForm(static_cast<float>(v.d()), loc);
        case VKind::Double: return textForm(v.d(), loc);
        case VKind::Currency: return textForm(v.currency(), loc);
    }
    return "";
}

std::string crLfLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace nk
