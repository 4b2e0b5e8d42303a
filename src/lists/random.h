#pragma once
// The program's one uniform pseudo-random source, seeded from the clock when
// the program starts (orvc --seed N makes a run repeatable).
#include <cstdint>

namespace orv {

// A uniform integer from 0 to n - 1; 0 when n is 0.
std::uint32_t RandomBelow(std::uint32_t n);
void SeedRandom(std::uint64_t seed);
void SeedRandomFromClock();

}  // namespace orv
