#pragma once
// The desktop's accessibility bus, on the session bus a test runs on.
#include <string>

namespace orv::test {

// Sets a flag of org.a11y.Status ("ScreenReaderEnabled" as a screen reader
// does, "IsEnabled"); false when the accessibility bus did not answer.
bool SetAccessibilityStatus(const std::string& flag, bool on);

}  // namespace orv::test
