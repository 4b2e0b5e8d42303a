#include "support/file_size_limit.h"

namespace orv::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &old_);
  // The write then fails with EFBIG instead of the signal ending the process.
  oldHandler_ = signal(SIGXFSZ, SIG_IGN);
  rlimit limit = old_;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &old_);
  signal(SIGXFSZ, oldHandler_);
}

}  // namespace orv::test
