#pragma once
// The record of log-in tries, a text file in the program directory that
// every program and command using that directory shares. It slows guessing
// down: after wrong tries in a row for one name, the next try for that name
// has to wait (1, 2, 4, 8, 16, then 30 s), whichever process or computer
// makes it. Each try is one line, which the administrator reads:
//   time (UTC) TAB "wrong" or "right" TAB account TAB program TAB process TAB name
// A try is written as wrong before its password is checked, and turned right
// when it was, so tries made at once by several processes all count.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace orv {

// The record's folder in the program directory and its file name there. A
// folder of its own, because every account that logs in writes the record,
// also where it may not make files beside the lists and the password file.
inline constexpr std::string_view kLoginRecordFolder = "Logins";
inline constexpr std::string_view kLoginRecordFile = "LOGINS.LOG";
// The most tries the record keeps; older lines are dropped.
inline constexpr std::size_t kLoginRecordLines = 10000;

// programDir (ending in a separator) + the record's folder and file name.
std::string LoginRecordPath(std::string_view programDir);

// How long the next try for a name waits after wrongInARow wrong tries.
std::int64_t LoginDelaySeconds(int wrongInARow);

class LoginRecord {
 public:
  explicit LoginRecord(std::string path) : path_(std::move(path)) {}

  // Seconds still to wait before name may be tried; 0 when it may be now.
  // Names are compared as the record writes them (LoginRecordName).
  std::int64_t SecondsToWait(std::string_view name) const;

  // Takes a try for name: 0, and the try is recorded as wrong until Right
  // says otherwise; or the seconds still to wait, and nothing is recorded.
  // A record that cannot be read or written does not stop the try.
  std::int64_t Take(std::string_view name);
  // The try taken last was right: the wrong tries before it no longer count.
  void Right();

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::string taken_;  // the line of the try taken last
};

// A typed name as the record holds it: at most a user name's length, with
// tabs and other control characters as "?".
std::string LoginRecordName(std::string_view name);

}  // namespace orv
