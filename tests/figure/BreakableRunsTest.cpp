#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/figure/BreakableRuns.h"

namespace pr::figure {
namespace {

struct Row {
  std::string line;
  std::vector<std::string> runs;
};

std::vector<std::string> Runs(const std::string& line) {
  const std::vector<std::string_view> views = BreakableRuns(line);
  return {views.begin(), views.end()};
}

TEST(BreakableRuns, BreaksBetweenTermsNeverInsideOne) {
  const std::vector<Row> rows = {
      {"", {}},
      {"√5", {"√5"}},
      // A root's radicand stays whole: "√(1 +" then "4)" was the fault.
      {"d(P1, P2) = √((1 − 0)² + (3 − 1)²) = √(1 + 4) = √5 ≈ 2,24",
       {"d(P1, P2)", "= √((1 − 0)² + (3 − 1)²)", "= √(1 + 4)", "= √5", "≈ 2,24"}},
      {"½·|0 − 8 + 12| = ½·4", {"½·|0 − 8 + 12|", "= ½·4"}},
      {"y = −(1/2)x + 3 − q", {"y", "= −(1/2)x", "+ 3", "− q"}},
      // A fraction or a product written with blanks is one term.
      {"√73 / 4 ≈ 2,14", {"√73 / 4", "≈ 2,14"}},
      {"2,00 · 3 = 6", {"2,00 · 3", "= 6"}},
      {"Y = + 0,33 X + 1,67", {"Y", "= + 0,33", "X", "+ 1,67"}},
      // Quotations and brackets of every kind, in prose too.
      {"mostra \"Y =  X \".", {"mostra", "\"Y =  X \"."}},
      {"letto 2 (i decimali: 2.5) [a b] {c d}", {"letto", "2", "(i decimali: 2.5)", "[a b]", "{c d}"}},
      // A stray closing bracket changes nothing; an unclosed one holds the rest.
      {"a) b (c d", {"a)", "b", "(c d"}},
      {"a  b ", {"a  b "}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Runs(row.line), row.runs) << row.line;
    std::string joined;
    for (const std::string& run : row.runs) joined += (joined.empty() ? "" : " ") + run;
    EXPECT_EQ(joined, row.line) << "the runs leave out or add text";
  }
}

}  // namespace
}  // namespace pr::figure
