#include "users/passwordcode.h"

#include <sodium.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/encodings.h"
#include "base/errors.h"
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

// The number after key at the start of rest, up to the character end; rest
// then follows end.
std::optional<std::uint64_t> CostField(std::string_view& rest, std::string_view key, char end) {
  if (!rest.starts_with(key)) return std::nullopt;
  rest.remove_prefix(key.size());
  const std::size_t stop = rest.find(end);
  if (stop == 0 || stop == std::string_view::npos) return std::nullopt;
  std::uint64_t value = 0;
  const auto [last, err] = std::from_chars(rest.data(), rest.data() + stop, value);
  if (err != std::errc() || last != rest.data() + stop) return std::nullopt;
  rest.remove_prefix(stop + 1);
  return value;
}

// Whether an Argon2id code asks only what this program could have written:
// the version libsodium writes, one lane, and costs between libsodium's
// interactive and moderate limits. Checking any other could take minutes,
// at every log-in, since each one checks the super users' codes first.
bool HasOwnCosts(std::string_view code) {
  code.remove_prefix(std::string_view(crypto_pwhash_argon2id_STRPREFIX).size());
  const std::optional<std::uint64_t> version = CostField(code, "v=", '$');
  const std::optional<std::uint64_t> memoryKiB = CostField(code, "m=", ',');
  const std::optional<std::uint64_t> passes = CostField(code, "t=", ',');
  const std::optional<std::uint64_t> lanes = CostField(code, "p=", '$');
  // Version 19 is Argon2 1.3, the only one libsodium writes.
  return version == 19u && lanes == 1u && memoryKiB && passes &&
         *memoryKiB >= crypto_pwhash_argon2id_MEMLIMIT_INTERACTIVE / 1024 &&
         *memoryKiB <= crypto_pwhash_argon2id_MEMLIMIT_MODERATE / 1024 &&
         *passes >= crypto_pwhash_argon2id_OPSLIMIT_INTERACTIVE &&
         *passes <= crypto_pwhash_argon2id_OPSLIMIT_MODERATE;
}

// Made by NewPasswordCode from 32 random bytes that were then thrown away.
constexpr const char* kDummyCode =
    "$argon2id$v=19$m=65536,t=2,p=1$lLV9/"
    "4vgEO5NlmUEFuDZFw$11t2DBJh1W5guVW726BPDF97sZ4ep96o22VUfAiu8eE";

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
  // A code of other costs was not written by this program: it opens nothing.
  if (!HasOwnCosts(storedCode)) return false;
  InitSodium();
  const std::string stored(storedCode);
  return crypto_pwhash_str_verify(stored.c_str(), typed.data(), typed.size()) == 0;
}

void CheckAgainstDummyCode(std::string_view typed) {
  CodeMatches(kDummyCode, typed);
}

}  // namespace orv
