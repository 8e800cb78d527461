#include "geometry/working/LineWorking.h"

#include <array>
#include <string>

#include "geometry/CoefficientText.h"
#include "geometry/ExactGeometry.h"
#include "geometry/sweep/LineSweep.h"
#include "geometry/working/ExactText.h"
#include "geometry/working/WorkingWriter.h"

namespace pr::working {
namespace {

using std::string;

// The working's view of a slope or intercept label text: "+ 2,00" is 2,00,
// "- 0,50" is −0,50, "0" stays.
string WorkingCoefficient(const string& label) {
  if (label.starts_with("+ ")) return label.substr(2);
  if (label.starts_with("- ")) return string(kMinus) + label.substr(2);
  return label;
}

// m, q or m' as the label rounds it, and exactly for the textbook notation
// (only there: with long decimals a fraction's reductions cost seconds).
struct Coefficient {
  double value = 0;
  Rational exact{};
};

class LineWriter : WorkingWriter {
 public:
  LineWriter(const LineCommandSpec& spec, const CommandInput& input, std::string_view mark)
      : WorkingWriter(input, IsShort(input.ExactAt(spec.first)) && IsShort(input.ExactAt(spec.second)), mark),
        spec_(spec),
        a_(spec.first),
        b_(spec.second),
        line_(input.ExactAt(a_), input.ExactAt(b_)) {}

  Working Write() {
    working_.items.emplace_back(Heading{LineHeading(spec_)});
    if (!SweepHasSteps(input_.fullScale)) {
      Say("Fondo scala negativo: il comando non traccia la retta e non calcola m e q, per questo l'etichetta "
          "mostra \"" +
          LabelEquation(MaybeNumber(), MaybeNumber()) + "\".");
    } else if (line_.IsVertical()) {
      NoEquation();
    } else {
      WriteLine();
    }
    return std::move(working_);
  }

 private:
  static bool IsShort(const ExactPoint& p) { return IsShortDecimal(p.x) && IsShortDecimal(p.y); }

  // The equation label without its heading, "Y = + 2,00 X + 1,00".
  string LabelEquation(const MaybeNumber& m, const MaybeNumber& q) const {
    return EquationText(spec_, m, q, notation_.Mark()).substr(spec_.heading.size());
  }
  string Shown(double coefficient) const { return WorkingCoefficient(CoefficientText(coefficient, notation_.Mark())); }
  // A value as the working writes it: exact, or as its label would show it.
  string Written(const Coefficient& v) const { return notation_.Exact() ? Exact(v.exact) : Shown(v.value); }

