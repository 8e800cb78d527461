#pragma once

#include <string>

namespace pr {

// A working value that may not have been assigned yet. Unset counts as 0 in
// arithmetic and comparisons, is neither greater nor less than 0, and its
// plain text is empty. The slope and intercept of a line start unset and
// stay so when the sweep runs no step.
class MaybeNumber {
 public:
  MaybeNumber() = default;                          // unset
  MaybeNumber(double v) : value_(v), set_(true) {}  // NOLINT: reads like an assignment

  bool IsUnset() const { return !set_; }
  double Value() const { return value_; }  // 0 when unset

  friend bool operator==(const MaybeNumber& a, double b) { return a.value_ == b; }
  friend bool operator<(const MaybeNumber& a, double b) { return a.value_ < b; }
  friend bool operator>(const MaybeNumber& a, double b) { return a.value_ > b; }

 private:
  double value_ = 0.0;
  bool set_ = false;
};

}  // namespace pr
