// Feeds arbitrary text to Evaluate. Failures the evaluator raises on purpose
// (E_Orv_Error) are answers; anything else, a sanitizer report or a hang is a
// fault. The first byte picks the decimal places so every rounding path runs.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/errors.h"
#include "lists/evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    orv::Evaluate(text, data[0] % 19);
  } catch (const orv::E_Orv_Error&) {
  }
  return 0;
}
