#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "core/form/CommandResult.h"
#include "core/form/ControlNames.h"

namespace pr {

class Form;

// One button's command as the press flow sees it.
struct Command {
  Button button;
  // The title of its working: "I punti e le distanze".
  std::string_view heading;
  // Clears, draws and writes the labels on `form`, each label as soon as its
  // number is known, and gives what it computed. A run-time error raises
  // RuntimeError and ends it at that step.
  std::function<std::unique_ptr<CommandResult>(Form& form)> run;
};

}  // namespace pr
