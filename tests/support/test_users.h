#pragma once
// Password files of test users in a temporary folder, and the password
// object logged in as one of them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "users/password.h"

namespace orv::test {

struct TestUser {
  std::string name;
  std::string password;  // none when empty
  int level;
  std::int32_t number = 0;  // 0: the user's place in the list, from 1
};

// ADMIN (255), ANN (100) and BOB (254), each with a password.
std::vector<TestUser> StandardUsers();

// The password file's lines of the users, "name:code:number:level", each
// password coded under one fixed salt.
std::string PasswordLines(const std::vector<TestUser>& users);

// Password-file lines of count learners without passwords, "U00001" and on,
// numbered from first.
std::string LearnerLines(int count, int first = 1);

// Writes the users' password file into dir and returns its path.
std::string WritePasswordFile(const TempDir& dir, const std::vector<TestUser>& users,
                              const std::string& file = "KVXS1.KVX");

// Writes the users' password file into dir and returns the password object
// logged in as who (nobody when who is empty). The log-in's dialogs are
// cleared from dialogs afterwards.
std::unique_ptr<PasswordO> LoggedIn(const TempDir& dir, FakeDialogs& dialogs,
                                    const std::vector<TestUser>& users, const std::string& who);

}  // namespace orv::test
