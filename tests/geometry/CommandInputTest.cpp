#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/numbers/RuntimeError.h"
#include "geometry/CommandInput.h"
#include "geometry/Commands.h"
#include "plot/DrawPlotBackground.h"
#include "support/FakeForm.h"
#include "support/RecordingSurface.h"

namespace pr {
namespace {

using test::FakeForm;

TEST(ReadCommandInput, ReadsTheSevenBoxesInTheirOrder) {
  test::RecordingSurface surface;
  FakeForm form(surface);
  form.Type("1", "2", "3", "4", "5", "6", "7");

  const CommandInput input = ReadCommandInput(form);

  EXPECT_EQ(form.Reads(), std::vector<InputBox>(kInputBoxes.begin(), kInputBoxes.end()));
  EXPECT_EQ(input.p1, (Point{1, 2}));
  EXPECT_EQ(input.p2, (Point{3, 4}));
  EXPECT_EQ(input.p3, (Point{5, 6}));
  EXPECT_EQ(input.fullScale, 7);
}

TEST(ReadCommandInput, ReadsEachBoxAsItsLeadingNumber) {
  test::RecordingSurface surface;
  FakeForm form(surface);
  form.Type("", "3", "12 cm", "2,5", "-3", "1e3", "10,5");

  const CommandInput input = ReadCommandInput(form);

  EXPECT_EQ(input.p1, (Point{0, 3}));
  EXPECT_EQ(input.p2, (Point{12, 2}));
  EXPECT_EQ(input.p3, (Point{-3, 1000}));
  EXPECT_EQ(input.fullScale, 10);
}

TEST(ReadCommandInput, ANumberBeyondDoubleIsTheOverflowError) {
  test::RecordingSurface surface;
  FakeForm form(surface);
  form.Type("0", "0", "1e999", "0", "0", "0", "10");
  try {
    ReadCommandInput(form);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Code(), ErrorCode::Overflow);
  }
}

// Every command clears, redraws the background and reads before the guard:
// with a zero full scale the surface holds exactly one background.
TEST(FullScaleGuard, EveryCommandStopsAfterTheBackground) {
  test::RecordingSurface background;
  background.Cls();
  DrawPlotBackground(background);

  for (auto command : {Command1_Click, Command2_Click, Command3_Click, Command4_Click}) {
    for (const char* fullScale : {"0", "0.0", "abc", ""}) {
      test::RecordingSurface surface;
      FakeForm form(surface);
      form.Type("1", "1", "2", "3", "4", "5", fullScale);
      command(form);
      EXPECT_EQ(surface.Calls().size(), background.Calls().size()) << "full scale '" << fullScale << "'";
      EXPECT_EQ(surface.Count(test::RecordingSurface::Op::Circle), 0u);
      EXPECT_EQ(form.Reads().size(), 7u);
    }
  }
}

}  // namespace
}  // namespace pr
