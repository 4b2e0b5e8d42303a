#include "files/writefailure.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/translate.h"
#include "files/errortext.h"
#include "files/filelayer.h"

namespace orv {
namespace {

bool MayWrite(const std::string& native) {
  return ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) == 0;
}

std::string FolderPart(const std::string& native) {
  const std::size_t slash = native.find_last_of('/');
  return slash == std::string::npos ? "." : native.substr(0, slash + 1);
}

std::string Cause(const std::string& native) {
  struct stat st {};
  if (::stat(native.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return "it is a folder, not a file";
    if ((st.st_mode & 0222) == 0) return "the file is write-protected";
    if (!MayWrite(native)) return "this account may not change the file";
  }
  const std::string folder = FolderPart(native);
  if (!MayWrite(folder)) return "this account may not make files in the folder " + folder;
  return {};
}

}  // namespace

std::string WriteFailureText(std::string_view path, int code) {
  std::string text = ErrorText(code);
  if (code != 5) return text;
  const std::string cause = Cause(NativePath(path));
  return cause.empty() ? text : text + " (" + cause + ")";
}

std::string ChangeFailureText(std::string_view path, int code, std::string_view what) {
  const std::string native = NativePath(path);
  struct stat folder {};
  struct stat file {};
  const bool shared =
      ::stat(FolderPart(native).c_str(), &folder) == 0 && (folder.st_mode & S_ISGID) != 0;
  const bool mayNot =
      ::stat(native.c_str(), &file) == 0 ? !MayWrite(native) : !MayWrite(FolderPart(native));
  if (code == 5 && shared && mayNot) {
    return Filled(
        TrText("WriteFailure", "Only a teacher's account of this computer can change %1."),
        std::string(what));
  }
  return ErrorTextAt(code, path);
}

}  // namespace orv
