#include "geometry/working/PointsWorking.h"

#include <array>
#include <optional>
#include <string>

#include "core/numbers/CheckedMath.h"
#include "core/numbers/ExactMath.h"
#include "core/numbers/Format.h"
#include "geometry/ExactGeometry.h"
#include "geometry/working/ExactText.h"
#include "geometry/working/WorkingWriter.h"

namespace pr::working {
namespace {

using std::string;

struct Pair {
  int from;
  int to;
};
// In the order of the labels P1-P2, P1-P3, P2-P3.
constexpr std::array<Pair, 3> kPairs = {{{0, 1}, {0, 2}, {1, 2}}};

string DistanceName(const Pair& pair) { return "d(" + PointName(pair.from) + ", " + PointName(pair.to) + ")"; }

// One side of the triangle as the working writes it.
struct Side {
  exact::Integer squareInUnits;  // its square in units of 10^(2·unit): compared, tested for 0
  Rational square;               // the same as a fraction; only in textbook notation
  std::optional<Rational> root;  // its exact length, when that is a fraction
  double value = 0;              // the length its label shows, as a double
  string shown;                  // and as the label's text
  string exactForm;              // "√5", "2√2", "3"; "" in decimals
};

class PointsWriter : WorkingWriter {
 public:
  PointsWriter(const CommandInput& input, std::string_view mark)
      : WorkingWriter(input, AllShort(input), mark, Working{{Heading{string(kPointsHeading)}}}),
        scale_({&input.exact1.x, &input.exact1.y, &input.exact2.x, &input.exact2.y, &input.exact3.x, &input.exact3.y}) {
  }

  Working Write() {
    if (input_.fullScale < 0) {
      Say("Fondo scala negativo: la figura è ribaltata rispetto all'origine; distanze e area non cambiano.");
    }
    std::array<Side, 3> sides;
    for (std::size_t k = 0; k < kPairs.size(); ++k) sides[k] = DistanceStep(kPairs[k]);
    working_.items.emplace_back(Heading{"Area con la formula di Erone"});
    // Twice the signed area in units of 10^(2·unit), as ExactArea forms it.
    const exact::Integer cross = (SX(1) - SX(0)) * (SY(2) - SY(0)) - (SY(1) - SY(0)) * (SX(2) - SX(0));
    areaHasTwoDecimals_ = HasTwoDecimalsAtMost(abs(cross), 2, 2 * scale_.unit);
    areaShown_ = ShownNumber(ExactArea(input_.exact1, input_.exact2, input_.exact3), kAreaPattern, notation_.Mark());
    const std::optional<Rational> s = SemiperimeterStep(sides);
    HeronStep(sides, s);
    if (cross == 0) ExplainFlat(sides);
    working_.items.emplace_back(Heading{"Verifica: l'area dalle coordinate"});
    CoordinatesStep();
    return std::move(working_);
  }

 private:
  static bool AllShort(const CommandInput& input) {
    for (int i = 0; i < 3; ++i) {
      if (!IsShortDecimal(input.ExactAt(i).x) || !IsShortDecimal(input.ExactAt(i).y)) return false;
    }
    return true;
  }
  // The coordinates as integers in units of 10^scale_.unit.
  const exact::Integer& SX(int i) const { return scale_.values[static_cast<std::size_t>(2 * i)]; }
  const exact::Integer& SY(int i) const { return scale_.values[static_cast<std::size_t>(2 * i + 1)]; }

  string Factor(const Rational& v) const { return notation_.Factor(v); }

  static string RootOf(const string& radicand) {
    return string(kRoot) + (radicand.find_first_of("/ ") != string::npos ? "(" + radicand + ")" : radicand);
  }

  // x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2): twice the signed area.
  Rational Term(int i) const { return X(i) * (Y((i + 1) % 3) - Y((i + 2) % 3)); }
  Rational Cross() const { return Term(0) + Term(1) + Term(2); }

  Side DistanceStep(const Pair& pair) {
    const int i = pair.from;
    const int j = pair.to;
    Side side;
    const exact::Integer dxInUnits = SX(j) - SX(i);
    const exact::Integer dyInUnits = SY(j) - SY(i);
    side.squareInUnits = dxInUnits * dxInUnits + dyInUnits * dyInUnits;
    side.value = ExactDistance(input_.ExactAt(i), input_.ExactAt(j));
    side.shown = ShownNumber(side.value, kDistancePattern, notation_.Mark());

    Step step{.quantity = DistanceName(pair),
              .formula = "√((" + CoordinateName('x', j) + " − " + CoordinateName('x', i) + ")² + (" +
                         CoordinateName('y', j) + " − " + CoordinateName('y', i) + ")²)",
              .substitution = "√((" + In('x', j, false) + " − " + In('x', i, true) + ")² + (" + In('y', j, false) +
                              " − " + In('y', i, true) + ")²)"};
    bool exact = false;
    if (notation_.Exact()) {
      const Rational dx = X(j) - X(i);
      const Rational dy = Y(j) - Y(i);
      side.square = dx * dx + dy * dy;
      step.exact.push_back("√(" + Exact(dx * dx) + " + " + Exact(dy * dy) + ")");
      step.exact.push_back(RootOf(Exact(side.square)));
      side.exactForm = step.exact.back();
      if (const auto root = SimplifyRoot(side.square, notation_.Mark())) {
        side.exactForm = root->text;
        side.root = root->rationalValue;
        exact = side.root && HasTwoDecimalsAtMost(*side.root);
        if (!exact && root->text != step.exact.back()) step.exact.push_back(root->text);
      }
    }
    step.connector = Joint(exact);
    step.shown = side.shown;
    working_.items.emplace_back(std::move(step));
    if (side.squareInUnits == 0) Say(PointName(i) + " e " + PointName(j) + " coincidono: la loro distanza è 0.");
    return side;
  }

