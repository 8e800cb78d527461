#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <boost/rational.hpp>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

// The tests' own arithmetic of a working, independent of the program's: a
// number is a sum of rational multiples of square roots, the roots told
// apart by whether their product is a square, and rounded by narrowing
// each root down with integer square roots until the rounding is decided.
namespace pr::test {

using Integer = boost::multiprecision::cpp_int;
using Fraction = boost::rational<Integer>;

class Surd {
 public:
  Surd() = default;
  explicit Surd(const Fraction& value) { Add({value, 1}); }
  static Surd Root(const Fraction& square);

  friend Surd operator+(Surd a, const Surd& b);
  friend Surd operator-(const Surd& a, const Surd& b);
  friend Surd operator*(const Surd& a, const Surd& b);
  friend Surd operator/(const Surd& a, const Surd& b);  // by a rational other than 0
  Surd operator-() const;

  bool IsZero() const { return terms_.empty(); }
  std::optional<Fraction> Rational() const;
  // Rounded half away from zero to `decimals` decimals: the sign of the
  // value itself and how many units of 10^-decimals its magnitude makes.
  std::pair<int, Integer> Round(int decimals) const;

 private:
  struct Term {
    Fraction coefficient;
    Integer radicand;  // 1 for the rational part
  };
  void Add(Term term);
  std::vector<Term> terms_;
};

// Why a part of a step cannot be read, or breaks the notation.
struct NotationError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One part of a step in the working's notation: "√(1 + 4)", "(3√2)/4",
// "¼·√(2000 − 1936)", "½·|0 − 8 + 12|", "(−2·10^−7 − 0)/(1 − 0,5)".
Surd Evaluate(std::string_view text, std::string_view mark);

// A number as a result shows it, "2,24", "−0,50", "0": its sign and hundredths.
std::optional<std::pair<int, Integer>> ShownHundredths(std::string_view text, std::string_view mark);

}  // namespace pr::test
