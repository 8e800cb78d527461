#pragma once

#include "core/figure/Working.h"

namespace pr {

// What one press of a button computed, exactly and once. Every text that
// shows a result (the labels, the working, the handout) is made from it;
// none computes the result again.
class CommandResult {
 public:
  virtual ~CommandResult() = default;

  // The working ("Procedimento") of the press, rendered from its values.
  virtual working::Working Working() const = 0;
};

}  // namespace pr
