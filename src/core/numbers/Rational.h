#pragma once

#include <boost/multiprecision/cpp_int.hpp>

namespace pr {

// An exact fraction of unbounded integers: what a box's decimal text means,
// and every result computed from it before it is rounded once to a double.
using Rational = boost::multiprecision::cpp_rational;

}  // namespace pr
