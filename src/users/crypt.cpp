#include "users/crypt.h"

#include <array>
#include <cstdint>

#include "files/dos.h"

namespace orv {
namespace {

constexpr int kBits = 66;
constexpr int kKeyChars = 8;
constexpr int kCodeChars = 11;

// The code alphabet: "0".."9", "A".."Z", "a".."z", "{", "|".
char CodeChar(int value) {
  int c = value + 48;
  if (c > '9') c += 7;
  if (c > 'Z') c += 6;
  return static_cast<char>(c);
}

int Bit(int value, int bit) {
  return (value >> bit) & 1;
}

}  // namespace

char SaltChar(int value) {
  int c = value + 46;
  if (c > '9') c += 7;
  if (c > 'Z') c += 6;
  return static_cast<char>(c);
}

std::string CryptPassword(std::string_view password, std::string_view salt) {
  // Character codes are taken as unsigned bytes; an empty salt counts as code 0.
  const int c0 = salt.empty() ? 0 : static_cast<unsigned char>(salt[0]);
  const int c1 = salt.size() < 2 ? c0 : static_cast<unsigned char>(salt[1]);
  // C++ "%" keeps the sign of the dividend, as the rotation count needs.
  const int rotation = (4 * c1 - c0) % 128;

  std::array<std::uint8_t, kBits> bits{};
  for (int i = 0; i < kKeyChars && i < static_cast<int>(password.size()); ++i) {
    const int k = static_cast<unsigned char>(password[i]);
    if (k == 0) break;
    for (int j = 0; j < 7; ++j) bits[8 * j + i] = static_cast<std::uint8_t>(Bit(k, j));
    bits[56 + i] = static_cast<std::uint8_t>(Bit(i < 4 ? c0 : c1, i % 4));
  }
  bits[64] = static_cast<std::uint8_t>(Bit(c0, 0));
  bits[65] = static_cast<std::uint8_t>(Bit(c1, 0));

  std::array<std::uint8_t, kBits> rotated = bits;
  if (rotation > 0) {
    for (int k = 0; k < kBits; ++k) rotated[(k + rotation) % kBits] = bits[k];
  }

  std::string code;
  if (!salt.empty()) {
    code += static_cast<char>(c0);
    code += static_cast<char>(c1);
  }
  for (int g = 0; g < kCodeChars; ++g) {
    int v = 0;
    for (int b = 0; b < 6; ++b) v |= rotated[6 * g + b] << b;
    code += CodeChar(v);
  }
  return code;
}

std::string NewPasswordHash(std::string_view password) {
  const std::int32_t t = DayClock();
  const std::string salt{SaltChar(t % 64), SaltChar((t / 64) % 64)};
  return CryptPassword(password, salt);
}

bool PasswordMatches(std::string_view storedCode, std::string_view typed) {
  const std::string_view stored = storedCode.substr(0, 30);
  const std::string_view password = typed.substr(0, 15);
  return CryptPassword(password, stored.substr(0, 2)) == stored;
}

}  // namespace orv
