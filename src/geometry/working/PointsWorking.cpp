#include "geometry/working/PointsWorking.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/numbers/ExactMath.h"
#include "geometry/working/WorkingWriter.h"

namespace pr::working {
namespace {

using exact::Integer;
using std::string;

struct Pair {
  int from;
  int to;
};
// In the order of the labels P1-P2, P1-P3, P2-P3.
constexpr std::array<Pair, 3> kPairs = {{{0, 1}, {0, 2}, {1, 2}}};

string DistanceName(std::size_t k) { return "d(" + PointName(kPairs[k].from) + ", " + PointName(kPairs[k].to) + ")"; }

bool AllShort(const CommandInput& input) {
  for (int i = 0; i < 3; ++i) {
    if (!IsShortDecimal(input.ExactAt(i).x) || !IsShortDecimal(input.ExactAt(i).y)) return false;
  }
  return true;
}

// A side as the later steps write it: its simplified root in textbook
// notation, its root or radicand in decimals (none when too long).
struct SideForm {
  std::optional<Radical> radical;  // textbook notation only
  std::optional<string> text;
};

class PointsWriter : WorkingWriter {
 public:
  PointsWriter(const PointsResult& result, std::string_view mark)
      : WorkingWriter(result.input, AllShort(result.input), mark, string(kPointsHeading)), result_(result) {}

  Working Write() {
    if (!result_.values) {
      GuardStopped();
      return std::move(working_);
    }
    const PointsValues& v = *result_.values;
    if (input_.fullScale < 0) {
      Say("Fondo scala negativo: la figura è ribaltata rispetto all'origine; distanze e area non cambiano.");
    }
    std::array<SideForm, 3> sides;
    for (std::size_t k = 0; k < kPairs.size(); ++k) sides[k] = DistanceStep(k, v.sides[k]);
    Head("Area con la formula di Erone");
    SemiperimeterStep(sides);
    if (AllRational(sides)) {
      HeronStep(sides);
    } else {
      Say("Con s arrotondato il prodotto di Erone non darebbe l'area giusta: moltiplicando i fattori a due a due "
          "si ottiene la stessa formula con i quadrati dei lati, che sono numeri esatti.");
      SquaredSidesStep();
    }
    if (v.area.cross == 0) ExplainFlat();
    Head("Verifica: l'area dalle coordinate");
    CoordinatesStep();
    return std::move(working_);
  }

 private:
  const PointsValues& Values() const { return *result_.values; }
  std::int64_t Unit() const { return Values().points.unit; }
  const ExactSide& Side(std::size_t k) const { return Values().sides[k]; }
  const ExactArea& Area() const { return Values().area; }

  bool AllRational(const std::array<SideForm, 3>& sides) const {
    if (!textbook_) return false;
    for (const SideForm& side : sides) {
      if (!side.radical || side.radical->radicand != 1) return false;
    }
    return true;
  }

  SideForm DistanceStep(std::size_t k, const ExactSide& side) {
    const int i = kPairs[k].from;
    const int j = kPairs[k].to;
    Chain chain(DistanceName(k), "√((" + CoordinateName('x', j) + " − " + CoordinateName('x', i) + ")² + (" +
                                     CoordinateName('y', j) + " − " + CoordinateName('y', i) + ")²)");
    chain.Then("√((" + In('x', j) + " − " + InSubtrahend('x', i) + ")² + (" + In('y', j) + " − " +
               InSubtrahend('y', i) + ")²)");
    const std::int64_t squares = 2 * Unit();
    const auto dx = Number(side.dxSquared, squares);
    const auto dy = Number(side.dySquared, squares);
    if (dx && dy) chain.Then("√(" + *dx + " + " + *dy + ")");
    SideForm form;
    if (const auto square = Number(side.square, squares)) {
      chain.Then(RootOf(*square));
      form.text = RootOf(*square);
      const Rational value = Exactly(side.square, squares);
      // A root of a fraction is simplified in fractions only; in decimals a
      // whole radicand still is, and a square one's root is written out.
      if (textbook_ || denominator(value) == 1) {
        form.radical = Simplified(value);
        form.text = RadicalText(*form.radical);
        chain.Then(*form.text);
      } else if (const Integer root = exact::SquareRoot(side.square); root * root == side.square) {
        form.text = *Number(root, Unit());
        chain.Then(*form.text);
      }
    }
    Add(chain.End(side.shown.exact, RoundedText(side.shown)));
    if (side.square == 0) Say(PointName(i) + " e " + PointName(j) + " coincidono: la loro distanza è 0.");
    return form;
  }

