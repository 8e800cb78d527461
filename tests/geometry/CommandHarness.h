#pragma once

#include <iterator>
#include <string>
#include <vector>

#include "support/FakeForm.h"
#include "support/RecordingSurface.h"

namespace pr::test {

// A recording surface that also notes how many captions the form had
// written when each Cls came, so tests can tell labels cleared before the
// surface from labels cleared after it.
class ClsWitnessSurface final : public Surface {
 public:
  void Watch(const FakeForm& form) { form_ = &form; }

  void Cls() override {
    captionWritesAtCls_.push_back(form_ == nullptr ? 0 : form_->CaptionWrites().size());
    recording_.Cls();
  }
  void PSet(double x, double y, Colour c) override { recording_.PSet(x, y, c); }
  void Line(double x1, double y1, double x2, double y2, Colour c) override { recording_.Line(x1, y1, x2, y2, c); }
  void Circle(double x, double y, double r, Colour c) override { recording_.Circle(x, y, r, c); }

  const RecordingSurface& Recording() const { return recording_; }
  const std::vector<std::size_t>& CaptionWritesAtCls() const { return captionWritesAtCls_; }

 private:
  RecordingSurface recording_;
  const FakeForm* form_ = nullptr;
  std::vector<std::size_t> captionWritesAtCls_;
};

// The window as a command sees it: a fake form over a witnessed surface.
struct CommandHarness {
  explicit CommandHarness(std::string decimalMark = ".") : form(surface, std::move(decimalMark)) {
    surface.Watch(form);
  }

  // What the surface shows: the calls since the last Cls.
  std::vector<RecordingSurface::Call> Calls() const {
    const auto& all = surface.Recording().Calls();
    auto first = all.end();
    while (first != all.begin() && std::prev(first)->op != RecordingSurface::Op::Cls) --first;
    return {first, all.end()};
  }

  // The dots the line sweep set: the PSets after the last marker circle.
  std::vector<RecordingSurface::Call> SweepDots() const {
    std::vector<RecordingSurface::Call> dots;
    for (const RecordingSurface::Call& call : Calls()) {
      if (call.op == RecordingSurface::Op::Circle)
        dots.clear();
      else if (call.op == RecordingSurface::Op::PSet)
        dots.push_back(call);
    }
    return dots;
  }

  std::vector<RecordingSurface::Call> CallsOf(RecordingSurface::Op op) const {
    std::vector<RecordingSurface::Call> found;
    for (const RecordingSurface::Call& call : Calls()) {
      if (call.op == op) found.push_back(call);
    }
    return found;
  }

  ClsWitnessSurface surface;
  FakeForm form;
};

}  // namespace pr::test
