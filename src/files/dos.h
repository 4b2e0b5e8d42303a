#pragma once
// Path-cutting, file, folder and date-text operations. Paths are Windows
// paths: "\" separates folders (the file layer also accepts "/") and ":" ends
// a drive prefix. Operations that return a code or a boolean never raise for
// I/O failures.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/errors.h"

namespace orv {

class E_Dos_Error : public E_Orv_Error {
 public:
  using E_Orv_Error::E_Orv_Error;
};

std::string FolderOf(std::string_view path);
std::string FolderNoDrive(std::string_view path);
std::string DriveOf(std::string_view path);
std::string FileNameOf(std::string_view path);
std::string ExtOf(std::string_view path);
std::string BaseName(std::string_view path);
// A name (a user's) as the name of one folder: "\\", "/" and "%" are written
// %5C, %2F and %25, so the name can reach no other folder.
std::string FolderNameOf(std::string_view name);
// True when a group path stays inside the folder it is taken from: no ".."
// part, and no leading separator or drive.
bool StaysInside(std::string_view relativePath);

bool CanOpenFile(std::string_view name);
bool FileFound(std::string_view name);
bool DirExists(std::string_view path);
bool DriveValid(std::string_view path);
bool EnsureFile(std::string_view name);
int CreateFileCode(std::string_view name);
int EraseFile(std::string_view name);
int MakeFile(std::string_view name);
void MDir(std::string_view path);
int MakePath(std::string_view name);
int RemoveDir(std::string_view path);
std::string ReadLineN(std::string_view fileName, std::uint16_t n);
std::int32_t LineCount(std::string_view fileName);

std::string TwoDigits(std::uint16_t n);
std::string TodayText();
std::string NowTimeText();
// A calendar date in the form of TodayText.
std::string DateText(int year, int month, int day);
std::int32_t DayClock();

void BeepWait(std::uint16_t unused, std::uint16_t ms);
// Raises ERunError for 0..255 (the original stopped the program), ERangeError above.
[[noreturn]] void RunErrorFor(int code);

}  // namespace orv
