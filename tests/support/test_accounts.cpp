#include "support/test_accounts.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include "support/run_program.h"

namespace orv::test {

TestAccounts::TestAccounts(const std::vector<std::string>& roles, const std::string& homes,
                           const std::vector<std::string>& teacherRoles)
    : homes_(homes) {
  if (::geteuid() != 0) {
    problem_ = "making accounts of the computer (useradd) needs the super user";
    return;
  }
  const std::string tag = "orvt" + std::to_string(::getpid());
  const ProgramRun group = RunProgram("/usr/sbin/groupadd", {tag});
  const ::group* entry = ::getgrnam(tag.c_str());
  if (group.exitCode != 0 || entry == nullptr) {
    problem_ = "groupadd " + tag + " failed: " + group.err;
    return;
  }
  group_ = tag;
  gid_ = entry->gr_gid;
  if (!teacherRoles.empty()) {
    const ProgramRun teachers = RunProgram("/usr/sbin/groupadd", {tag + "teachers"});
    if (teachers.exitCode != 0) {
      problem_ = "groupadd " + tag + "teachers failed: " + teachers.err;
      return;
    }
    teachers_ = tag + "teachers";
  }
  for (const std::string& role : roles) {
    const std::string name = tag + role;
    const bool teacher =
        std::find(teacherRoles.begin(), teacherRoles.end(), role) != teacherRoles.end();
    const ProgramRun user = RunProgram(
        "/usr/sbin/useradd",
        {"-m", "-b", homes, "-G", teacher ? teachers_ : group_, "-s", "/usr/sbin/nologin", name});
    if (user.exitCode != 0) {
      problem_ = "useradd " + name + " failed: " + user.err;
      return;
    }
    names_.push_back(name);
  }
}

TestAccounts::~TestAccounts() {
  for (const std::string& name : names_) RunProgram("/usr/sbin/userdel", {name});
  if (!teachers_.empty()) RunProgram("/usr/sbin/groupdel", {teachers_});
  if (!group_.empty()) RunProgram("/usr/sbin/groupdel", {group_});
}

uid_t TestAccounts::Uid(std::size_t member) const {
  const ::passwd* entry = ::getpwnam(Name(member).c_str());
  return entry != nullptr ? entry->pw_uid : static_cast<uid_t>(-1);
}

std::string TestAccounts::Home(std::size_t member) const {
  return homes_ + "/" + Name(member);
}

int TestAccounts::As(std::size_t member, const std::function<int()>& what) const {
  const ::passwd* entry = ::getpwnam(Name(member).c_str());
  if (entry == nullptr) return -1;
  const uid_t uid = entry->pw_uid;
  const gid_t gid = entry->pw_gid;
  // The groups are looked up before the fork: the child only takes them.
  std::vector<gid_t> groups(64);
  int count = static_cast<int>(groups.size());
  if (::getgrouplist(Name(member).c_str(), gid, groups.data(), &count) < 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(static_cast<std::size_t>(count), groups.data()) != 0 || ::setgid(gid) != 0 ||
        ::setuid(uid) != 0) {
      ::_exit(255);
    }
    ::umask(007);
    ::_exit(what());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status) == 255 ? -1 : WEXITSTATUS(status);
}

}  // namespace orv::test
