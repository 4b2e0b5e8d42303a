#pragma once
// The main window's commands as data: the menus of its menu bar, one row a
// command (object name, caption, hint, shortcut, handler and what enables
// it), and the buttons of its tool bar, each running a command of the menus.
#include <QStyle>
#include <cstdint>
#include <span>

#include "app/mainview.h"

namespace orv {

class TMainForm;

// The menus of the menu bar, left to right; a command names its menu by its
// place here.
enum MenuPlace : int { kFile, kWordList, kUser, kLog, kSound, kOption, kHelp };

struct MenuRow {
  const char* name;
  const char* caption;
  const char* hint;
  Needs needs;
};
std::span<const MenuRow> MainMenus();

// What a command works on besides the view's state: it works once that is there.
enum class CommandPart : std::uint8_t {
  None,
  Database,
  ReviewRunner,
  ScoresWindow,
  LogWindow,
  WrongWordsWindow,
  SoundsWindow,
  ProgressWindow,
  ClassOverviewWindow,
};

// A row of the command table: one command, its place in the menus and what
// enables it. A row without a name is a separator.
struct CommandRow {
  MenuPlace menu = kFile;
  const char* name = nullptr;
  const char* caption = nullptr;
  const char* hint = nullptr;
  const char* shortcut = nullptr;
  // None: the command is shown and never works.
  void (TMainForm::*handler)() = nullptr;
  Needs needs = {};
  CommandPart part = CommandPart::None;
  // A check item shows this flag of the view.
  bool MainView::*checked = nullptr;
  // Off, the command is not shown either.
  bool hiddenWhenOff = false;
};
// The commands in the order of their menus.
std::span<const CommandRow> MainCommands();

// A tool bar button runs a command of the menus under its own caption and
// hint; a row without a command is a separator.
struct ToolRow {
  const char* command;
  const char* name;
  QStyle::StandardPixmap icon;
  const char* caption;
  const char* hint;
};
std::span<const ToolRow> MainTools();

}  // namespace orv
