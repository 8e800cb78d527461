#include "geometry/working/WorkingWriter.h"

#include <utility>

#include "geometry/working/ExactText.h"

namespace pr::working {

std::string PointName(int point) { return "P" + std::to_string(point + 1); }
std::string CoordinateName(char axis, int point) { return axis + std::to_string(point + 1); }
std::string Joint(bool exact) { return exact ? " = " : " ≈ "; }

WorkingWriter::WorkingWriter(const CommandInput& input, bool textbook, std::string_view mark, Working start)
    : input_(input), notation_(textbook, std::string(mark)), working_(std::move(start)) {
  if (!textbook) return;
  for (std::size_t i = 0; i < 3; ++i) {
    xs_[i] = input.ExactAt(static_cast<int>(i)).x.ToRational();
    ys_[i] = input.ExactAt(static_cast<int>(i)).y.ToRational();
  }
}

std::string WorkingWriter::In(char axis, int i, bool operand) const {
  const Rational& v = axis == 'x' ? X(i) : Y(i);
  const double read = axis == 'x' ? input_.PointAt(i).x : input_.PointAt(i).y;
  return operand ? notation_.Operand(v, read) : notation_.Input(v, read);
}

std::string WorkingWriter::Exact(const Rational& value) const { return ExactNumber(value, notation_.Mark()); }

void WorkingWriter::Say(std::string text) { working_.items.emplace_back(Sentence{std::move(text)}); }

}  // namespace pr::working
