#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/figure/Working.h"
#include "core/numbers/Rational.h"
#include "geometry/CommandInput.h"
#include "geometry/working/Notation.h"

namespace pr::working {

// "P2" for point 1, "x3" for the x of point 2: the names a textbook uses.
std::string PointName(int point);
std::string CoordinateName(char axis, int point);
// Between a step's value and the label's number: equal, or rounded.
std::string Joint(bool exact);

// What the working of every command shares: the points as the command read
// them, the notation they are written in, and the working being written.
class WorkingWriter {
 protected:
  WorkingWriter(const CommandInput& input, bool textbook, std::string_view mark, Working start = {});

  // The coordinates exactly as typed; formed only in textbook notation (with
  // long decimals a fraction's reductions would cost seconds).
  const Rational& X(int i) const { return xs_[static_cast<std::size_t>(i)]; }
  const Rational& Y(int i) const { return ys_[static_cast<std::size_t>(i)]; }
  // A coordinate as the working writes it, bracketed after an operator when
  // `operand` says so.
  std::string In(char axis, int i, bool operand) const;
  std::string Exact(const Rational& value) const;
  void Say(std::string text);

  const CommandInput& input_;
  Notation notation_;
  Working working_;

 private:
  std::array<Rational, 3> xs_{};
  std::array<Rational, 3> ys_{};
};

}  // namespace pr::working
