#include "base/platform.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace orv {
namespace {

struct Exited {
  int code;
};

TEST(Platform, ExitGoesThroughTheReplaceableHandler) {
  SetExitHandler([](int code) { throw Exited{code}; });
  try {
    ExitProcess(800);
    FAIL() << "ExitProcess returned";
  } catch (const Exited& e) {
    EXPECT_EQ(e.code, 800);
  }
  SetExitHandler({});
}

TEST(Platform, QuitRequestIsRememberedAndHandled) {
  int calls = 0;
  SetQuitHandler([&] { ++calls; });
  ResetQuitRequest();
  EXPECT_FALSE(QuitRequested());
  RequestQuit();
  EXPECT_TRUE(QuitRequested());
  EXPECT_EQ(calls, 1);
  ResetQuitRequest();
  SetQuitHandler({});
}

TEST(Errors, RunErrorCarriesItsCode) {
  ERunError e(201);
  EXPECT_EQ(e.Code(), 201);
  EXPECT_STREQ(e.what(), "Runtime error 201");
  EXPECT_EQ(std::string(EConvertError::NotInteger("x").what()), "'x' is not a valid integer value");
}

}  // namespace
}  // namespace orv
