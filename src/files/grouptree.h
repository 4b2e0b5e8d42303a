#pragma once
// The group tree without its window: groups are folders named "*.orv" below
// the word-list root, and a group path names one by the folders on its way
// down ("ann.orv\sums.orv\"). The tree windows draw nodes from these.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The text of the tree's top node, which stands for the word-list root.
inline constexpr std::string_view kRootNodeText = "Root";

// The names of the group folders inside folder, in directory order; links to
// folders are not groups.
std::vector<std::string> GroupFolderNames(std::string_view folder);

// The path without its trailing "\" characters; a word-list root may also
// end in "/", which goes the same way.
std::string TrimTrailingSeparators(std::string_view text);

// The parts of a group path that lead to its node: the "\"-separated names,
// ending before the first empty one.
std::vector<std::string> GroupPathParts(std::string_view path);

// Whether a node's text names the part of a group path (letter case ignored).
bool SameGroupName(std::string_view nodeText, std::string_view part);

// A group path from its node names, outermost first, each followed by "\":
// the form of CurrentDir ("" for the root).
std::string GroupDirOf(const std::vector<std::string>& names);

// A group path from its node names joined by "\" with none at the end: the
// form the folder window returns ("" for the root).
std::string GroupPathOf(const std::vector<std::string>& names);

// A group path as "Change Diretory" leaves it: every trailing "\" removed and
// one appended, so the root becomes "\".
std::string NormalisedGroupDir(std::string_view dir);

}  // namespace orv
