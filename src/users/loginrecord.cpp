#include "users/loginrecord.h"

#include <pwd.h>
#include <syslog.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "base/clock.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "files/filelayer.h"
#include "files/filelock.h"
#include "files/safesave.h"
#include "users/passwordfile.h"

namespace orv {
namespace {

constexpr std::string_view kHeader =
    "# time (UTC)\ttry\taccount\tprogram\tprocess\tname (wrong tries in a row make the next "
    "one wait)\n";
constexpr std::string_view kWrong = "wrong";
constexpr std::string_view kRight = "right";

struct Try {
  std::int64_t time = 0;
  bool right = false;
  std::string name;
};

std::string TimeText(std::int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm utc{};
  gmtime_r(&t, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

std::optional<std::int64_t> TimeOf(const std::string& text) {
  std::tm utc{};
  char zone = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &utc.tm_year, &utc.tm_mon,
                  &utc.tm_mday, &utc.tm_hour, &utc.tm_min, &utc.tm_sec, &zone) != 7 ||
      zone != 'Z') {
    return std::nullopt;
  }
  utc.tm_year -= 1900;
  utc.tm_mon -= 1;
  return static_cast<std::int64_t>(timegm(&utc));
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

std::optional<Try> ParseTry(const std::string& line) {
  const std::vector<std::string> f = Fields(line);
  if (f.size() != 6 || (f[1] != kWrong && f[1] != kRight)) return std::nullopt;
  const std::optional<std::int64_t> time = TimeOf(f[0]);
  if (!time) return std::nullopt;
  return Try{*time, f[1] == kRight, f[5]};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    if (text[start] != '#') lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The record's tries; none when it cannot be read (a first try has none).
std::vector<std::string> ReadLines(const std::string& path) {
  std::string bytes;
  if (ReadFileBytes(path, bytes) != 0) return {};
  return Lines(bytes);
}

int WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text(kHeader);
  const std::size_t first = lines.size() > kLoginRecordLines ? lines.size() - kLoginRecordLines : 0;
  for (std::size_t i = first; i < lines.size(); ++i) text += lines[i] + '\n';
  return WriteFileSafely(path, text, FileAccess::Shared);
}

// The wrong tries for name since its last right one, and when the last was.
std::pair<int, std::int64_t> WrongInARow(const std::vector<std::string>& lines,
                                         const std::string& name) {
  int wrong = 0;
  std::int64_t last = 0;
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    const std::optional<Try> entry = ParseTry(*line);
    if (!entry || entry->name != name) continue;
    if (entry->right) break;
    if (wrong++ == 0) last = entry->time;
  }
  return {wrong, last};
}

std::int64_t WaitLeft(const std::vector<std::string>& lines, const std::string& name,
                      std::int64_t now) {
  const auto [wrong, last] = WrongInARow(lines, name);
  const std::int64_t delay = LoginDelaySeconds(wrong);
  // A last try stamped ahead of this computer's clock waits no more than the delay.
  return std::clamp<std::int64_t>(last + delay - now, 0, delay);
}

std::string AccountName() {
  if (const passwd* pw = getpwuid(geteuid()); pw != nullptr) return pw->pw_name;
  return std::to_string(geteuid());
}

}  // namespace

std::string LoginRecordPath(std::string_view programDir) {
  return std::string(programDir) + std::string(kLoginRecordFolder) + '\\' +
         std::string(kLoginRecordFile);
}

std::int64_t LoginDelaySeconds(int wrongInARow) {
  if (wrongInARow <= 0) return 0;
  return wrongInARow >= 6 ? 30 : std::int64_t{1} << (wrongInARow - 1);
}

std::string LoginRecordName(std::string_view name) {
  std::string cut = CutToCharacters(name, kUserNameLength);
  for (char& c : cut) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return cut;
}

std::int64_t LoginRecord::SecondsToWait(std::string_view name) const {
  return WaitLeft(ReadLines(path_), LoginRecordName(name), TheClock().UnixSeconds());
}

std::int64_t LoginRecord::Take(std::string_view name) {
  taken_.clear();
  const std::string recorded = LoginRecordName(name);
  MakePath(path_);
  const FileLock lock(path_, FileAccess::Shared);
  std::vector<std::string> lines = ReadLines(path_);
  const std::int64_t now = TheClock().UnixSeconds();
  if (const std::int64_t wait = WaitLeft(lines, recorded, now); wait > 0) return wait;
  if (const int wrong = WrongInARow(lines, recorded).first; wrong > 0) {
    // The system log keeps what an account that may write the record could erase there.
    syslog(LOG_AUTHPRIV | LOG_WARNING, "orv: %d wrong log-ins in a row for %s, now by account %s",
           wrong, recorded.c_str(), AccountName().c_str());
  }
  taken_ = TimeText(now) + '\t' + std::string(kWrong) + '\t' + AccountName() + '\t' +
           program_invocation_short_name + '\t' + std::to_string(getpid()) + '\t' + recorded;
  lines.push_back(taken_);
  if (lock.Code() == 0) WriteLines(path_, lines);
  return 0;
}

void LoginRecord::Right() {
  if (taken_.empty()) return;
  const FileLock lock(path_, FileAccess::Shared);
  if (lock.Code() != 0) return;
  std::vector<std::string> lines = ReadLines(path_);
  const auto mine = std::find(lines.rbegin(), lines.rend(), taken_);
  std::string right = taken_;
  right.replace(right.find('\t'), kWrong.size() + 1, '\t' + std::string(kRight));
  if (mine != lines.rend()) {
    *mine = right;
  } else {
    lines.push_back(right);
  }
  taken_.clear();
  WriteLines(path_, lines);
}

}  // namespace orv
