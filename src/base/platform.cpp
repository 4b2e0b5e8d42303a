#include "base/platform.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace orv {
namespace {

std::function<void()> beepHandler;
std::function<void(int)> exitHandler;
std::function<void()> quitHandler;
bool quitRequested = false;

}  // namespace

void Beep() {
  if (beepHandler) {
    beepHandler();
  } else {
    std::fputc('\a', stderr);
  }
}

void SetBeepHandler(std::function<void()> handler) {
  beepHandler = std::move(handler);
}

void ExitProcess(int code) {
  if (exitHandler) exitHandler(code);
  std::exit(code);
}

void SetExitHandler(std::function<void(int)> handler) {
  exitHandler = std::move(handler);
}

void RequestQuit() {
  quitRequested = true;
  if (quitHandler) {
    quitHandler();
  } else if (QCoreApplication::instance() != nullptr) {
    // exit, not quit: Qt's quit first asks every window to close, and the
    // main window refuses that until Quit has allowed it.
    QCoreApplication::exit(0);
  }
}

void SetQuitHandler(std::function<void()> handler) {
  quitHandler = std::move(handler);
}

bool QuitRequested() {
  return quitRequested;
}

void ResetQuitRequest() {
  quitRequested = false;
}

}  // namespace orv
