#include "support/accessibility_bus.h"

#include "support/run_program.h"

namespace orv::test {

bool SetAccessibilityStatus(const std::string& flag, bool on) {
  return RunProgram("/usr/bin/gdbus",
                    {"call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                     "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
                     "org.a11y.Status", flag, on ? "<true>" : "<false>"})
             .exitCode == 0;
}

}  // namespace orv::test
