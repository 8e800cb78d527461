#include "property/WorkingArithmetic.h"

#include <regex>
#include <string>

namespace pr::test {
namespace {

int Sign(const Fraction& f) { return f.numerator() < 0 ? -1 : f.numerator() > 0 ? 1 : 0; }
bool IsSquare(const Integer& n, Integer& root) {
  root = sqrt(n);
  return root * root == n;
}
Integer TenTo(long n) { return pow(Integer(10), static_cast<unsigned>(n)); }
// Decimal digits; Boost reads a leading 0 as octal.
Integer Digits(const std::string& digits) {
  return Integer(digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1)));
}

// floor(|v|·10^decimals + 1/2): |v| rounded half up, in units of 10^-decimals.
Integer RoundedUnits(const Fraction& v, int decimals) {
  const Fraction scaled = (Sign(v) < 0 ? -v : v) * Fraction(TenTo(decimals)) + Fraction(1, 2);
  return scaled.numerator() / scaled.denominator();
}

}  // namespace

void Surd::Add(Term term) {
  Integer root;
  if (IsSquare(term.radicand, root)) term = {term.coefficient * Fraction(root), 1};
  if (term.coefficient.numerator() == 0) return;
  for (auto t = terms_.begin(); t != terms_.end(); ++t) {
    // √r = √(r·s)/s · √s: alike when r·s is a square.
    if (!IsSquare(t->radicand * term.radicand, root)) continue;
    t->coefficient += term.coefficient * Fraction(root, t->radicand);
    if (t->coefficient.numerator() == 0) terms_.erase(t);
    return;
  }
  terms_.push_back(std::move(term));
}

Surd Surd::Root(const Fraction& square) {
  if (Sign(square) < 0) throw NotationError("the root of a negative number");
  Surd s;
  s.Add({Fraction(1, square.denominator()), square.numerator() * square.denominator()});
  return s;
}

Surd operator+(Surd a, const Surd& b) {
  for (const Surd::Term& t : b.terms_) a.Add(t);
  return a;
}
Surd Surd::operator-() const {
  Surd n = *this;
  for (Term& t : n.terms_) t.coefficient = -t.coefficient;
  return n;
}
Surd operator-(const Surd& a, const Surd& b) { return a + -b; }
Surd operator*(const Surd& a, const Surd& b) {
  Surd p;
  for (const Surd::Term& s : a.terms_) {
    for (const Surd::Term& t : b.terms_) p.Add({s.coefficient * t.coefficient, s.radicand * t.radicand});
  }
  return p;
}
Surd operator/(const Surd& a, const Surd& b) {
  const std::optional<Fraction> d = b.Rational();
  if (!d) throw NotationError("a division by a root");
  if (d->numerator() == 0) throw NotationError("a division by 0");
  return a * Surd(Fraction(1) / *d);
}

std::optional<Fraction> Surd::Rational() const {
  if (terms_.empty()) return Fraction(0);
  if (terms_.size() == 1 && terms_[0].radicand == 1) return terms_[0].coefficient;
  return std::nullopt;
}

std::pair<int, Integer> Surd::Round(int decimals) const {
  if (const auto r = Rational()) return {Sign(*r), RoundedUnits(*r, decimals)};
  // An irrational sum is never 0 nor a half-unit: narrow it until both ends agree.
  for (long digits = 8; digits < 100000; digits *= 2) {
    const Integer scale = TenTo(digits);
    Fraction low(0);
    Fraction high(0);
    for (const Term& t : terms_) {
      const Integer floor = sqrt(Integer(t.radicand * scale * scale));
      const Fraction below(floor, scale);
      const Fraction above(floor + 1, scale);
      const bool up = Sign(t.coefficient) > 0;
      low += t.coefficient * (up ? below : above);
      high += t.coefficient * (up ? above : below);
    }
    if (Sign(low) == Sign(high) && RoundedUnits(low, decimals) == RoundedUnits(high, decimals)) {
      return {Sign(low), RoundedUnits(low, decimals)};
    }
  }
  throw NotationError("a rounding never decided");
}

namespace {

// Recursive descent over the working's signs; every part must be read whole.
class Parser {
 public:
  Parser(std::string_view text, std::string_view mark) : text_(text), mark_(mark) {}

