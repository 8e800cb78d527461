#include "support/CommandOracle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/form/Form.h"
#include "core/numbers/ExactDecimal.h"
#include "core/numbers/Val.h"
#include "geometry/Commands.h"
#include "support/FakeForm.h"
#include "support/LabelRules.h"

namespace pr::test {
namespace {

// P1-P2, P1-P3, P2-P3: the distances of Command1 in the order of its labels,
// and the pairs Command2, Command3 and Command4 trace.
constexpr std::array<std::pair<int, int>, 3> kPairs = {{{0, 1}, {0, 2}, {1, 2}}};

// A number shown with two decimals is at most half a hundredth from the value
// computed; the value itself may differ from the exact one by a few roundings.
constexpr double kHalfHundredth = 0.0050001;
constexpr long double kRoundings = 1e-12L;

// The seven numbers as Val reads them, the coordinates also exactly as
// typed (the program computes from those); nothing when a box overflows.
struct Numbers {
  std::array<double, 6> coordinates{};
  std::array<ExactDecimal, 6> exact;
  std::array<long double, 6> typed{};  // the exact values to long double's precision
  double fullScale = 0.0;
  long double X(int point) const { return typed[static_cast<std::size_t>(2 * point)]; }
  long double Y(int point) const { return typed[static_cast<std::size_t>(2 * point + 1)]; }
  bool SameX(int a, int b) const {
    return exact[static_cast<std::size_t>(2 * a)] == exact[static_cast<std::size_t>(2 * b)];
  }
};

// strtold rounds the decimal once: finer than a double and, unlike a
// double, with room for the subnormal doubles' exact values.
long double Typed(const ExactDecimal& d) {
  const std::string text = d.significand.str() + "e" + std::to_string(d.exponent);
  return std::strtold(text.c_str(), nullptr);
}

std::optional<Numbers> Read(const BoxTexts& texts) {
  Numbers numbers;
  try {
    for (std::size_t i = 0; i < 6; ++i) {
      ExactReading reading = ValExactly(texts[i]);
      numbers.coordinates[i] = reading.value;
      numbers.typed[i] = Typed(reading.exact);
      numbers.exact[i] = std::move(reading.exact);
    }
    numbers.fullScale = Val(texts[6]);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
  return numbers;
}

// Zero, or far from both ends of the double range: nothing computed from
// such numbers can overflow, whatever the command.
bool Ordinary(double v) { return v == 0.0 || (std::fabs(v) >= 1e-6 && std::fabs(v) <= 1e6); }

bool AllOrdinary(const Numbers& n) {
  return std::all_of(n.coordinates.begin(), n.coordinates.end(), Ordinary) && Ordinary(n.fullScale);
}

bool Close(double shown, long double exact, long double magnitude) {
  return std::fabs(static_cast<long double>(shown) - exact) <= kHalfHundredth + kRoundings * magnitude;
}

std::string_view Caption(const Captions& captions, ResultLabel label) {
  const auto it = captions.find(label);
  return it == captions.end() ? std::string_view() : std::string_view(it->second);
}

bool Unchanged(const CommandRun& run, ResultLabel label) {
  return Caption(run.before, label) == Caption(run.after, label);
}

bool IsOwnLabel(const CommandLabels& labels, ResultLabel label) {
  const auto& c = labels.cleared;
  const auto& w = labels.written;
  return std::find(c.begin(), c.end(), label) != c.end() || std::find(w.begin(), w.end(), label) != w.end();
}

std::string OwnLabelsOnly(const CommandRun& run, const CommandLabels& labels) {
  for (const auto& [label, caption] : run.writes) {
    if (!IsOwnLabel(labels, label)) return "wrote " + NameOf(label) + ", which is not its label";
  }
  for (ResultLabel label : kResultLabels) {
    if (!IsOwnLabel(labels, label) && !Unchanged(run, label)) return "changed " + NameOf(label);
  }
  for (const std::optional<ResultLabel>& label : labels.cleared) {
    if (label && !Caption(run.after, *label).empty()) return NameOf(*label) + " is not empty";
  }
  return {};
}

std::string WrittenLabelsUnchanged(const CommandRun& run, const CommandLabels& labels, std::string_view why) {
  for (const std::optional<ResultLabel>& label : labels.written) {
    if (label && !Unchanged(run, *label)) return NameOf(*label) + " changed although " + std::string(why);
  }
  return {};
}

// Command1 that ran to its end: four measures, the distances near the exact ones.
std::string MeasuresShown(const CommandRun& run, const Numbers& n) {
  for (std::size_t i = 0; i < kPairs.size(); ++i) {
    const auto [a, b] = kPairs[i];
    const ResultLabel label = *kCommandLabels[0].written[i];
    const std::string_view text = Caption(run.after, label);
    if (!IsMeasureText(text, run.mark)) return NameOf(label) + " is not a distance: \"" + std::string(text) + "\"";
    const long double exact = std::hypot(n.X(a) - n.X(b), n.Y(a) - n.Y(b));
    if (!Close(ValueShown(text, run.mark), exact, exact)) {
      return NameOf(label) + " shows \"" + std::string(text) + "\", not the distance";
    }
  }
  const std::string_view area = Caption(run.after, ResultLabel::Area);
  if (!IsMeasureText(area, run.mark)) return "the area label is not an area: \"" + std::string(area) + "\"";
  return {};
}

// A line command that ran to its end.
std::string EquationShown(const CommandRun& run, const Numbers& n) {
  const CommandLabels& labels = kCommandLabels[static_cast<std::size_t>(run.command)];
  const ResultLabel label = *labels.written[0];
  const std::string_view text = Caption(run.after, label);
  const bool command3 = run.command == 2;
  if (n.fullScale < 0) {
    // No step ran: slope and intercept stayed unset.
    const std::string expected = std::string(labels.heading) + "Y =  X " + (command3 ? "0" : "");
    return text == expected ? std::string()
                            : NameOf(label) + " is \"" + std::string(text) + "\", not \"" + expected + "\"";
  }
  const auto [a, b] = kPairs[static_cast<std::size_t>(run.command - 1)];
  if (n.SameX(a, b)) return WrittenLabelsUnchanged(run, labels, "the pair is vertical");
  // Typed apart by less than long double can tell: no slope to compare.
  if (n.X(a) == n.X(b)) return {};

  const std::optional<EquationParts> parts = SplitEquation(text, labels.heading, run.mark);
  if (!parts) return NameOf(label) + " is not an equation: \"" + std::string(text) + "\"";
  const long double slope = (n.Y(b) - n.Y(a)) / (n.X(b) - n.X(a));
  const long double intercept = n.Y(a) - slope * n.X(a);
  const double slopeShown = ValueShown(parts->slope, run.mark);
  const bool signAgrees = parts->slope.starts_with('+') ? slope > 0 : parts->slope.starts_with('-') ? slope < 0 : true;
  if (!signAgrees || !Close(slopeShown, slope, std::fabs(slope))) {
    return NameOf(label) + ": slope \"" + std::string(parts->slope) + "\" is not the pair's";
  }
  if (parts->intercept.empty() ||
      !Close(ValueShown(parts->intercept, run.mark), intercept, std::fabs(n.Y(a)) + std::fabs(slope * n.X(a)))) {
    return NameOf(label) + ": intercept \"" + std::string(parts->intercept) + "\" is not the pair's";
  }
  return {};
}

// A run that a run-time error ended: what it wrote before stays, but no
// equation is written after a failure, and a measure keeps its shape.
std::string PartialResults(const CommandRun& run) {
  const CommandLabels& labels = kCommandLabels[static_cast<std::size_t>(run.command)];
  if (run.command != 0) return WrittenLabelsUnchanged(run, labels, "the command failed");
  for (const std::optional<ResultLabel>& label : labels.written) {
    if (!Unchanged(run, *label) && !IsMeasureText(Caption(run.after, *label), run.mark)) {
      return NameOf(*label) + " is not a measure after the failure";
    }
  }
  return {};
}

}  // namespace

void TypeBoxes(FakeForm& form, const BoxTexts& texts) { form.TypeAll(texts); }

Captions ResultCaptions(const FakeForm& form) {
  Captions captions;
  for (ResultLabel label : kResultLabels) captions.emplace(label, form.Caption(label));
  return captions;
}

std::string BrokenRule(const CommandRun& run) {
  const CommandLabels& labels = kCommandLabels[static_cast<std::size_t>(run.command)];
  const std::string prefix = std::string(ControlOf(labels.button).name) + ": ";
  const auto broken = [&](const std::string& rule) { return rule.empty() ? rule : prefix + rule; };

  if (std::string rule = OwnLabelsOnly(run, labels); !rule.empty()) return broken(rule);
  if (run.error && *run.error != ErrorCode::Overflow) {
    return broken("raised run-time error " + std::to_string(static_cast<int>(*run.error)));
  }
  const std::optional<Numbers> numbers = Read(*run.texts);
  if (!numbers) {
    if (!run.error) return broken("read a number too large for a double without Overflow");
    return broken(WrittenLabelsUnchanged(run, labels, "a box could not be read"));
  }
  if (run.error) {
    if (AllOrdinary(*numbers)) return broken("raised Overflow on ordinary numbers");
    return broken(PartialResults(run));
  }
  if (numbers->fullScale == 0) return broken(WrittenLabelsUnchanged(run, labels, "the full scale is 0"));
  return broken(run.command == 0 ? MeasuresShown(run, *numbers) : EquationShown(run, *numbers));
}

}  // namespace pr::test
