#pragma once
// Where the lines of a printed word list go: one line pitch apart from the top
// of the page, a new page after every (lines per page - 1) lines. Sizes are in
// the printer's device units.
#include <cstdint>
#include <vector>

namespace orv {

// The text whose height, plus a gap of 10, sets the line pitch.
inline constexpr const char* kPrintMeasureText =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz1";

struct PrintLayout {
  int linesPerPage = 0;  // page height / (text height + 10)
  int pitch = 0;         // page height / lines per page
  int linesOnPage = 0;   // lines printed on one page before the next begins
};

// A page too small for two lines still gets one line a page, so a tiny page
// never divides by zero nor loops without printing.
PrintLayout PlanPrint(int pageHeight, int textHeight);

struct PlacedLine {
  int page = 0;  // 0-based
  int y = 0;     // from the top of the page
};

// The page and height of each of count lines.
std::vector<PlacedLine> PlaceLines(const PrintLayout& layout, std::size_t count);

}  // namespace orv
