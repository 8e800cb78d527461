#include "geometry/drag/MoveHistory.h"

#include <utility>

namespace pr::drag {

void MoveHistory::Record(int point, CoordinateTexts before, CoordinateTexts after) {
  moves_.push_back({point, std::move(before), std::move(after)});
}

bool MoveHistory::StillShown(const Form& form, const Move& move) {
  return form.Text(CoordinateBox(move.point, 0)) == move.after.x &&
         form.Text(CoordinateBox(move.point, 1)) == move.after.y;
}

const MoveHistory::Move* MoveHistory::Latest(const Form& form) const {
  for (auto move = moves_.rbegin(); move != moves_.rend(); ++move) {
    if (StillShown(form, *move)) return &*move;
  }
  return nullptr;
}

bool MoveHistory::CanUndo(const Form& form, std::optional<InputBox> focused) const {
  const Move* latest = Latest(form);
  if (latest == nullptr) return false;
  return !focused || *focused == CoordinateBox(latest->point, 0) || *focused == CoordinateBox(latest->point, 1);
}

bool MoveHistory::Undo(const Form& form, std::optional<InputBox> focused, BoxEditor& boxes) {
  // A move whose boxes were typed over since is no longer the student's
  // last word about that point.
  while (!moves_.empty() && !StillShown(form, moves_.back())) moves_.pop_back();
  if (!CanUndo(form, focused)) return false;
  const Move last = std::move(moves_.back());
  moves_.pop_back();
  boxes.SetBoxText(CoordinateBox(last.point, 0), last.before.x);
  boxes.SetBoxText(CoordinateBox(last.point, 1), last.before.y);
  return true;
}

}  // namespace pr::drag