  // s = (a + b + c)/2: like roots added up, over one denominator.
  static string SemiperimeterForm(const std::array<SideForm, 3>& sides) {
    std::vector<Radical> terms;
    for (const SideForm& side : sides) {
      bool added = false;
      for (Radical& term : terms) {
        if (term.radicand == side.radical->radicand) {
          term.coefficient += side.radical->coefficient;
          added = true;
        }
      }
      if (!added) terms.push_back(*side.radical);
    }
    Integer denominator = 1;
    for (Radical& term : terms) {
      term.coefficient /= 2;
      denominator = lcm(denominator, boost::multiprecision::denominator(term.coefficient));
    }
    string sum;
    for (const Radical& term : terms) {
      if (term.coefficient == 0) continue;
      const Rational whole = term.coefficient * denominator;
      if (!sum.empty()) sum += " + ";
      sum += RadicalText({whole, term.radicand});
    }
    if (sum.empty()) return "0";
    return denominator == 1 ? sum : "(" + sum + ")/" + exact::Digits(denominator);
  }

  void SemiperimeterStep(const std::array<SideForm, 3>& sides) {
    Chain chain("s", "(" + DistanceName(0) + " + " + DistanceName(1) + " + " + DistanceName(2) + ")/2");
    if (sides[0].text && sides[1].text && sides[2].text) {
      chain.Then("(" + *sides[0].text + " + " + *sides[1].text + " + " + *sides[2].text + ")/2");
      if (sides[0].radical && sides[1].radical && sides[2].radical) chain.Then(SemiperimeterForm(sides));
    }
    Add(chain.End(Values().semiperimeter.exact, RoundedText(Values().semiperimeter)));
  }

  // All three sides rational: Heron's formula as it stands, exact throughout.
  void HeronStep(const std::array<SideForm, 3>& sides) {
    const Rational a = sides[0].radical->coefficient;
    const Rational b = sides[1].radical->coefficient;
    const Rational c = sides[2].radical->coefficient;
    const Rational s = (a + b + c) / 2;
    const string S = Fraction(s);
    Chain chain("A", "√(s·(s − " + DistanceName(0) + ")·(s − " + DistanceName(1) + ")·(s − " + DistanceName(2) + "))");
    chain.Then("√(" + Factor(S) + "·(" + S + " − " + Subtrahend(Fraction(a)) + ")·(" + S + " − " +
               Subtrahend(Fraction(b)) + ")·(" + S + " − " + Subtrahend(Fraction(c)) + "))");
    chain.Then("√(" + Factor(S) + "·" + Factor(Fraction(s - a)) + "·" + Factor(Fraction(s - b)) + "·" +
               Factor(Fraction(s - c)) + ")");
    chain.Then(RootOf(Fraction(s * (s - a) * (s - b) * (s - c))));
    if (const auto area = AreaNumber()) chain.Then(*area);
    Add(chain.End(Area().shown.exact, RoundedText(Area().shown)));
  }

