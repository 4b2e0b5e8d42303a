#pragma once
// Makes every write past a file size fail for the lifetime of this object,
// as a full disk would; it works for root too, unlike permissions.
#include <signal.h>
#include <sys/resource.h>

namespace orv::test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_;
};

}  // namespace orv::test
