#pragma once
// The code field of the password file. A password set now is stored as an
// Argon2id string, which a stolen file does not give back; files written by
// older programs hold 13-character codes (users/crypt.h), which still log in.
#include <string>
#include <string_view>

namespace orv {

// True for a code in the Argon2id form.
bool IsArgon2Code(std::string_view code);

// The code a password is stored as: empty for the empty password (the user
// then has no password), else an Argon2id string with a fresh salt.
std::string NewPasswordCode(std::string_view password);

// The 13-character code of the older form, for files that older programs
// must read; empty for the empty password.
std::string NewLegacyPasswordCode(std::string_view password);

// True when the typed password gives the stored code, in either form. An
// Argon2id code whose costs this program could not have written (more passes
// or memory than libsodium's moderate limits, fewer than its interactive
// ones, more than one lane) matches no password.
bool CodeMatches(std::string_view storedCode, std::string_view typed);

// Checks the typed password against a fixed Argon2id code of the costs new
// codes get, which no password is known to open, for a name that has no
// code: a missing user then takes as long to refuse as a wrong password.
void CheckAgainstDummyCode(std::string_view typed);

}  // namespace orv
