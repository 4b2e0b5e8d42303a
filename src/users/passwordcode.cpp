#include "users/passwordcode.h"

#include <sodium.h>

#include <array>

#include "base/errors.h"
#include "files/filelayer.h"
#include "users/crypt.h"

namespace orv {
namespace {

void InitSodium() {
  static const bool ready = sodium_init() >= 0;
  if (!ready) throw E_Orv_Error("The password library could not be started");
}

// The older codes were made on Windows from the password's Windows-1252
// bytes; a password with a character that Windows-1252 has not keeps its
// UTF-8 bytes.
std::string LegacyBytes(std::string_view password) {
  return Utf8ToWindows1252(password).value_or(std::string(password));
}

}  // namespace

bool IsArgon2Code(std::string_view code) {
  return code.starts_with(crypto_pwhash_argon2id_STRPREFIX);
}

std::string NewPasswordCode(std::string_view password) {
  if (password.empty()) return {};
  InitSodium();
  std::array<char, crypto_pwhash_STRBYTES> out{};
  // The library's default algorithm is Argon2id.
  if (crypto_pwhash_str(out.data(), password.data(), password.size(),
                        crypto_pwhash_OPSLIMIT_INTERACTIVE,
                        crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
    throw E_Orv_Error("There is not enough memory to store the password");
  }
  return out.data();
}

std::string NewLegacyPasswordCode(std::string_view password) {
  return password.empty() ? std::string() : NewPasswordHash(LegacyBytes(password));
}

bool CodeMatches(std::string_view storedCode, std::string_view typed) {
  // Older codes of this program were made from the UTF-8 bytes.
  if (!IsArgon2Code(storedCode)) {
    return PasswordMatches(storedCode, LegacyBytes(typed)) || PasswordMatches(storedCode, typed);
  }
  InitSodium();
  const std::string stored(storedCode);
  return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
}

}  // namespace orv
