#pragma once
// The file layer: every file access of the program goes through it.
// - Paths may use "\" or "/" as separator; "\" becomes "/" only here.
// - Letter case is resolved as Windows would: a path that does not exist as
//   written is looked up component by component ignoring case (first match).
// - Whole-file writes go to a temporary file in the same folder, are flushed
//   and renamed over the target, so a failure leaves the old file whole.
// - Text that is not valid UTF-8 is read as Windows-1252 and converted.
// - No link is followed, and nothing but a regular file is read or written,
//   in a folder that other accounts may write (see pathwalk.h): that is
//   kPlantedEntryCode.
// Results are the program's I/O codes: 0 success, 2 file not found, 3 path
// not found, 5 access denied, 100 read error, 101 write error, ...
#include <sys/stat.h>

#include <cstddef>
#include <optional>
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

// Who may read and write a file the program creates. A private file (users,
// their settings, scores) is its owner's alone; where its folder is shared
// by a group (set-group-ID or group-writable, as an installed program
// directory is), that group's too.
enum class FileAccess { Shared, Private };

// Writes a whole file safely (temporary file, flush, rename). A file that
// exists keeps its permissions, less those a private file may not have
// (see KeepFilePrivate); a new one gets those of access. A target the
// account may not write, or one without any write permission, is refused
// with 5 (access denied) and left as it is.
int WriteFileSafely(std::string_view path, std::string_view bytes,
                    FileAccess access = FileAccess::Shared);

// Gives an existing file the permissions of a new private file in its
// folder; returns the I/O code.
int MakeFilePrivate(std::string_view path);
// The same for the open file fd, an entry of a folder of that status.
void MakeOpenFilePrivate(int fd, const struct stat& folder);

// Takes from an existing file the permissions that a private file in its
// folder may not have: reading and writing by others, and by the group
// unless the folder is shared by its group. The rest stay. Returns the I/O code.
int KeepFilePrivate(std::string_view path);

// True when the bytes are valid UTF-8.
bool IsValidUtf8(std::string_view bytes);
// Windows-1252 bytes as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);
// UTF-8 text as Windows-1252 bytes; std::nullopt when the text is not valid
// UTF-8 or holds a character that Windows-1252 has not.
std::optional<std::string> Utf8ToWindows1252(std::string_view text);

}  // namespace orv
