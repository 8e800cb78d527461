#include <gtest/gtest.h>

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

constexpr Colour kRed = 255;
constexpr Colour kBlue = 16711680;
constexpr Colour kGreen = 65280;

struct Expected {
  const char* d12;
  const char* d13;
  const char* d23;
  const char* area;
};

void ExpectResults(const test::FakeForm& form, const Expected& e) {
  EXPECT_EQ(form.Caption(ResultLabel::DistanceP1P2), e.d12);
  EXPECT_EQ(form.Caption(ResultLabel::DistanceP1P3), e.d13);
  EXPECT_EQ(form.Caption(ResultLabel::DistanceP2P3), e.d23);
  EXPECT_EQ(form.Caption(ResultLabel::Area), e.area);
}

TEST(Command1, WritesDistancesAndAreaAsEachIsKnown) {
  struct Case {
    const char* name;
    std::vector<std::string> boxes;  // x1 y1 x2 y2 x3 y3 fs
    Expected shown;
  };
  const std::vector<Case> cases = {
      {"3-4-5 triangle", {"0", "0", "3", "0", "0", "4", "10"}, {" 3.00", " 4.00", " 5.00", " 6.00"}},
      {"same at full scale 5", {"0", "0", "3", "0", "0", "4", "5"}, {" 3.00", " 4.00", " 5.00", " 6.00"}},
      {"mirrored full scale", {"0", "0", "3", "0", "0", "4", "-10"}, {" 3.00", " 4.00", " 5.00", " 6.00"}},
      {"three equal points", {"2", "2", "2", "2", "2", "2", "10"}, {" 0.00", " 0.00", " 0.00", " 0.00"}},
      {"collinear", {"0", "0", "1", "1", "2", "2", "10"}, {" 1.41", " 2.83", " 1.41", " 0.00"}},
      {"rounded half up, no grouping",
       {"0", "0", "1234.567", "0", "0", "1", "10"},
       {" 1234.57", " 1.00", " 1234.57", " 617.28"}},
      {"point far outside the plot", {"0", "0", "300", "400", "0", "0", "1"}, {" 500.00", " 0.00", " 500.00", " 0.00"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CommandHarness h;
    h.form.TypeAll(c.boxes);
    Command1_Click(h.form);
    ExpectResults(h.form, c.shown);
  }
}

TEST(Command1, LabelsAreWrittenInOrderAfterClearingLabel11FirstOfAll) {
  CommandHarness h;
  h.form.Type("0", "0", "3", "0", "0", "4", "10");
  Command1_Click(h.form);

  const std::vector<std::pair<ResultLabel, std::string>> expected = {{ResultLabel::Spare, ""},
                                                                     {ResultLabel::DistanceP1P2, " 3.00"},
                                                                     {ResultLabel::DistanceP1P3, " 4.00"},
                                                                     {ResultLabel::DistanceP2P3, " 5.00"},
                                                                     {ResultLabel::Area, " 6.00"}};
  EXPECT_EQ(h.form.CaptionWrites(), expected);
  // Label11 is emptied before the surface is cleared.
  EXPECT_EQ(h.surface.CaptionWritesAtCls(), std::vector<std::size_t>{1});
}

TEST(Command1, ItalianLocaleWritesTheDecimalComma) {
  CommandHarness h(",");
  h.form.Type("0", "0", "3", "0", "0", "4", "10");
  Command1_Click(h.form);
  ExpectResults(h.form, {" 3,00", " 4,00", " 5,00", " 6,00"});
}

TEST(Command1, MarkersAreInterleavedByRadiusAtTheMappedPlaces) {
  CommandHarness h;
  h.form.Type("0", "0", "3", "0", "0", "4", "10");
  Command1_Click(h.form);

  const Call markers[3] = {{.op = Op::Circle, .x1 = 3200, .y1 = 3200, .colour = kRed},
                           {.op = Op::Circle, .x1 = 4160, .y1 = 3200, .colour = kBlue},
                           {.op = Op::Circle, .x1 = 3200, .y1 = 1920, .colour = kGreen}};
  std::vector<Call> expected;
  for (int radius = 1; radius <= 30; ++radius) {
    for (Call marker : markers) {
      marker.radius = radius;
      expected.push_back(marker);
    }
  }
  EXPECT_EQ(h.CallsOf(Op::Circle), expected);
}

TEST(Command1, TriangleSidesRunP1P2ThenP1P3ThenP3P2InBlackAfterTheMarkers) {
  CommandHarness h;
  h.form.Type("0", "0", "3", "0", "0", "4", "5");
  Command1_Click(h.form);

  // The background's two axes come first, then the three sides.
  const auto lines = h.CallsOf(Op::Line);
  ASSERT_EQ(lines.size(), 5u);
  // Full scale 5: 640 twips to the unit, twice the size at full scale 10.
  const std::vector<Call> sides = {{.op = Op::Line, .x1 = 3200, .y1 = 3200, .x2 = 5120, .y2 = 3200},
                                   {.op = Op::Line, .x1 = 3200, .y1 = 3200, .x2 = 3200, .y2 = 640},
                                   {.op = Op::Line, .x1 = 3200, .y1 = 640, .x2 = 5120, .y2 = 3200}};
  EXPECT_EQ(std::vector<Call>(lines.begin() + 2, lines.end()), sides);
  EXPECT_EQ(h.Calls().back().op, Op::Line);
}

TEST(Command1, NegativeFullScaleMirrorsThroughTheOrigin) {
  CommandHarness h;
  h.form.Type("1", "1", "0", "0", "0", "0", "-5");
  Command1_Click(h.form);
  // Where (-1; -1) lands at full scale 5.
  const auto circles = h.CallsOf(Op::Circle);
  ASSERT_FALSE(circles.empty());
  EXPECT_EQ(circles[0].x1, 2560.0f);
  EXPECT_EQ(circles[0].y1, 3840.0f);
}

TEST(Command1, ZeroFullScaleKeepsTheLastResults) {
  CommandHarness h;
  h.form.Type("0", "0", "3", "0", "0", "4", "10");
  Command1_Click(h.form);
  h.form.SetCaption(ResultLabel::Spare, "old");
  h.form.Type("9", "9", "9", "9", "9", "9", "");
  Command1_Click(h.form);

  ExpectResults(h.form, {" 3.00", " 4.00", " 5.00", " 6.00"});
  EXPECT_EQ(h.form.Caption(ResultLabel::Spare), "");
  EXPECT_TRUE(h.CallsOf(Op::Circle).empty());
}

TEST(Command1, ADistanceBeyondTheLargestDoubleStopsBeforeItsLabel) {
  CommandHarness h;
  h.form.Type("0", "0", "0", "0", "1.5e308", "1.5e308", "10");
  try {
    Command1_Click(h.form);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Code(), ErrorCode::Overflow);
  }
  EXPECT_EQ(h.form.Caption(ResultLabel::DistanceP1P2), " 0.00");
  EXPECT_EQ(h.form.Caption(ResultLabel::DistanceP1P3), "");
  EXPECT_EQ(h.CallsOf(Op::Circle).size(), 90u);
}

}  // namespace
}  // namespace pr
