// orvc init: a new program directory with everything the program needs to
// start: the word-list root with the sample lists, the password file with the
// super user, orv.ini and an empty score database.
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "app/databaseuse.h"
#include "app/getuser.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/sharedhome.h"
#include "app/startupfile.h"
#include "base/errors.h"
#include "base/numbertext.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/userfolder.h"
#include "lists/buffers.h"
#include "lists/samplelists.h"
#include "orvc/command.h"
#include "orvc/programdirectory.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "users/password.h"
#include "users/passwordcode.h"

namespace orv::orvc {
namespace {

constexpr const char* kUsage = "orvc init [--home DIR] [--admin-password-file FILE]";

void Check(int code, const std::string& what) {
  if (code != 0) throw CommandError{"could not write " + what + ": " + ErrorText(code), 1};
}

void InstallSampleList(const std::string& listRoot, const SampleList& sample) {
  const std::string file = listRoot + std::string(sample.path);
  Check(MakePath(file), file);
  BufferO lines;
  std::string_view rest = sample.text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    lines.Add(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  Check(SaveToFile(lines, file), file);
}

// What init has made so far; unless Keep is called, it is removed again, so a
// failed init leaves nothing that would stop the next one.
class MadeFiles {
 public:
  MadeFiles() = default;
  MadeFiles(const MadeFiles&) = delete;
  MadeFiles& operator=(const MadeFiles&) = delete;
  ~MadeFiles() {
    std::error_code ec;
    for (auto made = paths_.rbegin(); made != paths_.rend(); ++made) {
      std::filesystem::remove_all(*made, ec);
    }
  }
  // Remembers path when it does not exist yet, or the outermost of its
  // folders that does not exist either: making path makes them all.
  void WillMake(const std::string& path) {
    std::filesystem::path made = NativePath(path);
    if (std::filesystem::exists(made)) return;
    while (made.has_parent_path() && !std::filesystem::exists(made.parent_path())) {
      made = made.parent_path();
    }
    paths_.push_back(made);
  }
  void Keep() { paths_.clear(); }

 private:
  std::vector<std::string> paths_;
};

// The super user's password: the first line of the file named, else typed
// twice at the terminal without echo. With neither, nothing is made: a super
// user without a password would open every account at level 255.
std::string AdminPassword(const Invocation& inv) {
  if (inv.args.size() == 2 && inv.args[0] == "--admin-password-file") {
    std::string text;
    if (const int code = ReadTextFile(inv.args[1], text); code != 0) {
      throw CommandError{"could not read " + inv.args[1] + ": " + ErrorText(code), 1};
    }
    std::string password = text.substr(0, text.find_first_of("\r\n"));
    if (password.empty()) throw CommandError{"the first line of " + inv.args[1] + " is empty", 1};
    return password;
  }
  if (!inv.args.empty()) throw CommandError{std::string("usage: ") + kUsage};
  if (inv.in != &std::cin || ::isatty(STDIN_FILENO) == 0) {
    throw CommandError{
        "the super user " + std::string(kFirstSuperUser) +
            " needs a password: run orvc init at a terminal to type it, or give "
            "--admin-password-file FILE (the password on its first line); nothing was made",
        1};
  }
  termios echo{};
  const bool quiet = ::tcgetattr(STDIN_FILENO, &echo) == 0;
  termios silent = echo;
  silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
  if (quiet) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
  std::string first;
  std::string second;
  *inv.err << "Password for " << kFirstSuperUser << ": " << std::flush;
  std::getline(*inv.in, first);
  *inv.err << "\nThe same password again: " << std::flush;
  std::getline(*inv.in, second);
  *inv.err << "\n";
  if (quiet) ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &echo);
  if (first.empty() || first != second) {
    throw CommandError{"the two passwords were empty or not the same; nothing was made", 1};
  }
  return first;
}

int Run(const Invocation& inv) {
  const std::string adminPassword = AdminPassword(inv);
  const ProgramPaths& p = PathsOf(inv);
  JoinSharedHome(p.programDir);
  const std::string passwords = PasswordFilePath(p.programDir, p.passwordFileName);
  const std::string database = p.programDir + "scoredb.gdb";
  // Nothing is replaced: a directory in use keeps its users, lists and scores.
  std::vector<std::string> existing = {passwords, RegistryFile(p), database};
  for (const SampleList& sample : SampleLists()) {
    existing.push_back(p.listRoot + std::string(sample.path));
  }
  for (const std::string& file : existing) {
    if (FileFound(file)) {
      throw CommandError{p.programDir + " is already a program directory (" + NativePath(file) +
                             " exists); nothing was changed",
                         1};
    }
  }
  MadeFiles made;
  const std::string engineRoot = p.programDir + kEngineRootFolder;
  const std::string users = UsersFolder(p.programDir);
  for (const std::string& path :
       {p.listRoot, users, engineRoot, database, passwords, RegistryFile(p)}) {
    made.WillMake(path);
  }
  Check(MakePath(p.listRoot + "x"), p.listRoot);
  // Made here, the users' folder is the administrator's: no learner's
  // account that logs in first owns it, and may remove the others' folders.
  MakeUsersFolder(p.programDir);
  try {
    const DatabaseUse databases(p);
    CreateScoreDatabase(NativePath(database), databases.Account());
  } catch (const E_Orv_Error& e) {
    throw CommandError{e.what(), 1};
  }
  Check(CreateFirstPasswordFile(passwords, kFirstSuperUser, NewPasswordCode(adminPassword)),
        passwords);
  for (const SampleList& sample : SampleLists()) InstallSampleList(p.listRoot, sample);
  Check(RegWriteString(p, kOrvKey, "scoreDB", database), RegistryFile(p));
  // Only teachers add users here; an older program directory keeps its 0.
  Check(RegWriteString(p, kOrvKey, kNewAddUserLevel, IntText(kTeacherLevel)), RegistryFile(p));
  made.Keep();

  *inv.out << "Made the program directory " << p.programDir << "\n"
           << "  word lists:     " << NativePath(p.listRoot) << " (" << SampleLists().size()
           << " sample lists)\n"
           << "  users:          " << NativePath(passwords) << " (" << kFirstSuperUser
           << ", level 255, with the password given)\n"
           << "  settings:       " << NativePath(RegistryFile(p)) << "\n"
           << "  score database: " << NativePath(database) << "\n";
  return 0;
}

}  // namespace

ORVC_COMMAND("init", kUsage,
             "make a new program directory: word lists, password file with the super user, "
             "orv.ini and an empty score database",
             Run);

}  // namespace orv::orvc
