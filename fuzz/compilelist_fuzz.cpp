// Compiles an arbitrary list, one line per text line. Failures are error
// lines; a sanitizer report, a hang, a failure that names no source line or
// could be asked, or decimal places not restored afterwards is a fault. The first byte seeds the
// random source and sets the decimal places before the compile.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "lists/buffers.h"
#include "lists/compile.h"
#include "lists/compilesettings.h"
#include "lists/expand.h"
#include "lists/random.h"

constexpr std::uint32_t kExpandedLines = 1000;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  orv::SeedRandom(data[0]);
  const int places = data[0] % 19;
  orv::CompileSettings settings;
  settings.decimalPlaces = places;
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  orv::BufferO list;
  for (std::size_t end = text.find('\n'); end != text.npos; end = text.find('\n')) {
    list.Add(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  list.Add(text);
  // Lists whose ranges make many lines run the same code on other numbers,
  // and with big powers in them take minutes under the sanitizers: they are
  // left out. A range beyond the buffer's limit fails before evaluating.
  std::uint32_t expanded = 0;
  for (std::uint32_t i = 1; i <= list.Count(); ++i) {
    const std::string& line = list.Line(static_cast<orv::LineNo>(i));
    if (!line.starts_with("$")) continue;
    orv::BufferO probe;
    try {
      orv::ExpandLine(probe, line);
    } catch (const orv::E_Orv_Error&) {
      continue;
    }
    expanded += probe.Count();
    if (expanded > kExpandedLines) return 0;
  }
  orv::CompileLines(
      list,
      [&](orv::LineNo line, const std::string& result) {
        // A failure names a source line and is an error line.
        if (line == 0 || line > list.Count()) std::abort();
        if (!result.starts_with("//")) std::abort();
      },
      nullptr, nullptr, nullptr, &settings);
  if (settings.decimalPlaces != places) std::abort();
  return 0;
}
