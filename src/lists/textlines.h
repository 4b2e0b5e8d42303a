#pragma once
// How the program splits the text of a file into lines.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace orv {

// What ended a line in its file: nothing (the file's last line), LF, or CR LF.
enum class LineEnd : std::uint8_t { kNone, kLf, kCrLf };

// The bytes of a line end.
std::string_view LineEndText(LineEnd end);

// Hands each line of text, without its end, to line. Lines end with CR LF or
// LF (a CR before anything else stays in the line); a last line without an
// end is still a line; a Ctrl-Z where a line would begin ends the text.
// Returns the offset of that Ctrl-Z, or text.size() when there is none.
std::size_t SplitLines(std::string_view text,
                       const std::function<void(std::string_view, LineEnd)>& line);

}  // namespace orv
