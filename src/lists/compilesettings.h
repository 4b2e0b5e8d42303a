#pragma once
// The compile settings, process-wide and owned by the list compiler: script
// mode (off when the program starts) and the decimal places of real answers
// (0 to 18, 3 when the program starts).
namespace orv {

struct CompileSettings {
  bool scriptMode = false;
  int decimalPlaces = 3;
};

CompileSettings& TheCompileSettings();

}  // namespace orv
