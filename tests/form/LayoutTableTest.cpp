// Checks the layout table against the facts a student sees on the window:
// nothing in the plot area, every control inside the layout's extent, one row
// per control, and the tab order of the focusable controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/form/ControlNames.h"
#include "core/form/FormLayout.h"

namespace pr::layout {
namespace {

constexpr int kPlotSide = 6400;

TEST(LayoutTable, EveryNameAndIndexIsUsedOnce) {
  std::set<std::pair<std::string, int>> seen;
  for (const ControlRow& row : Controls()) {
    EXPECT_TRUE(seen.emplace(std::string(row.name), row.index).second) << row.name << "(" << row.index << ")";
  }
  EXPECT_EQ(seen.size(), 42u);
}

TEST(LayoutTable, KindsAreCountedAsOnTheWindow) {
  const auto count = [](ControlKind kind) {
    return std::count_if(Controls().begin(), Controls().end(), [kind](const ControlRow& r) { return r.kind == kind; });
  };
  EXPECT_EQ(count(ControlKind::TextBox), 7);
  EXPECT_EQ(count(ControlKind::CommandButton), 4);
  EXPECT_EQ(count(ControlKind::Shape), 6);
  EXPECT_EQ(count(ControlKind::Label), 25);
}

TEST(LayoutTable, NoControlLiesInThePlotAreaAndAllFitTheExtent) {
  int right = 0;
  int bottom = 0;
  for (const ControlRow& row : Controls()) {
    SCOPED_TRACE(std::string(row.name) + "(" + std::to_string(row.index) + ")");
    const bool insidePlot = row.left < kPlotSide && row.top < kPlotSide;
    EXPECT_FALSE(insidePlot);
    right = std::max(right, row.left + row.width);
    bottom = std::max(bottom, row.top + row.height);
  }
  EXPECT_EQ(right, kLayoutWidth);
  EXPECT_EQ(bottom, kLayoutHeight);
}

TEST(LayoutTable, FocusableControlsFollowTheirTabIndices) {
  std::vector<const ControlRow*> focusable;
  for (const ControlRow& row : Controls()) {
    if (row.kind == ControlKind::TextBox || row.kind == ControlKind::CommandButton) focusable.push_back(&row);
  }
  // Not std::ranges: the browser build's library lacks it.
  std::sort(focusable.begin(), focusable.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
  std::vector<std::string> order;
  for (const ControlRow* row : focusable) order.push_back(ElementName(row->name, row->index));
  const ControlId expected[] = {
      ControlOf(Button::Points),   ControlOf(InputBox::FullScale), ControlOf(InputBox::X3),    ControlOf(InputBox::Y3),
      ControlOf(InputBox::Y2),     ControlOf(InputBox::X2),        ControlOf(InputBox::X1),    ControlOf(InputBox::Y1),
      ControlOf(Button::LineP2P3), ControlOf(Button::LineP1P3),    ControlOf(Button::LineP1P2)};
  std::vector<std::string> expectedOrder;
  for (const ControlId& control : expected) expectedOrder.push_back(ElementName(control.name, control.index));
  EXPECT_EQ(order, expectedOrder);
}

TEST(LayoutTable, TabIndicesAreDistinctAndShapesHaveNone) {
  std::set<int> indices;
  for (const ControlRow& row : Controls()) {
    if (row.kind == ControlKind::Shape) {
      EXPECT_EQ(row.tabIndex, kNoTabStop) << row.name;
    } else {
      EXPECT_TRUE(indices.insert(row.tabIndex).second) << row.name << " repeats tab index " << row.tabIndex;
    }
  }
  EXPECT_EQ(*indices.begin(), 0);
  EXPECT_EQ(*indices.rbegin(), 35);
}

TEST(LayoutTable, LegendMarkersOverlapBy15TwipsInEachRow) {
  for (int row = 0; row < 3; ++row) {
    const ControlRow* first = Find("Shape1", row);
    const ControlRow* second = Find("Shape2", row);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->top, second->top);
    EXPECT_EQ(first->left + first->width - second->left, 15);
  }
}

TEST(LayoutTable, EveryTextBoxHasAHeadingToBeSpokenBy) {
  for (const ControlRow& row : Controls()) {
    if (row.kind == ControlKind::TextBox) {
      EXPECT_FALSE(row.spoken.empty()) << row.name << "(" << row.index << ")";
    }
  }
}

// Each button, box and result label the code names is the control of that
// kind on the form, and names no other.
TEST(LayoutTable, TheNamedControlsAreOfTheirKind) {
  const auto kindOf = [](const ControlId& control) {
    const ControlRow* row = Find(control.name, control.index);
    EXPECT_NE(row, nullptr) << control.name;
    return row == nullptr ? ControlKind::Shape : row->kind;
  };
  for (Button button : kButtons) {
    EXPECT_EQ(kindOf(ControlOf(button)), ControlKind::CommandButton);
    EXPECT_EQ(ButtonAt(ControlOf(button)), button);
  }
  for (InputBox box : kInputBoxes) {
    EXPECT_EQ(kindOf(ControlOf(box)), ControlKind::TextBox);
    EXPECT_EQ(InputBoxAt(ControlOf(box)), box);
  }
  for (ResultLabel label : kResultLabels) {
    EXPECT_EQ(kindOf(ControlOf(label)), ControlKind::Label);
    EXPECT_EQ(ResultLabelAt(ControlOf(label)), label);
    EXPECT_TRUE(Find(ControlOf(label).name)->caption.empty());  // results start empty
  }
  EXPECT_EQ(ButtonAt(ControlOf(InputBox::X1)), std::nullopt);
}

TEST(LayoutTable, FindTellsMissingControlsApart) {
  EXPECT_EQ(Find("Label13")->caption.size(), 78u);  // 77 characters, "à" two bytes of UTF-8
  EXPECT_EQ(Find("Text1"), nullptr);                // an array needs its index
  EXPECT_EQ(Find("Text1", 3), nullptr);
  EXPECT_EQ(Find("Form1"), nullptr);
}

}  // namespace
}  // namespace pr::layout
