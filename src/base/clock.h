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

// A clock whose sleeps only advance its own time: waits cost nothing.
class InstantClock : public Clock {
 public:
  std::uint32_t Ticks() override { return now_; }
  // Starts where SetUnixStart put it and goes on with the sleeps.
  std::int64_t UnixSeconds() override { return unixStart_ + slept_ / 1000; }
  void SetUnixStart(std::int64_t seconds) { unixStart_ = seconds; }
  void Sleep(std::uint32_t ms) override {
    now_ += ms;
    slept_ += ms;
  }
  void ProcessEvents() override { ++eventRounds_; }

  std::uint64_t Slept() const { return slept_; }
  std::uint64_t EventRounds() const { return eventRounds_; }

 private:
  std::uint32_t now_ = 0;
  std::int64_t unixStart_ = 0;
  std::uint64_t slept_ = 0;
  std::uint64_t eventRounds_ = 0;
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
