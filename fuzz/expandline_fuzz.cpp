// Feeds one arbitrary expression line to ExpandLine and EvaluateLines, as the
// compiler does. Failures raised on purpose (E_Orv_Error: conversions,
// arithmetic, the buffer's limit) are answers; a sanitizer report, a hang, or
// an evaluated line that is neither an error line nor question "|" answer is
// a fault. The first byte seeds the random source.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/errors.h"
#include "lists/buffers.h"
#include "lists/evaluatelines.h"
#include "lists/expand.h"
#include "lists/random.h"

constexpr orv::LineNo kEvaluatedLines = 200;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  orv::SeedRandom(data[0]);
  const std::string line = "$" + std::string(reinterpret_cast<const char*>(data + 1), size - 1);
  orv::BufferO lines;
  try {
    orv::ExpandLine(lines, line);
    // The lines of a large range run the same code on other numbers, and with
    // big powers in them evaluating thousands takes minutes under the
    // sanitizers: only the first ones are evaluated.
    while (lines.Count() > kEvaluatedLines) lines.Del(lines.Count());
    orv::EvaluateLines(lines);
    for (std::uint32_t i = 1; i <= lines.Count(); ++i) {
      const std::string& result = lines.Line(static_cast<orv::LineNo>(i));
      if (!result.starts_with("//") && result.find('|') == std::string::npos) std::abort();
    }
  } catch (const orv::E_Orv_Error&) {
  }
  return 0;
}
