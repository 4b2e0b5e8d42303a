#pragma once
// A private X screen (Xvfb) with a window manager (openbox), on which the
// real program runs in a process of its own and is driven as a person drives
// it: a window found by its title and activated, keys typed with xdotool.
#include <QProcess>
#include <QProcessEnvironment>
#include <string>
#include <vector>

namespace orv::test {

class VirtualScreen {
 public:
  VirtualScreen();
  ~VirtualScreen();
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;

  // Empty once the screen and its window manager are up; else why not.
  const std::string& Problem() const { return problem_; }
  // The environment of a program shown on this screen.
  QProcessEnvironment Environment() const;

  // The titles of the windows shown on the screen, in no order; a window
  // without a title shows the program's name (the window manager's own have
  // none). The program's windows are the only others.
  std::vector<std::string> Titles() const;
  // Waits (about a minute at most) for a window with the title and gives it
  // the keyboard; false when none came.
  bool Activate(const std::string& title) const;
  // Types the text, or presses keys such as "Return" or "alt+w".
  void Type(const std::string& text) const;
  void Key(const std::string& keys) const;

 private:
  // xdotool's output, one line each; nothing when it fails.
  std::vector<std::string> XdoTool(const QStringList& arguments) const;

  QString display_;
  std::string problem_;
  QProcess server_;
  QProcess windowManager_;
};

}  // namespace orv::test
