#include "geometry/working/LineWorking.h"

#include <array>
#include <string>

#include "core/numbers/ExactMath.h"
#include "geometry/sweep/LineSweep.h"
#include "geometry/working/ExactText.h"
#include "geometry/working/Notation.h"

namespace pr::working {
namespace {

using std::string;

string Name(int point) { return "P" + std::to_string(point + 1); }
string Coordinate(char axis, int point) { return axis + std::to_string(point + 1); }
string Joint(bool exact) { return exact ? " = " : " ≈ "; }

// The working's view of a slope or intercept label text: "+ 2,00" is 2,00,
// "- 0,50" is −0,50, "0" stays.
string WorkingCoefficient(const string& label) {
  if (label.starts_with("+ ")) return label.substr(2);
  if (label.starts_with("- ")) return string(kMinus) + label.substr(2);
  return label;
}

class LineWriter {
 public:
  LineWriter(const LineCommandSpec& spec, const CommandInput& input, std::string_view mark)
      : spec_(spec),
        input_(input),
        a_(spec.first),
        b_(spec.second),
        xs_{ExactX(input, 0), ExactX(input, 1), ExactX(input, 2)},
        ys_{ExactY(input, 0), ExactY(input, 1), ExactY(input, 2)},
        notation_(IsShortDecimal(X(a_)) && IsShortDecimal(Y(a_)) && IsShortDecimal(X(b_)) && IsShortDecimal(Y(b_)),
                  string(mark)) {}

  Working Write() {
    working_.items.emplace_back(Heading{LineHeading(spec_)});
    if (!SweepHasSteps(input_.fullScale)) {
      Say("Fondo scala negativo: il comando non traccia la retta e non calcola m e q, per questo l'etichetta "
          "mostra \"" + LabelEquation(MaybeNumber(), MaybeNumber()) + "\".");
    } else if (X(a_) == X(b_)) {
      NoEquation();
    } else {
      WriteLine();
    }
    return std::move(working_);
  }

 private:
  static Rational ExactX(const CommandInput& input, int i) { return input.ExactAt(i).x.ToRational(); }
  static Rational ExactY(const CommandInput& input, int i) { return input.ExactAt(i).y.ToRational(); }
  const Rational& X(int i) const { return xs_[static_cast<std::size_t>(i)]; }
  const Rational& Y(int i) const { return ys_[static_cast<std::size_t>(i)]; }
  string In(char axis, int i, bool operand) const {
    const Rational& v = axis == 'x' ? X(i) : Y(i);
    const double read = axis == 'x' ? input_.PointAt(i).x : input_.PointAt(i).y;
    return operand ? notation_.Operand(v, read) : notation_.Input(v, read);
  }
  string Exact(const Rational& v) const { return ExactNumber(v, notation_.Mark()); }
  void Say(string text) { working_.items.emplace_back(Sentence{std::move(text)}); }

  // The equation label without its heading, "Y = + 2,00 X + 1,00".
  string LabelEquation(const MaybeNumber& m, const MaybeNumber& q) const {
    return EquationText(spec_, m, q, notation_.Mark()).substr(spec_.heading.size());
  }
  string Shown(const Rational& coefficient) const {
    return WorkingCoefficient(CoefficientText(exact::ToDouble(coefficient), notation_.Mark()));
  }
  // A value as the working writes it: exact, or as its label would show it.
  string Written(const Rational& v) const { return notation_.Exact() ? Exact(v) : Shown(v); }

  void NoEquation() {
    const string keeps = "Per questo il comando non traccia la retta e l'etichetta mantiene il testo che aveva.";
    if (Y(a_) == Y(b_)) {
      Say(Name(a_) + " e " + Name(b_) + " coincidono: per un solo punto passano infinite rette, quindi la retta "
          "non è determinata. " + keeps);
      return;
    }
    const string c = In('x', a_, false);
    Say(Coordinate('x', a_) + " = " + Coordinate('x', b_) + " = " + c + ": la retta per " + Name(a_) + " e " +
        Name(b_) + " è verticale, x = " + c + ". Non ha un'equazione della forma y = m·x + q, perché in m = (" +
        Coordinate('y', b_) + " − " + Coordinate('y', a_) + ")/(" + Coordinate('x', b_) + " − " +
        Coordinate('x', a_) + ") il denominatore è 0. " + keeps);
  }

  // "2x + 1", "−(1/2)x + 3", "x", "4"
  string RightSide(const Rational& m, const Rational& q) const {
    string text;
    if (m != 0) {
      const string sign = m < 0 ? string(kMinus) : "";
      const Rational size = abs(m);
      if (size != 1) text += Bracketed(Exact(size));
      text = sign + text + "x";
    }
    if (q != 0 || m == 0) {
      if (text.empty()) return Exact(q);
      text += (q < 0 ? " − " : " + ") + Exact(abs(q));
    }
    return text;
  }

