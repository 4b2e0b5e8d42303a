#include "lists/owner.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(ListOwner, TheFirstLineOfTheOwnerFileBesideTheList) {
  test::TempDir dir;
  dir.Write("orv.orv/ann.orv/sums.usr", "\"ann\"\r\nsecond line\r\n");
  EXPECT_EQ(OwnerLine(dir.Str() + "orv.orv\\ann.orv\\sums.orv"), "\"ann\"");
  // The owner file is found whatever the letter case of its extension.
  dir.Write("orv.orv/old.USR", "\"bob\"\n");
  EXPECT_EQ(OwnerLine(dir.Str() + "orv.orv\\old.orv"), "\"bob\"");
  EXPECT_EQ(OwnerLine(dir.Str() + "orv.orv\\nobody.orv"), "");
  dir.Write("orv.orv/empty.usr", "");
  EXPECT_EQ(OwnerLine(dir.Str() + "orv.orv\\empty.orv"), "");
}

}  // namespace
}  // namespace orv
