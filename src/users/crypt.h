#pragma once
// The password code: a 13-character text made of a 2-character salt and 11
// characters that encode a bit permutation of the password's first 8
// characters. Stored codes are compared character by character with newly
// computed ones, so the computation must never change.
#include <string>
#include <string_view>

namespace orv {

// The code of a password under a salt. Only the first 8 characters count, of
// each only bits 0 to 6; a character with code 0 ends the password. A
// one-character salt is used twice; an empty salt counts as code 0 and gives
// the 11 code characters alone.
std::string CryptPassword(std::string_view password, std::string_view salt);

// The code of a password under a salt taken from the time of day.
std::string NewPasswordHash(std::string_view password);

// True when the typed password gives the stored code under the stored
// code's own first two characters as salt.
bool PasswordMatches(std::string_view storedCode, std::string_view typed);

// The salt character for a value 0 to 63 (".", "/", "0".."9", "A".."Z", "a".."z").
char SaltChar(int value);

}  // namespace orv
