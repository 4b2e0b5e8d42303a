#include "lists/smallintegers.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

#include "lists/operations.h"
#include "lists/textscan.h"
#include "numbers/workbudget.h"

namespace orv {
namespace {

// Longer operand texts are left to the long arithmetic, which also refuses
// the very long ones.
constexpr std::size_t kLongestOperand = 64;
// The fixed work of one operation and the limb steps of its long-integer
// kernel calls for operands of one limb (see Apply and the kernel).
constexpr std::size_t kOperationWork = 100;

// A value and the text it stands for: an operand as written, or a result.
struct Value {
  std::int64_t number = 0;
  std::string_view written;  // empty for a result
  std::size_t length = 0;    // of the text the long arithmetic would read
};

bool IsOperator(char c) {
  return c == '+' || c == '-' || c == '*' || c == 'x' || c == 'X' || c == '/';
}

// As Precedence gives it, for one operator character or none ('\0').
int PrecedenceOf(char op) {
  switch (op) {
    case '\0':
      return 0;
    case '+':
    case '-':
      return 1;
    case 'X':
      return Precedence("X");
    default:
      return 2;
  }
}

std::size_t DecimalLength(std::int64_t n) {
  std::size_t length = n < 0 ? 2 : 1;
  for (std::uint64_t m = n < 0 ? -static_cast<std::uint64_t>(n) : n; m >= 10; m /= 10) ++length;
  return length;
}

// Reads "[+-]digits" at i; the value must leave room for its negation.
std::optional<Value> ReadOperand(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t digits = i;
  std::int64_t n = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (__builtin_mul_overflow(n, 10, &n) || __builtin_add_overflow(n, text[i] - '0', &n)) {
      return std::nullopt;
    }
  }
  if (i == digits || i - start > kLongestOperand) return std::nullopt;
  return Value{negative ? -n : n, text.substr(start, i - start), i - start};
}

// One operation with the limb steps it takes in the long arithmetic; nothing
// when the result is no 63-bit whole number.
std::optional<std::int64_t> Operate(char op, std::int64_t a, std::int64_t b, std::size_t& work) {
  std::int64_t r = 0;
  switch (op) {
    case '+':
      if (__builtin_add_overflow(a, b, &r)) return std::nullopt;
      break;
    case '-':
      if (__builtin_sub_overflow(a, b, &r)) return std::nullopt;
      break;
    case '/':
      // A one-limb divisor is divided out without counted steps; a larger
      // one, a remainder or a zero divisor takes the long way.
      if (b == 0 || b > 0xFFFFFFFFll || b < -0xFFFFFFFFll || a % b != 0) return std::nullopt;
      r = a / b;
      break;
    default:
      if (__builtin_mul_overflow(a, b, &r)) return std::nullopt;
      // One limb times one limb is a single step.
      if (a != 0 && b != 0) ++work;
      break;
  }
  if (r == std::numeric_limits<std::int64_t>::min()) return std::nullopt;
  // Writing a nonzero one-limb result divides it once.
  if (r != 0) ++work;
  return r;
}

}  // namespace

std::optional<std::string> EvaluateSmallIntegers(std::string_view expression) {
  // The pending operands and operators, as the flat evaluator keeps them.
  struct Slot {
    Value value;
    char op;  // '\0' after the last operand
  };
  std::array<Slot, 4> stack;
  int depth = 0;
  std::size_t work = 0;
  for (std::size_t i = 0; i < expression.size();) {
    std::optional<Value> operand = ReadOperand(expression, i);
    if (!operand) return std::nullopt;
    char op = '\0';
    if (i < expression.size()) {
      op = expression[i++];
      // The operator must be followed by the next operand.
      if (!IsOperator(op) || i == expression.size()) {
        return std::nullopt;
      }
    }
    if (depth == static_cast<int>(stack.size())) return std::nullopt;
    stack[depth++] = {*operand, op};
    while (depth > 1 && PrecedenceOf(stack[depth - 2].op) >= PrecedenceOf(stack[depth - 1].op)) {
      Slot& below = stack[depth - 2];
      const Slot& top = stack[depth - 1];
      work += kOperationWork + below.value.length + top.value.length;
      const std::optional<std::int64_t> r =
          Operate(below.op, below.value.number, top.value.number, work);
      if (!r) return std::nullopt;
      below = {{*r, {}, DecimalLength(*r)}, top.op};
      --depth;
    }
  }
  if (depth != 1) return std::nullopt;
  CountWork(work);
  const Value& result = stack[0].value;
  if (!result.written.empty()) return std::string(result.written);
  std::array<char, 24> digits;
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), result.number).ptr;
  return std::string(digits.data(), end);
}

}  // namespace orv
