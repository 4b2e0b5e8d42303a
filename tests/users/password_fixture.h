#pragma once
// The password file of each test in users/, and the PasswordO on it.
#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "base/clock.h"
#include "base/platform.h"
#include "files/errortext.h"
#include "support/fake_dialogs.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/crypt.h"
#include "users/password.h"
#include "users/passwordcode.h"

namespace orv {

inline const std::string kResetWarning = "NO PASWORD FOR SUPPER USER, reset to \"tamblore\"";
inline const std::string kDenied = "INCRECT PASWORD / USER NAME ACCESS DENIDE ";

struct Exited {
  int code;
};

class PasswordTest : public ::testing::Test {
 protected:
  // Codes under fixed salts, so the file's content is known in advance.
  const std::string bossCode = CryptPassword("boss-pw", "Bs");
  const std::string annCode = CryptPassword("ann-pw", "An");

  void TearDown() override { SetExitHandler({}); }

  // A password file of the given lines (each ended by CR LF) and its object.
  PasswordO& Open(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    dir.Write("KVXS1.KVX", text);
    users = std::make_unique<PasswordO>(dir.Str(), "KVXS1.KVX", dialogs);
    return *users;
  }

  // The usual file: a super user with a password, then two ordinary users.
  PasswordO& OpenStandard() {
    return Open({"Boss:" + bossCode + ":1:255", "Ann:" + annCode + ":2:10", "bob::4:50"});
  }

  std::string FileText() const { return dir.Read("KVXS1.KVX"); }

  InstantClock clock;
  ScopedClock scope{clock};
  test::TempDir dir;
  test::FakeDialogs dialogs;
  std::unique_ptr<PasswordO> users;
};

}  // namespace orv
