#pragma once
// The program's one wait that keeps the windows responsive.
#include <cstdint>

namespace orv {

// Waits the time while window messages keep being handled (through the clock).
void Delay(std::uint32_t ms);

}  // namespace orv
