#pragma once

#include <optional>
#include <vector>

#include "core/surface/Colour.h"
#include "core/surface/Surface.h"

namespace pr::test {

// A surface that draws nothing and remembers every call, with its
// coordinates as the singles the drawing would have used (nullopt for a
// coordinate that is off the surface because it is beyond the single range).
// Tests read the exact sequence a handler issued.
class RecordingSurface final : public Surface {
 public:
  enum class Op { Cls, PSet, Line, Circle };

  struct Call {
    Op op = Op::Cls;
    // PSet and Circle use x1, y1
    std::optional<float> x1{};
    std::optional<float> y1{};
    std::optional<float> x2{};
    std::optional<float> y2{};
    double radius = 0.0;  // Circle only
    Colour colour = 0;
    friend bool operator==(const Call&, const Call&) = default;
  };

  void Cls() override;
  void PSet(double x, double y, Colour colour) override;
  void Line(double x1, double y1, double x2, double y2, Colour colour) override;
  void Circle(double x, double y, double radius, Colour colour) override;

  const std::vector<Call>& Calls() const { return calls_; }
  std::size_t Count(Op op) const;

 private:
  std::vector<Call> calls_;
};

}  // namespace pr::test
