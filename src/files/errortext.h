#pragma once
// The program's table of error texts: operating-system and run-time I/O codes
// and the program's own codes from 500 up.
#include <cstdint>
#include <string>

namespace orv {

// "Error num " + code + ", " + the code's text ("Unknown error" when unlisted).
std::string ErrorText(int code);

}  // namespace orv
