#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/figure/FigureText.h"
#include "core/form/LastPress.h"
#include "core/numbers/RuntimeError.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "support/FakeForm.h"
#include "support/RecordingSurface.h"

namespace pr::figure {
namespace {

using test::FakeForm;

// A command's result whose working is given.
class GivenWorking final : public CommandResult {
 public:
  explicit GivenWorking(working::Working working) : working_(std::move(working)) {}
  working::Working Working() const override { return working_; }

 private:
  working::Working working_;
};

// A command as the handout sees one: it reads the first `reads` boxes, then
// writes its captions, or stops with Overflow when it read fewer than seven.
struct Press {
  std::vector<std::string> boxes;  // what is typed before the press
  std::size_t reads;
  std::vector<std::pair<ResultLabel, std::string>> captions;
  working::Working working{};
};

Command CommandPressing(const Press& press) {
  return {Button::Points, "I punti e le distanze", [&press](Form& f) -> std::unique_ptr<CommandResult> {
            for (std::size_t i = 0; i < press.reads; ++i) f.Text(kInputBoxes[i]);
            if (press.reads < 7) throw RuntimeError(ErrorCode::Overflow);
            for (const auto& [label, caption] : press.captions) f.SetCaption(label, caption);
            return std::make_unique<GivenWorking>(press.working);
          }};
}

struct Case {
  const char* what;
  std::vector<Press> presses;
  const char* decimalMark;
  const char* expected;
};

std::string HandoutAfter(const std::vector<Press>& presses, const char* decimalMark) {
  test::RecordingSurface surface;
  FakeForm form(surface, decimalMark);
  LastPress last;
  std::vector<Command> commands;  // the last press keeps its command
  commands.reserve(presses.size());
  for (const Press& press : presses) {
    for (std::size_t i = 0; i < press.boxes.size(); ++i) form.SetText(kInputBoxes[i], press.boxes[i]);
    last.Press(commands.emplace_back(CommandPressing(press)), form);
  }
  return FigureText(last, decimalMark);
}

const std::vector<std::string> kOldPoints = {"0", "1", "1", "3", "-6", "-7", "10"};
const std::vector<std::string> kNewPoints = {"-4", "-3", "4", "3", "4", "-3", "5"};

TEST(FigureTextTest, SaysWhatTheLastCommandReadAndWhatItsInputsGave) {
  const Case cases[] = {
      {"nothing run yet", {}, ",", "Nessun comando ha ancora disegnato una figura.\n"},
      {"boxes as read and as typed, results in the labels' words",
       {{{"2,5", " 1.5 cm", "-3", "1e999", "", "", "10"},
         7,
         {{ResultLabel::DistanceP1P2, " 5,00"},
          {ResultLabel::DistanceP1P3, ""},
          {ResultLabel::DistanceP2P3, " 4,12"},
          {ResultLabel::Area, " 0,00"},
          {ResultLabel::EquationP1P2, " Retta su P1-P2      Y = 0 X + 1,00"}}}},
       ",",
       "P1 (x1; y1) = (2; 1,5)   (scritti \"2,5\"; \" 1.5 cm\")\n"
       "P2 (x2; y2) = (-3; illeggibile (Overflow))   (scritti \"-3\"; \"1e999\")\n"
       "P3 (x3; y3) = (0; 0)   (scritti \"\"; \"\")\n"
       "Fondo scala = 10   (scritto \"10\")\n"
       "Distanze tra i punti:\n"
       "P1-P2 = 5,00\n"
       "P2-P3 = 4,12\n"
       "Area triang. = 0,00\n"
       "Retta su P1-P2      Y = 0 X + 1,00\n"},
      {"a result of other inputs is left out",
       {{kOldPoints, 7, {{ResultLabel::EquationP1P2, " Retta su P1-P2      Y = + 2.00 X + 1.00"}}},
        {kNewPoints, 7, {{ResultLabel::Area, " 24.00"}}}},
       ".",
       "P1 (x1; y1) = (-4; -3)   (scritti \"-4\"; \"-3\")\n"
       "P2 (x2; y2) = (4; 3)   (scritti \"4\"; \"3\")\n"
       "P3 (x3; y3) = (4; -3)   (scritti \"4\"; \"-3\")\n"
       "Fondo scala = 5   (scritto \"5\")\n"
       "Area triang. = 24.00\n"},
      {"a result of the same inputs stays, whichever command wrote it",
       {{kOldPoints, 7, {{ResultLabel::EquationP1P2, " Retta su P1-P2      Y = + 2.00 X + 1.00"}}},
        {kOldPoints, 7, {{ResultLabel::Area, " 27.00"}}}},
       ".",
       "P1 (x1; y1) = (0; 1)   (scritti \"0\"; \"1\")\n"
       "P2 (x2; y2) = (1; 3)   (scritti \"1\"; \"3\")\n"
       "P3 (x3; y3) = (-6; -7)   (scritti \"-6\"; \"-7\")\n"
       "Fondo scala = 10   (scritto \"10\")\n"
       "Area triang. = 27.00\n"
       "Retta su P1-P2      Y = + 2.00 X + 1.00\n"},
      {"a box the command never reached",
       {{kOldPoints, 7, {{ResultLabel::Area, " 27.00"}}}, {{"1", "1e999"}, 2, {}}},
       ".",
       "P1 (x1; y1) = (1; illeggibile (Overflow))   (scritti \"1\"; \"1e999\")\n"
       "P2 (x2; y2) = (non letto; non letto)   (scritti non letto; non letto)\n"
       "P3 (x3; y3) = (non letto; non letto)   (scritti non letto; non letto)\n"
       "Fondo scala = non letto   (scritto non letto)\n"
       "Procedimento\n"
       "I punti e le distanze\n"
       "Errore di run-time '6' (Overflow): il comando si è fermato a quel passo. La figura mostra ciò che aveva "
       "disegnato prima e le etichette che non aveva ancora scritto restano come prima.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(HandoutAfter(c.presses, c.decimalMark), c.expected);
  }
}

// As a student meets it: the line through the old points, then the triangle
// of new ones; the handout must hold the new area and no stale equation.
TEST(FigureTextTest, AfterTheTriangleOfNewPointsNoEquationOfTheOldOnes) {
  RasterSurface surface(974, 576, 15.0, 0xC0C0C0);
  FakeForm form(surface, ",");
  LastPress last;
  form.Type("0", "1", "1", "3", "-6", "-7", "10");
  last.Press(CommandOf(Button::LineP1P2), form);
  ASSERT_NE(form.Caption(ResultLabel::EquationP1P2), "");
  form.Type("-4", "-3", "4", "3", "4", "-3", "5");
  last.Press(CommandOf(Button::Points), form);

  const std::string text = FigureText(last, ",");
  EXPECT_NE(text.find("P1 (x1; y1) = (-4; -3)"), std::string::npos) << text;
  EXPECT_NE(text.find("Area triang. = " + form.Caption(ResultLabel::Area).substr(1)), std::string::npos) << text;
  EXPECT_EQ(text.find("Retta"), std::string::npos) << text;
  EXPECT_EQ(form.Caption(ResultLabel::EquationP1P2).find("Retta su P1-P2"), 1u)
      << "the label itself keeps its text on screen";
}

// The working comes after the results, under its own heading, and only
// once a command has run.
TEST(FigureTextTest, TheWorkingFollowsTheResultsUnderItsHeading) {
  const Press press{kOldPoints,
                    7,
                    {{ResultLabel::EquationP1P2, " Retta su P1-P2      Y = 0 X + 1,00"}},
                    {{working::Heading{"Retta per P1-P2"}, working::Sentence{"m = 0"}}}};
  const std::string text = HandoutAfter({press}, ",");
  EXPECT_TRUE(text.ends_with("Retta su P1-P2      Y = 0 X + 1,00\nProcedimento\nRetta per P1-P2\nm = 0\n")) << text;
}

}  // namespace
}  // namespace pr::figure
