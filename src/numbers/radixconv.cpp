#include "numbers/radixconv.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "base/errors.h"
#include "numbers/limbs.h"

namespace orv {
namespace {

using limbs::Limb;
using limbs::Limbs;

// Texts up to this many limbs' worth of digits are converted one limb of
// digits at a time; longer ones are cut in halves.
constexpr std::size_t kParseSplitLimbs = 24;
constexpr std::size_t kPrintSplitLimbs = 24;

constexpr char kDigitChars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

void CheckRadix(std::uint8_t radix) {
  if (radix < 2 || radix > 36) throw ERangeError();
}

// The largest power of the radix that fits one limb: radix^digits.
struct Chunk {
  Limb value = 1;
  std::size_t digits = 0;
};

Chunk ChunkOf(std::uint8_t radix) {
  Chunk c;
  while (c.value <= ~Limb{0} / radix) {
    c.value *= radix;
    ++c.digits;
  }
  return c;
}

// chunk^(2^i) as value * B^zeros, computed by squaring as far as a conversion
// needs them. The zero limbs at the bottom stay out of the products and
// quotients; in base 10 (10^k = 5^k * 2^k) they are about a third of the power.
struct Power {
  Limbs value;
  std::size_t zeros = 0;
};

class Powers {
 public:
  explicit Powers(const Chunk& chunk) : powers_{Power{Limbs{chunk.value}, 0}} {}
  const Power& At(std::size_t i) {
    while (powers_.size() <= i) {
      const Power& last = powers_.back();
      Power next{limbs::Mul(last.value, last.value), 2 * last.zeros};
      const auto low_zeros =
          std::find_if(next.value.begin(), next.value.end(), [](Limb x) { return x != 0; });
      next.zeros += static_cast<std::size_t>(low_zeros - next.value.begin());
      next.value.erase(next.value.begin(), low_zeros);
      powers_.push_back(std::move(next));
    }
    return powers_[i];
  }

