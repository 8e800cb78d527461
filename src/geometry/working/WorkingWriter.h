#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/figure/Working.h"
#include "core/numbers/Hundredths.h"
#include "core/numbers/Rational.h"
#include "geometry/CommandInput.h"
#include "geometry/working/Notation.h"

namespace pr::working {

// "P2" for point 1, "x3" for the x of point 2: the names a textbook uses.
std::string PointName(int point);
std::string CoordinateName(char axis, int point);

// One step as a teacher writes it: its formula, the numbers put in, then
// each exact form that says something new, and at the end the value
// rounded once, after "=" where nothing was rounded and "≈" where it was.
class Chain {
 public:
  Chain(std::string quantity, std::string formula);

  // The next exact form; the first is the substitution. Left out when it
  // repeats the one before.
  void Then(std::string form);
  // The rounded value last; a last form that reads the same goes.
  Step End(bool exact, std::string shown);
  // The same ended with words instead of a rounded value.
  Step EndWith(std::string connector, std::string shown);

 private:
  const std::string& Last() const;
  Step step_;
};

// What the working of every command shares: the points as the command read
// them, the notation they are written in, and the working being written.
// Exact ("textbook") notation when every point the command uses was typed
// as a short decimal (at most three decimals, below a million): fractions in
// lowest terms and simplified roots. Otherwise decimals, each written in
// full, and the steps whose numbers would be too long to read left out.
class WorkingWriter {
 protected:
  WorkingWriter(const CommandInput& input, bool textbook, std::string_view mark, std::string heading);

  // The coordinate as typed, alone, after a minus, or as a factor.
  std::string In(char axis, int i) const;
  std::string InSubtrahend(char axis, int i) const { return Subtrahend(In(axis, i)); }
  std::string InFactor(char axis, int i) const { return Factor(In(axis, i)); }
  // value · 10^exponent in the working's notation: a fraction in lowest
  // terms, or a decimal (none when too long to write).
  std::optional<std::string> Number(const exact::Integer& value, std::int64_t exponent) const;
  Rational Exactly(const exact::Integer& value, std::int64_t exponent) const;
  std::string RoundedText(const Hundredths& value, bool zeroAsLabel = false) const {
    return Rounded(value, mark_, zeroAsLabel);
  }
  void Say(std::string text);
  void Add(Step step);
  void Head(std::string text);
  // The sentence of a press that the full-scale guard stopped.
  void GuardStopped();

  const CommandInput& input_;
  const bool textbook_;
  const std::string mark_;
  Working working_;
};

// Whether a coordinate as typed is one a student follows exactly on paper.
bool IsShortDecimal(const ExactDecimal& v);

// "√5", "√(97/16)": a root sign before a plain number or a bracket.
std::string RootOf(const std::string& radicand);

}  // namespace pr::working
