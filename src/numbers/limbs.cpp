#include "numbers/limbs.h"

#include <algorithm>

#include "numbers/workbudget.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <cpuid.h>
#define ORV_LIMBS_X86 1
#endif

namespace orv::limbs {
namespace {

using Wide = unsigned __int128;

#ifdef ORV_LIMBS_X86
// The loops over limbs run most of the time of every long operation; on
// x86-64 the hottest of them are written out below, four limbs a turn. They
// count with lea and jrcxz, which leave the flags alone, so a carry flag runs
// through the whole loop.
//
// The products with one limb need mulx (which sets no flags) and adcx/adox
// (two carry flags that do not disturb each other): the carry of the products
// and that of the sum then run apart, which C cannot express, and the loop is
// about twice as fast.
bool HasMulx() {
  static const bool has = [] {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) return false;
    constexpr unsigned kBmi2 = 1u << 8;
    constexpr unsigned kAdx = 1u << 19;
    return (ebx & kBmi2) != 0 && (ebx & kAdx) != 0;
  }();
  return has;
}

// clang-format off
// One limb of r += a * m: r8 or r10 holds the high limb of the product before.
#define ORV_ADDMUL_STEP(off, hi_in, hi_out)  \
  "mulx " off "(%[a]), %%r9, " hi_out "\n\t" \
  "adcx " hi_in ", %%r9\n\t"                 \
  "adox " off "(%[r]), %%r9\n\t"             \
  "mov %%r9, " off "(%[r])\n\t"

// One limb of r -= a * m: the product's sum runs on OF; the subtraction adds
// its complement with CF standing for "no borrow".
#define ORV_SUBMUL_STEP(off, hi_in, hi_out)  \
  "mulx " off "(%[a]), %%r9, " hi_out "\n\t" \
  "adox " hi_in ", %%r9\n\t"                 \
  "not %%r9\n\t"                             \
  "adcx " off "(%[r]), %%r9\n\t"             \
  "mov %%r9, " off "(%[r])\n\t"

// One limb of r = a * m.
#define ORV_MUL_STEP(off, hi_in, hi_out)     \
  "mulx " off "(%[a]), %%r9, " hi_out "\n\t" \
  "adcx " hi_in ", %%r9\n\t"                 \
  "mov %%r9, " off "(%[r])\n\t"

// The loop over n limbs: first the n % 4 single limbs (counted in rcx), then
// groups of four (counted in n4). The high limb of the product before is in r8
// at the start of each single limb and of each group.
#define ORV_LIMB_LOOP(step, one, four)                          \
  "jrcxz 3f\n\t"                                                \
  "4:\n\t"                                                      \
  step("0", "%%r8", "%%r10")                                    \
  "mov %%r10, %%r8\n\t"                                         \
  one                                                           \
  "lea -1(%%rcx), %%rcx\n\t"                                    \
  "jrcxz 3f\n\t"                                                \
  "jmp 4b\n\t"                                                  \
  "3:\n\t"                                                      \
  "mov %[n4], %%rcx\n\t"                                        \
  "jrcxz 2f\n\t"                                                \
  "1:\n\t"                                                      \
  step("0", "%%r8", "%%r10") step("8", "%%r10", "%%r8")         \
  step("16", "%%r8", "%%r10") step("24", "%%r10", "%%r8")       \
  four                                                          \
  "lea -4(%%rcx), %%rcx\n\t"                                    \
  "jrcxz 2f\n\t"                                                \
  "jmp 1b\n\t"                                                  \
  "2:\n\t"

#define ORV_STEP_RA(bytes) "lea " bytes "(%[a]), %[a]\n\t" "lea " bytes "(%[r]), %[r]\n\t"

// n % 4 and the rest of n, as the loops count them.
#define ORV_COUNTS(n)                      \
  std::size_t head = (n) % 4;              \
  const std::size_t n4 = (n) - head

// The whole of a one-limb loop: start sets r8 and the flags, finish adds the
// flags' last carries to r8, which is the result.
#define ORV_MULX_LOOP(step, start, finish)                                      \
  ORV_COUNTS(n);                                                                \
  Limb out;                                                                     \
  asm volatile(                                                                 \
      start                                                                     \
      ORV_LIMB_LOOP(step, ORV_STEP_RA("8"), ORV_STEP_RA("32"))                  \
      finish                                                                    \
      "mov %%r8, %[out]\n\t"                                                    \
      : [out] "=r"(out), [a] "+r"(a), [r] "+r"(r), "+c"(head)                   \
      : "d"(m), [n4] "r"(n4)                                                    \
      : "r8", "r9", "r10", "cc", "memory");                                     \
  return out

Limb AddMul1Mulx(Limb* r, const Limb* a, std::size_t n, Limb m) {
  ORV_MULX_LOOP(ORV_ADDMUL_STEP,
                "xor %%r8d, %%r8d\n\t",
                "mov $0, %%r9d\n\t" "adcx %%r9, %%r8\n\t" "adox %%r9, %%r8\n\t");
}

Limb SubMul1Mulx(Limb* r, const Limb* a, std::size_t n, Limb m) {
  ORV_MULX_LOOP(ORV_SUBMUL_STEP,
                "xor %%r8d, %%r8d\n\t" "stc\n\t",
                "mov $0, %%r9d\n\t" "adox %%r9, %%r8\n\t" "cmc\n\t" "adc $0, %%r8\n\t");
}

Limb Mul1Mulx(Limb* r, const Limb* a, std::size_t n, Limb m) {
  ORV_MULX_LOOP(ORV_MUL_STEP,
                "xor %%r8d, %%r8d\n\t",
                "mov $0, %%r9d\n\t" "adcx %%r9, %%r8\n\t");
}

// r = a + b and r = a - b on the one carry flag; these need nothing beyond
// x86-64. The step's "high limb" registers go unused.
#define ORV_CARRY_STEP(op) ORV_CARRY_STEP_##op
#define ORV_CARRY_STEP_ADC(off, hi_in, hi_out) \
  "mov " off "(%[a]), %%r9\n\t"                \
  "adc " off "(%[b]), %%r9\n\t"                \
  "mov %%r9, " off "(%[r])\n\t"
#define ORV_CARRY_STEP_SBB(off, hi_in, hi_out) \
  "mov " off "(%[a]), %%r9\n\t"                \
  "sbb " off "(%[b]), %%r9\n\t"                \
  "mov %%r9, " off "(%[r])\n\t"
#define ORV_STEP_RAB(bytes) ORV_STEP_RA(bytes) "lea " bytes "(%[b]), %[b]\n\t"

#define ORV_CARRY_LOOP(op)                                                        \
  ORV_COUNTS(n);                                                                  \
  Limb carry;                                                                     \
  asm volatile(                                                                   \
      "xor %%eax, %%eax\n\t"                                                      \
      ORV_LIMB_LOOP(ORV_CARRY_STEP(op), ORV_STEP_RAB("8"), ORV_STEP_RAB("32"))    \
      "setc %%al\n\t"                                                             \
      : "=&a"(carry), [a] "+r"(a), [b] "+r"(b), [r] "+r"(r), "+c"(head)           \
      : [n4] "r"(n4)                                                              \
      : "r8", "r9", "r10", "cc", "memory");                                       \
  return carry

Limb AddNCarry(Limb* r, const Limb* a, const Limb* b, std::size_t n) {
  ORV_CARRY_LOOP(ADC);
}

Limb SubNBorrow(Limb* r, const Limb* a, const Limb* b, std::size_t n) {
  ORV_CARRY_LOOP(SBB);
}

#undef ORV_CARRY_LOOP
#undef ORV_STEP_RAB
#undef ORV_CARRY_STEP_SBB
#undef ORV_CARRY_STEP_ADC
#undef ORV_CARRY_STEP
#undef ORV_MULX_LOOP
#undef ORV_COUNTS
#undef ORV_STEP_RA
#undef ORV_LIMB_LOOP
#undef ORV_MUL_STEP
#undef ORV_SUBMUL_STEP
#undef ORV_ADDMUL_STEP
// clang-format on
#endif

}  // namespace

