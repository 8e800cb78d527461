// The working adds up: on generated input of every kind, every step is
// redone with the tests' own exact arithmetic (WorkingArithmetic.h), not
// the program's. Each "=" must hold exactly and the first number put in
// must be the quantity's true value; "≈" comes only last, where the value
// rounds to what follows, and that is the result label's text; the last
// exact form is a fraction in lowest terms or a simplified root, no form
// is written twice in a row, and a textbook working has no decimals but
// the ones typed.
#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <optional>
#include <regex>
#include <string>
#include <variant>
#include <vector>

#include "core/form/LastPress.h"
#include "core/numbers/ExactDecimal.h"
#include "geometry/Commands.h"
#include "property/WorkingArithmetic.h"
#include "support/PropertyRun.h"

namespace pr::test {
namespace {

using working::Step;

Fraction Exactly(const ExactDecimal& d) {
  const Integer power = pow(Integer(10), static_cast<unsigned>(d.exponent < 0 ? -d.exponent : d.exponent));
  return d.exponent < 0 ? Fraction(d.significand, power) : Fraction(d.significand * power);
}

// The true value of each quantity a working names, from the points as read.
struct Truth {
  std::array<Fraction, 6> c;  // x1 y1 x2 y2 x3 y3
  Fraction X(int i) const { return c[static_cast<std::size_t>(2 * i)]; }
  Fraction Y(int i) const { return c[static_cast<std::size_t>(2 * i + 1)]; }
  Surd Side(int i, int j) const {
    const Fraction dx = X(j) - X(i);
    const Fraction dy = Y(j) - Y(i);
    return Surd::Root(dx * dx + dy * dy);
  }
  Surd Area() const {
    const Fraction cross = (X(1) - X(0)) * (Y(2) - Y(0)) - (Y(1) - Y(0)) * (X(2) - X(0));
    return Surd(cross.numerator() < 0 ? -cross / Integer(2) : cross / Integer(2));
  }
};

// "2,5" and "-12.345" as the working writes them typed; none for other texts.
std::optional<std::string> PlainTyped(const std::string& text, const std::string& mark) {
  static const std::regex kPlain("-?[0-9]+(\\.[0-9]+)?");
  if (!std::regex_match(text, kPlain)) return std::nullopt;
  std::string typed = text.substr(text.starts_with('-') ? 1 : 0);
  if (const auto at = typed.find('.'); at != std::string::npos) typed.replace(at, 1, mark);
  return typed;
}

class WorkingCheck {
 public:
  WorkingCheck(const BoxTexts& boxes, int command, std::string mark) : mark_(std::move(mark)) {
    for (std::size_t i = 0; i < 6; ++i) truth_.c[i] = Exactly(ValExactly(boxes[i]).exact);
    const std::array<std::pair<int, int>, 4> pairs = {{{0, 1}, {0, 1}, {0, 2}, {1, 2}}};
    a_ = pairs[static_cast<std::size_t>(command)].first;
    b_ = pairs[static_cast<std::size_t>(command)].second;
    // Textbook notation: every point used typed plainly, at most three decimals, below a million.
    textbook_ = true;
    for (std::size_t i = 0; i < 6; ++i) {
      const int point = static_cast<int>(i / 2);
      if (command != 0 && point != a_ && point != b_) continue;
      const auto typed = PlainTyped(boxes[i], mark_);
      const Fraction& v = truth_.c[i];
      if (!typed) plain_ = false;
      typed_.push_back(typed.value_or(""));
      textbook_ = textbook_ && Integer(1000) % v.denominator() == 0 && abs(v.numerator()) < 1000000 * v.denominator();
    }
    textbook_ = textbook_ && plain_;
  }

  // The first rule the step breaks, in words; empty when it keeps them all.
  std::string Broken(const Step& step, const std::string& label) {
    try {
      if (step.substitutionRounded) return "\"≈\" before the numbers put in";
      if (step.quantity == "y") return Equation(step, label);
      const Surd truth = TruthOf(step.quantity);
      std::vector<std::string> parts;
      if (!step.substitution.empty()) parts.push_back(step.substitution);
      parts.insert(parts.end(), step.exact.begin(), step.exact.end());
      for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0 && parts[i] == parts[i - 1]) return "written twice in a row: " + parts[i];
        if (!(Evaluate(parts[i], mark_) - truth).IsZero()) return "not equal to the value: " + parts[i];
        if (textbook_ && i > 0 && !OnlyTypedDecimals(parts[i])) return "a computed decimal: " + parts[i];
      }
      if (!parts.empty() && parts.back() == step.shown) return "the rounded value written twice";
      if (!step.exact.empty()) {
        if (const std::string why = NotLast(step.exact.back()); !why.empty()) return why;
      }
      if (!label.empty() && step.shown != label) return "\"" + step.shown + "\" is not the label's \"" + label + "\"";
      return Ends(truth, step.connector, step.shown);
    } catch (const NotationError& e) {
      return e.what();
    }
  }

