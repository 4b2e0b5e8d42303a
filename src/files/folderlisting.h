#pragma once
// The entries of one folder, opened relative to the descriptor of the folder
// that holds it and read one by one.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <memory>

namespace orv {

class FolderListing {
 public:
  // Lists the entry name of the folder with descriptor parent ("." lists
  // parent itself); a link there is not followed and lists nothing.
  FolderListing(int parent, const char* name) {
    const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    dir_.reset(::fdopendir(fd));
    if (!dir_) ::close(fd);
  }

  explicit operator bool() const { return dir_ != nullptr; }
  // The folder listed, for the *at calls on its entries.
  int Fd() const { return ::dirfd(dir_.get()); }
  // The next entry's name ("." and ".." among them); nullptr after the last.
  const char* Next() {
    const dirent* entry = dir_ ? ::readdir(dir_.get()) : nullptr;
    return entry != nullptr ? entry->d_name : nullptr;
  }

 private:
  struct Closer {
    void operator()(DIR* dir) const { ::closedir(dir); }
  };
  std::unique_ptr<DIR, Closer> dir_;
};

}  // namespace orv