  // s = (a + b + c)/2: exact when the three sides are fractions.
  std::optional<Rational> SemiperimeterStep(const std::array<Side, 3>& sides) {
    const double s = checked::Div(checked::Add(checked::Add(sides[0].value, sides[1].value), sides[2].value), 2.0);
    const bool exactForms = notation_.Exact();
    const auto form = [&](const Side& side) { return exactForms ? side.exactForm : side.shown; };
    Step step{.quantity = "s",
              .formula = "(" + DistanceName(kPairs[0]) + " + " + DistanceName(kPairs[1]) + " + " +
                         DistanceName(kPairs[2]) + ")/2",
              .substitution = "(" + form(sides[0]) + " + " + form(sides[1]) + " + " + form(sides[2]) + ")/2",
              .substitutionRounded = !exactForms};
    std::optional<Rational> exactS;
    if (sides[0].root && sides[1].root && sides[2].root) {
      exactS = (*sides[0].root + *sides[1].root + *sides[2].root) / 2;
      if (!HasTwoDecimalsAtMost(*exactS)) step.exact.push_back(Exact(*exactS));
    }
    step.connector = Joint(exactS && HasTwoDecimalsAtMost(*exactS));
    step.shown = ShownNumber(exactS ? exact::ToDouble(*exactS) : s, kDistancePattern, notation_.Mark());
    sShown_ = step.shown;
    working_.items.emplace_back(std::move(step));
    return exactS;
  }

  // Heron's product equals the square of the area exactly; with fractional
  // sides it is written out, else with the rounded numbers.
  void HeronStep(const std::array<Side, 3>& sides, const std::optional<Rational>& s) {
    Step step{.quantity = "A",
              .formula = "√(s·(s − " + DistanceName(kPairs[0]) + ")·(s − " + DistanceName(kPairs[1]) + ")·(s − " +
                         DistanceName(kPairs[2]) + "))"};
    bool exact = false;
    if (s) {
      const Rational a = *sides[0].root;
      const Rational b = *sides[1].root;
      const Rational c = *sides[2].root;
      const Rational area = abs(Cross()) / 2;
      step.substitution = "√(" + Factor(*s) + "·(" + Exact(*s) + " − " + Factor(a) + ")·(" + Exact(*s) + " − " +
                          Factor(b) + ")·(" + Exact(*s) + " − " + Factor(c) + "))";
      step.exact.push_back("√(" + Factor(*s) + "·" + Factor(*s - a) + "·" + Factor(*s - b) + "·" + Factor(*s - c) +
                           ")");
      step.exact.push_back(RootOf(Exact(area * area)));
      exact = HasTwoDecimalsAtMost(area);
      if (!exact) step.exact.push_back(Exact(area));
    } else {
      const string& sText = sShown_;
      step.substitution = "√(" + sText + "·(" + sText + " − " + sides[0].shown + ")·(" + sText + " − " +
                          sides[1].shown + ")·(" + sText + " − " + sides[2].shown + "))";
      step.substitutionRounded = true;
    }
    step.connector = Joint(exact);
    step.shown = areaShown_;
    working_.items.emplace_back(std::move(step));
  }

  // Why a flat triangle has area 0: Heron's product has a factor 0.
  void ExplainFlat(const std::array<Side, 3>& sides) {
    if (sides[0].squareInUnits == 0 && sides[1].squareInUnits == 0) {
      Say("I tre punti coincidono: le distanze e l'area sono 0.");
      return;
    }
    std::size_t longest = 0;
    for (std::size_t k = 1; k < sides.size(); ++k) {
      if (sides[k].squareInUnits > sides[longest].squareInUnits) longest = k;
    }
    const string name = DistanceName(kPairs[longest]);
    const bool coincident = sides[0].squareInUnits == 0 || sides[1].squareInUnits == 0 || sides[2].squareInUnits == 0;
    Say(string(coincident ? "Due punti coincidono, quindi i tre punti stanno su una stessa retta"
                          : "I tre punti sono allineati: stanno su una stessa retta") +
        " e non formano un vero triangolo. Il lato più lungo, " + name +
        ", è la somma degli altri due, quindi s = " + name + ", il fattore (s − " + name + ") vale 0 e l'area è 0.");
  }

  void CoordinatesStep() {
    Step step{.quantity = "A",
              .formula = "½·|x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2)|",
              .substitution = "½·|" + In('x', 0, false) + "·(" + In('y', 1, false) + " − " + In('y', 2, true) + ") + " +
                              In('x', 1, true) + "·(" + In('y', 2, false) + " − " + In('y', 0, true) + ") + " +
                              In('x', 2, true) + "·(" + In('y', 0, false) + " − " + In('y', 1, true) + ")|"};
    if (notation_.Exact()) {
      string terms = Exact(Term(0));
      for (int i = 1; i < 3; ++i) {
        const Rational t = Term(i);
        terms += (t < 0 ? " − " : " + ") + Exact(abs(t));
      }
      step.exact.push_back("½·|" + terms + "|");
      step.exact.push_back("½·" + Factor(abs(Cross())));
      if (!areaHasTwoDecimals_) step.exact.push_back(Exact(abs(Cross()) / 2));
    }
    step.connector = Joint(areaHasTwoDecimals_);
    step.shown = areaShown_;
    working_.items.emplace_back(std::move(step));
  }

  OnOneScale<6> scale_;  // x1, y1, x2, y2, x3, y3 as integers of one unit
  bool areaHasTwoDecimals_ = false;
  string areaShown_;
  string sShown_;
};

}  // namespace

Working PointsWorking(const CommandInput& input, std::string_view mark) { return PointsWriter(input, mark).Write(); }

}  // namespace pr::working
