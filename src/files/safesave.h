#pragma once
// Saving a whole file safely: it is written to a temporary file in the same
// folder, flushed and renamed over the target, so a failure leaves the old
// file whole; the temporary files of saves ended half way are removed. A
// private file's permissions are kept to its owner (and its folder's group).
#include <sys/stat.h>

#include <string_view>

namespace orv {

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

}  // namespace orv
