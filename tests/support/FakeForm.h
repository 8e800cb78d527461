#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/form/Form.h"
#include "core/surface/Surface.h"
#include "support/ControlPrinting.h"

namespace pr::test {

// Form1 without a window: text boxes and captions in maps, any surface.
// Remembers every caption write, in order, so tests can check what a
// command cleared and when.
class FakeForm final : public Form {
 public:
  explicit FakeForm(Surface& surface, std::string decimalMark = ".")
      : surface_(surface), decimalMark_(std::move(decimalMark)) {}

  // Fills the seven boxes: x1, y1, x2, y2, x3, y3, full scale.
  void Type(std::string x1, std::string y1, std::string x2, std::string y2, std::string x3, std::string y3,
            std::string fullScale) {
    std::string seven[] = {std::move(x1), std::move(y1), std::move(x2),       std::move(y2),
                           std::move(x3), std::move(y3), std::move(fullScale)};
    for (std::size_t i = 0; i < kInputBoxes.size(); ++i) SetText(kInputBoxes[i], std::move(seven[i]));
  }
  // The same from a table row's seven texts, in that order.
  template <typename Seven>
  void TypeAll(const Seven& b) {
    Type(b[0], b[1], b[2], b[3], b[4], b[5], b[6]);
  }
  void SetText(InputBox box, std::string text) { boxes_[box] = std::move(text); }

  std::string Text(InputBox box) const override {
    reads_.push_back(box);
    const auto it = boxes_.find(box);
    return it == boxes_.end() ? std::string() : it->second;
  }
  void SetCaption(ResultLabel label, std::string_view caption) override {
    captions_[label] = std::string(caption);
    captionWrites_.emplace_back(label, std::string(caption));
  }
  Surface& Canvas() override { return surface_; }
  std::string DecimalMark() const override { return decimalMark_; }

  // The caption of a label ("" when never written).
  std::string Caption(ResultLabel label) const {
    const auto it = captions_.find(label);
    return it == captions_.end() ? std::string() : it->second;
  }
  const std::vector<std::pair<ResultLabel, std::string>>& CaptionWrites() const { return captionWrites_; }
  const std::vector<InputBox>& Reads() const { return reads_; }
  void ForgetHistory() {
    captionWrites_.clear();
    reads_.clear();
  }

 private:
  Surface& surface_;
  std::string decimalMark_;
  std::map<InputBox, std::string> boxes_;
  std::map<ResultLabel, std::string> captions_;
  std::vector<std::pair<ResultLabel, std::string>> captionWrites_;
  mutable std::vector<InputBox> reads_;
};

}  // namespace pr::test
