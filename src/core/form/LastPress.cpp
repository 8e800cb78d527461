#include "core/form/LastPress.h"

#include <algorithm>
#include <string>

namespace pr {
namespace {

working::Working OneLine(std::string_view heading, std::string text) {
  return working::Working{{working::Heading{std::string(heading)}, working::Sentence{std::move(text)}}};
}

// "Errore di run-time '6' (Overflow): ..." on one line.
std::string StoppedBy(const Failure& failure) {
  return "Errore di run-time '" + std::to_string(failure.number) + "' (" + failure.description +
         "): il comando si è fermato a quel passo. La figura mostra ciò che aveva disegnato prima e le etichette "
         "che non aveva ancora scritto restano come prima.";
}

}  // namespace

// The form as the command sees it, noting what it reads and writes.
class LastPress::RecordingForm final : public Form {
 public:
  RecordingForm(Form& form, LastPress& memory) : form_(form), memory_(memory) {}

  std::string Text(InputBox box) const override {
    std::string text = form_.Text(box);
    memory_.inputs_->push_back({box, text});
    return text;
  }
  void SetCaption(ResultLabel label, std::string_view caption) override {
    form_.SetCaption(label, caption);
    memory_.written_.insert_or_assign(label, Written{std::string(caption), memory_.inputs_});
  }
  Surface& Canvas() override { return form_.Canvas(); }
  std::string DecimalMark() const override { return form_.DecimalMark(); }

 private:
  Form& form_;
  LastPress& memory_;
};

// The form as a redraw shows it to the command: the boxes as they were
// read, captions going nowhere.
class LastPress::ReplayForm final : public Form {
 public:
  ReplayForm(Form& form, const std::vector<ReadBox>& inputs) : form_(form), inputs_(inputs) {}

  std::string Text(InputBox box) const override {
    // Not std::ranges: the browser build's library lacks it.
    const auto read =
        std::find_if(inputs_.begin(), inputs_.end(), [box](const ReadBox& readBox) { return readBox.box == box; });
    return read == inputs_.end() ? std::string() : read->text;
  }
  void SetCaption(ResultLabel, std::string_view) override {}
  Surface& Canvas() override { return form_.Canvas(); }
  std::string DecimalMark() const override { return form_.DecimalMark(); }

 private:
  Form& form_;
  const std::vector<ReadBox>& inputs_;
};

std::optional<Failure> LastPress::Press(const Command& command, Form& form) {
  // Set before the command runs: a redraw while its failure is being shown
  // must draw this command, not the one before.
  command_ = &command;
  inputs_ = std::make_shared<std::vector<ReadBox>>();
  result_.reset();
  RecordingForm recording(form, *this);
  std::unique_ptr<CommandResult> result;
  failure_ = Dispatch([&] { result = command.run(recording); });
  result_ = std::move(result);
  working_ = WorkingOfPress();
  return failure_;
}

working::Working LastPress::WorkingOfPress() const {
  if (failure_) return OneLine(command_->heading, StoppedBy(*failure_));
  working::Working working;
  // The working writes down what the press computed; should even that fail
  // (no memory left), the press itself still stands.
  if (Dispatch([&] { working = result_->Working(); })) {
    return OneLine(command_->heading, "Il procedimento non si può scrivere.");
  }
  return working;
}

void LastPress::Redraw(Form& form, const std::function<void(Form&)>& paint) const {
  form.Canvas().Cls();
  if (command_ == nullptr) {
    Dispatch([&] { paint(form); });
    return;
  }
  ReplayForm replay(form, *inputs_);
  Dispatch([&] { command_->run(replay); });
}

const std::string* LastPress::CurrentCaption(ResultLabel label) const {
  const auto found = written_.find(label);
  if (found == written_.end() || *found->second.inputs != *inputs_) return nullptr;
  return &found->second.caption;
}

}  // namespace pr