  void EquationStep(const string& slopeName, const Rational& m, const Rational& q, const string& connector,
                    const string& shown) {
    Step step{.quantity = "y", .formula = slopeName + "·x + q"};
    if (notation_.Exact()) step.exact.push_back(RightSide(m, q));
    step.connector = connector;
    step.shown = shown;
    working_.items.emplace_back(std::move(step));
  }

  void WriteLine() {
    const Rational dx = X(b_) - X(a_);
    const Rational dy = Y(b_) - Y(a_);
    const Rational m = dy / dx;
    const Rational q = Y(a_) - m * X(a_);

    Step slope{.quantity = "m",
               .formula = "(" + Coordinate('y', b_) + " − " + Coordinate('y', a_) + ")/(" + Coordinate('x', b_) +
                          " − " + Coordinate('x', a_) + ")",
               .substitution = "(" + In('y', b_, false) + " − " + In('y', a_, true) + ")/(" + In('x', b_, false) +
                               " − " + In('x', a_, true) + ")"};
    if (notation_.Exact()) {
      slope.exact.push_back(Exact(dy) + "/" + notation_.Factor(dx));
      if (!HasTwoDecimalsAtMost(m) && Exact(m) != slope.exact.back()) slope.exact.push_back(Exact(m));
    }
    slope.connector = Joint(HasTwoDecimalsAtMost(m));
    slope.shown = Shown(m);
    working_.items.emplace_back(std::move(slope));

    Step intercept{.quantity = "q",
                   .formula = Coordinate('y', a_) + " − m·" + Coordinate('x', a_),
                   .substitution = In('y', a_, false) + " − " + Bracketed(Written(m)) + "·" + In('x', a_, true),
                   .substitutionRounded = !notation_.Exact()};
    if (notation_.Exact()) {
      intercept.exact.push_back(Exact(Y(a_)) + " − " + notation_.Factor(m * X(a_)));
      if (!HasTwoDecimalsAtMost(q)) intercept.exact.push_back(Exact(q));
    }
    intercept.connector = Joint(HasTwoDecimalsAtMost(q));
    intercept.shown = Shown(q);
    working_.items.emplace_back(std::move(intercept));

    EquationStep("m", m, q, "; nell'etichetta: ",
                 LabelEquation(exact::ToDouble(m), exact::ToDouble(q)));
    if (m == 0) Say("m = 0: la retta è orizzontale, y = " + Written(q) + ".");
    if (spec_.perpendicular) Perpendicular(m, q);
  }

  // Through (0; q), where the line meets the y axis, with slope −1/m.
  void Perpendicular(const Rational& m, const Rational& q) {
    working_.items.emplace_back(Heading{"Perpendicolare per il punto in cui la retta incontra l'asse y"});
    const string point = "(0; " + Written(q) + ")";
    if (m == 0) {
      Say("Una retta orizzontale ha per perpendicolare una retta verticale, che non ha pendenza: −1/m non esiste "
          "per m = 0. La perpendicolare passa per " + point + ", quindi è l'asse y: x = 0.");
      return;
    }
    const Rational perpendicular = -1 / m;
    Step slope{.quantity = "m'",
               .formula = "−1/m",
               .substitution = "−1/" + Bracketed(Written(m)),
               .substitutionRounded = !notation_.Exact()};
    if (notation_.Exact() && !HasTwoDecimalsAtMost(perpendicular)) slope.exact.push_back(Exact(perpendicular));
    slope.connector = Joint(HasTwoDecimalsAtMost(perpendicular));
    slope.shown = Shown(perpendicular);
    working_.items.emplace_back(std::move(slope));
    Say("Passa per " + point + ", come la retta: stessa q.");
    EquationStep("m'", perpendicular, q, "; arrotondata: ",
                 LabelEquation(exact::ToDouble(perpendicular), exact::ToDouble(q)));
  }

  const LineCommandSpec& spec_;
  const CommandInput& input_;
  int a_;
  int b_;
  std::array<Rational, 3> xs_;  // the coordinates exactly as typed
  std::array<Rational, 3> ys_;
  Notation notation_;
  Working working_;
};

}  // namespace

std::string LineHeading(const LineCommandSpec& spec) {
  return "Retta per " + Name(spec.first) + "-" + Name(spec.second) + (spec.perpendicular ? " e perpendicolare" : "");
}

Working LineWorking(const LineCommandSpec& spec, const CommandInput& input, std::string_view mark) {
  return LineWriter(spec, input, mark).Write();
}

}  // namespace pr::working
