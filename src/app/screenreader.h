#pragma once
// Whether a screen reader is running on the desktop, asked of the desktop's
// accessibility bus (the flag a screen reader sets when it starts).

namespace orv {

// False without a session bus or an accessibility bus.
bool ScreenReaderRunning();

}  // namespace orv
