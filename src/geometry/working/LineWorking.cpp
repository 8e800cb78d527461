#include "geometry/working/LineWorking.h"

#include <optional>
#include <string>
#include <vector>

#include "core/numbers/ExactMath.h"
#include "geometry/working/WorkingWriter.h"

namespace pr::working {
namespace {

using exact::Integer;
using std::string;

// A decimal quotient is written out when it ends within this many decimals.
constexpr std::int64_t kQuotientDecimals = 6;

class LineWriter : WorkingWriter {
 public:
  LineWriter(const LineCommandSpec& spec, const LineResult& result, std::string_view mark)
      : WorkingWriter(result.input,
                      IsShort(result.input.ExactAt(spec.first)) && IsShort(result.input.ExactAt(spec.second)), mark,
                      LineHeading(spec)),
        spec_(spec),
        result_(result),
        a_(spec.first),
        b_(spec.second) {}

  Working Write() {
    if (!result_.values) {
      GuardStopped();
      return std::move(working_);
    }
    if (!Values().traced) {
      Say("Con un fondo scala negativo il comando non traccia la retta, e m e q compaiono nell'etichetta solo "
          "quando la retta è tracciata: per questo l'etichetta mostra \"" +
          Values().equation + "\". La retta per " + PointName(a_) + " e " + PointName(b_) +
          " esiste comunque, e si calcola come sempre.");
    }
    if (Line().IsVertical()) {
      NoEquation();
    } else {
      WriteLine();
    }
    return std::move(working_);
  }

 private:
  static bool IsShort(const ExactPoint& p) { return IsShortDecimal(p.x) && IsShortDecimal(p.y); }
  const LineValues& Values() const { return *result_.values; }
  const ExactLine& Line() const { return Values().line; }
  std::int64_t Unit() const { return Line().Unit(); }

  // The exact m, q and -1/m, in textbook notation only: fractions of short numbers.
  Rational M() const { return Rational(Line().Rise(), Line().Run()); }
  Rational Q() const { return Exactly(Line().Crossing(), Unit()) / Rational(Line().Run()); }
  // −run/rise, the denominator kept positive as a fraction wants it.
  Rational PerpendicularSlope() const {
    return Line().Rise() > 0 ? Rational(-Line().Run(), Line().Rise()) : Rational(Line().Run(), -Line().Rise());
  }

  // "(y2 − y1)/(x2 − x1)" with the names, or with the numbers as typed.
  string Difference(char axis, bool typed) const {
    if (!typed) return CoordinateName(axis, b_) + " − " + CoordinateName(axis, a_);
    return In(axis, b_) + " − " + InSubtrahend(axis, a_);
  }

  // numerator / denominator · 10^exponent written out, when it ends within
  // a few decimals: "2", "0,125".
  std::optional<string> EndingDecimal(const Integer& numerator, const Integer& denominator,
                                      std::int64_t exponent) const {
    // A quotient of more digits than a working writes (four bits a digit is
    // more than enough) is not worth the long division, which costs
    // milliseconds with the longest texts.
    constexpr std::int64_t kLongestQuotientBits = 4 * kLongestWritten;
    if (numerator == 0) return "0";
    const auto bits = [](const Integer& n) { return static_cast<std::int64_t>(msb(abs(n))); };
    if (bits(numerator) - bits(denominator) > kLongestQuotientBits) return std::nullopt;
    const Integer scaled = numerator * exact::PowerOfTen(kQuotientDecimals);
    if (scaled % denominator != 0) return std::nullopt;
    return Number(scaled / denominator, exponent - kQuotientDecimals);
  }

  void NoEquation() {
    const string keeps =
        Values().traced ? " Per questo il comando non traccia la retta e l'etichetta mantiene il testo che aveva." : "";
    if (Line().IsHorizontal()) {
      Say(PointName(a_) + " e " + PointName(b_) +
          " coincidono: per un solo punto passano infinite rette, quindi la retta non è determinata." + keeps);
      return;
    }
    const string c = In('x', a_);
    Say(CoordinateName('x', a_) + " = " + CoordinateName('x', b_) + " = " + c + ": la retta per " + PointName(a_) +
        " e " + PointName(b_) + " è verticale, x = " + c +
        ". Non ha un'equazione della forma y = m·x + q, perché in m = (" + Difference('y', false) + ")/(" +
        Difference('x', false) + ") il denominatore è 0." + keeps);
  }

  // In decimals, numerator·10^e / denominator·10^f as written out: the
  // quotient of the two decimals, the fraction in lowest terms when both are
  // whole, then its value when that ends within a few decimals. Nothing but
  // that value when they are too long to write.
  std::vector<string> Quotient(const Integer& numerator, std::int64_t e, const Integer& denominator,
                               std::int64_t f) const {
    const auto top = Number(numerator, e);
    const auto bottom = Number(denominator, f);
    std::vector<string> forms;
    if (top && bottom) {
      forms.push_back(*top + "/" + Factor(*bottom));
      const Rational n = Exactly(numerator, e);
      const Rational d = Exactly(denominator, f);
      if (boost::multiprecision::denominator(n) == 1 && boost::multiprecision::denominator(d) == 1) {
        forms.push_back(Fraction(n / d));
      }
    }
    if (auto ending = EndingDecimal(numerator, denominator, e - f)) forms.push_back(std::move(*ending));
    return forms;
  }

