#pragma once
// The text encodings of the files the program reads and writes: UTF-8, and
// Windows-1252, in which older programs wrote word lists and password files.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// True when the bytes are valid UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Windows-1252 bytes as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);
// UTF-8 text as Windows-1252 bytes; std::nullopt when the text is not valid
// UTF-8 or holds a character that Windows-1252 has not.
std::optional<std::string> Utf8ToWindows1252(std::string_view text);

}  // namespace orv
