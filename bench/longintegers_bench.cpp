// Long-integer speed against GMP on the same operands in the same run:
// each Orv benchmark has a GMP twin, and the ratio of their times is the figure.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "lists/evaluator.h"
#include "lists/math.h"
#include "numbers/fractions.h"
#include "numbers/longintegers.h"
#include "numbers/radixconv.h"

namespace {

using namespace orv;

std::string RandomDigits(std::size_t n, std::uint64_t seed) {
  std::mt19937_64 gen(seed);
  std::string s(n, '0');
  for (auto& c : s) c = static_cast<char>('0' + gen() % 10);
  s[0] = static_cast<char>('1' + gen() % 9);
  return s;
}

class Mpz {
 public:
  explicit Mpz(const std::string& digits) { mpz_init_set_str(v_, digits.c_str(), 10); }
  Mpz() { mpz_init(v_); }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  ~Mpz() { mpz_clear(v_); }
  mpz_ptr get() { return v_; }

 private:
  mpz_t v_;
};

const std::string& Digits10k() {
  static const std::string s = RandomDigits(10000, 1);
  return s;
}
const std::string& Digits10kOther() {
  static const std::string s = RandomDigits(10000, 2);
  return s;
}
const std::string& Digits20k() {
  static const std::string s = RandomDigits(20000, 3);
  return s;
}
const std::string& Digits100k() {
  static const std::string s = RandomDigits(100000, 4);
  return s;
}

void BM_Multiply10kDigits_Orv(benchmark::State& state) {
  const TLongInt a = StrToLong(Digits10k(), 10);
  const TLongInt b = StrToLong(Digits10kOther(), 10);
  for (auto _ : state) benchmark::DoNotOptimize(LongMul(a, b));
}
BENCHMARK(BM_Multiply10kDigits_Orv)->Unit(benchmark::kMicrosecond);

void BM_Multiply10kDigits_Gmp(benchmark::State& state) {
  Mpz a(Digits10k()), b(Digits10kOther()), r;
  for (auto _ : state) {
    mpz_mul(r.get(), a.get(), b.get());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Multiply10kDigits_Gmp)->Unit(benchmark::kMicrosecond);

void BM_Divide20kBy10kDigits_Orv(benchmark::State& state) {
  const TLongInt a = StrToLong(Digits20k(), 10);
  const TLongInt b = StrToLong(Digits10k(), 10);
  for (auto _ : state) benchmark::DoNotOptimize(LongDivMod(a, b));
}
BENCHMARK(BM_Divide20kBy10kDigits_Orv)->Unit(benchmark::kMicrosecond);

void BM_Divide20kBy10kDigits_Gmp(benchmark::State& state) {
  Mpz a(Digits20k()), b(Digits10k()), q, r;
  for (auto _ : state) {
    mpz_tdiv_qr(q.get(), r.get(), a.get(), b.get());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Divide20kBy10kDigits_Gmp)->Unit(benchmark::kMicrosecond);

void BM_Print2To100000_Orv(benchmark::State& state) {
  const TLongInt p = LongPow(TLongInt{{2}, 1}, 100000);
  for (auto _ : state) benchmark::DoNotOptimize(LongToStr(p, 10));
}
BENCHMARK(BM_Print2To100000_Orv)->Unit(benchmark::kMicrosecond);

void BM_Print2To100000_Gmp(benchmark::State& state) {
  Mpz p;
  mpz_ui_pow_ui(p.get(), 2, 100000);
  std::string out(mpz_sizeinbase(p.get(), 10) + 2, '\0');
  for (auto _ : state) {
    mpz_get_str(out.data(), 10, p.get());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Print2To100000_Gmp)->Unit(benchmark::kMicrosecond);

// StrToLong takes at most 65535 characters, so the conversion under it is timed.
void BM_Parse100kDigits_Orv(benchmark::State& state) {
  const std::string& text = Digits100k();
  for (auto _ : state) benchmark::DoNotOptimize(DigitsToMag(text, 10));
}
BENCHMARK(BM_Parse100kDigits_Orv)->Unit(benchmark::kMicrosecond);

void BM_Parse100kDigits_Gmp(benchmark::State& state) {
  const std::string& text = Digits100k();
  Mpz r;
  for (auto _ : state) {
    mpz_set_str(r.get(), text.c_str(), 10);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Parse100kDigits_Gmp)->Unit(benchmark::kMicrosecond);

void BM_Gcd10kDigits_Orv(benchmark::State& state) {
  const TInt a = DigitsToMag(Digits10k(), 10);
  const TInt b = DigitsToMag(Digits10kOther(), 10);
  for (auto _ : state) benchmark::DoNotOptimize(MagGcd(a, b));
}
BENCHMARK(BM_Gcd10kDigits_Orv)->Unit(benchmark::kMicrosecond);

void BM_Gcd10kDigits_Gmp(benchmark::State& state) {
  Mpz a(Digits10k()), b(Digits10kOther()), r;
  for (auto _ : state) {
    mpz_gcd(r.get(), a.get(), b.get());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Gcd10kDigits_Gmp)->Unit(benchmark::kMicrosecond);

// The evaluator fuzz seed whose answer is a fraction of 74,441 characters in
// lowest terms; its first byte picks the decimal places as the fuzz target does.
void BM_EvaluateBigFractionSeed(benchmark::State& state) {
  std::ifstream in(ORV_SOURCE_DIR "/fuzz/corpus/evaluate/big-fraction-reduction", std::ios::binary);
  const std::string seed{std::istreambuf_iterator<char>(in), {}};
  if (seed.empty()) {
    state.SkipWithError("the fuzz seed big-fraction-reduction is missing");
    return;
  }
  const int places = static_cast<unsigned char>(seed[0]) % 19;
  const std::string_view text = std::string_view(seed).substr(1);
  state.counters["answer_chars"] = static_cast<double>(Evaluate(text, places).size());
  for (auto _ : state) benchmark::DoNotOptimize(Evaluate(text, places));
}
BENCHMARK(BM_EvaluateBigFractionSeed)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
