#include "users/crypt.h"

#include <gtest/gtest.h>

#include <string>

#include "files/dos.h"

namespace orv {
namespace {

// Expected codes come from tests/users/crypt_reference.py, a separate
// computation written from the description of the code.
struct KnownCode {
  std::string password;
  std::string salt;
  std::string code;
};

const KnownCode kKnown[] = {
    {"tamblore", "ab", "abcW{||GoKqgb"},
    {"secret", "Zz", "ZzZASH3o0GA|y"},
    {"abcdefgh", "..", "..kJLcX7W0y||"},
    {"abc", "Q7", "Q72u2C0000uW3"},
    {"ABCDEF", "0l", "0lLO2E0000|00"},
    {"hi", "Ab", "Ab8100W10OW12"},  // rotation 71: more than once round the 66 bits
    {"", "ab", "ab00000020000"},
    {"pass", "x", "xxG3Fy02u0300"},
    {"ab", "Kq", "Kq0000W16OW3G"},
};

TEST(CryptPassword, MatchesTheIndependentReference) {
  for (const auto& k : kKnown) {
    EXPECT_EQ(CryptPassword(k.password, k.salt), k.code) << k.password << " / " << k.salt;
    EXPECT_TRUE(PasswordMatches(k.code, k.password)) << k.password;
  }
}

TEST(CryptPassword, OnlyTheFirstEightCharactersCount) {
  EXPECT_EQ(CryptPassword("abcdefghXYZ", ".."), "..kJLcX7W0y||");
  EXPECT_EQ(CryptPassword("abcdefgh1", "Zz"), CryptPassword("abcdefgh2", "Zz"));
  EXPECT_NE(CryptPassword("abcdefg1", "Zz"), CryptPassword("abcdefg2", "Zz"));
  EXPECT_TRUE(PasswordMatches(CryptPassword("tamblore", "ab"), "tamblorexyz"));
}

TEST(CryptPassword, BitSevenOfACharacterIsIgnored) {
  EXPECT_EQ(CryptPassword("\xe1\xe2\xe3", "Q7"), "Q72u2C0000uW3");
  EXPECT_EQ(CryptPassword("\xe1\xe2\xe3", "Q7"), CryptPassword("abc", "Q7"));
}

TEST(CryptPassword, ANulCharacterEndsThePassword) {
  EXPECT_EQ(CryptPassword(std::string("ab\0cd", 5), "Kq"), "Kq0000W16OW3G");
}

TEST(CryptPassword, SaltWithoutRotationPutsBitZeroOfTheFirstSixCharactersFirst) {
  // 4 * 'l' - '0' = 384, a multiple of 128.
  const std::string code = CryptPassword("ABCDEF", "0l");
  // A, C and E have bit 0 set: 1 + 4 + 16 = 21, the code character "L".
  EXPECT_EQ(code[2], 'L');
  EXPECT_EQ(CryptPassword("ABCDEF", "0l"), "0lLO2E0000|00");
}

TEST(CryptPassword, CaseMatters) {
  EXPECT_NE(CryptPassword("Secret", "Zz"), CryptPassword("secret", "Zz"));
  EXPECT_FALSE(PasswordMatches("ZzZASH3o0GA|y", "SECRET"));
}

TEST(CryptPassword, ForeignSaltCharactersStillWork) {
  EXPECT_EQ(CryptPassword("Orv", "!#"), "!#0CmW32u0EeW");
  // Bytes above 127 count by their unsigned code.
  EXPECT_EQ(CryptPassword("Orv", "\xc3\xa9"),
            "\xc3\xa9"
            "03EOW3uW22m");
  // 4 * 1 - 'z' is negative: no rotation.
  EXPECT_EQ(CryptPassword("Orv", "z\x01"), std::string("z\x01") + "1SG11OW178W");
  EXPECT_TRUE(PasswordMatches("!#0CmW32u0EeW", "Orv"));
}

TEST(PasswordMatches, ComparesTheWholeStoredCode) {
  const std::string code = CryptPassword("secret", "Zz");
  EXPECT_TRUE(PasswordMatches(code, "secret"));
  EXPECT_FALSE(PasswordMatches(code, "secreT"));
  // Any length other than 13 never matches.
  EXPECT_FALSE(PasswordMatches(code + "x", "secret"));
  EXPECT_FALSE(PasswordMatches(code.substr(0, 12), "secret"));
  EXPECT_FALSE(PasswordMatches("", ""));
  EXPECT_FALSE(PasswordMatches("Z", "secret"));
  // A changed character after the salt does not match.
  std::string changed = code;
  changed[7] = changed[7] == '0' ? '1' : '0';
  EXPECT_FALSE(PasswordMatches(changed, "secret"));
}

TEST(PasswordMatches, TheEmptyPasswordMatchesOnlyItsOwnCode) {
  const std::string empty = CryptPassword("", "ab");
  EXPECT_EQ(empty, "ab00000020000");
  EXPECT_TRUE(PasswordMatches(empty, ""));
  EXPECT_FALSE(PasswordMatches(empty, "a"));
  EXPECT_FALSE(PasswordMatches(CryptPassword("a", "ab"), ""));
}

TEST(NewPasswordHash, SaltComesFromTheTimeOfDay) {
  const std::int32_t before = DayClock();
  const std::string code = NewPasswordHash("tamblore");
  const std::int32_t after = DayClock();
  ASSERT_EQ(code.size(), 13u);
  EXPECT_TRUE(PasswordMatches(code, "tamblore"));
  EXPECT_FALSE(PasswordMatches(code, "tamblorf"));
  bool fromClock = false;
  // A run across midnight wraps the clock; then only the alphabet is checked.
  for (std::int32_t t = before; t <= after && !fromClock; ++t) {
    fromClock = code[0] == SaltChar(t % 64) && code[1] == SaltChar((t / 64) % 64);
  }
  if (after >= before) {
    EXPECT_TRUE(fromClock) << code;
  }
  const std::string alphabet = "./0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  EXPECT_NE(alphabet.find(code[0]), std::string::npos);
  EXPECT_NE(alphabet.find(code[1]), std::string::npos);
}

TEST(SaltChar, CoversTheSixtyFourCharacterAlphabet) {
  std::string all;
  for (int v = 0; v < 64; ++v) all += SaltChar(v);
  EXPECT_EQ(all, "./0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
}

}  // namespace
}  // namespace orv
