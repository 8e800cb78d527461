#pragma once

#include <string>
#include <string_view>

#include "core/numbers/Rational.h"

namespace pr::working {

// How one command's working writes its numbers. Exact when every point it
// uses was typed as a short decimal: fractions and roots, as in a textbook.
// Otherwise the typed numbers as the command read them, and decimals.
class Notation {
 public:
  Notation(bool exact, std::string mark) : exact_(exact), mark_(std::move(mark)) {}

  bool Exact() const { return exact_; }
  const std::string& Mark() const { return mark_; }

  // A number read from a box: "2,5", "−6"; in decimals its shortest text.
  std::string Input(const Rational& exactValue, double readValue) const;
  // The same, in brackets when negative, for after an operator: "(−6)".
  std::string Operand(const Rational& exactValue, double readValue) const;
  // An exact result in textbook notation, bracketed when negative or a
  // fraction, for after an operator: "(2/3)".
  std::string Factor(const Rational& value) const;

 private:
  bool exact_;
  std::string mark_;
};

// "(text)" when text is a negative number or a fraction, else text.
std::string Bracketed(const std::string& text);

}  // namespace pr::working