  // 16·A² = 4a²b² − (a² + b² − c²)², the squares of the sides being exact.
  void SquaredSidesStep() {
    const std::string a = DistanceName(0);
    const std::string b = DistanceName(1);
    const std::string c = DistanceName(2);
    Chain chain("A", "√(s·(s − " + a + ")·(s − " + b + ")·(s − " + c + ")) = ¼·√(4·" + a + "²·" + b + "² − (" + a +
                         "² + " + b + "² − " + c + "²)²)");
    const std::int64_t squares = 2 * Unit();
    const Integer& a2 = Side(0).square;
    const Integer& b2 = Side(1).square;
    const Integer& c2 = Side(2).square;
    const auto A2 = Number(a2, squares);
    const auto B2 = Number(b2, squares);
    const auto C2 = Number(c2, squares);
    if (A2 && B2 && C2) {
      chain.Then("¼·√(4·" + Factor(*A2) + "·" + Factor(*B2) + " − (" + *A2 + " + " + *B2 + " − " + *C2 + ")²)");
      const Integer cosine = a2 + b2 - c2;
      const auto product = Number(4 * a2 * b2, 2 * squares);
      const auto square = Number(cosine * cosine, 2 * squares);
      if (product && square) chain.Then("¼·√(" + *product + " − " + *square + ")");
    }
    // The product under the root is 16·A² = (2·cross)², its root 2·|cross|.
    const Integer& cross = Area().cross;
    if (const auto root = Number(2 * abs(cross), squares)) {
      if (const auto product = Number(4 * cross * cross, 2 * squares)) chain.Then("¼·" + RootOf(*product));
      chain.Then("¼·" + Factor(*root));
    }
    if (const auto area = AreaNumber()) chain.Then(*area);
    Add(chain.End(Area().shown.exact, RoundedText(Area().shown)));
  }

  // |cross|/2 in the working's notation.
  std::optional<string> AreaNumber() const {
    const Integer& cross = Area().cross;
    const std::int64_t squares = 2 * Unit();
    if (textbook_) return Fraction(Exactly(abs(cross), squares) / 2);
    // Half an integer of 10^e is an integer of 10^(e - 1): ·5 of one unit less.
    return Number(abs(cross) * 5, squares - 1);
  }

  // Why a flat triangle has area 0: Heron's product has a factor 0.
  void ExplainFlat() {
    if (Side(0).square == 0 && Side(1).square == 0) {
      Say("I tre punti coincidono: le distanze e l'area sono 0.");
      return;
    }
    std::size_t longest = 0;
    for (std::size_t k = 1; k < kPairs.size(); ++k) {
      if (Side(k).square > Side(longest).square) longest = k;
    }
    const string name = DistanceName(longest);
    const bool coincident = Side(0).square == 0 || Side(1).square == 0 || Side(2).square == 0;
    Say(string(coincident ? "Due punti coincidono, quindi i tre punti stanno su una stessa retta"
                          : "I tre punti sono allineati: stanno su una stessa retta") +
        " e non formano un vero triangolo. Il lato più lungo, " + name +
        ", è la somma degli altri due, quindi s = " + name + ", il fattore (s − " + name + ") vale 0 e l'area è 0.");
  }

  void CoordinatesStep() {
    Chain chain("A", "½·|x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2)|");
    string typed;
    for (int i = 0; i < 3; ++i) {
      const int j = (i + 1) % 3;
      const int k = (i + 2) % 3;
      if (i > 0) typed += " + ";
      typed += InFactor('x', i) + "·(" + In('y', j) + " − " + InSubtrahend('y', k) + ")";
    }
    chain.Then("½·|" + typed + "|");
    const std::int64_t squares = 2 * Unit();
    string terms;
    bool written = true;
    for (std::size_t i = 0; i < 3 && written; ++i) {
      const Integer& term = Area().terms[i];
      const auto text = Number(i == 0 ? term : Integer(abs(term)), squares);
      written = text.has_value();
      if (!written) break;
      terms += i == 0 ? *text : (term < 0 ? " − " : " + ") + *text;
    }
    if (written) chain.Then("½·|" + terms + "|");
    if (const auto cross = Number(abs(Area().cross), squares)) chain.Then("½·" + Factor(*cross));
    if (const auto area = AreaNumber()) chain.Then(*area);
    Add(chain.End(Area().shown.exact, RoundedText(Area().shown)));
  }

  const PointsResult& result_;
};

}  // namespace

Working PointsWorking(const PointsResult& result, std::string_view mark) { return PointsWriter(result, mark).Write(); }

}  // namespace pr::working