 private:
  std::vector<Power> powers_;
};

Limbs ParseShort(std::string_view s, std::uint8_t radix, const Chunk& chunk) {
  Limbs acc;
  acc.reserve(s.size() / chunk.digits + 2);
  std::size_t len = s.size() % chunk.digits;
  if (len == 0) len = chunk.digits;
  for (std::size_t pos = 0; pos < s.size(); pos += len, len = chunk.digits) {
    Limb value = 0;
    Limb scale = 1;
    for (std::size_t i = pos; i < pos + len; ++i) {
      value = value * radix + RadixDigit(s[i]);
      scale *= radix;
    }
    Limb top = limbs::Mul1(acc.data(), acc.data(), acc.size(), scale);
    for (std::size_t k = 0; k < acc.size() && value != 0; ++k) {
      acc[k] += value;
      value = acc[k] < value ? 1 : 0;
    }
    top += value;
    if (top != 0) acc.push_back(top);
  }
  limbs::Trim(acc);
  return acc;
}

Limbs Parse(std::string_view s, std::uint8_t radix, const Chunk& chunk, Powers& powers) {
  if (s.size() <= kParseSplitLimbs * chunk.digits) return ParseShort(s, radix, chunk);
  // The low part takes chunk.digits * 2^i digits, at least half of the text.
  std::size_t i = 0;
  while ((chunk.digits << (i + 1)) < s.size()) ++i;
  const std::size_t low_len = chunk.digits << i;
  const Limbs high = Parse(s.substr(0, s.size() - low_len), radix, chunk, powers);
  const Limbs low = Parse(s.substr(s.size() - low_len), radix, chunk, powers);
  if (high.empty()) return low;
  const Power& power = powers.At(i);
  Limbs r = limbs::Mul(high, power.value);
  r.insert(r.begin(), power.zeros, Limb{0});
  r.resize(std::max(r.size(), low.size()) + 1);
  limbs::Add(r.data(), r.data(), r.size(), low.data(), low.size());
  limbs::Trim(r);
  return r;
}

template <Limb kRadix>
void WriteChunkDigits(Limb value, char* out, std::size_t& pos, std::size_t digits) {
  for (std::size_t k = 0; k < digits && pos > 0; ++k) {
    out[--pos] = kDigitChars[value % kRadix];
    value /= kRadix;
  }
}

// Writes the digits of one limb right to left, ending at out[pos - 1].
void WriteChunk(Limb value, std::uint8_t radix, char* out, std::size_t& pos, std::size_t digits) {
  if (radix == 10) {
    WriteChunkDigits<10>(value, out, pos, digits);
    return;
  }
  for (std::size_t k = 0; k < digits && pos > 0; ++k) {
    out[--pos] = kDigitChars[value % radix];
    value /= radix;
  }
}

// Writes x, which is below radix^width, as exactly width digits (out holds "0"s).
void PrintShort(Limbs x, std::uint8_t radix, const Chunk& chunk, char* out, std::size_t width) {
  std::size_t n = x.size();
  std::size_t pos = width;
  while (n > 0 && pos > 0) {
    const Limb rem = limbs::DivRem1(x.data(), x.data(), n, chunk.value);
    n = limbs::SigLen(x.data(), n);
    WriteChunk(rem, radix, out, pos, chunk.digits);
  }
}

// About how many limbs chunk^(2^i) takes, without computing it.
double EstimatedLimbs(const Chunk& chunk, std::size_t i) {
  return std::ldexp(std::log2(static_cast<double>(chunk.value)), static_cast<int>(i)) / 64.0;
}

void Print(const Limbs& x, std::uint8_t radix, const Chunk& chunk, Powers& powers, char* out,
           std::size_t width) {
  if (x.size() <= kPrintSplitLimbs) {
    PrintShort(x, radix, chunk, out, width);
    return;
  }
  // Divide by the power that takes about half of x's limbs.
  std::size_t i = 0;
  while ((chunk.digits << (i + 1)) < width &&
         2 * EstimatedLimbs(chunk, i + 1) <= static_cast<double>(x.size())) {
    ++i;
  }
  const std::size_t low_width = chunk.digits << i;
  const Power& power = powers.At(i);
  const auto zeros = static_cast<std::ptrdiff_t>(std::min(power.zeros, x.size()));
  limbs::QuotRem qr = limbs::DivRem(Limbs(x.begin() + zeros, x.end()), power.value);
  // The remainder takes back the low limbs that the division left out.
  qr.remainder.insert(qr.remainder.begin(), x.begin(), x.begin() + zeros);
  limbs::Trim(qr.remainder);
  Print(qr.quotient, radix, chunk, powers, out, width - low_width);
  Print(qr.remainder, radix, chunk, powers, out + (width - low_width), low_width);
}

}  // namespace

std::uint8_t RadixDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'z') return static_cast<std::uint8_t>(c - 'a' + 10);
  return 255;
}

TInt DigitsToMag(std::string_view digits, std::uint8_t radix) {
  CheckRadix(radix);
  const Chunk chunk = ChunkOf(radix);
  Powers powers(chunk);
  return limbs::Unpack(Parse(digits, radix, chunk, powers));
}

std::string MagToDigits(const TInt& d, std::uint8_t radix) {
  CheckRadix(radix);
  const Limbs x = limbs::Pack(d);
  if (x.empty()) return "0";
  const double bits =
      64.0 * static_cast<double>(x.size() - 1) + static_cast<double>(std::bit_width(x.back()));
  // Two digits of slack cover the rounding of the estimate; the zeros go again below.
  const auto width = static_cast<std::size_t>(bits / std::log2(static_cast<double>(radix))) + 2;
  std::string out(width, '0');
  const Chunk chunk = ChunkOf(radix);
  Powers powers(chunk);
  Print(x, radix, chunk, powers, out.data(), width);
  out.erase(0, std::min(out.find_first_not_of('0'), out.size() - 1));
  return out;
}

}  // namespace orv
