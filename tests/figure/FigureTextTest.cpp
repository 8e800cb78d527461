#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "core/figure/FigureText.h"

namespace pr::figure {
namespace {

using Shown = std::map<std::pair<std::string, int>, std::string>;

// The captions every window starts with.
Shown FreshWindow() {
  return {{{"Label16", -1}, "Distanze tra i punti"},
          {{"Label12", -1}, "P1-P2"},
          {{"Label14", -1}, "P1-P3"},
          {{"Label15", -1}, "P2-P3"},
          {{"Label18", -1}, "Area triang."}};
}

Shown With(Shown shown, const Shown& more) {
  for (const auto& [key, text] : more) shown[key] = text;
  return shown;
}

struct Case {
  const char* what;
  Shown shown;
  const char* decimalMark;
  const char* working;  // the last command's working, "" before any
  const char* expected;
};

TEST(FigureTextTest, SaysWhatTheBoxesAndLabelsShow) {
  const Case cases[] = {
      {"nothing typed, nothing run", FreshWindow(), ",", "",
       "P1 (x1; y1) = (0; 0)   (scritti \"\"; \"\")\n"
       "P2 (x2; y2) = (0; 0)   (scritti \"\"; \"\")\n"
       "P3 (x3; y3) = (0; 0)   (scritti \"\"; \"\")\n"
       "Fondo scala = 0   (scritto \"\")\n"},
      {"boxes read as the commands read them, results in the labels' words",
       With(FreshWindow(), {{{"Text1", 0}, "2,5"},
                            {{"Text2", 0}, " 1.5 cm"},
                            {{"Text1", 1}, "-3"},
                            {{"Text2", 1}, "1e999"},
                            {{"Text4", -1}, "10"},
                            {{"Label3", -1}, " 5,00"},
                            {{"Label5", -1}, " 4,12"},
                            {{"Label17", -1}, " 0,00"},
                            {{"Label19", -1}, " Retta su P1-P2      Y = 0 X + 1,00"}}),
       ",", "",
       "P1 (x1; y1) = (2; 1,5)   (scritti \"2,5\"; \" 1.5 cm\")\n"
       "P2 (x2; y2) = (-3; illeggibile (Overflow))   (scritti \"-3\"; \"1e999\")\n"
       "P3 (x3; y3) = (0; 0)   (scritti \"\"; \"\")\n"
       "Fondo scala = 10   (scritto \"10\")\n"
       "Distanze tra i punti:\n"
       "P1-P2 = 5,00\n"
       "P2-P3 = 4,12\n"
       "Area triang. = 0,00\n"
       "Retta su P1-P2      Y = 0 X + 1,00\n"},
      {"the working after the results, under its heading",
       With(FreshWindow(), {{{"Text4", -1}, "10"}, {{"Label19", -1}, " Retta su P1-P2      Y = 0 X + 1,00"}}),
       ",", "Retta per P1-P2\nm = 0\n",
       "P1 (x1; y1) = (0; 0)   (scritti \"\"; \"\")\n"
       "P2 (x2; y2) = (0; 0)   (scritti \"\"; \"\")\n"
       "P3 (x3; y3) = (0; 0)   (scritti \"\"; \"\")\n"
       "Fondo scala = 10   (scritto \"10\")\n"
       "Retta su P1-P2      Y = 0 X + 1,00\n"
       "Procedimento\n"
       "Retta per P1-P2\n"
       "m = 0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ShownText shown = [&](std::string_view name, int index) {
      const auto it = c.shown.find({std::string(name), index});
      return it == c.shown.end() ? std::string() : it->second;
    };
    EXPECT_EQ(FigureText(shown, c.decimalMark, c.working), c.expected);
  }
}

}  // namespace
}  // namespace pr::figure
