// The working a student reads beside the figure, line by line for the
// worked examples, and each of its rules on a minimal example.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CommandHarness.h"
#include "core/figure/Working.h"
#include "core/form/LastPress.h"
#include "geometry/Commands.h"

namespace pr::working {
namespace {

using pr::test::CommandHarness;

// Types the boxes (x1 y1 x2 y2 x3 y3 fs), presses the button as the window
// does and returns the lines of the working its result renders.
std::vector<std::string> WorkingLines(Button button, const std::vector<std::string>& boxes) {
  CommandHarness h(",");
  h.form.TypeAll(boxes);
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

const std::string kHeronWithSquares =
    "Con s arrotondato il prodotto di Erone non darebbe l'area giusta: moltiplicando i fattori a due a due si "
    "ottiene la stessa formula con i quadrati dei lati, che sono numeri esatti.";
const std::string kHeronFormula =
    "A = √(s·(s − d(P1, P2))·(s − d(P1, P3))·(s − d(P2, P3))) = ¼·√(4·d(P1, P2)²·d(P1, P3)² − (d(P1, P2)² + "
    "d(P1, P3)² − d(P2, P3)²)²)";
const std::string kCoordinatesFormula = "A = ½·|x1·(y2 − y3) + x2·(y3 − y1) + x3·(y1 − y2)|";

TEST(Working, TheWorkedExamplesLineByLine) {
  struct Case {
    const char* what;
    Button button;
    std::vector<std::string> boxes;  // x1 y1 x2 y2 x3 y3 fs
    std::vector<std::string> lines;  // the whole working
  };
  const std::vector<Case> cases = {
      {"the README's triangle: Heron's step redone gives 2,00",
       Button::Points,
       {"0", "1", "1", "3", "-6", "-7", "10"},
       {"I punti e le distanze",
        "d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((1 − 0)² + (3 − 1)²) = √(1 + 4) = √5 ≈ 2,24",
        "d(P1, P3) = √((x3 − x1)² + (y3 − y1)²) = √((−6 − 0)² + (−7 − 1)²) = √(36 + 64) = √100 = 10 = 10,00",
        "d(P2, P3) = √((x3 − x2)² + (y3 − y2)²) = √((−6 − 1)² + (−7 − 3)²) = √(49 + 100) = √149 ≈ 12,21",
        "Area con la formula di Erone", "s = (d(P1, P2) + d(P1, P3) + d(P2, P3))/2 = (√5 + 10 + √149)/2 ≈ 12,22",
        kHeronWithSquares,
        kHeronFormula + " = ¼·√(4·5·100 − (5 + 100 − 149)²) = ¼·√(2000 − 1936) = ¼·√64 = ¼·8 = 2 = 2,00",
        "Verifica: l'area dalle coordinate",
        kCoordinatesFormula + " = ½·|0·(3 − (−7)) + 1·(−7 − 1) + (−6)·(1 − 3)| = ½·|0 − 8 + 12| = ½·4 = 2 = 2,00"}},
      {"the 3-4-5 triangle: Heron's formula as it stands",
       Button::Points,
       {"0", "0", "3", "0", "0", "4", "-10"},
       {"I punti e le distanze",
        "Fondo scala negativo: la figura è ribaltata rispetto all'origine; distanze e area non cambiano.",
        "d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((3 − 0)² + (0 − 0)²) = √(9 + 0) = √9 = 3 = 3,00",
        "d(P1, P3) = √((x3 − x1)² + (y3 − y1)²) = √((0 − 0)² + (4 − 0)²) = √(0 + 16) = √16 = 4 = 4,00",
        "d(P2, P3) = √((x3 − x2)² + (y3 − y2)²) = √((0 − 3)² + (4 − 0)²) = √(9 + 16) = √25 = 5 = 5,00",
        "Area con la formula di Erone", "s = (d(P1, P2) + d(P1, P3) + d(P2, P3))/2 = (3 + 4 + 5)/2 = 6 = 6,00",
        "A = √(s·(s − d(P1, P2))·(s − d(P1, P3))·(s − d(P2, P3))) = √(6·(6 − 3)·(6 − 4)·(6 − 5)) = √(6·3·2·1) = "
        "√36 = 6 = 6,00",
        "Verifica: l'area dalle coordinate",
        kCoordinatesFormula + " = ½·|0·(0 − 4) + 3·(4 − 0) + 0·(0 − 0)| = ½·|0 + 12 + 0| = ½·12 = 6 = 6,00"}},
      {"three points on one line",
       Button::Points,
       {"0", "0", "1", "1", "2", "2", "10"},
       {"I punti e le distanze",
        "d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((1 − 0)² + (1 − 0)²) = √(1 + 1) = √2 ≈ 1,41",
        "d(P1, P3) = √((x3 − x1)² + (y3 − y1)²) = √((2 − 0)² + (2 − 0)²) = √(4 + 4) = √8 = 2√2 ≈ 2,83",
        "d(P2, P3) = √((x3 − x2)² + (y3 − y2)²) = √((2 − 1)² + (2 − 1)²) = √(1 + 1) = √2 ≈ 1,41",
        "Area con la formula di Erone", "s = (d(P1, P2) + d(P1, P3) + d(P2, P3))/2 = (√2 + 2√2 + √2)/2 = 2√2 ≈ 2,83",
        kHeronWithSquares, kHeronFormula + " = ¼·√(4·2·8 − (2 + 8 − 2)²) = ¼·√(64 − 64) = ¼·√0 = ¼·0 = 0 = 0,00",
        "I tre punti sono allineati: stanno su una stessa retta e non formano un vero triangolo. Il lato più lungo, "
        "d(P1, P3), è la somma degli altri due, quindi s = d(P1, P3), il fattore (s − d(P1, P3)) vale 0 e l'area "
        "è 0.",
        "Verifica: l'area dalle coordinate",
        kCoordinatesFormula + " = ½·|0·(1 − 2) + 1·(2 − 0) + 2·(0 − 1)| = ½·|0 + 2 − 2| = ½·0 = 0 = 0,00"}},
      {"the README's line and its perpendicular",
       Button::LineP1P2,
       {"0", "1", "1", "3", "-6", "-7", "10"},
       {"Retta per P1-P2 e perpendicolare", "m = (y2 − y1)/(x2 − x1) = (3 − 1)/(1 − 0) = 2/1 = 2 = 2,00",
        "q = y1 − m·x1 = 1 − 2·0 = 1 − 0 = 1 = 1,00", "y = m·x + q = 2x + 1; nell'etichetta: Y = + 2,00 X + 1,00",
        "Perpendicolare per il punto in cui la retta incontra l'asse y", "m' = −1/m = −1/2 = −0,50",
        "Passa per (0; 1), come la retta: stessa q.", "y = m'·x + q = −(1/2)x + 1; arrotondata: Y = - 0,50 X + 1,00"}},
      {"a horizontal line: its perpendicular is the y axis",
       Button::LineP1P2,
       {"1", "1", "3", "1", "0", "0", "10"},
       {"Retta per P1-P2 e perpendicolare", "m = (y2 − y1)/(x2 − x1) = (1 − 1)/(3 − 1) = 0/2 = 0",
        "q = y1 − m·x1 = 1 − 0·1 = 1 − 0 = 1 = 1,00", "y = m·x + q = 1; nell'etichetta: Y = 0 X + 1,00",
        "m = 0: la retta è orizzontale, y = 1.", "Perpendicolare per il punto in cui la retta incontra l'asse y",
        "Una retta orizzontale ha per perpendicolare una retta verticale, che non ha pendenza: −1/m non esiste per "
        "m = 0. La perpendicolare passa per (0; 1), quindi è l'asse y: x = 0."}},
      {"a slope that is a fraction",
       Button::LineP2P3,
       {"9", "9", "1", "2", "4", "3", "10"},
       {"Retta per P2-P3", "m = (y3 − y2)/(x3 − x2) = (3 − 2)/(4 − 1) = 1/3 ≈ 0,33",
        "q = y2 − m·x2 = 2 − (1/3)·1 = 2 − 1/3 = 5/3 ≈ 1,67",
        "y = m·x + q = (1/3)x + 5/3; nell'etichetta: Y = + 0,33 X + 1,67"}},
      {"a vertical pair",
       Button::LineP1P3,
       {"2", "0", "0", "0", "2", "5", "10"},
       {"Retta per P1-P3",
        "x1 = x3 = 2: la retta per P1 e P3 è verticale, x = 2. Non ha un'equazione della forma y = m·x + q, perché "
        "in m = (y3 − y1)/(x3 − x1) il denominatore è 0. Per questo il comando non traccia la retta e l'etichetta "
        "mantiene il testo che aveva."}},
      {"a negative full scale: the line computed, the label without it",
       Button::LineP2P3,
       {"0", "0", "0", "5", "2", "-2", "-10"},
       {"Retta per P2-P3",
        "Con un fondo scala negativo il comando non traccia la retta, e m e q compaiono nell'etichetta solo quando "
        "la retta è tracciata: per questo l'etichetta mostra \"Y =  X \". La retta per P2 e P3 esiste comunque, e "
        "si calcola come sempre.",
        "m = (y3 − y2)/(x3 − x2) = (−2 − 5)/(2 − 0) = −7/2 = −3,50", "q = y2 − m·x2 = 5 − (−7/2)·0 = 5 − 0 = 5 = 5,00",
        "y = m·x + q = −(7/2)x + 5; nell'etichetta: Y =  X "}},
      {"long decimals: decimals written in full, nothing rounded on the way",
       Button::LineP1P2,
       {"0.1234567", "0", "1.5", "2.25", "0", "0", "10"},
       {"Retta per P1-P2 e perpendicolare",
        "m = (y2 − y1)/(x2 − x1) = (2,25 − 0)/(1,5 − 0,1234567) = 2,25/1,3765433 ≈ 1,63",
        "q = y1 − m·x1 = 0 − (2,25/1,3765433)·0,1234567 = −0,277777575/1,3765433 ≈ −0,20",
        "y = m·x + q; nell'etichetta: Y = + 1,63 X - 0,20",
        "Perpendicolare per il punto in cui la retta incontra l'asse y",
        "m' = −1/m = −(x2 − x1)/(y2 − y1) = −(1,5 − 0,1234567)/(2,25 − 0) = −1,3765433/2,25 ≈ −0,61",
        "Passa per (0; q), come la retta: stessa q.", "y = m'·x + q; arrotondata: Y = - 0,61 X - 0,20"}},
      {"a box not read as it stands, said first",
       Button::LineP1P3,
       {"2,5", "0", "0", "0", "2", "5", "10"},
       {"Retta per P1-P3", "x1: scritto \"2,5\", letto 2 (i decimali si scrivono con il punto: 2.5)",
        "x1 = x3 = 2: la retta per P1 e P3 è verticale, x = 2. Non ha un'equazione della forma y = m·x + q, perché "
        "in m = (y3 − y1)/(x3 − x1) il denominatore è 0. Per questo il comando non traccia la retta e l'etichetta "
        "mantiene il testo che aveva."}},
      {"a run-time error: one line on what happened",
       Button::LineP1P2,
       {"0", "0", "1e-310", "1", "0", "0", "10"},
       {"Retta per P1-P2 e perpendicolare",
        "Errore di run-time '6' (Overflow): il comando si è fermato a quel passo. La figura mostra ciò che aveva "
        "disegnato prima e le etichette che non aveva ancora scritto restano come prima."}},
      {"full scale 0",
       Button::Points,
       {"0", "0", "3", "0", "0", "4", "0"},
       {"I punti e le distanze",
        "Fondo scala 0: il comando ridisegna solo il piano cartesiano e si ferma; non disegna punti né rette e i suoi "
        "risultati restano quelli di prima."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(WorkingLines(c.button, c.boxes), c.lines);
  }
}

// Each rule of the working on the smallest input that shows it: the line
// named must be in the working as it stands.
TEST(Working, EachRuleOnAMinimalExample) {
  struct Case {
    const char* rule;
    Button button;
    std::vector<std::string> boxes;  // x1 y1 x2 y2 x3 y3 fs
    std::string line;
  };
  const std::vector<Case> cases = {
      {"a whole number as one",
       Button::LineP1P2,
       {"0", "1", "1", "3", "0", "0", "10"},
       "m = (y2 − y1)/(x2 − x1) = (3 − 1)/(1 − 0) = 2/1 = 2 = 2,00"},
      {"a fraction in lowest terms",
       Button::LineP2P3,
       {"0", "0", "0", "0", "8", "6", "10"},
       "m = (y3 − y2)/(x3 − x2) = (6 − 0)/(8 − 0) = 6/8 = 3/4 = 0,75"},
      {"a fraction that is 1",
       Button::LineP2P3,
       {"0", "0", "2", "3", "4", "5", "10"},
       "m = (y3 − y2)/(x3 − x2) = (5 − 3)/(4 − 2) = 2/2 = 1 = 1,00"},
      {"a negative whole number",
       Button::LineP2P3,
       {"0", "0", "0", "9", "3", "3", "10"},
       "m = (y3 − y2)/(x3 − x2) = (3 − 9)/(3 − 0) = −6/3 = −2 = −2,00"},
      {"no form twice in a row", Button::LineP1P2, {"0", "0", "1", "3", "0", "0", "10"}, "m' = −1/m = −1/3 ≈ −0,33"},
      {"fractions, not decimals, for what is computed",
       Button::LineP1P2,
       {"1", "1", "4", "3", "0", "0", "10"},
       "m' = −1/m = −1/(2/3) = −3/2 = −1,50"},
      {"the equation in fractions",
       Button::LineP1P2,
       {"1", "1", "4", "3", "0", "0", "10"},
       "y = m'·x + q = −(3/2)x + 1/3; arrotondata: Y = - 1,50 X + 0,33"},
      {"typed decimals, fractions computed",
       Button::Points,
       {"0", "0", "0.15", "0", "0", "0.1", "10"},
       "d(P2, P3) = √((x3 − x2)² + (y3 − y2)²) = √((0 − 0,15)² + (0,1 − 0)²) = √(9/400 + 1/100) = √(13/400) = "
       "(√13)/20 ≈ 0,18"},
      {"Heron exact with typed decimals",
       Button::Points,
       {"0", "0", "0.15", "0", "0", "0.1", "10"},
       kHeronFormula + " = ¼·√(4·(9/400)·(1/100) − (9/400 + 1/100 − 13/400)²) = ¼·√(9/10000 − 0) = "
                       "¼·√(9/10000) = ¼·(3/100) = 3/400 ≈ 0,01"},
      {"a root not ambiguous after a slash",
       Button::Points,
       {"0", "0", "0.75", "2", "0", "0", "10"},
       "d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((0,75 − 0)² + (2 − 0)²) = √(9/16 + 4) = √(73/16) = (√73)/4 ≈ "
       "2,14"},
      {"like roots added up",
       Button::Points,
       {"0", "0", "1", "1", "2", "2", "10"},
       "s = (d(P1, P2) + d(P1, P3) + d(P2, P3))/2 = (√2 + 2√2 + √2)/2 = 2√2 ≈ 2,83"},
      {"an exact root of a long radicand",
       Button::Points,
       {"1000000", "0", "0", "1999998", "0", "0", "10"},
       "d(P2, P3) = √((x3 − x2)² + (y3 − y2)²) = √((0 − 0)² + (0 − 1999998)²) = √(0 + 3999992000004) = "
       "√3999992000004 = 1999998 = 1999998,00"},
      {"a typed number as typed",
       Button::LineP1P2,
       {"1000000", "0", "2000000", "1000", "0", "0", "10"},
       "m = (y2 − y1)/(x2 − x1) = (1000 − 0)/(2000000 − 1000000) = 1000/1000000 = 1/1000 = 0,001 ≈ 0,00"},
      {"no division by a slope written as 0",
       Button::LineP1P2,
       {"1000000", "0", "2000000", "1000", "0", "0", "10"},
       "m' = −1/m = −(x2 − x1)/(y2 − y1) = −(2000000 − 1000000)/(1000 − 0) = −1000000/1000 = −1000 = −1000,00"},
      {"q from exact numbers, not from the rounded slope",
       Button::LineP1P2,
       {"4680559", "4197513", "1000000", "0", "0", "0", "10"},
       "q = y1 − m·x1 = 4197513 − (1399171/1226853)·4680559 = −4197513000000/3680559 = −1399171000000/1226853 ≈ "
       "−1140455,29"},
      {"typed digits kept",
       Button::LineP1P3,
       {"0.049999999999999998", "0", "9", "9", "1", "2", "10"},
       "m = (y3 − y1)/(x3 − x1) = (2 − 0)/(1 − 0,049999999999999998) = 2/0,950000000000000002 ≈ 2,11"},
      {"a power of ten typed, bracketed as a factor",
       Button::LineP1P2,
       {"1e-4", "1", "1", "3", "0", "0", "10"},
       "q = y1 − m·x1 = 1 − (2/0,9999)·(1·10^−4) = 0,9997/0,9999 ≈ 1,00"},
      {"decimals kept as typed",
       Button::LineP1P2,
       {"2.50", "1", "3", "2", "0", "0", "10"},
       "m = (y2 − y1)/(x2 − x1) = (2 − 1)/(3 − 2,50) = 2 = 2,00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    const std::vector<std::string> lines = WorkingLines(c.button, c.boxes);
    EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << "missing: " << c.line;
  }
}

}  // namespace
}  // namespace pr::working
