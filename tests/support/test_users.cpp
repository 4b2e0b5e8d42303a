#include "support/test_users.h"

#include <stdexcept>

#include "lists/buffers.h"
#include "users/crypt.h"

namespace orv::test {

std::vector<TestUser> StandardUsers() {
  return {{"ADMIN", "secret", 255}, {"ANN", "annpw", 100}, {"BOB", "bobpw", 254}};
}

std::string LearnerLines(int count, int first) {
  std::string lines;
  for (int n = first; n < first + count; ++n) {
    std::string name = std::to_string(n);
    name.insert(0, name.size() < 5 ? 5 - name.size() : 0, '0');
    lines += "U" + name + "::" + std::to_string(n) + ":0\r\n";
  }
  return lines;
}

std::unique_ptr<PasswordO> LoggedIn(const TempDir& dir, FakeDialogs& dialogs,
                                    const std::vector<TestUser>& users, const std::string& who) {
  BufferO file;
  std::int32_t number = 1;
  for (const TestUser& u : users) {
    file.Add(UserLine(
        {u.name, NewPasswordHash(u.password), static_cast<std::uint8_t>(u.level), number++}));
  }
  if (SaveToFile(file, dir.Str() + "KVXS1.KVX") != 0) {
    throw std::runtime_error("cannot write the password file");
  }
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
