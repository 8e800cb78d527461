// The working a student reads beside the figure: its lines for the worked
// examples and every special case, and the textbook notation of its numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "CommandHarness.h"
#include "core/figure/Working.h"
#include "core/form/LastPress.h"
#include "geometry/Commands.h"
#include "geometry/working/ExactText.h"

namespace pr::working {
namespace {

using pr::test::CommandHarness;

// Types the boxes, presses the button as the window does and returns the
// working's lines.
std::vector<std::string> WorkingLines(Button button, const std::vector<std::string>& b) {
  CommandHarness h(",");
  h.form.TypeAll(b);
  LastPress last;
  last.Press(CommandOf(button), h.form);
  const std::string text = WorkingText(last.Working());
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

TEST(Working, LinesOfTheWorkedExamplesAndSpecialCases) {
  struct Case {
    const char* what;
    Button button;
    std::vector<std::string> boxes;  // x1 y1 x2 y2 x3 y3 fs
    std::vector<std::string> lines;  // each must appear, in this order
  };
  const std::vector<Case> cases = {
      {"a triangle with one whole side",
       Button::Points,
       {"0", "1", "1", "3", "-6", "-7", "10"},
       {"I punti e le distanze",
        "d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((1 − 0)² + (3 − 1)²) = √(1 + 4) = √5 ≈ 2,24",
        "d(P1, P3) = √((x3 − x1)² + (y3 − y1)²) = √((−6 − 0)² + (−7 − 1)²) = √(36 + 64) = √100 = 10,00",
        "d(P2, P3) = √((x3 − x2)² + (y3 − y2)²) = √((−6 − 1)² + (−7 − 3)²) = √(49 + 100) = √149 ≈ 12,21",
        "s = (d(P1, P2) + d(P1, P3) + d(P2, P3))/2 = (√5 + 10 + √149)/2 ≈ 12,22",
        "A = √(s·(s − d(P1, P2))·(s − d(P1, P3))·(s − d(P2, P3))) ≈ √(12,22·(12,22 − 2,24)·(12,22 − 10,00)·"
        "(12,22 − 12,21)) ≈ 2,00",
        "Verifica: l'area dalle coordinate",
        "A = ½·|x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2)| = ½·|0·(3 − (−7)) + 1·(−7 − 1) + (−6)·(1 − 3)| = "
        "½·|0 − 8 + 12| = ½·4 = 2,00"}},
      {"the 3-4-5 triangle, exact all the way",
       Button::Points,
       {"0", "0", "3", "0", "0", "4", "10"},
       {"s = (d(P1, P2) + d(P1, P3) + d(P2, P3))/2 = (3 + 4 + 5)/2 = 6,00",
        "A = √(s·(s − d(P1, P2))·(s − d(P1, P3))·(s − d(P2, P3))) = √(6·(6 − 3)·(6 − 4)·(6 − 5)) = √(6·3·2·1) = "
        "√36 = 6,00"}},
      {"collinear points",
       Button::Points,
       {"0", "0", "1", "1", "2", "2", "10"},
       {"d(P1, P3) = √((x3 − x1)² + (y3 − y1)²) = √((2 − 0)² + (2 − 0)²) = √(4 + 4) = √8 = 2√2 ≈ 2,83",
        "I tre punti sono allineati: stanno su una stessa retta e non formano un vero triangolo. Il lato più lungo, "
        "d(P1, P3), è la somma degli altri due, quindi s = d(P1, P3), il fattore (s − d(P1, P3)) vale 0 e l'area "
        "è 0.",
        "A = ½·|x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2)| = ½·|0·(1 − 2) + 1·(2 − 0) + 2·(0 − 1)| = "
        "½·|0 + 2 − 2| = ½·0 = 0,00"}},
      {"two coincident points",
       Button::Points,
       {"1", "1", "1", "1", "5", "2", "10"},
       {"d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((1 − 1)² + (1 − 1)²) = √(0 + 0) = √0 = 0,00",
        "P1 e P2 coincidono: la loro distanza è 0.",
        "Due punti coincidono, quindi i tre punti stanno su una stessa retta"}},
      {"three coincident points",
       Button::Points,
       {"2", "2", "2", "2", "2", "2", "10"},
       {"I tre punti coincidono: le distanze e l'area sono 0."}},
      {"half-integer area, fractions of a side",
       Button::Points,
       {"0", "0", "1", "0", "0", "1", "10"},
       {"A = ½·|x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2)| = ½·|0·(0 − 1) + 1·(1 − 0) + 0·(0 − 0)| = "
        "½·|0 + 1 + 0| = ½·1 = 0,50"}},
      {"a negative full scale mirrors the figure only",
       Button::Points,
       {"0", "0", "3", "0", "0", "4", "-10"},
       {"Fondo scala negativo: la figura è ribaltata rispetto all'origine; distanze e area non cambiano.",
        "d(P2, P3) = √((x3 − x2)² + (y3 − y2)²) = √((0 − 3)² + (4 − 0)²) = √(9 + 16) = √25 = 5,00"}},
      {"the line and its perpendicular",
       Button::LineP1P2,
       {"0", "1", "1", "3", "-6", "-7", "10"},
       {"Retta per P1-P2 e perpendicolare", "m = (y2 − y1)/(x2 − x1) = (3 − 1)/(1 − 0) = 2/1 = 2,00",
        "q = y1 − m·x1 = 1 − 2·0 = 1 − 0 = 1,00", "y = m·x + q = 2x + 1; nell'etichetta: Y = + 2,00 X + 1,00",
        "m' = −1/m = −1/2 = −0,50", "Passa per (0; 1), come la retta: stessa q.",
        "y = m'·x + q = −0,5x + 1; arrotondata: Y = - 0,50 X + 1,00"}},
      {"a perpendicular not through P1 or P2",
       Button::LineP1P2,
       {"2", "0", "4", "2", "0", "0", "10"},
       {"q = y1 − m·x1 = 0 − 1·2 = 0 − 2 = −2,00", "y = m·x + q = x − 2; nell'etichetta: Y = + 1,00 X - 2,00",
        "Passa per (0; −2), come la retta: stessa q.", "y = m'·x + q = −x − 2; arrotondata: Y = - 1,00 X - 2,00"}},
      {"a slope that is a fraction",
       Button::LineP2P3,
       {"9", "9", "1", "2", "4", "3", "10"},
       {"Retta per P2-P3", "m = (y3 − y2)/(x3 − x2) = (3 − 2)/(4 − 1) = 1/3 ≈ 0,33",
        "q = y2 − m·x2 = 2 − (1/3)·1 = 2 − (1/3) = 5/3 ≈ 1,67",
        "y = m·x + q = (1/3)x + 5/3; nell'etichetta: Y = + 0,33 X + 1,67"}},
      {"Command3 writes 0 for a zero intercept",
       Button::LineP1P3,
       {"0", "0", "9", "9", "2", "1", "10"},
       {"y = m·x + q = 0,5x; nell'etichetta: Y = + 0,50 X 0"}},
      {"a horizontal P1-P2 line: its perpendicular is the y axis",
       Button::LineP1P2,
       {"1", "1", "3", "1", "0", "0", "10"},
       {"m = (y2 − y1)/(x2 − x1) = (1 − 1)/(3 − 1) = 0/2 = 0", "y = m·x + q = 1; nell'etichetta: Y = 0 X + 1,00",
        "m = 0: la retta è orizzontale, y = 1.",
        "Una retta orizzontale ha per perpendicolare una retta verticale, che non ha pendenza: −1/m non esiste per "
        "m = 0. La perpendicolare passa per (0; 1), quindi è l'asse y: x = 0."}},
      {"a vertical pair",
       Button::LineP1P3,
       {"2", "0", "0", "0", "2", "5", "10"},
       {"Retta per P1-P3",
        "x1 = x3 = 2: la retta per P1 e P3 è verticale, x = 2. Non ha un'equazione della forma y = m·x + q, perché "
        "in m = (y3 − y1)/(x3 − x1) il denominatore è 0. Per questo il comando non traccia la retta e l'etichetta "
        "mantiene il testo che aveva."}},
      {"a pair that coincides",
       Button::LineP2P3,
       {"0", "0", "3", "3", "3", "3", "10"},
       {"P2 e P3 coincidono: per un solo punto passano infinite rette, quindi la retta non è determinata. Per questo "
        "il comando non traccia la retta e l'etichetta mantiene il testo che aveva."}},
      {"a negative full scale: no line, m and q not computed",
       Button::LineP2P3,
       {"0", "0", "0", "5", "2", "-2", "-10"},
       {"Fondo scala negativo: il comando non traccia la retta e non calcola m e q, per questo l'etichetta mostra "
        "\"Y =  X \"."}},
      {"full scale 0",
       Button::Points,
       {"0", "0", "3", "0", "0", "4", "0"},
       {"I punti e le distanze",
        "Fondo scala 0: il comando ridisegna solo il piano cartesiano e si ferma; non disegna punti né rette e i suoi "
        "risultati restano quelli di prima."}},
      {"overflow",
       Button::LineP1P2,
       {"0", "0", "1e-310", "1", "0", "0", "10"},
       {"Retta per P1-P2 e perpendicolare",
        "Errore di run-time '6' (Overflow): il comando si è fermato a quel passo. La figura mostra ciò che aveva "
        "disegnato prima e le etichette che non aveva ancora scritto restano come prima."}},
      {"numbers beyond the short ones in powers of ten",
       Button::LineP1P3,
       {"0", "0", "9", "9", "1e100", "-2e-7", "10"},
       {"m = (y3 − y1)/(x3 − x1) = (−2·10^−7 − 0)/(1·10^100 − 0) ≈ −0,00",
        "y = m·x + q; nell'etichetta: Y = - 0,00 X 0"}},
      {"long decimals are written as read, the results in decimals",
       Button::LineP1P2,
       {"0.1234567", "0", "1.5", "2.25", "0", "0", "10"},
       {"m = (y2 − y1)/(x2 − x1) = (2,25 − 0)/(1,5 − 0,1234567) ≈ 1,63",
        "y = m·x + q; nell'etichetta: Y = + 1,63 X - 0,20"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<std::string> lines = WorkingLines(c.button, c.boxes);
    auto at = lines.begin();
    for (const std::string& expected : c.lines) {
      at = std::find_if(at, lines.end(), [&](const std::string& line) { return line.starts_with(expected); });
      ASSERT_NE(at, lines.end()) << "missing, or out of order: " << expected;
    }
  }
}

TEST(Working, ExactNumbersInTextbookNotation) {
  struct Case {
    Rational value;
    bool root;  // the text of √value rather than of value
    const char* text;
  };
  const std::vector<Case> cases = {
      {Rational(4, 6), false, "2/3"},
      {Rational(-7, 3), false, "−7/3"},
      {Rational(-3), false, "−3"},
      {Rational(5, 2), false, "2,5"},
      {Rational(1, 8), false, "0,125"},
      {Rational(8), true, "2√2"},
      {Rational(72), true, "6√2"},
      {Rational(12), true, "2√3"},
      {Rational(5), true, "√5"},
      {Rational(49), true, "7"},
      {Rational(5, 4), true, "√5/2"},
      {Rational(8, 9), true, "2√2/3"},
      {Rational(9, 4), true, "1,5"},
      {Rational(5, 2), true, "√10/2"},
      // Prime factors beyond the cube root of the radicand.
      {Rational(100140049), true, "10007"},
      {Rational(2) * 100140049, true, "10007√2"},
      {Rational(100160063), true, "√100160063"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    if (c.root) {
      const auto root = SimplifyRoot(c.value, ",");
      ASSERT_TRUE(root.has_value());
      EXPECT_EQ(root->text, c.text);
    } else {
      EXPECT_EQ(ExactNumber(c.value, ","), c.text);
    }
  }
  // Too large to factor quickly: the working keeps the radicand as it is.
  EXPECT_FALSE(SimplifyRoot(Rational(1000000000039LL), ",").has_value());
}

// The working decides its notation and its "=" or "≈" on integers, never
// forming a fraction: each answer must be the fraction's.
TEST(Working, IntegerTestsAgreeWithTheFractions) {
  using exact::Integer;
  struct Typed {
    Integer significand;
    std::int64_t exponent;
  };
  const std::vector<Typed> typed = {
      // Three decimals or more, also with a trailing zero in the significand.
      {0, 0},
      {5, -3},
      {5, -4},
      {25, -4},
      {125, -4},
      {50, -4},
      // Around a million.
      {-999999, 0},
      {999999999, -3},
      {1, 6},
      {-1, 6},
      {1000000, -1},
      {10, 5},
      {1, 300},
      {2, -300},
      {Integer("123456789123456789123456789"), -20},
  };
  for (const Typed& t : typed) {
    const ExactDecimal d{t.significand, t.exponent};
    SCOPED_TRACE(t.significand.str() + "e" + std::to_string(t.exponent));
    EXPECT_EQ(IsShortDecimal(d), IsShortDecimal(d.ToRational()));
  }
  struct Quotient {
    Integer numerator;
    Integer denominator;
    std::int64_t exponent;
  };
  const std::vector<Quotient> quotients = {
      {1, 4, 0},  {1, 8, 0},   {3, 3, 0},   {2, 3, 0},  {7, 40, 1}, {-7, 40, 0}, {1, 1, -2},
      {1, 1, -3}, {30, 3, -3}, {25, 1, -4}, {5, 2, -1}, {5, 2, -2}, {0, 7, -9},  {123, 7, 5},
  };
  for (const Quotient& q : quotients) {
    SCOPED_TRACE(q.numerator.str() + "/" + q.denominator.str() + "e" + std::to_string(q.exponent));
    const Rational scale = q.exponent >= 0 ? Rational(exact::PowerOfTen(q.exponent))
                                           : Rational(Integer(1), exact::PowerOfTen(-q.exponent));
    EXPECT_EQ(HasTwoDecimalsAtMost(q.numerator, q.denominator, q.exponent),
              HasTwoDecimalsAtMost(Rational(q.numerator, q.denominator) * scale));
  }
}

}  // namespace
}  // namespace pr::working
