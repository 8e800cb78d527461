#include "geometry/drag/PointMover.h"

#include <utility>

#include "geometry/drag/BoxStep.h"

namespace pr::drag {
namespace {

// The point a coordinate box belongs to: the boxes go x1, y1, x2, y2, x3, y3.
int PointOfBox(InputBox box) {
  for (int point = 0; point < 3; ++point) {
    if (box == CoordinateBox(point, 0) || box == CoordinateBox(point, 1)) return point;
  }
  return -1;
}

}  // namespace

const PressResult* PointMover::Figure() const {
  const auto* result = dynamic_cast<const PressResult*>(last_.Result());
  return result != nullptr && result->markersDrawn ? result : nullptr;
}

CoordinateTexts PointMover::Shown(int point) const {
  return {form_.Text(CoordinateBox(point, 0)), form_.Text(CoordinateBox(point, 1))};
}

Rerun PointMover::RunAgain() {
  if (last_.LastCommand() == nullptr) return {};
  return {true, last_.Press(*last_.LastCommand(), form_)};
}

std::optional<int> PointMover::PointAt(PlotPoint pointer, double targetDiameterTwips) const {
  const PressResult* figure = Figure();
  if (figure == nullptr) return std::nullopt;
  return PointUnder(figure->input, pointer, targetDiameterTwips);
}

std::optional<int> PointMover::Press(PlotPoint pointer, double targetDiameterTwips) {
  if (held_) return std::nullopt;  // a second finger moves nothing
  const std::optional<int> point = PointAt(pointer, targetDiameterTwips);
  if (point) held_ = Held{.point = *point, .before = Shown(*point), .fullScale = Figure()->input.exactFullScale};
  return point;
}

bool PointMover::Move(PlotPoint pointer, Snap snap) {
  if (!held_) return false;
  CoordinateTexts texts = TextsAt(SnapToGrid(pointer, snap), held_->fullScale);
  held_->pending.reset();
  if (texts != Shown(held_->point)) held_->pending = std::move(texts);
  if (!held_->pending || frameAsked_) return false;
  frameAsked_ = true;
  return true;
}

void PointMover::RunPending() {
  boxes_.SetBoxText(CoordinateBox(held_->point, 0), held_->pending->x);
  boxes_.SetBoxText(CoordinateBox(held_->point, 1), held_->pending->y);
  held_->pending.reset();
  held_->ran = true;
  held_->failure = RunAgain().failure;
  // The full scale may have been retyped since the last press: the figure
  // now shows the new one, and the pointer must keep to it.
  if (const PressResult* figure = Figure()) held_->fullScale = figure->input.exactFullScale;
}

bool PointMover::Frame() {
  frameAsked_ = false;
  if (!held_ || !held_->pending) return false;
  RunPending();
  return true;
}

Rerun PointMover::Release() {
  if (!held_) return {};
  const bool ranNow = held_->pending.has_value();
  if (ranNow) RunPending();
  Held held = std::move(*held_);
  held_.reset();
  frameAsked_ = false;  // the next drag asks for its own
  CoordinateTexts after = Shown(held.point);
  if (after != held.before) history_.Record(held.point, std::move(held.before), std::move(after));
  return {ranNow, std::move(held.failure)};
}

bool PointMover::Cancel() {
  if (!held_) return false;
  const Held held = std::move(*held_);
  held_.reset();
  frameAsked_ = false;
  if (!held.ran) return false;
  boxes_.SetBoxText(CoordinateBox(held.point, 0), held.before.x);
  boxes_.SetBoxText(CoordinateBox(held.point, 1), held.before.y);
  // Everything as before the press; its error, if any, was shown then.
  RunAgain();
  return true;
}

Rerun PointMover::Undo(std::optional<InputBox> focused) {
  if (held_ || !history_.Undo(form_, focused, boxes_)) return {};
  return RunAgain();
}

Rerun PointMover::Step(InputBox box, int direction, Snap snap) {
  if (held_ || box == InputBox::FullScale) return {};
  const std::optional<std::string> text =
      SteppedText(form_.Text(box), form_.Text(InputBox::FullScale), direction, snap);
  if (!text) return {};
  const int point = PointOfBox(box);
  CoordinateTexts before = Shown(point);
  boxes_.SetBoxText(box, *text);
  // A step is a move by keys: Ctrl+Z takes it back as it takes back a drag.
  history_.Record(point, std::move(before), Shown(point));
  return RunAgain();
}

Rerun PointMover::Enter() {
  if (held_) return {};
  return RunAgain();
}

}  // namespace pr::drag
