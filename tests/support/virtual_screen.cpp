#include "support/virtual_screen.h"

#include <chrono>
#include <thread>

namespace orv::test {
namespace {

void Pause() {
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

}  // namespace

VirtualScreen::VirtualScreen() {
  // Xvfb picks a free display and writes its number on the descriptor named.
  server_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
  if (!server_.waitForStarted()) {
    problem_ = "Xvfb did not start";
    return;
  }
  for (int tries = 0; tries < 300 && !server_.canReadLine(); ++tries) server_.waitForReadyRead(100);
  const QString number = QString::fromLocal8Bit(server_.readLine()).trimmed();
  if (number.isEmpty()) {
    problem_ = "Xvfb gave no display";
    return;
  }
  display_ = ":" + number;
  windowManager_.setProcessEnvironment(Environment());
  windowManager_.start("openbox", {});
  if (!windowManager_.waitForStarted()) {
    problem_ = "openbox did not start";
    return;
  }
  // The window manager is up once it tells the screen's desktops.
  for (int tries = 0; tries < 300; ++tries) {
    if (!XdoTool({"get_desktop"}).empty()) return;
    Pause();
  }
  problem_ = "openbox did not take the screen";
}

VirtualScreen::~VirtualScreen() {
  for (QProcess* p : {&windowManager_, &server_}) {
    if (p->state() == QProcess::NotRunning) continue;
    p->terminate();
    if (!p->waitForFinished(10000)) p->kill();
    p->waitForFinished();
  }
}

QProcessEnvironment VirtualScreen::Environment() const {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", display_);
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.remove("WAYLAND_DISPLAY");
  return env;
}

std::vector<std::string> VirtualScreen::XdoTool(const QStringList& arguments) const {
  QProcess xdotool;
  xdotool.setProcessEnvironment(Environment());
  xdotool.start("xdotool", arguments);
  std::vector<std::string> lines;
  if (!xdotool.waitForFinished(30000) || xdotool.exitCode() != 0) return lines;
  for (const QByteArray& line : xdotool.readAllStandardOutput().split('\n')) {
    if (!line.isEmpty()) lines.push_back(line.toStdString());
  }
  return lines;
}

std::vector<std::string> VirtualScreen::Titles() const {
  std::vector<std::string> titles;
  // By class: a window without a title of its own has none to search by.
  for (const std::string& id : XdoTool({"search", "--onlyvisible", "--classname", "."})) {
    const std::vector<std::string> name = XdoTool({"getwindowname", QString::fromStdString(id)});
    if (!name.empty()) titles.push_back(name.front());
  }
  return titles;
}

bool VirtualScreen::Activate(const std::string& title) const {
  const QString exact = "^" + QString::fromStdString(title) + "$";
  for (int tries = 0; tries < 600; ++tries) {
    const std::vector<std::string> found = XdoTool({"search", "--onlyvisible", "--name", exact});
    if (!found.empty()) {
      XdoTool({"windowactivate", QString::fromStdString(found.front())});
      // The window takes keys once it has the focus the activation gave it.
      for (int wait = 0; wait < 50; ++wait) {
        if (XdoTool({"getactivewindow"}) == std::vector<std::string>{found.front()}) return true;
        Pause();
      }
    }
    Pause();
  }
  return false;
}

void VirtualScreen::Type(const std::string& text) const {
  XdoTool({"type", "--delay", "50", QString::fromStdString(text)});
}

void VirtualScreen::Key(const std::string& keys) const {
  XdoTool({"key", "--clearmodifiers", QString::fromStdString(keys)});
}

}  // namespace orv::test
