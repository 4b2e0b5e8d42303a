#pragma once
// The list editor's decisions that need no window: who may edit a list, the
// one-line form of a list, and where a changed text is kept when the program
// ends before it is saved.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The logged-in user as far as editing lists goes.
struct ListEditor {
  bool superUser = false;  // holds the level that edits every list
  std::string user;        // empty when nobody is logged in
};

// Whether the editor may edit a list whose owner file begins with ownerLine:
// a super user may, and so may the user named on that line in double quotes
// (letter case ignored).
bool MayEditList(const ListEditor& editor, std::string_view ownerLine);

// The lines joined into one, each followed by a blank, trailing blanks removed.
std::string JoinedLines(const std::vector<std::string>& lines);

// Where the editor keeps the changed text of the list at listPath when the
// program is told to end before it is saved: beside the list, under the
// list's name followed by ".unsaved", which no list or group ends in. It is
// not written over the list: nobody chose to save it, and a half-made edit
// would change the tests taken from the list.
std::string UnsavedListPath(std::string_view listPath);

}  // namespace orv
