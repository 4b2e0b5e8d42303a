#include "base/clock.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace orv {
namespace {

class RealClock : public Clock {
 public:
  std::uint32_t Ticks() override {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count());
  }
  std::int64_t UnixSeconds() override {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
  }
  void Sleep(std::uint32_t ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
  void ProcessEvents() override {
    if (QCoreApplication::instance() != nullptr) QCoreApplication::processEvents();
  }
};

RealClock& Real() {
  static RealClock clock;
  return clock;
}

Clock* current = nullptr;

}  // namespace

Clock& TheClock() {
  return current != nullptr ? *current : Real();
}

void SetClock(Clock* clock) {
  current = clock;
}

}  // namespace orv
