#include "lists/compilesettings.h"

namespace orv {

CompileSettings& TheCompileSettings() {
  static CompileSettings settings;
  return settings;
}

}  // namespace orv
