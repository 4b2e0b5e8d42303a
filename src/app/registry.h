#pragma once
// The program's machine-wide values, kept in orv.ini in the program
// directory. It is read as the file layer reads a file, never through a link
// planted in a shared folder. A key path such as "\Software\Quenby\Orv\7.0\Data" is the group
// "Software/Quenby/Orv/7.0/Data"; each helper opens the file of the program
// directory it is given for one operation only.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct ProgramPaths;

inline constexpr std::string_view kOrvKey = "\\Software\\Quenby\\Orv\\7.0\\Data";
inline constexpr std::string_view kFirebirdKey =
    "Software\\Firebird Project\\Firebird Server\\Instances";
inline constexpr std::string_view kInterBaseKey = "Software\\Borland\\InterBase\\CurrentVersion";

// orv.ini in the program directory.
std::string RegistryFile(const ProgramPaths& paths);

bool RegValueExists(const ProgramPaths& paths, std::string_view key, std::string_view name);
// The value, or empty text when there is none.
std::string RegReadString(const ProgramPaths& paths, std::string_view key, std::string_view name);
// The value in another INI file, or std::nullopt when it has none.
std::optional<std::string> IniValue(const std::string& file, std::string_view key,
                                    std::string_view name);
// The value when it is stored as an integer (not 0 is true); true otherwise,
// also when it is missing.
bool RegReadBool(const ProgramPaths& paths, std::string_view key, std::string_view name);
// Stored as the integer 1 or 0. The writes return the I/O code: 5 where
// this account may not change orv.ini, kPlantedEntryCode for a link in its
// place in a shared folder; the file is then as it was.
int RegWriteBool(const ProgramPaths& paths, std::string_view key, std::string_view name,
                 bool value);
int RegWriteString(const ProgramPaths& paths, std::string_view key, std::string_view name,
                   std::string_view text);

}  // namespace orv