Limbs Pack(const TInt& d) {
  const std::size_t n = MagSigLen(d);
  Limbs out((n + 1) / 2);
  for (std::size_t i = 0; i < n; ++i) {
    out[i / 2] |= static_cast<Limb>(d[i]) << (32 * (i % 2));
  }
  return out;
}

TInt Unpack(const Limb* p, std::size_t n) {
  n = SigLen(p, n);
  TInt out(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    out[2 * i] = static_cast<std::uint32_t>(p[i]);
    out[2 * i + 1] = static_cast<std::uint32_t>(p[i] >> 32);
  }
  if (!out.empty() && out.back() == 0) out.pop_back();
  return out;
}

std::size_t SigLen(const Limb* p, std::size_t n) {
  while (n > 0 && p[n - 1] == 0) --n;
  return n;
}

int CompareN(const Limb* a, const Limb* b, std::size_t n) {
  while (n > 0) {
    --n;
    if (a[n] != b[n]) return a[n] < b[n] ? -1 : 1;
  }
  return 0;
}

Limb AddN(Limb* r, const Limb* a, const Limb* b, std::size_t n) {
#ifdef ORV_LIMBS_X86
  return AddNCarry(r, a, b, n);
#else
  Limb carry = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Limb s = a[i] + carry;
    carry = s < carry;
    const Limb t = s + b[i];
    carry += t < s;
    r[i] = t;
  }
  return carry;
