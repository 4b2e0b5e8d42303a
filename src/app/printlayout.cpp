#include "app/printlayout.h"

#include <algorithm>

namespace orv {

PrintLayout PlanPrint(int pageHeight, int textHeight) {
  PrintLayout layout;
  const int step = std::max(textHeight + 10, 1);
  layout.linesPerPage = std::max(pageHeight / step, 2);
  layout.pitch = std::max(pageHeight, 0) / layout.linesPerPage;
  layout.linesOnPage = layout.linesPerPage - 1;
  return layout;
}

std::vector<PlacedLine> PlaceLines(const PrintLayout& layout, std::size_t count) {
  std::vector<PlacedLine> placed;
  placed.reserve(count);
  const std::size_t perPage = static_cast<std::size_t>(std::max(layout.linesOnPage, 1));
  for (std::size_t i = 0; i < count; ++i) {
    placed.push_back({static_cast<int>(i / perPage), static_cast<int>(i % perPage) * layout.pitch});
  }
  return placed;
}

}  // namespace orv
