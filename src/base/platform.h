#pragma once
// Process-wide actions that the program takes on its own platform: the system
// beep, ending the process with an exit code, and asking the application to
// end. Each goes through a replaceable handler so tests can observe it.
#include <functional>

namespace orv {

void Beep();
void SetBeepHandler(std::function<void()> handler);  // empty restores the default

// Ends the process at once with the code (800: no database engine; 999: the
// password file disappeared). A test handler may throw instead of returning.
[[noreturn]] void ExitProcess(int code);
void SetExitHandler(std::function<void(int)> handler);  // empty restores std::exit

// "Tell the application to terminate": the event loop ends when it next runs.
void RequestQuit();
void SetQuitHandler(std::function<void()> handler);  // empty restores the default
bool QuitRequested();
void ResetQuitRequest();

}  // namespace orv
