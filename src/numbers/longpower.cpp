#include <bit>

#include "numbers/limbs.h"
#include "numbers/longintegers.h"

namespace orv {

TLongInt LongPow(const TLongInt& a, std::uint32_t e) {
  if (e == 0) return TLongInt{{1}, 1};
  const bool negative = a.sign == -1 && e % 2 == 1;
  const limbs::Limbs base = limbs::Pack(a.digits);
  limbs::Limbs r = base;
  // Left to right over the exponent's bits below the top one.
  for (int bit = std::bit_width(e) - 2; bit >= 0 && !r.empty(); --bit) {
    r = limbs::Mul(r, r);
    if ((e >> bit) & 1u) r = limbs::Mul(r, base);
  }
  return TLongInt{limbs::Unpack(r), negative ? -1 : 1};
}

}  // namespace orv
