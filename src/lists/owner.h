#pragma once
// The owner file beside a word list: same folder and name, extension ".usr",
// whose first line names the user who made the list.
#include <string>
#include <string_view>

namespace orv {

// The owner text shown when a list has no owner file or an empty one.
inline constexpr const char* kNoOwner = "(Owner not found)";

// The owner file beside a list.
std::string OwnerFilePath(const std::string& listPath);

// The first line of the list's owner file, or empty text when there is none;
// read as a line buffer reads it (the editor's check).
std::string OwnerLine(std::string_view listPath);

// Line 1 of the list's owner file, or "(Owner not found)" (the owner the main
// window names).
std::string ListOwner(const std::string& listPath);

}  // namespace orv
