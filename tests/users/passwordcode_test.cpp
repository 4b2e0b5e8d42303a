#include "users/passwordcode.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include <array>
#include <string>

#include "users/crypt.h"

namespace orv {
namespace {

TEST(PasswordCode, NewCodesAreArgon2idAndEmptyStaysEmpty) {
  const std::string code = NewPasswordCode("secret");
  EXPECT_TRUE(code.starts_with("$argon2id$")) << code;
  EXPECT_EQ(code.find(':'), std::string::npos);  // it fits in the file's field
  EXPECT_NE(NewPasswordCode("secret"), code);    // a fresh salt each time
  EXPECT_TRUE(CodeMatches(code, "secret"));
  EXPECT_FALSE(CodeMatches(code, "secreT"));
  // Only the older form stops after 8 characters.
  EXPECT_FALSE(CodeMatches(NewPasswordCode("12345678a"), "12345678b"));
  EXPECT_TRUE(CodeMatches(NewLegacyPasswordCode("12345678a"), "12345678b"));
  EXPECT_EQ(NewLegacyPasswordCode("secret").size(), 13u);
  EXPECT_EQ(NewPasswordCode(""), "");
  EXPECT_EQ(NewLegacyPasswordCode(""), "");
}

TEST(PasswordCode, OnlyCodesOfTheCostsTheProgramWritesMatch) {
  ASSERT_GE(sodium_init(), 0);
  // Passes and memory of a code made for the password, and whether it matches.
  const std::vector<std::tuple<unsigned long long, std::size_t, bool>> cases{
      {crypto_pwhash_OPSLIMIT_MODERATE, crypto_pwhash_MEMLIMIT_INTERACTIVE, true},
      {crypto_pwhash_OPSLIMIT_INTERACTIVE - 1, crypto_pwhash_MEMLIMIT_INTERACTIVE, false},
      {crypto_pwhash_OPSLIMIT_MODERATE + 1, crypto_pwhash_MEMLIMIT_INTERACTIVE, false},
      {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE / 2, false},
  };
  for (const auto& [passes, memory, matches] : cases) {
    std::array<char, crypto_pwhash_STRBYTES> code{};
    ASSERT_EQ(
        crypto_pwhash_str_alg(code.data(), "pw", 2, passes, memory, crypto_pwhash_ALG_ARGON2ID13),
        0);
    EXPECT_EQ(CodeMatches(code.data(), "pw"), matches) << code.data();
  }
}

TEST(PasswordCode, OlderCodesOfLettersBeyondAsciiMatchThoseMadeOnWindows) {
  // typed here (UTF-8), the bytes the code was made from on Windows
  const std::vector<std::pair<std::string, std::string>> cases{
      {"caf\u00e9", "caf\xe9"},
      {"\u20acuro", "\x80uro"},
      {"\u017d\u00fcrich", "\x8e\xfcrich"},
      {"plain", "plain"},
  };
  for (const auto& [typed, windows] : cases) {
    EXPECT_TRUE(CodeMatches(CryptPassword(windows, "Qx"), typed)) << typed;
    EXPECT_TRUE(CodeMatches(NewLegacyPasswordCode(typed), typed)) << typed;
  }
  // Another letter that is the same in its low 7 bits is still another password.
  EXPECT_FALSE(CodeMatches(CryptPassword("caf\xe9", "Qx"), "cafe"));
  // A character Windows-1252 has not: the UTF-8 bytes, as this program made them.
  EXPECT_TRUE(CodeMatches(CryptPassword("\u0436", "Qx"), "\u0436"));
}

}  // namespace
}  // namespace orv