  void NoEquation() {
    const string keeps = "Per questo il comando non traccia la retta e l'etichetta mantiene il testo che aveva.";
    if (line_.IsHorizontal()) {
      Say(PointName(a_) + " e " + PointName(b_) +
          " coincidono: per un solo punto passano infinite rette, quindi la retta "
          "non è determinata. " +
          keeps);
      return;
    }
    const string c = In('x', a_, false);
    Say(CoordinateName('x', a_) + " = " + CoordinateName('x', b_) + " = " + c + ": la retta per " + PointName(a_) +
        " e " + PointName(b_) + " è verticale, x = " + c +
        ". Non ha un'equazione della forma y = m·x + q, perché in m = (" + CoordinateName('y', b_) + " − " +
        CoordinateName('y', a_) + ")/(" + CoordinateName('x', b_) + " − " + CoordinateName('x', a_) +
        ") il denominatore è 0. " + keeps);
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

  void EquationStep(const string& slopeName, const Coefficient& m, const Coefficient& q, const string& connector) {
    Step step{.quantity = "y", .formula = slopeName + "·x + q"};
    if (notation_.Exact()) step.exact.push_back(RightSide(m.exact, q.exact));
    step.connector = connector;
    step.shown = LabelEquation(m.value, q.value);
    working_.items.emplace_back(std::move(step));
  }

  void WriteLine() {
    Coefficient m{.value = line_.Slope()};
    Coefficient q{.value = line_.Intercept()};
    const Rational dx = notation_.Exact() ? X(b_) - X(a_) : Rational(0);
    const Rational dy = notation_.Exact() ? Y(b_) - Y(a_) : Rational(0);
    if (notation_.Exact()) {
      m.exact = dy / dx;
      q.exact = Y(a_) - m.exact * X(a_);
    }

    Step slope{.quantity = "m",
               .formula = "(" + CoordinateName('y', b_) + " − " + CoordinateName('y', a_) + ")/(" +
                          CoordinateName('x', b_) + " − " + CoordinateName('x', a_) + ")",
               .substitution = "(" + In('y', b_, false) + " − " + In('y', a_, true) + ")/(" + In('x', b_, false) +
                               " − " + In('x', a_, true) + ")"};
    const bool slopeIsShort = HasTwoDecimalsAtMost(line_.Rise(), line_.Run(), 0);
    if (notation_.Exact()) {
      slope.exact.push_back(Exact(dy) + "/" + notation_.Factor(dx));
      if (!slopeIsShort && Exact(m.exact) != slope.exact.back()) slope.exact.push_back(Exact(m.exact));
    }
    slope.connector = Joint(slopeIsShort);
    slope.shown = Shown(m.value);
    working_.items.emplace_back(std::move(slope));

    Step intercept{.quantity = "q",
                   .formula = CoordinateName('y', a_) + " − m·" + CoordinateName('x', a_),
                   .substitution = In('y', a_, false) + " − " + Bracketed(Written(m)) + "·" + In('x', a_, true),
                   .substitutionRounded = !notation_.Exact()};
    const bool interceptIsShort = HasTwoDecimalsAtMost(line_.Crossing(), line_.Run(), line_.Unit());
    if (notation_.Exact()) {
      intercept.exact.push_back(Exact(Y(a_)) + " − " + notation_.Factor(m.exact * X(a_)));
      if (!interceptIsShort) intercept.exact.push_back(Exact(q.exact));
    }
    intercept.connector = Joint(interceptIsShort);
    intercept.shown = Shown(q.value);
    working_.items.emplace_back(std::move(intercept));

    EquationStep("m", m, q, "; nell'etichetta: ");
    if (line_.IsHorizontal()) Say("m = 0: la retta è orizzontale, y = " + Written(q) + ".");
    if (spec_.perpendicular) Perpendicular(m, q);
  }

  // Through (0; q), where the line meets the y axis, with slope −1/m.
  void Perpendicular(const Coefficient& m, const Coefficient& q) {
    working_.items.emplace_back(Heading{"Perpendicolare per il punto in cui la retta incontra l'asse y"});
    const string point = "(0; " + Written(q) + ")";
    if (line_.IsHorizontal()) {
      Say("Una retta orizzontale ha per perpendicolare una retta verticale, che non ha pendenza: −1/m non esiste "
          "per m = 0. La perpendicolare passa per " +
          point + ", quindi è l'asse y: x = 0.");
      return;
    }
    Coefficient perpendicular{.value = line_.PerpendicularSlope()};
    if (notation_.Exact()) perpendicular.exact = -1 / m.exact;
    // −run/rise: the sign does not change how many decimals it has.
    const bool isShort = HasTwoDecimalsAtMost(line_.Run(), abs(line_.Rise()), 0);
    Step slope{.quantity = "m'",
               .formula = "−1/m",
               .substitution = "−1/" + Bracketed(Written(m)),
               .substitutionRounded = !notation_.Exact()};
    if (notation_.Exact() && !isShort) slope.exact.push_back(Exact(perpendicular.exact));
    slope.connector = Joint(isShort);
    slope.shown = Shown(perpendicular.value);
    working_.items.emplace_back(std::move(slope));
    Say("Passa per " + point + ", come la retta: stessa q.");
    EquationStep("m'", perpendicular, q, "; arrotondata: ");
  }

  const LineCommandSpec& spec_;
  int a_;
  int b_;
  ExactLine line_;  // the line through P(a_) and P(b_), as the label computes it
};

}  // namespace

std::string LineHeading(const LineCommandSpec& spec) {
  return "Retta per " + PointName(spec.first) + "-" + PointName(spec.second) +
         (spec.perpendicular ? " e perpendicolare" : "");
}

Working LineWorking(const LineCommandSpec& spec, const CommandInput& input, std::string_view mark) {
  return LineWriter(spec, input, mark).Write();
}

}  // namespace pr::working
