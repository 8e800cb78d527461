#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "CommandHarness.h"
#include "geometry/Commands.h"
#include "geometry/LineCommand.h"

namespace pr {
namespace {

using Op = test::RecordingSurface::Op;
using test::CommandHarness;

using Click = std::unique_ptr<CommandResult> (*)(Form&);

struct LineCommandRow {
  Button button;
  Click click;
  ResultLabel equationLabel;
  Colour dotColour;
};

const LineCommandRow kCommand2{Button::LineP1P2, Command2_Click, ResultLabel::EquationP1P2, 0x000000};
const LineCommandRow kCommand3{Button::LineP1P3, Command3_Click, ResultLabel::EquationP1P3, 0xFFFFFF};
const LineCommandRow kCommand4{Button::LineP2P3, Command4_Click, ResultLabel::EquationP2P3, 0x00FFFF};

constexpr ResultLabel kEquationLabels[] = {ResultLabel::EquationP1P2, ResultLabel::EquationP1P3,
                                           ResultLabel::EquationP2P3};

TEST(LineCommands, WorkedExamplesAtFullScale10) {
  struct Case {
    LineCommandRow command;
    std::vector<std::string> boxes;  // x1 y1 x2 y2 x3 y3 fs
    const char* mark;
    std::string equation;
  };
  const std::vector<Case> cases = {
      {kCommand2, {"0", "1", "1", "3", "7", "7", "10"}, ".", " Retta su P1-P2      Y = + 2.00 X + 1.00"},
      {kCommand3, {"0", "0", "7", "7", "2", "1", "10"}, ".", " Retta su P1-P3      Y = + 0.50 X 0"},
      {kCommand4, {"7", "7", "-1", "4", "3", "4", "10"}, ".", " Retta su P2-P3      Y = 0 X + 4.00"},
      {kCommand4, {"7", "7", "0", "5", "2", "-2", "10"}, ".", " Retta su P2-P3      Y = - 3.50 X + 5.00"},
      {kCommand2, {"0", "0", "1", "1", "0", "0", "10"}, ".", " Retta su P1-P2      Y = + 1.00 X 0"},
      {kCommand2, {"2", "0", "4", "2", "0", "0", "10"}, ".", " Retta su P1-P2      Y = + 1.00 X - 2.00"},
      {kCommand4, {"0", "0", "0", "0", "1000", "1", "10"}, ".", " Retta su P2-P3      Y = + 0.00 X 0"},
      {kCommand3, {"0", "0", "0", "0", "1", "-1234.567", "1"}, ".", " Retta su P1-P3      Y = - 1234.57 X 0"},
      {kCommand3, {"1", "1", "0", "0", "2", "3", "1"}, ".", " Retta su P1-P3      Y = + 2.00 X - 1.00"},
      {kCommand2, {"0", "1", "1", "3", "7", "7", "10"}, ",", " Retta su P1-P2      Y = + 2,00 X + 1,00"},
      {kCommand4, {"7", "7", "0", "5", "2", "-2", "10"}, ",", " Retta su P2-P3      Y = - 3,50 X + 5,00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    CommandHarness h(c.mark);
    h.form.TypeAll(c.boxes);
    c.command.click(h.form);
    EXPECT_EQ(h.form.Caption(c.command.equationLabel), c.equation);
    EXPECT_EQ(h.form.CaptionWrites().back().first, c.command.equationLabel);
  }
}

// A negative full scale runs no step: m and q stay unset and read as empty
// texts, except Command3's intercept, which is "0" for an unset q too.
TEST(LineCommands, NegativeFullScaleWritesTheEmptyCoefficients) {
  struct Case {
    LineCommandRow command;
    std::string equation;
  };
  for (const Case& c :
       {Case{kCommand2, " Retta su P1-P2      Y =  X "}, Case{kCommand3, " Retta su P1-P3      Y =  X 0"},
        Case{kCommand4, " Retta su P2-P3      Y =  X "}}) {
    CommandHarness h;
    // Horizontal and vertical pairs alike: no step, so no test on them.
    h.form.Type("1", "1", "3", "1", "1", "5", "-10");
    c.command.click(h.form);
    EXPECT_EQ(h.form.Caption(c.command.equationLabel), c.equation);
    EXPECT_TRUE(h.SweepDots().empty());
    // Mirrored markers: P1 (1; 1) where (-1; -1) lands at full scale 10.
    const auto circles = h.CallsOf(Op::Circle);
    ASSERT_EQ(circles.size(), 90u);
    EXPECT_EQ(circles[0].x1, 2880.0f);
    EXPECT_EQ(circles[0].y1, 3520.0f);
  }
}

// Which labels each command empties, and whether before or after Cls.
TEST(LineCommands, ClearTheOtherEquationLabelsInTheirOwnOrder) {
  struct Case {
    LineCommandRow command;
    std::vector<ResultLabel> cleared;
    std::size_t captionWritesBeforeCls;
  };
  for (const Case& c : {Case{kCommand2, {ResultLabel::EquationP1P3, ResultLabel::EquationP2P3}, 0},
                        Case{kCommand3, {ResultLabel::EquationP1P2, ResultLabel::EquationP2P3}, 2},
                        Case{kCommand4, {ResultLabel::EquationP1P2, ResultLabel::EquationP1P3}, 2}}) {
    SCOPED_TRACE(ControlOf(c.command.button).name);
    CommandHarness h;
    for (ResultLabel label : kEquationLabels) h.form.SetCaption(label, "old");
    h.form.ForgetHistory();
    h.form.Type("0", "1", "1", "3", "2", "7", "10");
    c.command.click(h.form);

    const auto& writes = h.form.CaptionWrites();
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0], std::make_pair(c.cleared[0], std::string()));
    EXPECT_EQ(writes[1], std::make_pair(c.cleared[1], std::string()));
    EXPECT_EQ(writes[2].first, c.command.equationLabel);
    EXPECT_EQ(h.surface.CaptionWritesAtCls(), std::vector<std::size_t>{c.captionWritesBeforeCls});
  }
}

// Ended quietly: the command's own label keeps its text, the other two are
// emptied all the same.
TEST(LineCommands, VerticalPairAndZeroFullScaleKeepTheEquationLabel) {
  struct Case {
    LineCommandRow command;
    std::vector<std::string> boxes;
    std::size_t circles;
  };
  const std::vector<Case> cases = {
      {kCommand2, {"2", "0", "2", "5", "0", "0", "10"}, 90}, {kCommand3, {"2", "0", "0", "0", "2", "5", "10"}, 90},
      {kCommand4, {"0", "0", "3", "3", "3", "3", "10"}, 90},  // P2 = P3
      {kCommand2, {"0", "1", "1", "3", "0", "0", "0"}, 0},   {kCommand3, {"0", "1", "1", "3", "2", "2", "abc"}, 0},
      {kCommand4, {"0", "1", "1", "3", "2", "2", ""}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ControlOf(c.command.button).name);
    CommandHarness h;
    for (ResultLabel label : kEquationLabels) h.form.SetCaption(label, "old");
    h.form.TypeAll(c.boxes);
    EXPECT_NO_THROW(c.command.click(h.form));
    for (ResultLabel label : kEquationLabels) {
      const bool own = label == c.command.equationLabel;
      EXPECT_EQ(h.form.Caption(label), own ? "old" : "") << ControlOf(label).name;
    }
    EXPECT_EQ(h.CallsOf(Op::Circle).size(), c.circles);
    EXPECT_EQ(h.Calls().back().op, c.circles == 0 ? Op::PSet : Op::Circle);
  }
}

// x runs from -fs by accumulated steps of 0.01; the rounding of the running
// sum decides whether the value nearest fs is still in.
TEST(LineSweep, OneDotPerStepCountedByFullScale) {
  struct Case {
    const char* fullScale;
    std::size_t steps;
  };
  for (const Case& c :
       {Case{"1", 200}, Case{"3", 601}, Case{"10", 2001}, Case{"20", 4000}, Case{"100", 20000}, Case{"0.1", 21}}) {
    CommandHarness h;
    h.form.Type("0", "0", "0", "0", "1", "0", c.fullScale);  // y = 0: inside the plot all along
    Command4_Click(h.form);
    const auto dots = h.SweepDots();
    EXPECT_EQ(dots.size(), c.steps) << "full scale " << c.fullScale;
    EXPECT_TRUE(std::all_of(dots.begin(), dots.end(), [](const auto& d) { return d.colour == 0x00FFFFu; }));
  }
}

TEST(LineSweep, SetsNoDotBelowThePlotAndKeepsThoseAbove) {
  CommandHarness h;
  h.form.Type("0", "1", "1", "3", "7", "7", "10");
  Command2_Click(h.form);  // y = 2x + 1, below the plot for x < -5.5

  const auto all = h.SweepDots();
  std::vector<test::RecordingSurface::Call> dots;
  std::copy_if(all.begin(), all.end(), std::back_inserter(dots), [](const auto& d) { return d.colour == 0u; });
  // x runs from -10; the line's first dot is where it enters through the
  // bottom edge, none lies on or below that edge before it.
  ASSERT_FALSE(dots.empty());
  EXPECT_NEAR(*dots.front().x1, 3200.0 - 5.5 * 320.0, 320 * 0.011);
  EXPECT_TRUE(std::all_of(dots.begin(), dots.end(), [](const auto& d) { return *d.y1 < 6400.0f; }));
  // Above the plot (x > 4.5) the dots leave the top, with nothing holding them back.
  EXPECT_LT(*dots.back().y1, -3000.0f);
  EXPECT_NEAR(*dots.back().x1, 6400.0, 0.01);
}

TEST(LineSweep, Command3TracesWhiteOverWhatIsBelow) {
  CommandHarness h;
  h.form.Type("0", "0", "0", "0", "1", "0", "10");  // y = 0, along the x axis
  Command3_Click(h.form);
  const auto dots = h.SweepDots();
  ASSERT_EQ(dots.size(), 2001u);
  EXPECT_TRUE(
      std::all_of(dots.begin(), dots.end(), [](const auto& d) { return d.colour == 0xFFFFFFu && d.y1 == 3200.0f; }));
  // The markers come before the line, so the line covers them.
  EXPECT_EQ(h.Calls().back().op, Op::PSet);
}

}  // namespace
}  // namespace pr
