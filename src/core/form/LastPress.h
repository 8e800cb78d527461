#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/figure/Working.h"
#include "core/form/Command.h"
#include "core/form/CommandResult.h"
#include "core/form/EventDispatch.h"
#include "core/form/Form.h"

namespace pr {

// An input box's text as a command read it.
struct ReadBox {
  InputBox box;
  std::string text;
  friend bool operator==(const ReadBox&, const ReadBox&) = default;
};

// The last press of a button: the one way a press runs, in both front ends
// and in the tests. It runs the command once, keeps what it computed and
// the working made from that, and remembers the texts it read and the
// captions it wrote: the handout quotes them, and a redraw draws the same
// figure again at whatever resolution the surface has now.
class LastPress {
 public:
  // Runs `command` on the form through Dispatch and keeps its result, the
  // boxes it read and the captions it wrote. Returns what went wrong, for
  // the front end to show; nothing when the command ran to its end.
  std::optional<Failure> Press(const Command& command, Form& form);

  // The plane drawn anew on a surface filled anew (a new scale, device pixel
  // ratio or screen): clears it and runs the last command again on the texts
  // it read then, not on the boxes as they are now; it writes no caption,
  // and a run-time error ends it where it ended the press, unreported.
  // Before any press, `paint` (Form_Paint) draws the plane alone.
  void Redraw(Form& form, const std::function<void(Form&)>& paint) const;

  // The command of the last press; null before any.
  const Command* LastCommand() const { return command_; }
  // The boxes the last press read, in the order it read them (fewer than
  // seven when a box stopped it).
  const std::vector<ReadBox>& Inputs() const { return *inputs_; }
  // What the last press computed; null before any press and after one that
  // a run-time error ended.
  const CommandResult* Result() const { return result_.get(); }
  const std::optional<Failure>& LastFailure() const { return failure_; }
  // Its working; empty before any press.
  const working::Working& Working() const { return working_; }
  // The caption a press last wrote into `label`, when that press read the
  // same texts as the last one (so the caption is true of Inputs());
  // otherwise nothing.
  const std::string* CurrentCaption(ResultLabel label) const;

 private:
  class RecordingForm;
  class ReplayForm;

  struct Written {
    std::string caption;
    std::shared_ptr<const std::vector<ReadBox>> inputs;  // what its writer read
  };

  working::Working WorkingOfPress() const;

  const Command* command_ = nullptr;
  // Shared with the captions written in the same press: a caption written
  // before the boxes are read still belongs to what its press read.
  std::shared_ptr<std::vector<ReadBox>> inputs_ = std::make_shared<std::vector<ReadBox>>();
  std::unique_ptr<CommandResult> result_;
  std::optional<Failure> failure_;
  working::Working working_;
  std::map<ResultLabel, Written> written_;
};

}  // namespace pr
