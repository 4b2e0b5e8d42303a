#pragma once
// The file layer: every file access of the program goes through it.
// - Paths may use "\" or "/" as separator; "\" becomes "/" only here.
// - Letter case is resolved as Windows would: a path that does not exist as
//   written is looked up component by component ignoring case (first match).
// - Whole files are written by safesave.h.
// - Text that is not valid UTF-8 is read as Windows-1252 and converted.
// - No link is followed, and nothing but a regular file is read or written,
//   in a folder that other accounts may write (see pathwalk.h): that is
//   kPlantedEntryCode.
// Results are the program's I/O codes: 0 success, 2 file not found, 3 path
// not found, 5 access denied, 100 read error, 101 write error, ...
#include <cstddef>
#include <string>
#include <string_view>

#include "files/pathwalk.h"

namespace orv {

// The operating-system path for a program path: separators turned into "/",
// and every existing component spelled as it is on disk. Components that do
// not exist, and those behind a link of a shared folder (see pathwalk.h),
// keep the spelling given.
std::string NativePath(std::string_view path);

// The I/O code for an errno value.
int IoCodeFromErrno(int err);

// The I/O code of a path that names a device or a pipe, which may never
// end, where a file is to be read.
inline constexpr int kNotAFileCode = 602;
// The I/O code of a file larger than its reader takes.
inline constexpr int kFileTooLargeCode = 603;
// The most a text file of the program may hold: 64 MiB, many times a word
// list or a start-up file, and more than a password file of 65535 users
// with the longest names and codes (about 23 MB).
inline constexpr std::size_t kTextFileLimit = std::size_t{64} << 20;

// Reads a whole regular file of at most limit bytes as bytes.
int ReadFileBytes(std::string_view path, std::string& bytes, std::size_t limit = kTextFileLimit);

// Reads a whole text file, converting Windows-1252 to UTF-8 when the bytes
// are not valid UTF-8.
int ReadTextFile(std::string_view path, std::string& text);

}  // namespace orv
