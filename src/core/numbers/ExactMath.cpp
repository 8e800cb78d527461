#include "core/numbers/ExactMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/numbers/RuntimeError.h"

namespace pr::exact {
namespace {

constexpr std::int64_t kMantissaBits = 53;
// The exponent of the smallest subnormal, the finest step a double has.
constexpr std::int64_t kFinestStep = -1074;
// A double is below 2^1024.
constexpr std::int64_t kRangeBits = 1024;
// The integer part of a scaled result keeps two bits beyond the mantissa's,
// and whatever lies below them only says "inexact": enough to round right.
constexpr std::int64_t kWorkingBits = kMantissaBits + 2;

// Quotients whose bit lengths differ by more than this are far outside the
// double range either way: decided before any long division.
constexpr std::int64_t kFarAbove = kRangeBits + 2;
constexpr std::int64_t kFarBelow = kFinestStep - 4;

[[noreturn]] void ThrowOverflow() { throw RuntimeError(ErrorCode::Overflow); }

std::int64_t BitLength(const Integer& n) { return n == 0 ? 0 : static_cast<std::int64_t>(msb(n)) + 1; }

// The double nearest (whole + f)·2^exponent, where 0 <= f < 1, f = 0 exactly
// when !inexact, and `whole` has at least kWorkingBits bits.
double RoundScaled(const Integer& whole, bool inexact, std::int64_t exponent) {
  const std::int64_t length = BitLength(whole);
  const std::int64_t step = std::max(length + exponent - kMantissaBits, kFinestStep);
  const std::int64_t dropped = step - exponent;  // at least 2
  if (dropped > length) return 0.0;              // below half the finest step
  Integer kept = whole >> dropped;
  const Integer rest = whole - (kept << dropped);
  const Integer half = Integer(1) << (dropped - 1);
  if (rest > half || (rest == half && (inexact || bit_test(kept, 0)))) ++kept;
  if (step + BitLength(kept) > kRangeBits) ThrowOverflow();
  // kept <= 2^53 converts exactly, and scaling by a power of two is exact.
  return std::ldexp(kept.convert_to<double>(), static_cast<int>(step));
}

// floor(numerator·2^shift / denominator) and whether anything was left over,
// shifting whichever side keeps the division exact.
struct ScaledQuotient {
  Integer whole;
  bool inexact;
};

ScaledQuotient DivideScaled(const Integer& numerator, const Integer& denominator, std::int64_t shift) {
  Integer whole;
  Integer rest;
  const auto bits = static_cast<unsigned>(shift < 0 ? -shift : shift);
  if (shift >= 0) {
    divide_qr(Integer(numerator << bits), denominator, whole, rest);
  } else {
    divide_qr(numerator, Integer(denominator << bits), whole, rest);
  }
  return {std::move(whole), rest != 0};
}

double WithSign(bool negative, double magnitude) { return negative && magnitude != 0 ? -magnitude : magnitude; }

}  // namespace

double QuotientToDouble(const Integer& numerator, const Integer& denominator) {
  if (numerator == 0) return 0.0;
  const Integer magnitude = abs(numerator);
  const std::int64_t lengths = BitLength(magnitude) - BitLength(denominator);
  if (lengths > kFarAbove) ThrowOverflow();
  if (lengths < kFarBelow) return 0.0;
  // 2^(shift + lengths - 1) <= the scaled quotient: kWorkingBits bits at least.
  const std::int64_t shift = kWorkingBits + 1 - lengths;
  const ScaledQuotient q = DivideScaled(magnitude, denominator, shift);
  return WithSign(numerator < 0, RoundScaled(q.whole, q.inexact, -shift));
}

double SqrtQuotientToDouble(const Integer& numerator, const Integer& denominator) {
  if (numerator < 0) throw RuntimeError(ErrorCode::InvalidCall);
  if (numerator == 0) return 0.0;
  const std::int64_t lengths = BitLength(numerator) - BitLength(denominator);
  if (lengths > 2 * kFarAbove) ThrowOverflow();
  if (lengths < 2 * kFarBelow) return 0.0;
  // An even shift 2h leaves the root scaled by 2^h; 2·kWorkingBits + 2 bits
  // under the root give kWorkingBits in it.
  const std::int64_t wanted = 2 * kWorkingBits + 2 - lengths;
  const std::int64_t half = wanted >= 0 ? (wanted + 1) / 2 : -(-wanted / 2);
  const ScaledQuotient q = DivideScaled(numerator, denominator, 2 * half);
  Integer rest;
  const Integer root = sqrt(q.whole, rest);
  return RoundScaled(root, q.inexact || rest != 0, -half);
}

Integer PowerOfTen(std::int64_t exponent) { return pow(Integer(10), static_cast<unsigned>(exponent)); }

Integer SquareRoot(const Integer& n) {
  // Boost's root is quick up to a few machine words.
  constexpr std::int64_t kShortBits = 128;
  const std::int64_t length = BitLength(n);
  if (length <= kShortBits) return sqrt(n);
  // The root of n's leading bits, scaled back, is above √n by a part in
  // 2^60 at most; Newton's steps from above then double the correct bits
  // each time and stop at floor(√n).
  const auto shift = static_cast<unsigned>((length - kShortBits) & ~std::int64_t{1});
  Integer root = (sqrt(Integer(n >> shift)) + 1) << (shift / 2);
  for (;;) {
    Integer next = (root + n / root) >> 1;
    if (next >= root) return root;
    root = std::move(next);
  }
}

std::string Digits(const Integer& value) {
  // Eighteen digits at a time, lowest first: each chunk fits a uint64_t.
  const Integer chunkSize(1'000'000'000'000'000'000ULL);
  std::vector<unsigned long long> chunks;
  Integer rest = abs(value);
  do {
    Integer chunk;
    divide_qr(rest, chunkSize, rest, chunk);
    chunks.push_back(chunk.convert_to<unsigned long long>());
  } while (rest != 0);
  std::string text = value < 0 ? "-" : "";
  text += std::to_string(chunks.back());
  for (auto chunk = chunks.rbegin() + 1; chunk != chunks.rend(); ++chunk) {
    const std::string digits = std::to_string(*chunk);
    text += std::string(18 - digits.size(), '0') + digits;
  }
  return text;
}

}  // namespace pr::exact
