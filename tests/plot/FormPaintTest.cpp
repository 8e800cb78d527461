#include <gtest/gtest.h>

#include "plot/DrawPlotBackground.h"
#include "plot/FormPaint.h"
#include "support/FakeForm.h"
#include "support/RecordingSurface.h"

namespace pr {
namespace {

TEST(FormPaint, DrawsThePlotBackgroundAndNothingElse) {
  test::RecordingSurface painted;
  test::FakeForm form(painted);
  form.Type("1", "2", "3", "4", "5", "6", "10");
  Form_Paint(form);

  test::RecordingSurface background;
  DrawPlotBackground(background);
  ASSERT_EQ(painted.Calls().size(), background.Calls().size());
  for (std::size_t i = 0; i < painted.Calls().size(); ++i) {
    const auto& a = painted.Calls()[i];
    const auto& b = background.Calls()[i];
    ASSERT_TRUE(a.op == b.op && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour)
        << "call " << i;
  }
  EXPECT_TRUE(form.Reads().empty());  // no input read
  EXPECT_TRUE(form.CaptionWrites().empty());
}

}  // namespace
}  // namespace pr
