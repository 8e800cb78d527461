#include "core/form/LastCommand.h"

#include <algorithm>

#include "core/form/EventDispatch.h"

namespace pr {
namespace {

// A redraw is not a new event: its run-time error was reported when the
// command first ran.
class SilentReporter final : public ErrorReporter {
 public:
  void Report(const std::string&) override {}
};

}  // namespace

// The form as the command sees it, noting what it reads and writes.
class LastCommand::RecordingForm final : public Form {
 public:
  RecordingForm(Form& form, LastCommand& memory) : form_(form), memory_(memory) {}

  std::string Text(std::string_view name, int index) const override {
    std::string text = form_.Text(name, index);
    memory_.inputs_->push_back({std::string(name), index, text});
    return text;
  }
  void SetCaption(std::string_view name, std::string_view caption) override {
    form_.SetCaption(name, caption);
    memory_.written_.insert_or_assign(std::string(name), Written{std::string(caption), memory_.inputs_});
  }
  Surface& Canvas() override { return form_.Canvas(); }
  std::string DecimalMark() const override { return form_.DecimalMark(); }

 private:
  Form& form_;
  LastCommand& memory_;
};

// The form as a redraw shows it to the command: the boxes as they were
// read, captions going nowhere.
class LastCommand::ReplayForm final : public Form {
 public:
  ReplayForm(Form& form, const std::vector<ReadBox>& inputs) : form_(form), inputs_(inputs) {}

  std::string Text(std::string_view name, int index) const override {
    // Not std::ranges: the browser build's library lacks it.
    const auto read = std::find_if(inputs_.begin(), inputs_.end(),
                                   [&](const ReadBox& box) { return box.name == name && box.index == index; });
    return read == inputs_.end() ? std::string() : read->text;
  }
  void SetCaption(std::string_view, std::string_view) override {}
  Surface& Canvas() override { return form_.Canvas(); }
  std::string DecimalMark() const override { return form_.DecimalMark(); }

 private:
  Form& form_;
  const std::vector<ReadBox>& inputs_;
};

bool LastCommand::Run(const CommandHandler& handler, Form& form, ErrorReporter& reporter) {
  // Set before the handler runs: a redraw while its error is being reported
  // must draw this command, not the one before.
  handler_ = handler;
  inputs_ = std::make_shared<std::vector<ReadBox>>();
  RecordingForm recording(form, *this);
  return Dispatch([&] { handler(recording); }, reporter);
}

bool LastCommand::Redraw(Form& form) const {
  if (!handler_) return false;
  ReplayForm replay(form, *inputs_);
  SilentReporter silent;
  Dispatch([&] { handler_(replay); }, silent);
  return true;
}

const std::string* LastCommand::CurrentCaption(std::string_view label) const {
  const auto found = written_.find(label);
  if (found == written_.end() || *found->second.inputs != *inputs_) return nullptr;
  return &found->second.caption;
}

void RedrawFigure(Form& form, const CommandHandler& paint, const LastCommand& last) {
  form.Canvas().Cls();
  if (last.Redraw(form)) return;
  SilentReporter silent;
  Dispatch([&] { paint(form); }, silent);
}

}  // namespace pr
