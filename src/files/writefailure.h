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

// The text for a person at the computer whose change of path failed with
// code. Where a group shares the file's folder (its set-group-ID bit, as
// the installed program directory has it) and this account may not change
// the file or make files in that folder, only a teacher's account can:
// "Only a teacher's account of this computer can change " what ("the
// users"). Otherwise ErrorTextAt.
std::string ChangeFailureText(std::string_view path, int code, std::string_view what);

}  // namespace orv
