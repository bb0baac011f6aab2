#include "platform/text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace nk {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWith(std::string_view s, std::size_t pos, std::string_view what) {
    return !what.empty() && s.substr(pos, what.size()) == what;
}

// Reads the digits of a C-locale number text and converts it exactly.
double toDouble(const std::string& plain) { return std::strtod(plain.c_str(), nullptr); }

// Applies the precision of a value kind and the locale's separator.
std::string formatSignificant(double v, int digits, const NumberLocale& loc) {
    if (v == 0.0) v = 0.0;  // never "-0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, v);
    std::string out;
    for (const char* p = buf; *p; ++p) {
        if (*p == '.')
            out += loc.decimal;
        else
            out += *p;
    }
    return out;
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
    return chk(toDouble(plain));
}

std::optional<double> localeRead(std::string_view text, const NumberLocale& loc) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    const std::string_view s = text.substr(b, e - b);

    std::string plain;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    bool digits = false;
    bool lastWasGroup = false;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            plain += s[i++];
            digits = true;
            lastWasGroup = false;
        } else if (digits && startsWith(s, i, loc.group)) {
            i += loc.group.size();
            lastWasGroup = true;
        } else if (digits && loc.group == "\u00a0" && s[i] == ' ') {
            ++i;  // a typed blank stands for the no-break group space
            lastWasGroup = true;
        } else {
            break;
        }
    }
    if (lastWasGroup) return std::nullopt;
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
    const double v = toDouble(plain);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

bool localeIsNumeric(std::string_view text, const NumberLocale& loc) { return localeRead(text, loc).has_value(); }

std::string textForm(double v, const NumberLocale& loc) { return formatSignificant(v, 15, loc); }
std::string textForm(float v, const NumberLocale& loc) { return formatSignificant(double(v), 7, loc); }
std::string textForm(Integer v, const NumberLocale&) { return std::to_string(int(v)); }

std::string textForm(Currency v, const NumberLocale& loc) {
    const std::int64_t raw = v.raw();
    const bool neg = raw < 0;
    const std::uint64_t mag = neg ? std::uint64_t(0) - std::uint64_t(raw) : std::uint64_t(raw);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%llu.%04llu", neg ? "-" : "", static_cast<unsigned long long>(mag / Currency::kScale),
                  static_cast<unsigned long long>(mag % Currency::kScale));
    std::string out = buf;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
    const auto point = out.find('.');
    if (point != std::string::npos) out.replace(point, 1, loc.decimal);
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

}  // namespace nk
