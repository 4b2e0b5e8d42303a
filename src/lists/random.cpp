#include "lists/random.h"

#include <chrono>
#include <random>

namespace orv {
namespace {

std::mt19937_64& Generator() {
  static std::mt19937_64 generator(
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  return generator;
}

}  // namespace

std::uint32_t RandomBelow(std::uint32_t n) {
  if (n == 0) return 0;
  std::uniform_int_distribution<std::uint32_t> draw(0, n - 1);
  return draw(Generator());
}

void SeedRandom(std::uint64_t seed) {
  Generator().seed(seed);
}

void SeedRandomFromClock() {
  Generator().seed(
      static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

}  // namespace orv
