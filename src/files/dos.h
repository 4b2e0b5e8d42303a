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

// The folder part of a path, ending in its separator; empty without one.
std::string FolderOf(std::string_view path);
// The folder part without a drive prefix.
std::string FolderNoDrive(std::string_view path);
// The drive prefix up to the last ":"; empty without one.
std::string DriveOf(std::string_view path);
// The file name with its extension, folder and drive cut off.
std::string FileNameOf(std::string_view path);
// The text after the last ".", without the dot; empty without one.
std::string ExtOf(std::string_view path);
// The file name without its folder, drive and extension.
std::string BaseName(std::string_view path);
// A name (a user's) as the name of one folder: "\\", "/" and "%" are written
// %5C, %2F and %25, so the name can reach no other folder.
std::string FolderNameOf(std::string_view name);
// True when a group path stays inside the folder it is taken from: no ".."
// part, and no leading separator or drive.
bool StaysInside(std::string_view relativePath);

// Whether the file exists, is no folder and can be opened for reading.
bool CanOpenFile(std::string_view name);
// Whether the name is an existing entry that is not a folder.
bool FileFound(std::string_view name);
// Whether the folder exists (trailing separators ignored).
bool DirExists(std::string_view path);
// Whether a path with ":" lies on the one file system: a drive letter names none.
bool DriveValid(std::string_view path);
// Creates an empty file unless it can be opened; true on success.
bool EnsureFile(std::string_view name);
// As EnsureFile, with the I/O code.
int CreateFileCode(std::string_view name);
// Deletes a file; 0 also when there is none.
int EraseFile(std::string_view name);
// Creates an empty file and the folders leading to it; 15 for an invalid drive.
int MakeFile(std::string_view name);
// Who may remove or replace the entries of a folder made in a folder that
// other accounts may write: whoever may write it, or, as in a folder where
// several accounts make their own entries, only each entry's owner (the
// sticky bit). A folder made in a shared folder with the sticky bit has it too.
enum class Entries { AnyWriter, OwnersOnly };
// Makes one folder; raises E_Dos_Error when it cannot.
void MDir(std::string_view path, Entries entries = Entries::AnyWriter);
// Makes every missing folder of the path's folder part; 601 when one does not appear.
int MakePath(std::string_view name);
// Removes an empty folder; returns the I/O code.
int RemoveDir(std::string_view path);
// Line n (from 1) of a text file; empty when it has none or cannot be read.
std::string ReadLineN(std::string_view fileName, std::uint16_t n);
// The number of lines of a text file; 0 when it cannot be read.
std::int32_t LineCount(std::string_view fileName);

// The number with a leading zero below 10.
std::string TwoDigits(std::uint16_t n);
// Today's local date as "dd/mm/yyyy".
std::string TodayText();
// The local time as "hh:mm:ss".
std::string NowTimeText();
// A calendar date in the form of TodayText.
std::string DateText(int year, int month, int day);
// The time of day: hours, minutes and seconds in hundredths, plus the milliseconds.
std::int32_t DayClock();

// Beeps, then waits ms through Delay.
void BeepWait(std::uint16_t unused, std::uint16_t ms);

}  // namespace orv
