#pragma once
// Every window of the program in turn, as the super user sees it.
#include <QWidget>
#include <functional>
#include <string>

namespace orv::e2e {

// Runs the program on home, logs in as ADMIN, shows every window the main
// window owns, each given to look, and quits. The log-in window is looked at
// first; the first log-in of a program directory (newStartUpFile) makes the
// start-up file. Fails the test when the program does not end as it should.
void WalkEveryWindow(const std::string& home, const std::function<void(QWidget&)>& look,
                     bool newStartUpFile);

}  // namespace orv::e2e