  // m in the working's notation, for the steps after its own: the fraction,
  // the quotient of the differences, or those as typed.
  string SlopeForm() const {
    if (textbook_) return Fraction(M());
    const std::vector<string> forms = Quotient(Line().Dy(), Unit(), Line().Dx(), Unit());
    if (!forms.empty()) return forms.back();
    return "(" + Difference('y', true) + ")/(" + Difference('x', true) + ")";
  }

  void SlopeStep() {
    Chain chain("m", "(" + Difference('y', false) + ")/(" + Difference('x', false) + ")");
    chain.Then("(" + Difference('y', true) + ")/(" + Difference('x', true) + ")");
    if (textbook_) {
      const Rational dy = Exactly(Line().Dy(), Unit());
      const Rational dx = Exactly(Line().Dx(), Unit());
      if (denominator(dy) == 1 && denominator(dx) == 1) chain.Then(Fraction(dy) + "/" + Factor(Fraction(dx)));
      chain.Then(Fraction(M()));
    } else {
      for (string& form : Quotient(Line().Dy(), Unit(), Line().Dx(), Unit())) chain.Then(std::move(form));
    }
    Add(chain.End(Values().slope->exact, RoundedText(*Values().slope, true)));
  }

  void InterceptStep() {
    Chain chain("q", CoordinateName('y', a_) + " − m·" + CoordinateName('x', a_));
    chain.Then(In('y', a_) + " − " + Factor(SlopeForm()) + "·" + InFactor('x', a_));
    if (textbook_) {
      const Rational xa = result_.input.ExactAt(a_).x.ToRational();
      chain.Then(In('y', a_) + " − " + Subtrahend(Fraction(M() * xa)));
      chain.Then(Fraction(Q()));
    } else {
      // q = (ya·run − rise·xa)/run, the quotient left out when its value
      // ends within a few decimals.
      std::vector<string> forms = Quotient(Line().Crossing(), 2 * Unit(), Line().Run(), Unit());
      if (forms.size() > 1 && EndingDecimal(Line().Crossing(), Line().Run(), Unit())) forms.erase(forms.begin());
      for (string& form : forms) chain.Then(std::move(form));
    }
    Add(chain.End(Values().intercept->exact, RoundedText(*Values().intercept, true)));
  }

  // "2x + 1", "−(1/2)x + 3", "x", "4"
  static string RightSide(const Rational& m, const Rational& q) {
    string text;
    if (m != 0) {
      const Rational size = abs(m);
      text = string(m < 0 ? kMinus : "") + (size == 1 ? "" : Factor(Fraction(size))) + "x";
    }
    if (q != 0 || m == 0) {
      if (text.empty()) return Fraction(q);
      text += (q < 0 ? " − " : " + ") + Fraction(abs(q));
    }
    return text;
  }

  void EquationStep(const string& slopeName, const Rational& m, const string& connector, const string& rounded) {
    Chain chain("y", slopeName + "·x + q");
    if (textbook_) chain.Then(RightSide(m, Q()));
    Add(chain.EndWith(connector, rounded));
  }

  void WriteLine() {
    SlopeStep();
    InterceptStep();
    EquationStep("m", textbook_ ? M() : Rational(0), "; nell'etichetta: ", Values().equation);
    if (Line().IsHorizontal()) Say("m = 0: la retta è orizzontale, y = " + In('y', a_) + ".");
    if (spec_.perpendicular) Perpendicular();
  }

  // Through (0; q), where the line meets the y axis, with slope −1/m.
  void Perpendicular() {
    Head("Perpendicolare per il punto in cui la retta incontra l'asse y");
    const string point = "(0; " + (textbook_ ? Fraction(Q()) : string("q")) + ")";
    if (Line().IsHorizontal()) {
      Say("Una retta orizzontale ha per perpendicolare una retta verticale, che non ha pendenza: −1/m non esiste "
          "per m = 0. La perpendicolare passa per " +
          point + ", quindi è l'asse y: x = 0.");
      return;
    }
    if (textbook_) {
      Chain chain("m'", "−1/m");
      chain.Then(string(kMinus) + "1/" + Factor(SlopeForm()));
      chain.Then(Fraction(PerpendicularSlope()));
      Add(chain.End(Values().perpendicularSlope->exact, RoundedText(*Values().perpendicularSlope, true)));
    } else {
      Chain chain("m'", "−1/m = −(" + Difference('x', false) + ")/(" + Difference('y', false) + ")");
      chain.Then(string(kMinus) + "(" + Difference('x', true) + ")/(" + Difference('y', true) + ")");
      for (string& form : Quotient(-Line().Dx(), Unit(), Line().Dy(), Unit())) chain.Then(std::move(form));
      Add(chain.End(Values().perpendicularSlope->exact, RoundedText(*Values().perpendicularSlope, true)));
    }
    Say("Passa per " + point + ", come la retta: stessa q.");
    EquationStep("m'", textbook_ ? PerpendicularSlope() : Rational(0),
                 "; arrotondata: ", EquationText(spec_, Values().perpendicularSlope, Values().intercept, mark_));
  }

  const LineCommandSpec& spec_;
  const LineResult& result_;
  int a_;
  int b_;
};

}  // namespace

std::string LineHeading(const LineCommandSpec& spec) {
  return "Retta per " + PointName(spec.first) + "-" + PointName(spec.second) +
         (spec.perpendicular ? " e perpendicolare" : "");
}

Working LineWorking(const LineCommandSpec& spec, const LineResult& result, std::string_view mark) {
  return LineWriter(spec, result, mark).Write();
}

}  // namespace pr::working
