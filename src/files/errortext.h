#pragma once
// The program's table of error texts: operating-system and run-time I/O codes
// and the program's own codes from 500 up.
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// "Error num " + code + ", " + the code's text ("Unknown error" when unlisted).
std::string ErrorText(int code);
// ErrorText, and for an entry refused in a shared folder where it stands:
// the link that was not followed, or the path of the file.
std::string ErrorTextAt(int code, std::string_view path);

}  // namespace orv
