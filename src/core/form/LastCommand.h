#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/form/ErrorReporter.h"
#include "core/form/Form.h"

namespace pr {

// A button's Click handler, as the front ends run it.
using CommandHandler = std::function<void(Form&)>;

// A text box's text as a command read it.
struct ReadBox {
  std::string name;
  int index = kNoIndex;
  std::string text;
  friend bool operator==(const ReadBox&, const ReadBox&) = default;
};

// The last command the student ran, kept so that its figure is never lost:
// every command begins by clearing the surface, so the surface always shows
// the plane plus the last command's drawing, and running the same handler
// on the same texts draws it again, at whatever resolution the surface has
// now. Also what the handout needs: the texts the command read, and which
// result labels were written by a command that read the same texts.
class LastCommand {
 public:
  // Runs a Click handler on the form through Dispatch, remembering it, the
  // boxes it reads and the captions it writes. Returns Dispatch's result.
  bool Run(const CommandHandler& handler, Form& form, ErrorReporter& reporter);

  // Draws the last command again on the form's surface: the same handler on
  // the texts it read then, not on the boxes as they are now. It writes no
  // caption, and a run-time error ends it where it ended the first run
  // without being reported again. Returns false, drawing nothing, when no
  // command has run yet.
  bool Redraw(Form& form) const;

  bool HasRun() const { return static_cast<bool>(handler_); }
  // The boxes the last command read, in the order it read them (fewer than
  // seven when a box stopped it).
  const std::vector<ReadBox>& Inputs() const { return *inputs_; }
  // The caption a command last wrote into `label`, when that command read
  // the same texts as the last one (so the caption is true of Inputs());
  // otherwise nothing.
  const std::string* CurrentCaption(std::string_view label) const;

 private:
  class RecordingForm;
  class ReplayForm;

  struct Written {
    std::string caption;
    std::shared_ptr<const std::vector<ReadBox>> inputs;  // what its writer read
  };

  CommandHandler handler_;
  // Shared with the captions written in the same run: a caption written
  // before the boxes are read still belongs to what its command read.
  std::shared_ptr<std::vector<ReadBox>> inputs_ = std::make_shared<std::vector<ReadBox>>();
  std::map<std::string, Written, std::less<>> written_;
};

// The plane redrawn on a surface filled anew (a new scale, device pixel
// ratio or screen, an uncovered or restored window): clears it, then the
// last command again, which draws the plane itself; before any command,
// `paint` (Form_Paint) draws the plane alone. Reports nothing.
void RedrawFigure(Form& form, const CommandHandler& paint, const LastCommand& last);

}  // namespace pr