 private:
  Fraction Slope() const { return (truth_.Y(b_) - truth_.Y(a_)) / (truth_.X(b_) - truth_.X(a_)); }

  Surd TruthOf(const std::string& quantity) const {
    if (quantity == "d(P1, P2)") return truth_.Side(0, 1);
    if (quantity == "d(P1, P3)") return truth_.Side(0, 2);
    if (quantity == "d(P2, P3)") return truth_.Side(1, 2);
    if (quantity == "s") return (truth_.Side(0, 1) + truth_.Side(0, 2) + truth_.Side(1, 2)) / Surd(Fraction(2));
    if (quantity == "A") return truth_.Area();
    if (quantity == "m") return Surd(Slope());
    if (quantity == "q") return Surd(truth_.Y(a_) - Slope() * truth_.X(a_));
    if (quantity == "m'") return Surd(Fraction(-1) / Slope());
    throw NotationError("an unknown quantity " + quantity);
  }

  // "= shown" exactly, or "≈ shown" rounding to it.
  std::string Ends(const Surd& value, const std::string& connector, const std::string& shown) const {
    const auto written = ShownHundredths(shown, mark_);
    if (!written) return "not a rounded number: " + shown;
    const auto [sign, units] = value.Round(2);
    if (units != written->second || (sign < 0) != (written->first < 0) || (shown == "0" && !value.IsZero())) {
      return "\"" + shown + "\" is not the value rounded";
    }
    const bool exact = value.Rational() == Fraction(written->first < 0 ? Integer(-units) : Integer(units), 100);
    if (connector == " = " && !exact) return "\"=\" before a rounded value";
    if (connector == " ≈ " && exact) return "\"≈\" before an exact value";
    if (connector != " = " && connector != " ≈ ") return "\"" + connector + "\" before a number";
    return {};
  }

  // A fraction in lowest terms, a whole number as one, a root simplified.
  std::string NotLast(const std::string& form) const {
    static const std::regex kFraction("−?([0-9]+)/([0-9]+)");
    static const std::regex kRoot("√([0-9]+)(?![0-9.,])");
    std::smatch match;
    if (std::regex_match(form, match, kFraction)) {
      const Integer n(match[1].str());
      const Integer d(match[2].str());
      if (d == 1 || gcd(n, d) != 1) return "not in lowest terms: " + form;
    }
    for (std::sregex_iterator root(form.begin(), form.end(), kRoot), end; root != end; ++root) {
      const Integer n((*root)[1].str());
      if (sqrt(n) * sqrt(n) == n) return "a whole root left as a root: " + form;
      for (int p = 2; p < 1000 && p * p <= n; ++p) {
        if (n % (p * p) == 0) return "a root not simplified: " + form;
      }
    }
    if (textbook_ && form.find("√(") != std::string::npos) return "a root of a fraction left so: " + form;
    return {};
  }

  bool OnlyTypedDecimals(const std::string& part) const {
    static const std::regex kDecimal("[0-9]+[.,][0-9]+");
    for (std::sregex_iterator d(part.begin(), part.end(), kDecimal), end; d != end; ++d) {
      if (std::find(typed_.begin(), typed_.end(), d->str()) == typed_.end()) return false;
    }
    return true;
  }

  // y = m·x + q = <exact right side>; then the label's equation.
  std::string Equation(const Step& step, const std::string& label) {
    const bool perpendicular = step.formula.starts_with("m'");
    const Fraction m = Slope();
    const Fraction slope = perpendicular ? Fraction(-1) / m : m;
    const Fraction intercept = truth_.Y(a_) - m * truth_.X(a_);
    if (!perpendicular && !label.empty() && step.shown != label) return "not the label's equation: " + step.shown;
    if (step.substitution.empty()) return textbook_ ? "a textbook equation without its exact form" : "";
    if (!step.exact.empty()) return "more than one form of the equation";
    const std::string& side = step.substitution;
    const std::size_t x = side.find('x');
    Surd a(Fraction(0));
    Surd b;
    if (x == std::string::npos) {
      b = Evaluate(side, mark_);
    } else {
      const std::string coefficient = side.substr(0, x);
      a = coefficient.empty()  ? Surd(Fraction(1))
          : coefficient == "−" ? Surd(Fraction(-1))
                               : Evaluate(coefficient, mark_);
      b = x + 1 == side.size() ? Surd(Fraction(0)) : Evaluate("0" + side.substr(x + 1), mark_);
    }
    if (!(a - Surd(slope)).IsZero() || !(b - Surd(intercept)).IsZero()) return "not the line: " + side;
    return {};
  }

