#pragma once

// The Windows-1250 code page of the Hungarian Windows desktops that settings
// files come from, and the choice between it and UTF-8 when a file is read.

#include <optional>
#include <string>
#include <string_view>

namespace nk {

// The UTF-8 text of Windows-1250 bytes.
std::string fromWindows1250(std::string_view bytes);

// The Windows-1250 bytes of a UTF-8 text; nothing when a character has no
// place in the code page (`bad` then holds the first such character).
std::optional<std::string> toWindows1250(std::string_view utf8, std::string* bad = nullptr);

// A file's text: UTF-8 when its bytes are valid UTF-8 (a byte-order mark is
// dropped), Windows-1250 otherwise.
std::string decodeFileText(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

}  // namespace nk
