#pragma once
// An open file descriptor of the operating system, closed with its owner.
#include <unistd.h>

#include <utility>

namespace orv {

class Descriptor {
 public:
  Descriptor() = default;
  // Takes over fd; a negative one (a failed open) holds nothing.
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  // Closes now and reports the error of the close itself, which a write
  // that the file system delays may only show here.
  int Close() { return ::close(std::exchange(fd_, -1)); }

 private:
  int fd_ = -1;
};

}  // namespace orv
