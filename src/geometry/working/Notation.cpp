#include "geometry/working/Notation.h"

#include "core/numbers/DecimalText.h"
#include "geometry/working/ExactText.h"

namespace pr::working {

std::string Bracketed(const std::string& text) {
  if (text.starts_with(kMinus) || text.find('/') != std::string::npos) return "(" + text + ")";
  return text;
}

std::string Notation::Input(const Rational& exactValue, double readValue) const {
  if (exact_) return ExactNumber(exactValue, mark_);
  std::string text = ShortestText(readValue);
  if (const auto point = text.find('.'); point != std::string::npos) text.replace(point, 1, mark_);
  // 1e+100 as a textbook writes it: 1·10^100.
  if (const auto e = text.find('e'); e != std::string::npos) {
    std::string exponent = text.substr(e + 1);
    const bool negative = exponent.starts_with('-');
    exponent.erase(0, exponent.find_first_not_of("+-0"));
    if (negative) exponent.insert(0, kMinus);
    text = text.substr(0, e) + std::string(kTimes) + "10^" + exponent;
  }
  if (text.starts_with('-')) text.replace(0, 1, kMinus);
  return text;
}

std::string Notation::Operand(const Rational& exactValue, double readValue) const {
  return Bracketed(Input(exactValue, readValue));
}

std::string Notation::Factor(const Rational& value) const { return Bracketed(ExactNumber(value, mark_)); }

}  // namespace pr::working