  Truth truth_;
  std::string mark_;
  int a_ = 0;
  int b_ = 1;
  bool plain_ = true;
  bool textbook_ = false;
  std::vector<std::string> typed_;
};

// A label's number as the working's last number writes it: " 2,24" is
// "2,24", "+ 0,50" is "0,50", "- 0,50" is "−0,50".
std::string AsWritten(const std::string& label) {
  if (label.empty()) return "";
  if (label.starts_with("+ ")) return label.substr(2);
  if (label.starts_with("- ")) return "−" + label.substr(2);
  return label.substr(label.find_first_not_of(' '));
}

// The labels each quantity must end in, for a command that wrote them.
std::map<std::string, std::string> Labels(int command, const FakeForm& form) {
  if (command == 0) {
    return {{"d(P1, P2)", AsWritten(form.Caption(ResultLabel::DistanceP1P2))},
            {"d(P1, P3)", AsWritten(form.Caption(ResultLabel::DistanceP1P3))},
            {"d(P2, P3)", AsWritten(form.Caption(ResultLabel::DistanceP2P3))},
            {"A", AsWritten(form.Caption(ResultLabel::Area))}};
  }
  const std::string caption = form.Caption(command == 1   ? ResultLabel::EquationP1P2
                                           : command == 2 ? ResultLabel::EquationP1P3
                                                          : ResultLabel::EquationP2P3);
  if (caption.empty()) return {};
  const std::size_t y = caption.find("Y = ");
  const std::size_t x = caption.find(" X ");
  const std::string slope = caption.substr(y + 4, x - y - 4);
  const std::string intercept = caption.substr(x + 3);
  if (slope.empty()) return {{"y", caption.substr(y)}};
  return {{"m", AsWritten(slope)}, {"q", AsWritten(intercept)}, {"y", caption.substr(y)}};
}

// Classroom numbers (integers and up to two decimals, where the working is
// exact), long decimals and large integers (where it is in decimals), and
// decimals too long to write out (where it leaves steps out).
std::string Coordinate(InputGenerator& generate, int kind) {
  const int units = generate.Between(-2000, 2000);
  switch (kind) {
    case 0:
      return std::to_string(units / 100);
    case 1: {
      const std::string hundredths = std::to_string(100 + std::abs(units) % 100).substr(1);
      return (units < 0 ? "-" : "") + std::to_string(std::abs(units) / 100) + "." +
             hundredths.substr(0, generate.OneIn(2) ? 1 : 2);
    }
    case 2:
      return std::to_string(units) + "." + std::to_string(generate.Between(1000000, 9999999));
    case 3:
      return std::to_string(generate.Between(-9999999, 9999999));
    default:
      return std::to_string(units) + "." + std::string(30, '0') + std::to_string(generate.Between(1, 99999));
  }
}

TEST(WorkingProperty, EveryStepRedoneGivesTheNumberWrittenAfterIt) {
  InputGenerator generate(PropertySeed() + 17);
  RasterSurface raster = CoarseClientAreaRaster();
  const int inputs = PropertyInputs(20000);
  int checked = 0;
  for (int i = 0; i < inputs; ++i) {
    BoxTexts boxes = generate.Boxes();
    if (i % 3 != 0) {
      const int kind = generate.Between(0, 4);
      for (std::size_t b = 0; b < 6; ++b) boxes[b] = Coordinate(generate, generate.OneIn(4) ? 0 : kind);
    }
    const int command = i % 4;
    FakeForm form(raster, i / 4 % 2 == 0 ? "," : ".");
    TypeBoxes(form, boxes);
    LastPress last;
    if (last.Press(CommandOf(kButtons[static_cast<std::size_t>(command)]), form)) continue;  // a one-line working
    const working::Working& made = last.Working();
    WorkingCheck check(boxes, command, form.DecimalMark());
    std::map<std::string, std::string> labels = Labels(command, form);
    for (const working::Item& item : made.items) {
      const auto* step = std::get_if<Step>(&item);
      if (step == nullptr) continue;
      // The perpendicular's equation and the semiperimeter have no label.
      const std::string label = labels.contains(step->quantity) ? labels.at(step->quantity) : "";
      if (step->quantity == "y") labels.erase("y");
      const std::string broken = check.Broken(*step, label);
      ASSERT_EQ(broken, "") << working::StepText(*step).substr(0, 600) << "\n" << Reproduction(i, command, boxes);
      ++checked;
    }
  }
  EXPECT_GT(checked, 3 * inputs);
}

}  // namespace
}  // namespace pr::test
