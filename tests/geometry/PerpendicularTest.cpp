#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CommandHarness.h"
#include "core/numbers/RuntimeError.h"
#include "geometry/Commands.h"

namespace pr {
namespace {

using Op = test::RecordingSurface::Op;
using Call = test::RecordingSurface::Call;
using test::CommandHarness;

using Click = std::unique_ptr<CommandResult> (*)(Form&);

constexpr Colour kBlack = 0x000000;
constexpr Colour kRed = 0x0000FF;

struct Dots {
  std::vector<Call> line;
  std::vector<Call> perpendicular;
};

// Splits Command2's sweep into its black and red dots, checking that in
// each step the red dot comes right after the black one; a step whose
// black dot lies below the plot sets the red one alone.
Dots SplitCommand2Sweep(const CommandHarness& h) {
  Dots dots;
  const std::vector<Call> sweep = h.SweepDots();
  for (std::size_t i = 0; i < sweep.size(); ++i) {
    if (sweep[i].colour == kBlack) {
      EXPECT_TRUE(i + 1 < sweep.size() && sweep[i + 1].colour == kRed) << "dot " << i;
      dots.line.push_back(sweep[i]);
    } else {
      EXPECT_EQ(sweep[i].colour, kRed) << "dot " << i;
      dots.perpendicular.push_back(sweep[i]);
    }
  }
  return dots;
}

ErrorCode ErrorOf(Click click, Form& form) {
  try {
    click(form);
  } catch (const RuntimeError& e) {
    return e.Code();
  }
  ADD_FAILURE() << "no run-time error";
  return ErrorCode::InvalidCall;
}

TEST(Perpendicular, ThroughTheInterceptRedAfterBlackInEachStep) {
  struct Case {
    std::vector<std::string> boxes;
    float firstRedY;  // at x = -10
    float lastRedY;   // near x = 10
    std::string equation;
  };
  const std::vector<Case> cases = {
      // y = 2x + 1 and y = -0.5x + 1: (-10; 6), (10; -4).
      {{"0", "1", "1", "3", "0", "0", "10"}, 1280, 4480, " Retta su P1-P2      Y = + 2.00 X + 1.00"},
      // y = x + 2 and y = -x + 2 cross at (0; 2), not at P1 or P2: (-10; 12), (10; -8).
      {{"2", "4", "4", "6", "0", "0", "10"}, -640, 5760, " Retta su P1-P2      Y = + 1.00 X + 2.00"},
      // y = x and y = -x, corner to corner.
      {{"0", "0", "1", "1", "0", "0", "10"}, 0, 6400, " Retta su P1-P2      Y = + 1.00 X 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    CommandHarness h;
    h.form.TypeAll(c.boxes);
    Command2_Click(h.form);

    const Dots dots = SplitCommand2Sweep(h);
    ASSERT_EQ(dots.perpendicular.size(), 2001u);
    EXPECT_EQ(dots.perpendicular.front().x1, 0.0f);
    EXPECT_EQ(dots.perpendicular.front().y1, c.firstRedY);
    EXPECT_NEAR(*dots.perpendicular.back().y1, c.lastRedY, 0.01);
    EXPECT_EQ(h.form.Caption(ResultLabel::EquationP1P2), c.equation);
  }
}

// The old program divided by a zero slope here and drew no line. The line
// is traced as any other and its perpendicular is the y axis, the sweep
// value as ordinate.
TEST(Perpendicular, OfAHorizontalLineIsTheYAxis) {
  struct Case {
    std::vector<std::string> boxes;
    float lineY;
    std::string equation;
  };
  const std::vector<Case> cases = {
      {{"1", "1", "3", "1", "0", "0", "10"}, 2880, " Retta su P1-P2      Y = 0 X + 1.00"},
      // Level as typed, though 0.3 is not quite 0.3 in binary.
      {{"0.1", "0.3", "0.7", "0.3", "0", "0", "10"}, 3104, " Retta su P1-P2      Y = 0 X + 0.30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.equation);
    CommandHarness h;
    h.form.TypeAll(c.boxes);
    EXPECT_NO_THROW(Command2_Click(h.form));

    const Dots dots = SplitCommand2Sweep(h);
    ASSERT_EQ(dots.line.size(), 2001u);
    for (std::size_t i = 0; i < dots.line.size(); ++i) {
      EXPECT_EQ(dots.line[i].y1, c.lineY);
      // Same step, same sweep value: the red dot's height is the black dot's x.
      EXPECT_EQ(dots.perpendicular[i].x1, 3200.0f);
      EXPECT_NEAR(*dots.perpendicular[i].y1, 6400.0f - *dots.line[i].x1, 0.001);
    }
    EXPECT_EQ(dots.perpendicular.front().y1, 6400.0f);
    EXPECT_EQ(h.form.Caption(ResultLabel::EquationP1P2), c.equation);
  }
}

TEST(Perpendicular, NegativeFullScaleNeedsNoSlope) {
  CommandHarness h;
  h.form.Type("1", "1", "3", "1", "0", "0", "-10");
  EXPECT_NO_THROW(Command2_Click(h.form));
  EXPECT_EQ(h.form.Caption(ResultLabel::EquationP1P2), " Retta su P1-P2      Y =  X ");
}

// An overflow is the run-time error at the step where it happens: the
// markers and the dots of earlier steps stay, and no equation is written.
TEST(Perpendicular, OverflowingArithmeticRaisesAtItsStep) {
  struct Case {
    const char* name;
    std::vector<std::string> boxes;
    bool someStepsDrawn;
  };
  const std::vector<Case> cases = {
      {"slope of a nearly vertical huge pair", {"0", "-1e300", "1e-300", "1e300", "0", "0", "10"}, false},
      {"perpendicular of a subnormal slope", {"0", "0", "1", "1e-310", "0", "0", "10"}, false},
      // A slope of 1e-600 rounds to 0, but it is not 0: -1/m is -1e600.
      {"perpendicular of a slope below every double", {"0", "0", "1e300", "1e-300", "0", "0", "10"}, false},
      // y = 1.5e307 x + 1e308 leaves the doubles past x = 5.3.
      {"ordinate late in the sweep", {"0", "1e308", "1", "1.15e308", "0", "0", "10"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CommandHarness h;
    h.form.SetCaption(ResultLabel::EquationP1P2, "old");
    h.form.TypeAll(c.boxes);

    EXPECT_EQ(ErrorOf(Command2_Click, h.form), ErrorCode::Overflow);
    EXPECT_EQ(h.CallsOf(Op::Circle).size(), 90u);
    const Dots dots = SplitCommand2Sweep(h);
    EXPECT_EQ(!dots.line.empty(), c.someStepsDrawn);
    EXPECT_LT(dots.line.size(), 2001u);
    EXPECT_EQ(h.form.Caption(ResultLabel::EquationP1P2), "old");
  }
}

}  // namespace
}  // namespace pr
