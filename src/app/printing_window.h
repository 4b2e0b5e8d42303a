#pragma once
// Prints the lines of a word list: Times New Roman 18, at the left margin,
// one line pitch apart, a new page after every (lines per page - 1) lines.
#include <string>
#include <vector>

class QPrinter;

namespace orv {

// Raises E_Orv_Error when the printer cannot be started.
void PrintLines(QPrinter& printer, const std::string& title, const std::vector<std::string>& lines);

}  // namespace orv
