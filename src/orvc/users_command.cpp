// orvc users: the password file of a program directory, for scripts and recovery.
#include <charconv>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "app/getuser.h"
#include "app/programpaths.h"
#include "app/sharedhome.h"
#include "base/strings.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "orvc/command.h"
#include "orvc/consoledialogs.h"
#include "orvc/programdirectory.h"
#include "users/password.h"
#include "users/passwordcode.h"

namespace orv::orvc {
namespace {

constexpr const char* kUsage =
    "orvc users list | add NAME [--level N] (level 255: password on standard input) | set-level "
    "NAME N | set-password NAME [--legacy] | "
    "check NAME; a change from an account that is not a teacher's: --login USER (its password "
    "on the first line of standard input)";

int ParseLevel(const std::string& text) {
  int level = -1;
  const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), level);
  if (err != std::errc() || end != text.data() + text.size() || level < 0 || level > 255) {
    throw CommandError{"a level is a whole number from 0 to 255, not \"" + text + "\""};
  }
  return level;
}

// The first line of standard input, without its line end.
std::string ReadPassword(const Invocation& inv) {
  std::string line;
  if (!std::getline(*inv.in, line)) {
    throw CommandError{"the password is read from the first line of standard input, which is empty",
                       1};
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void Expect(const Invocation& inv, std::size_t count) {
  if (inv.args.size() != count) throw CommandError{std::string("usage: ") + kUsage};
}

std::int32_t KnownUser(PasswordO& users, const std::string& name) {
  const std::int32_t index = users.IndexOfUser(name);
  if (index < 1) throw CommandError{"no user named \"" + name + "\"", 1};
  return index;
}

int List(PasswordO& users, const Invocation& inv) {
  Expect(inv, 1);
  for (std::uint32_t i = 1; i <= users.UserCount(); ++i) {
    const UserRecord user = users.ReadUser(static_cast<LineNo>(i));
    *inv.out << user.name << '\t' << int{user.level} << '\t' << user.number << '\n';
  }
  return 0;
}

int Add(PasswordO& users, const Invocation& inv) {
  int level = 0;
  std::string name;
  for (std::size_t i = 1; i < inv.args.size(); ++i) {
    const std::string& arg = inv.args[i];
    if (arg == "--level" && i + 1 < inv.args.size()) {
      level = ParseLevel(inv.args[++i]);
    } else if (arg.rfind("--level=", 0) == 0) {
      level = ParseLevel(arg.substr(8));
    } else if (name.empty() && arg.rfind("--", 0) != 0) {
      name = arg;
    } else {
      throw CommandError{std::string("usage: ") + kUsage};
    }
  }
  if (const std::string problem = UserNameProblem(name); !problem.empty()) {
    throw CommandError{problem, 1};
  }
  if (CutToCharacters(name, kUserNameLength) != name) {
    throw CommandError{"a user name has at most 50 characters", 1};
  }
  if (users.UserExists(name)) {
    throw CommandError{"a user named \"" + users.StoredUserName(name) + "\" exists already", 1};
  }
  // A super user without a password would open every account at level 255.
  std::string code;
  if (level == kSuperLevel) {
    code = NewPasswordCode(ReadPassword(inv));
    if (code.empty()) {
      throw CommandError{
          "a user of level 255 needs a password: give it on the first line of "
          "standard input",
          1};
    }
  }
  users.AppendUser({name, code, static_cast<std::uint8_t>(level), users.NextUserNumber()});
  return 0;
}

int SetLevel(PasswordO& users, const Invocation& inv) {
  Expect(inv, 3);
  KnownUser(users, inv.args[1]);
  users.SetLevel(inv.args[1], static_cast<std::uint8_t>(ParseLevel(inv.args[2])));
  return 0;
}

// --legacy stores the older code, for a file that an older program must read.
int SetPassword(PasswordO& users, const Invocation& inv) {
  const bool legacy = inv.args.size() == 3 && inv.args[2] == "--legacy";
  Expect(inv, legacy ? 3 : 2);
  KnownUser(users, inv.args[1]);
  users.SetPassword(inv.args[1], ReadPassword(inv), legacy);
  return 0;
}

int Check(PasswordO& users, const Invocation& inv) {
  Expect(inv, 2);
  const std::string password = ReadPassword(inv);
  std::int64_t wait = 0;
  const int level = users.AuthenticateTry(UpperAZ(inv.args[1]), password, wait);
  if (level == kLoginDelayed) throw CommandError{LoginDelayedText(wait), 1};
  // A missing user and a wrong password are told alike, so the answer gives
  // away no names.
  if (level < 0) throw CommandError{"wrong user name or password for \"" + inv.args[1] + "\"", 1};
  *inv.out << level << '\n';
  return 0;
}

// Takes "--login USER" out of the arguments: the program user whose level
// lets an account that is not a teacher's make a change.
std::optional<std::string> TakeLogin(Invocation& inv) {
  std::optional<std::string> login;
  for (std::size_t i = 0; i < inv.args.size(); ++i) {
    if (inv.args[i] == "--login" && i + 1 < inv.args.size()) {
      login = inv.args[i + 1];
      inv.args.erase(inv.args.begin() + static_cast<std::ptrdiff_t>(i),
                     inv.args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      break;
    }
  }
  return login;
}

// A change of the users is made for the super user and a teacher's account
// of the computer, or after the log-in of a program user of the editing level.
void MayChange(PasswordO& users, const Invocation& inv, const std::optional<std::string>& login) {
  if (TeachersAccount(PathsOf(inv).programDir)) return;
  if (!login) {
    throw CommandError{
        "Only a teacher's account of this computer can change the users (or log in as a user "
        "of level " +
            std::to_string(PasswordO::EditLevel()) +
            " with --login USER, its password on the first line of standard input).",
        1};
  }
  const int level = users.Authenticate(UpperAZ(*login), ReadPassword(inv));
  if (level < PasswordO::EditLevel()) {
    throw CommandError{"\"" + *login + "\" and that password do not give level " +
                           std::to_string(PasswordO::EditLevel()) +
                           ", which a change of the users needs",
                       1};
  }
}

int Run(const Invocation& given) {
  Invocation inv = given;
  const std::optional<std::string> login = TakeLogin(inv);
  if (inv.args.empty()) throw CommandError{std::string("usage: ") + kUsage};
  const ProgramPaths& p = PathsOf(inv);
  JoinSharedHome(p.programDir);
  if (!DirExists(p.programDir)) {
    throw CommandError{"the program directory " + p.programDir + " does not exist", 1};
  }
  const std::string fileName = ConfiguredPasswordFileName(p);
  const std::string path = PasswordFilePath(p.programDir, fileName);
  if (!FileFound(path)) throw CommandError{"no password file " + path, 1};

  ConsoleDialogs dialogs(*inv.err);
  PasswordO users(p.programDir, fileName, dialogs);
  const std::string& action = inv.args[0];
  if (action == "add" || action == "set-level" || action == "set-password") {
    MayChange(users, inv, login);
  }
  int result = 0;
  if (action == "list") {
    result = List(users, inv);
  } else if (action == "add") {
    result = Add(users, inv);
  } else if (action == "set-level") {
    result = SetLevel(users, inv);
  } else if (action == "set-password") {
    result = SetPassword(users, inv);
  } else if (action == "check") {
    result = Check(users, inv);
  } else {
    throw CommandError{"unknown users action \"" + action +
                       "\" (list, add, set-level, "
                       "set-password, check)"};
  }
  // The program itself goes on after a change that was not made; a script
  // must hear of it. Why has been told on standard error already.
  if (users.LastSaveCode() != 0 || users.LastChangeRefused()) return 1;
  return result;
}

}  // namespace

ORVC_COMMAND("users", kUsage,
             "list the users of the password file, add one, set a level or a password, or "
             "check a password (read from standard input)",
             Run);

}  // namespace orv::orvc
