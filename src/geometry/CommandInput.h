#pragma once

#include <array>
#include <string>

#include "core/numbers/ExactDecimal.h"
#include "plot/WorldToPlot.h"

namespace pr {
class Form;

// A point's coordinates exactly as typed: the decimal value of the digits
// Val read, beside the doubles that serve the drawing. Every number the
// commands show is computed from these (x.ToRational() gives a fraction).
struct ExactPoint {
  ExactDecimal x;
  ExactDecimal y;
};

// The three points and the full scale as one command reads them.
struct CommandInput {
  Point p1;
  Point p2;
  Point p3;
  double fullScale = 0.0;
  ExactPoint exact1;
  ExactPoint exact2;
  ExactPoint exact3;
  // The seven texts as read (x1, y1, x2, y2, x3, y3, full scale), and the
  // coordinates' digits as typed, to write each number back as the student
  // typed it ("2,50", "1,5·10^−3").
  std::array<std::string, 7> texts{};
  std::array<NumberReading, 6> typed{};
  // The full scale as typed: a moved point's grid is made of its exact
  // tenths, so the boxes show "0.9", not the double's 0.8999999999999999.
  ExactDecimal exactFullScale;

  const Point& PointAt(int index) const { return index == 0 ? p1 : index == 1 ? p2 : p3; }
  const ExactPoint& ExactAt(int index) const { return index == 0 ? exact1 : index == 1 ? exact2 : exact3; }
};

// Reads the seven boxes with Val, in this order: Text1(0), Text2(0),
// Text1(1), Text2(1), Text1(2), Text2(2), Text4, each also exactly
// (ValExactly). Raises Overflow for a number too large for a double.
CommandInput ReadCommandInput(const Form& form);

// The only check on the input: a full scale equal to 0 ends the command
// quietly (which also keeps every mapping from dividing by zero).
inline bool FullScaleGuardStops(const CommandInput& input) { return input.fullScale == 0; }

}  // namespace pr
