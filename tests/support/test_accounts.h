#pragma once
// Accounts of the computer for one test: a group and its members, made with
// groupadd and useradd and removed again afterwards. Making them needs the
// super user; without it Problem() says so and nothing is made.
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace orv::test {

class TestAccounts {
 public:
  // Members named after roles ("a", "b"), made unique to this process; each
  // gets a home in homes (a folder only root may write).
  // Members of teacherRoles are in a second group instead, the teachers'.
  TestAccounts(const std::vector<std::string>& roles, const std::string& homes,
               const std::vector<std::string>& teacherRoles = {});
  ~TestAccounts();
  TestAccounts(const TestAccounts&) = delete;
  TestAccounts& operator=(const TestAccounts&) = delete;

  // Why the accounts could not be made; empty when they were.
  const std::string& Problem() const { return problem_; }
  const std::string& Group() const { return group_; }
  gid_t GroupId() const { return gid_; }
  const std::string& TeachersGroup() const { return teachers_; }
  const std::string& Name(std::size_t member) const { return names_.at(member); }
  uid_t Uid(std::size_t member) const;
  std::string Home(std::size_t member) const;

  // Runs what in a child process that is the member, with the groups a log-in
  // gives it and the umask of the group's shared folders, and gives back
  // what exit code what returns (-1 when the child could not become it).
  int As(std::size_t member, const std::function<int()>& what) const;

 private:
  std::string group_;
  gid_t gid_ = 0;
  std::string teachers_;
  std::vector<std::string> names_;
  std::string homes_;
  std::string problem_;
};

}  // namespace orv::test