#endif
}

Limb Add(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  Limb carry = AddN(r, a, b, bn);
  for (std::size_t i = bn; i < an; ++i) {
    r[i] = a[i] + carry;
    carry = r[i] < carry;
  }
  return carry;
}

Limb SubN(Limb* r, const Limb* a, const Limb* b, std::size_t n) {
#ifdef ORV_LIMBS_X86
  return SubNBorrow(r, a, b, n);
#else
  Limb borrow = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Limb x = a[i];
    const Limb t = x - b[i];
    const Limb b1 = x < b[i];
    r[i] = t - borrow;
    borrow = b1 + (t < borrow);
  }
  return borrow;
#endif
}

Limb Sub(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  Limb borrow = SubN(r, a, b, bn);
  for (std::size_t i = bn; i < an; ++i) {
    const Limb x = a[i];
    r[i] = x - borrow;
    borrow = x < borrow;
  }
  return borrow;
}

Limb Mul1(Limb* r, const Limb* a, std::size_t n, Limb m) {
  CountWork(n);
  Limb carry = 0;
#ifdef ORV_LIMBS_X86
  if (HasMulx()) return Mul1Mulx(r, a, n, m);
#endif
  for (std::size_t i = 0; i < n; ++i) {
    const Wide t = static_cast<Wide>(a[i]) * m + carry;
    r[i] = static_cast<Limb>(t);
    carry = static_cast<Limb>(t >> 64);
  }
  return carry;
}

Limb AddMul1(Limb* r, const Limb* a, std::size_t n, Limb m) {
  CountWork(n);
  Limb carry = 0;
#ifdef ORV_LIMBS_X86
  if (HasMulx()) return AddMul1Mulx(r, a, n, m);
#endif
  for (std::size_t i = 0; i < n; ++i) {
    const Wide t = static_cast<Wide>(a[i]) * m + r[i] + carry;
    r[i] = static_cast<Limb>(t);
    carry = static_cast<Limb>(t >> 64);
  }
  return carry;
}

Limb SubMul1(Limb* r, const Limb* a, std::size_t n, Limb m) {
  CountWork(n);
  Limb borrow = 0;
#ifdef ORV_LIMBS_X86
  if (HasMulx()) return SubMul1Mulx(r, a, n, m);
#endif
  for (std::size_t i = 0; i < n; ++i) {
    const Wide t = static_cast<Wide>(a[i]) * m + borrow;
    const Limb lo = static_cast<Limb>(t);
    borrow = static_cast<Limb>(t >> 64) + (r[i] < lo);
    r[i] -= lo;
  }
  return borrow;
}

// Both shifts go in the direction that lets r be a itself.
Limb ShiftLeft(Limb* r, const Limb* a, std::size_t n, unsigned s) {
  if (n == 0) return 0;
  const Limb out = a[n - 1] >> (64 - s);
  for (std::size_t i = n - 1; i > 0; --i) r[i] = (a[i] << s) | (a[i - 1] >> (64 - s));
  r[0] = a[0] << s;
  return out;
}

Limb ShiftRight(Limb* r, const Limb* a, std::size_t n, unsigned s) {
  if (n == 0) return 0;
  const Limb out = a[0] << (64 - s);
  for (std::size_t i = 0; i + 1 < n; ++i) r[i] = (a[i] >> s) | (a[i + 1] << (64 - s));
  r[n - 1] = a[n - 1] >> s;
  return out;
}

Scratch::Scratch(std::size_t expected) {
  AddBlock(std::max<std::size_t>(expected, 256));
}

void Scratch::AddBlock(std::size_t size) {
  blocks_.push_back(Block{std::make_unique_for_overwrite<Limb[]>(size), size});
}

Limb* Scratch::Take(std::size_t n) {
  while (block_ < blocks_.size() && used_ + n > blocks_[block_].size) {
    ++block_;
    used_ = 0;
  }
  if (block_ == blocks_.size()) AddBlock(std::max(n, 2 * blocks_.back().size));
  Limb* p = blocks_[block_].limbs.get() + used_;
  used_ += n;
  return p;
}

}  // namespace orv::limbs
