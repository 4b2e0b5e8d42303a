#include "support/test_users.h"

#include <stdexcept>

#include "users/crypt.h"

namespace orv::test {

std::vector<TestUser> StandardUsers() {
  return {{"ADMIN", "secret", 255}, {"ANN", "annpw", 100}, {"BOB", "bobpw", 254}};
}

std::string PasswordLines(const std::vector<TestUser>& users) {
  std::string lines;
  std::int32_t place = 0;
  for (const TestUser& u : users) {
    ++place;
    const std::string code = u.password.empty() ? "" : CryptPassword(u.password, "Sa");
    lines += u.name + ":" + code + ":" + std::to_string(u.number != 0 ? u.number : place) + ":" +
             std::to_string(u.level) + "\r\n";
  }
  return lines;
}

std::string LearnerLines(int count, int first) {
  std::vector<TestUser> learners;
  for (int n = first; n < first + count; ++n) {
    std::string name = std::to_string(n);
    name.insert(0, name.size() < 5 ? 5 - name.size() : 0, '0');
    learners.push_back({"U" + name, "", 0, n});
  }
  return PasswordLines(learners);
}

std::string WritePasswordFile(const TempDir& dir, const std::vector<TestUser>& users,
                              const std::string& file) {
  return dir.Write(file, PasswordLines(users));
}

std::unique_ptr<PasswordO> LoggedIn(const TempDir& dir, FakeDialogs& dialogs,
                                    const std::vector<TestUser>& users, const std::string& who) {
  WritePasswordFile(dir, users);
  auto passwords = std::make_unique<PasswordO>(dir.Str(), "KVXS1.KVX", dialogs);
  for (const TestUser& u : users) {
    if (u.name != who) continue;
    dialogs.logins.push_back({u.name, u.password});
    if (passwords->Login() != u.level) throw std::runtime_error("test log-in failed");
  }
  dialogs.messages.clear();
  dialogs.inputBoxes.clear();
  return passwords;
}

}  // namespace orv::test
