#pragma once
// The walk of a path, one folder at a time, that follows no symbolic link
// lying in a folder other accounts may write.
//
// In a program directory that a group shares, every member may make entries
// in its shared folders. A link one member plants there (as another's file,
// or as another's folder) would make the other's program write, erase or
// read where the planter chose, with the other's rights. So a link is
// followed only where it lies in a folder that none but the super user and
// this process's account may write: there it is that account's own choice
// (the program directory itself a link, a word list linked in a private
// home). Each folder is opened relative to the one before it without
// following a link, and the callers act on the last entry relative to the
// descriptor of its folder, so a link swapped in after the walk is not
// followed either.
//
// Letter case is resolved as Windows would: an entry that does not exist as
// written is looked up in its folder ignoring case (the first in byte order
// wins).
#include <sys/stat.h>

#include <string>
#include <string_view>

#include "files/descriptor.h"

namespace orv {

// The I/O code of a link, or of an entry that is no regular file (a pipe, a
// device, a folder), found where a file of a folder that other accounts may
// write should be. Nothing is followed, written, read or erased there.
inline constexpr int kPlantedEntryCode = 605;

// Whether accounts other than the super user and this process's own may make,
// remove or replace entries in a folder of this status: it is writable by its
// group or by all (sticky or not), or it belongs to another account.
bool OthersMayWrite(const struct stat& folder);

class WalkedPath {
 public:
  // The path's last entry when it is a link: followed, where the link lies
  // in a folder that others may not write (to read or write the file it
  // stands for), or kept as the entry itself, wherever it lies (to erase it,
  // or to find that it is there). No other link of a shared folder is followed.
  enum class LastLink { Follow, Keep };

  explicit WalkedPath(std::string_view path, LastLink last = LastLink::Follow);

  // 0 when the folder of the last entry is open; otherwise 2 for an empty
  // path, 3 when a folder on the way is missing or is no folder,
  // kPlantedEntryCode for a link of a shared folder to be followed, or
  // another I/O code.
  int Code() const { return code_; }
  // The folder that holds the last entry (a descriptor for the *at calls).
  int Folder() const { return folder_.Get(); }
  // Its status as it was opened.
  const struct stat& FolderStatus() const { return folderStatus_; }
  // Whether others may write that folder (see OthersMayWrite).
  bool Shared() const { return OthersMayWrite(folderStatus_); }
  // The last entry's name in the folder: spelled as on disk when it exists,
  // as given when it does not; "." for a path that names a root or ".".
  const std::string& Name() const { return name_; }
  // The operating-system path: "/" for separators, each entry walked spelled
  // as it is on disk, the rest as given. A link followed keeps its own name.
  const std::string& Native() const { return native_; }
  // Where the link refused with kPlantedEntryCode lies on disk.
  const std::string& Refused() const { return refused_; }

  // The last entry's status, not following a link; false (errno set) when
  // there is none or the walk failed.
  bool Stat(struct stat& st) const;
  // Whether an entry of this status at the end of the walk is a link, a
  // pipe, a device or a socket in a shared folder, where a file or a folder
  // of the program should be.
  bool Planted(const struct stat& st) const {
    return Shared() && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
  }
  // Opens the last entry to read it or to change its permissions, without
  // following a link (a pipe does not wait for a writer); a planted entry,
  // or one found in its place once open, is kPlantedEntryCode.
  int Open(Descriptor& file) const;
  // The I/O code of an operation on the last entry that failed with err: a
  // link met there (put there after the walk) is refused in a shared folder.
  int CodeOf(int err) const;

 private:
  Descriptor folder_;
  struct stat folderStatus_ {};
  std::string name_;
  std::string native_;
  std::string refused_;
  int code_ = 0;
};

}  // namespace orv
