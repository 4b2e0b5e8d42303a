#pragma once
// The group commands of the main window: a new group, a change of the
// current group and the removal of a group. Each picks a group through the
// folder window, given here as a picker so the commands run without it, below
// the word-list root it is given (ending in "\").
#include <functional>
#include <string>

namespace orv {

class Dialogs;

// Shows the folder window on the tree of root with path preselected and the
// caption; on OK sets path to the chosen group's path ("\"-joined, none at
// the end, empty for the root) and returns true; otherwise leaves path alone.
using FolderPicker =
    std::function<bool(const std::string& root, std::string& path, const std::string& caption)>;

// The question before a new group is made.
std::string NewFolderQuestion(const std::string& name, const std::string& host);

// Creates a new group under a group the user picks, named as the user types
// it with the extension ".orv" in place of any typed one. A folder that cannot
// be made raises E_Dos_Error.
void NewFolder(Dialogs& dialogs, const std::string& listRoot, const FolderPicker& pick);

// Lets the user pick the current group (currentDir); the current list
// (currentFile) becomes "words0.orv" whether or not one was picked.
void ChangeDirectory(const std::string& listRoot, std::string& currentDir, std::string& currentFile,
                     const FolderPicker& pick);

// Removes an empty group the user picks, the current group preselected; a
// failure is shown as its error text.
void RemoveGroup(Dialogs& dialogs, const std::string& listRoot, const std::string& currentDir,
                 const FolderPicker& pick);

}  // namespace orv
