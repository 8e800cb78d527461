// The working never disagrees with the labels: on generated input of every
// kind, the last number of each step is the text its result label shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <variant>

#include "geometry/Commands.h"
#include "support/LabelRules.h"
#include "support/PropertyRun.h"

namespace pr::test {
namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first);
}

// A slope or intercept as the equation label writes it ("- 0,50") in the
// working's notation ("−0,50").
std::string AsWorkingWrites(const std::string& coefficient) {
  if (coefficient.starts_with("+ ")) return coefficient.substr(2);
  if (coefficient.starts_with("- ")) return "−" + coefficient.substr(2);
  return coefficient;
}

// The label a command writes its (first) result into.
ResultLabel FirstLabel(int command) { return *kCommandLabels[static_cast<std::size_t>(command)].written[0]; }

// What each quantity of a command's working must end with, from its labels.
std::map<std::string, std::string> ExpectedEnds(int command, const Captions& labels) {
  if (command == 0) {
    return {{"d(P1, P2)", Trimmed(labels.at(ResultLabel::DistanceP1P2))},
            {"d(P1, P3)", Trimmed(labels.at(ResultLabel::DistanceP1P3))},
            {"d(P2, P3)", Trimmed(labels.at(ResultLabel::DistanceP2P3))},
            {"A", Trimmed(labels.at(ResultLabel::Area))}};
  }
  const std::string label = labels.at(FirstLabel(command));
  const std::string equation = label.substr(label.find("Y = "));
  const std::size_t x = equation.find(" X ");
  return {{"m", AsWorkingWrites(equation.substr(4, x - 4))},
          {"q", AsWorkingWrites(equation.substr(x + 3))},
          {"y", equation}};
}

// Only a command that wrote its results has numbers to agree with them
// (not a full scale of 0, a vertical pair or a run-time error).
bool WroteResults(const CommandRun& run, int command) {
  return std::any_of(run.writes.begin(), run.writes.end(),
                     [&](const auto& write) { return write.first == FirstLabel(command) && !write.second.empty(); });
}

// Checks that each step of `made` with a label ends in the label's text;
// returns how many it checked.
int ExpectEndsAreLabels(const working::Working& made, int command, const Captions& labels,
                        const std::string& reproduction) {
  const std::map<std::string, std::string> ends = ExpectedEnds(command, labels);
  int checked = 0;
  bool firstY = true;
  for (const working::Item& item : made.items) {
    const auto* step = std::get_if<working::Step>(&item);
    if (step == nullptr || !ends.contains(step->quantity)) continue;
    // The second "y" is the perpendicular's, which has no label.
    if (step->quantity == "y" && !std::exchange(firstY, false)) continue;
    EXPECT_EQ(step->shown, ends.at(step->quantity)) << working::StepText(*step) << "\n" << reproduction;
    ++checked;
  }
  return checked;
}

TEST(WorkingProperty, LastNumberOfEveryStepIsTheLabelText) {
  InputGenerator generate(PropertySeed() + 17);
  RasterSurface raster = CoarseClientAreaRaster();
  std::array<FakeForm, 2> forms = {FakeForm(raster, "."), FakeForm(raster, ",")};

  const int inputs = PropertyInputs(20000);
  int checkedSteps = 0;
  for (int i = 0; i < inputs; ++i) {
    // Half the inputs small integers, where the working is exact, half anything.
    BoxTexts boxes = generate.Boxes();
    if (i % 2 == 0) {
      for (std::size_t b = 0; b < 6; ++b) boxes[b] = std::to_string(generate.Between(-20, 20));
    }
    const int command = i % 4;
    FakeForm& form = forms[static_cast<std::size_t>(i / 4 % 2)];
    const CommandRun run = RunOn(form, command, boxes);
    const working::Working& made = run.working;
    if (!WroteResults(run, command) || run.error) continue;
    checkedSteps += ExpectEndsAreLabels(made, command, run.after, Reproduction(i, command, boxes));
    if (::testing::Test::HasFailure()) return;
  }
  EXPECT_GT(checkedSteps, inputs);
}

// A coordinate of `digits` digits, most of them decimals: "-12.0459...".
std::string LongNumberText(InputGenerator& generate, int digits) {
  std::string text = generate.OneIn(2) ? "-" : "";
  text += std::to_string(generate.Between(0, 99)) + ".";
  for (int d = 2; d < digits; ++d) text += static_cast<char>('0' + generate.Between(0, 9));
  return text;
}

// Coordinates of a thousand digits: the working is in decimals (no exact
// forms, whose fractions would take seconds at this length), and still ends
// every step in its label's text, also for a horizontal line and for
// coincident points.
TEST(WorkingProperty, LongCoordinatesGiveDecimalsEndingInTheLabels) {
  InputGenerator generate(PropertySeed() + 1000);
  RasterSurface raster = CoarseClientAreaRaster();
  FakeForm form(raster, ",");
  int checkedSteps = 0;
  for (int i = 0; i < 12; ++i) {
    BoxTexts boxes;
    for (std::size_t b = 0; b < 6; ++b) boxes[b] = LongNumberText(generate, 1000);
    boxes[6] = "10";
    if (i % 3 == 1) boxes[3] = boxes[1];  // y2 = y1: P1-P2 horizontal
    if (i % 3 == 2) {                     // P3 = P2
      boxes[4] = boxes[2];
      boxes[5] = boxes[3];
    }
    const int command = i % 4;
    const CommandRun run = RunOn(form, command, boxes);
    ASSERT_FALSE(run.error) << Reproduction(i, command, boxes);
    const working::Working& made = run.working;
    for (const working::Item& item : made.items) {
      if (const auto* step = std::get_if<working::Step>(&item)) {
        EXPECT_TRUE(step->exact.empty()) << working::StepText(*step).substr(0, 200);
      }
    }
    if (WroteResults(run, command)) {
      checkedSteps += ExpectEndsAreLabels(made, command, run.after, Reproduction(i, command, boxes));
    }
  }
  EXPECT_GE(checkedSteps, 3 * 12);
}

}  // namespace
}  // namespace pr::test
