#include "files/filelayer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <string>

#include "base/encodings.h"
#include "files/descriptor.h"
#include "files/pathwalk.h"

namespace orv {

std::string NativePath(std::string_view path) {
  return WalkedPath(path, WalkedPath::LastLink::Keep).Native();
}

int IoCodeFromErrno(int err) {
  switch (err) {
    case 0:
      return 0;
    case ENOENT:
      return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EEXIST:
    case EISDIR:
    case ENOTEMPTY:
    case ETXTBSY:
    case EINVAL:
      return 5;
    case EBADF:
      return 6;
    case ENOMEM:
      return 8;
    case EBUSY:
      return 16;
    case EXDEV:
      return 17;
    case EROFS:
      return 150;
    case ENODEV:
    case ENXIO:
      return 152;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return 101;
    default:
      return 100;
  }
}

namespace {

// Why a file of this kind and size cannot be read whole, or 0 when it can.
int ReadableCode(const struct stat& st, std::size_t limit) {
  if (S_ISDIR(st.st_mode)) return 5;  // a folder cannot be opened as a file
  // A device or a pipe may never end, or never begin.
  if (!S_ISREG(st.st_mode)) return kNotAFileCode;
  return static_cast<std::uintmax_t>(st.st_size) > limit ? kFileTooLargeCode : 0;
}

}  // namespace

int ReadFileBytes(std::string_view path, std::string& bytes, std::size_t limit) {
  bytes.clear();
  const WalkedPath walked(path);
  if (walked.Code() != 0) return walked.Code();
  // A device is not even opened: opening one may start it.
  struct stat st {};
  if (!walked.Stat(st)) return IoCodeFromErrno(errno);
  if (walked.Planted(st)) return kPlantedEntryCode;
  if (const int code = ReadableCode(st, limit); code != 0) return code;
  Descriptor file;
  if (const int code = walked.Open(file); code != 0) return code;
  if (::fstat(file.Get(), &st) != 0) return IoCodeFromErrno(errno);
  if (const int code = ReadableCode(st, limit); code != 0) return code;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  std::array<char, 65536> chunk{};
  for (;;) {
    ssize_t n = ::read(file.Get(), chunk.data(), chunk.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      int code = IoCodeFromErrno(errno);
      bytes.clear();
      return code;
    }
    if (n == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
    // A file that grows while it is read, or whose size is not known
    // beforehand (those of /proc), is held to the limit too.
    if (bytes.size() > limit) {
      bytes.clear();
      return kFileTooLargeCode;
    }
  }
  return 0;
}

int ReadTextFile(std::string_view path, std::string& text) {
  std::string bytes;
  int code = ReadFileBytes(path, bytes);
  if (code != 0) {
    text.clear();
    return code;
  }
  if (IsValidUtf8(bytes)) {
    // A byte-order mark that Windows editors put first is not part of the text.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    text = std::move(bytes);
  } else {
    text = Windows1252ToUtf8(bytes);
  }
  return 0;
}

}  // namespace orv
