#include "platform/codepage.h"

#include <array>
#include <cstdint>

namespace nk {

namespace {

// Code points of the bytes 0x80 to 0xFF. The five bytes the code page leaves
// undefined (0x81, 0x83, 0x88, 0x90, 0x98) stand for the C1 control of the
// same number, as Windows reads them, so a text holding them is written back
// with the bytes it was read with.
constexpr std::array<char32_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The code point starting at `i` of a valid UTF-8 text, and its length.
char32_t decodeAt(std::string_view s, std::size_t i, std::size_t& length) {
    const auto b = [&](std::size_t k) { return std::uint8_t(s[i + k]); };
    const std::uint8_t first = b(0);
    if (first < 0x80) return length = 1, first;
    if ((first & 0xE0) == 0xC0) return length = 2, char32_t((first & 0x1F) << 6 | (b(1) & 0x3F));
    if ((first & 0xF0) == 0xE0)
        return length = 3, char32_t((first & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F));
    return length = 4, char32_t((first & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F));
}

}  // namespace

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const std::uint8_t c = std::uint8_t(s[i]);
        std::size_t n = 0;
        char32_t lowest = 0;
        if (c < 0x80) n = 1;
        else if ((c & 0xE0) == 0xC0) n = 2, lowest = 0x80;
        else if ((c & 0xF0) == 0xE0) n = 3, lowest = 0x800;
        else if ((c & 0xF8) == 0xF0) n = 4, lowest = 0x10000;
        else return false;
        if (i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((std::uint8_t(s[i + k]) & 0xC0) != 0x80) return false;
        if (n > 1) {
            std::size_t length = 0;
            const char32_t cp = decodeAt(s, i, length);
            if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        }
        i += n;
    }
    return true;
}

std::string fromWindows1250(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const std::uint8_t b = std::uint8_t(ch);
        if (b < 0x80)
            out += ch;
        else
            appendUtf8(out, kHigh[b - 0x80]);
    }
    return out;
}

std::optional<std::string> toWindows1250(std::string_view utf8, std::string* bad) {
    if (!isValidUtf8(utf8)) {
        if (bad) bad->assign(1, '?');
        return std::nullopt;
    }
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t length = 1;
        const char32_t c = decodeAt(utf8, i, length);
        if (c < 0x80) {
            out += char(c);
        } else {
            std::size_t k = 0;
            while (k < kHigh.size() && kHigh[k] != c) ++k;
            if (k == kHigh.size()) {
                if (bad) *bad = std::string(utf8.substr(i, length));
                return std::nullopt;
            }
            out += char(0x80 + k);
        }
        i += length;
    }
    return out;
}

std::string decodeFileText(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return fromWindows1250(bytes);
}

}  // namespace nk
