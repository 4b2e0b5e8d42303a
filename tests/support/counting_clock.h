#pragma once
// An instant clock that counts the rounds in which a wait let window messages
// be handled.
#include <cstdint>

#include "base/clock.h"

namespace orv::test {

class CountingClock : public InstantClock {
 public:
  void ProcessEvents() override { ++eventRounds; }
  std::uint64_t eventRounds = 0;
};

}  // namespace orv::test
