#pragma once
// Why a file could not be written, said so that whoever reads it can act:
// "Access denied" alone does not tell a folder's name from a file that may
// not be changed or a folder that may not take new files.
#include <string>
#include <string_view>

namespace orv {

// ErrorText of the I/O code of a failed write of path; for code 5 followed
// by the cause found on the disk, in parentheses: the name is a folder's,
// the file is write-protected or this account may not change it, or this
// account may not make files in its folder.
std::string WriteFailureText(std::string_view path, int code);

}  // namespace orv
