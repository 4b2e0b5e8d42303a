#pragma once
// The program's one clock: every wait (Delay, timed messages, the pause after
// a wrong answer) goes through it, so tests can make waits instant.
#include <cstdint>

namespace orv {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; wraps modulo 2^32.
  virtual std::uint32_t Ticks() = 0;
  // The time of day as seconds since 1970 (UTC), the same in every process.
  virtual std::int64_t UnixSeconds() = 0;
  virtual void Sleep(std::uint32_t ms) = 0;
  // Lets the window system handle its pending messages.
  virtual void ProcessEvents() = 0;
};

// The clock in force: the real one unless a test has put another in place.
Clock& TheClock();
// Puts a clock in place (not owned); nullptr restores the real clock.
void SetClock(Clock* clock);

// A clock whose sleeps only advance its own time: waits cost nothing. Its
// ticks are the milliseconds slept; its time of day starts at unixStart
// (seconds since 1970) and goes on with the sleeps.
class InstantClock : public Clock {
 public:
  explicit InstantClock(std::int64_t unixStart = 0) : unixStart_(unixStart) {}
  std::uint32_t Ticks() override { return static_cast<std::uint32_t>(slept_); }
  std::int64_t UnixSeconds() override {
    return unixStart_ + static_cast<std::int64_t>(slept_ / 1000);
  }
  void Sleep(std::uint32_t ms) override { slept_ += ms; }
  // It has no window to hand messages to.
  void ProcessEvents() override {}

 private:
  std::int64_t unixStart_;
  std::uint64_t slept_ = 0;
};

// Puts a clock in place for the lifetime of this object.
class ScopedClock {
 public:
  explicit ScopedClock(Clock& clock) { SetClock(&clock); }
  ~ScopedClock() { SetClock(nullptr); }
  ScopedClock(const ScopedClock&) = delete;
  ScopedClock& operator=(const ScopedClock&) = delete;
};

}  // namespace orv
