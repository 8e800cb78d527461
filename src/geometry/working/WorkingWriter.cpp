#include "geometry/working/WorkingWriter.h"

#include <utility>

#include "core/numbers/ExactMath.h"
#include "core/numbers/ReadingNote.h"

namespace pr::working {

std::string PointName(int point) { return "P" + std::to_string(point + 1); }
std::string CoordinateName(char axis, int point) { return axis + std::to_string(point + 1); }

bool IsShortDecimal(const ExactDecimal& v) {
  constexpr std::int64_t kDecimals = 3;
  constexpr std::int64_t kBelowPowerOfTen = 6;
  if (v.significand == 0) return true;
  // v·10^3 = significand·10^(exponent + 3) is whole...
  if (v.exponent < -kDecimals && v.significand % exact::PowerOfTen(-kDecimals - v.exponent) != 0) return false;
  // ...and |v| < 10^6, i.e. |significand| < 10^(6 - exponent).
  if (v.exponent >= kBelowPowerOfTen) return false;
  return abs(v.significand) < exact::PowerOfTen(kBelowPowerOfTen - v.exponent);
}

std::string RootOf(const std::string& radicand) { return std::string(kRoot) + Factor(radicand); }

Chain::Chain(std::string quantity, std::string formula)
    : step_{.quantity = std::move(quantity), .formula = std::move(formula)} {}

const std::string& Chain::Last() const { return step_.exact.empty() ? step_.substitution : step_.exact.back(); }

void Chain::Then(std::string form) {
  if (form == Last()) return;
  if (step_.substitution.empty()) {
    step_.substitution = std::move(form);
  } else {
    step_.exact.push_back(std::move(form));
  }
}

Step Chain::End(bool exact, std::string shown) {
  const bool repeated = !Last().empty() && Last() == shown;
  if (repeated && !step_.exact.empty()) step_.exact.pop_back();
  if (repeated && step_.exact.empty() && step_.substitution == shown) step_.substitution.clear();
  return EndWith(exact || repeated ? " = " : " ≈ ", std::move(shown));
}

Step Chain::EndWith(std::string connector, std::string shown) {
  step_.connector = std::move(connector);
  step_.shown = std::move(shown);
  return std::move(step_);
}

WorkingWriter::WorkingWriter(const CommandInput& input, bool textbook, std::string_view mark, std::string heading)
    : input_(input), textbook_(textbook), mark_(mark) {
  Head(std::move(heading));
  // First of all, where a box was not read as it stands: "2,5" is 2.
  for (std::size_t i = 0; i < input.texts.size(); ++i) {
    const std::optional<std::string> note = ReadingNote(input.texts[i]);
    if (!note) continue;
    const int point = static_cast<int>(i / 2);
    const std::string box = i + 1 == input.texts.size() ? "Fondo scala" : CoordinateName(i % 2 == 0 ? 'x' : 'y', point);
    Say(box + ": " + *note);
  }
}

std::string WorkingWriter::In(char axis, int i) const {
  return Typed(input_.typed[static_cast<std::size_t>(2 * i + (axis == 'x' ? 0 : 1))], mark_);
}

Rational WorkingWriter::Exactly(const exact::Integer& value, std::int64_t exponent) const {
  if (exponent >= 0) return Rational(value * exact::PowerOfTen(exponent));
  return Rational(value, exact::PowerOfTen(-exponent));
}

std::optional<std::string> WorkingWriter::Number(const exact::Integer& value, std::int64_t exponent) const {
  if (textbook_) return Fraction(Exactly(value, exponent));
  return Decimal(value, exponent, mark_);
}

void WorkingWriter::Say(std::string text) { working_.items.emplace_back(Sentence{std::move(text)}); }
void WorkingWriter::Add(Step step) { working_.items.emplace_back(std::move(step)); }
void WorkingWriter::Head(std::string text) { working_.items.emplace_back(Heading{std::move(text)}); }

void WorkingWriter::GuardStopped() {
  Say("Fondo scala 0: il comando ridisegna solo il piano cartesiano e si ferma; non disegna punti né rette e i suoi "
      "risultati restano quelli di prima.");
}

}  // namespace pr::working