  Surd Whole() {
    Surd value = Sum();
    Skip();
    if (at_ != text_.size()) Fail("unread text");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw NotationError(why + " at " + std::to_string(at_) + " in \"" + std::string(text_) + "\"");
  }
  void Skip() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
  }
  bool Take(std::string_view sign) {
    Skip();
    if (text_.substr(at_).starts_with(sign)) {
      at_ += sign.size();
      return true;
    }
    return false;
  }
  bool NextIsDigit() {
    Skip();
    return at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9';
  }

  Surd Sum() {
    Surd value = Take("−") ? -Product() : Product();
    for (;;) {
      if (Take("+")) {
        value = value + Product();
      } else if (Take("−")) {
        value = value - Product();
      } else {
        return value;
      }
    }
  }
  Surd Product() {
    Surd value = Power();
    for (;;) {
      if (Take("·")) {
        value = value * Power();
      } else if (Take("/")) {
        value = value / Power();
      } else {
        return value;
      }
    }
  }
  Surd Power() {
    Surd value = Primary();
    if (Take("²")) return value * value;
    if (Take("^")) {
      const bool negative = Take("−");
      const Integer e = Plain();
      const Fraction p(TenTo(static_cast<long>(e)));
      if (value.Rational() != Fraction(10)) Fail("a power of something else than 10");
      return Surd(negative ? Fraction(1) / p : p);
    }
    return value;
  }
  Surd Primary() {
    if (Take("½")) return Surd(Fraction(1, 2));
    if (Take("¼")) return Surd(Fraction(1, 4));
    if (Take("√")) return Root();
    if (Take("(")) return Closed(")");
    if (Take("|")) {
      const std::optional<Fraction> inside = Closed("|").Rational();
      if (!inside) Fail("the absolute value of a root");
      return Surd(Sign(*inside) < 0 ? -*inside : *inside);
    }
    if (!NextIsDigit()) Fail("no number");
    const Fraction number = Number();
    if (Take("√")) return Surd(number) * Root();  // 2√2
    return Surd(number);
  }
  Surd Closed(std::string_view end) {
    Surd value = Sum();
    if (!Take(end)) Fail("no closing " + std::string(end));
    return value;
  }
  Surd Root() {
    const bool bare = NextIsDigit();
    const Surd radicand = Primary();
    // √73/4 reads as √(73/4) or as (√73)/4.
    if (bare && (Take("/") || Take("²"))) Fail("a bare root before a slash or a square");
    const std::optional<Fraction> square = radicand.Rational();
    if (!square) Fail("the root of a root");
    return Surd::Root(*square);
  }
  Integer Plain() {
    if (!NextIsDigit()) Fail("no digits");
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    return Digits(std::string(text_.substr(start, at_ - start)));
  }
  Fraction Number() {
    Fraction value(Plain());
    if (text_.substr(at_).starts_with(mark_) && at_ + mark_.size() < text_.size() && text_[at_ + mark_.size()] >= '0' &&
        text_[at_ + mark_.size()] <= '9') {
      at_ += mark_.size();
      const std::size_t start = at_;
      const Integer decimals = Plain();
      value += Fraction(decimals, TenTo(static_cast<long>(at_ - start)));
    }
    return value;
  }

  std::string_view text_;
  std::string_view mark_;
  std::size_t at_ = 0;
};

}  // namespace

Surd Evaluate(std::string_view text, std::string_view mark) {
  // "2·1·10^−4": a product of three that reads as a product of two.
  static const std::regex kTripleProduct("·[0-9]+([.,][0-9]+)?·10\\^");
  if (std::regex_search(std::string(text), kTripleProduct)) throw NotationError("a number times a power of ten");
  return Parser(text, mark).Whole();
}

std::optional<std::pair<int, Integer>> ShownHundredths(std::string_view text, std::string_view mark) {
  if (text == "0") return std::pair<int, Integer>{0, 0};
  const bool negative = text.starts_with("−");
  if (negative) text.remove_prefix(std::string_view("−").size());
  const std::size_t at = text.find(mark);
  if (at == std::string_view::npos || text.size() != at + mark.size() + 2) return std::nullopt;
  const std::string digits = std::string(text.substr(0, at)) + std::string(text.substr(at + mark.size()));
  if (digits.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  return std::pair<int, Integer>{negative ? -1 : 1, Digits(digits)};
}

}  // namespace pr::test
