// The program's one wait that keeps the windows responsive.
#include "base/delay.h"

#include "base/clock.h"
#include "base/platform.h"

namespace orv {

void Delay(std::uint32_t ms) {
  Clock& clock = TheClock();
  const std::uint32_t start = clock.Ticks();
  do {
    clock.ProcessEvents();
    clock.Sleep(25);
    // Unsigned subtraction keeps the elapsed time right across a wrap of the
    // ticks. A program told to end waits no longer.
  } while (clock.Ticks() - start < ms && !QuitRequested());
}

}  // namespace orv
