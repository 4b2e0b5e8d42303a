#include "base/encodings.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Encodings, Utf8ValidationRejectsMalformedSequences) {
  EXPECT_TRUE(IsValidUtf8("plain ascii"));
  EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80 \xE2\x82\xAC \xC3\xA9"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_FALSE(IsValidUtf8("ab\xE2\x82"));        // cut short at the end
  EXPECT_FALSE(IsValidUtf8("\xE9t\xE9"));         // Windows-1252 accents
}

}  // namespace
}  // namespace orv
