#include "geometry/working/ExactText.h"

#include <cmath>
#include <cstdint>

#include "core/numbers/ExactMath.h"
#include "core/numbers/Format.h"

namespace pr::working {
namespace {

using boost::multiprecision::cpp_int;

constexpr int kShortDecimals = 3;
constexpr int kExactDecimals = 6;
const Rational kShortLimit(1000000);
// Radicands whose numerator times denominator is below this are factored:
// trial division up to its cube root, ten thousand steps at most.
const cpp_int kFactorLimit("1000000000000");

cpp_int PowerOfTen(int exponent) {
  cpp_int p = 1;
  for (int i = 0; i < exponent; ++i) p *= 10;
  return p;
}

// Whether v·10^decimals is a whole number.
bool HasDecimalsAtMost(const Rational& v, int decimals) { return PowerOfTen(decimals) % denominator(v) == 0; }

std::string Signed(bool negative, std::string digits) { return negative ? std::string(kMinus) + digits : digits; }

// v, a decimal with at most `decimals` digits after the mark, written out.
std::string DecimalDigits(const Rational& v, int decimals, std::string_view mark) {
  const cpp_int scaled = abs(numerator(v)) * (PowerOfTen(decimals) / denominator(v));
  std::string digits = exact::Digits(scaled);
  if (digits.size() <= static_cast<std::size_t>(decimals)) {
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  }
  std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
  std::string fraction = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return Signed(v < 0, fraction.empty() ? whole : whole + std::string(mark) + fraction);
}

struct SquareSplit {
  std::uint64_t outside;  // n = outside² · inside
  std::uint64_t inside;
};

std::uint64_t IntegerRoot(std::uint64_t n) {
  auto r = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  while (r * r > n) --r;
  while ((r + 1) * (r + 1) <= n) ++r;
  return r;
}

// n = a²·b with b square-free. Trial division up to the cube root leaves a
// cofactor with at most two prime factors: 1, p, p·q or p², and only p² is
// a square.
SquareSplit SplitSquares(std::uint64_t n) {
  SquareSplit split{1, 1};
  for (std::uint64_t p = 2; p * p * p <= n; ++p) {
    while (n % (p * p) == 0) {
      n /= p * p;
      split.outside *= p;
    }
    if (n % p == 0) {
      n /= p;
      split.inside *= p;
    }
  }
  const std::uint64_t root = IntegerRoot(n);
  if (root * root == n) {
    split.outside *= root;
  } else {
    split.inside *= n;
  }
  return split;
}

}  // namespace

bool IsShortDecimal(const Rational& v) { return HasDecimalsAtMost(v, kShortDecimals) && abs(v) < kShortLimit; }

bool IsShortDecimal(const ExactDecimal& v) {
  if (v.significand == 0) return true;
  // v·10^3 = significand·10^(exponent + 3) is whole.
  if (v.exponent < -kShortDecimals && v.significand % exact::PowerOfTen(-kShortDecimals - v.exponent) != 0) {
    return false;
  }
  // |v| < kShortLimit = 10^6, i.e. |significand| < 10^(6 - exponent).
  constexpr std::int64_t kLimitExponent = 6;
  if (v.exponent >= kLimitExponent) return false;
  return abs(v.significand) < exact::PowerOfTen(kLimitExponent - v.exponent);
}

bool HasTwoDecimalsAtMost(const Rational& v) { return HasDecimalsAtMost(v, 2); }

bool HasTwoDecimalsAtMost(const cpp_int& numerator, const cpp_int& denominator, std::int64_t exponent) {
  // numerator·10^(exponent + 2) / denominator is whole.
  const std::int64_t shift = exponent + 2;
  if (shift >= 0) return numerator * exact::PowerOfTen(shift) % denominator == 0;
  return numerator % (denominator * exact::PowerOfTen(-shift)) == 0;
}

std::string ExactNumber(const Rational& v, std::string_view mark) {
  if (HasDecimalsAtMost(v, kExactDecimals)) return DecimalDigits(v, kExactDecimals, mark);
  return Signed(v < 0, exact::Digits(abs(numerator(v))) + "/" + exact::Digits(denominator(v)));
}

// √(p/q) = √(p·q)/q = a√b/q, then a/q in lowest terms.
std::optional<SimplifiedRoot> SimplifyRoot(const Rational& radicand, std::string_view mark) {
  if (radicand <= 0) return SimplifiedRoot{"0", Rational(0)};
  const cpp_int product = numerator(radicand) * denominator(radicand);
  if (product >= kFactorLimit) return std::nullopt;
  const SquareSplit split = SplitSquares(product.convert_to<std::uint64_t>());
  const Rational factor(cpp_int(split.outside), denominator(radicand));
  if (split.inside == 1) return SimplifiedRoot{ExactNumber(factor, mark), factor};
  std::string text;
  if (numerator(factor) != 1) text += exact::Digits(numerator(factor));
  text += std::string(kRoot) + std::to_string(split.inside);
  if (denominator(factor) != 1) text += "/" + exact::Digits(denominator(factor));
  return SimplifiedRoot{text, std::nullopt};
}

std::string ShownNumber(double v, std::string_view pattern, std::string_view mark) {
  std::string text = Format(std::fabs(v), pattern, mark);
  text.erase(0, text.find_first_not_of(' '));
  // A value that rounds to 0,00 shows no sign, as in the labels.
  if (v < 0 && text.find_first_of("123456789") != std::string::npos) return Signed(true, text);
  return text;
}

}  // namespace pr::working
