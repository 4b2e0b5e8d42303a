#pragma once
// The account a process uses on every score database: read from the
// configuration once at its start and handed to whatever attaches. The
// embedded engine takes the name without checking; a server checks both, so
// a school gives Orv a Firebird user of its own in the configuration.
#include <string>
#include <string_view>

namespace orv {

// The built-in account, used where the configuration names none.
inline constexpr char kDbUser[] = "sysdba";
inline constexpr char kDbPassword[] = "quillwork";

// The accounts of an installed machine's Firebird server, named in the
// schema's grants: the learners' adds answers, scores and sounds and reads
// what the windows show; the teachers' may change and remove too.
inline constexpr char kLearnerAccount[] = "ORV_LEARNER";
inline constexpr char kTeacherAccount[] = "ORV_TEACHER";

struct DbAccount {
  std::string user = kDbUser;
  std::string password = kDbPassword;
};

// Empty when text can be the account's user name or password on every
// connection; else a message naming what. Qt's driver writes the length of
// each into one byte and counts it in characters, so a text must be plain
// ASCII and at most 255 bytes long.
std::string DbAccountTextProblem(std::string_view what, std::string_view text);

// The first problem of the account's two texts, empty when there is none.
std::string DbAccountProblem(const DbAccount& account);

}  // namespace orv
