#pragma once
// The arithmetic kernel under the long integers. It works on 64-bit limbs
// (two of the public 32-bit limbs at a time), so the inner loops do a quarter
// of the multiplications; the public operations pack their operands into this
// form, compute, and unpack into the limb layout their callers expect.
// None of the raw loops checks bounds: callers size the arrays.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "numbers/longintegers.h"

namespace orv::limbs {

using Limb = std::uint64_t;
using Limbs = std::vector<Limb>;

// The significant part of a magnitude in 64-bit limbs, without zero limbs on top.
Limbs Pack(const TInt& d);
// The value of n limbs as a magnitude without zero limbs on top.
TInt Unpack(const Limb* p, std::size_t n);
inline TInt Unpack(const Limbs& d) {
  return Unpack(d.data(), d.size());
}

std::size_t SigLen(const Limb* p, std::size_t n);
inline void Trim(Limbs& d) {
  d.resize(SigLen(d.data(), d.size()));
}
// -1, 0, +1 comparing two n-limb numbers.
int CompareN(const Limb* a, const Limb* b, std::size_t n);

// r = a + b over n limbs; returns the carry out.
Limb AddN(Limb* r, const Limb* a, const Limb* b, std::size_t n);
// r = a + b with an >= bn; r has an limbs; returns the carry out.
Limb Add(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn);
// r = a - b over n limbs; returns the borrow out.
Limb SubN(Limb* r, const Limb* a, const Limb* b, std::size_t n);
// r = a - b with an >= bn; r has an limbs; returns the borrow out.
Limb Sub(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn);
// r = a * m over n limbs; returns the high limb.
Limb Mul1(Limb* r, const Limb* a, std::size_t n, Limb m);
// r += a * m over n limbs; returns the carry limb.
Limb AddMul1(Limb* r, const Limb* a, std::size_t n, Limb m);
// r -= a * m over n limbs; returns the borrow limb.
Limb SubMul1(Limb* r, const Limb* a, std::size_t n, Limb m);
// Shifts by 0 < s < 64 bits; return the bits shifted out.
Limb ShiftLeft(Limb* r, const Limb* a, std::size_t n, unsigned s);
Limb ShiftRight(Limb* r, const Limb* a, std::size_t n, unsigned s);

// Temporary limbs for the recursive algorithms, taken and given back in stack
// order. Blocks never move, so what a caller took stays valid while the calls
// below it take more.
class Scratch {
 public:
  // expected: about how many limbs the work will hold at once (more is taken as needed).
  explicit Scratch(std::size_t expected);
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  // Gives back, when it goes out of scope, everything taken while it was open.
  class Frame {
   public:
    explicit Frame(Scratch& s) : s_(s), block_(s.block_), used_(s.used_) {}
    ~Frame() {
      s_.block_ = block_;
      s_.used_ = used_;
    }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;
    // n uninitialised limbs.
    Limb* Take(std::size_t n) { return s_.Take(n); }

   private:
    Scratch& s_;
    std::size_t block_;
    std::size_t used_;
  };

 private:
  // Blocks are left uninitialised: every caller writes before it reads.
  struct Block {
    std::unique_ptr<Limb[]> limbs;
    std::size_t size;
  };
  Limb* Take(std::size_t n);
  void AddBlock(std::size_t size);
  std::vector<Block> blocks_;
  std::size_t block_ = 0;
  std::size_t used_ = 0;
};

// About how many scratch limbs a product of two n-limb numbers takes.
std::size_t MulScratch(std::size_t n);

// r = a * b with an >= bn >= 1; r has an + bn limbs and overlaps neither operand.
// The same pointer and length for a and b square, which takes fewer steps.
void Mul(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn);
void Mul(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn, Scratch& s);
// The product of two numbers, trimmed; zero when either is zero. Mul(x, x) squares.
Limbs Mul(const Limbs& a, const Limbs& b);

// q = a div d over n limbs (q may be a); returns a mod d. d must not be 0.
Limb DivRem1(Limb* q, const Limb* a, std::size_t n, Limb d);

struct QuotRem {
  Limbs quotient;
  Limbs remainder;
};
// Quotient and remainder, both trimmed. b must be trimmed and not zero.
QuotRem DivRem(const Limbs& a, const Limbs& b);

// The greatest common divisor of two trimmed numbers, neither of them zero.
Limbs Gcd(Limbs a, Limbs b);

}  // namespace orv::limbs
