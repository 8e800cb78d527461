#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/form/Form.h"
#include "core/form/FormLayout.h"
#include "core/surface/Surface.h"

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
    for (std::size_t i = 0; i < layout::kInputBoxes.size(); ++i) {
      SetText(layout::kInputBoxes[i].name, layout::kInputBoxes[i].index, std::move(seven[i]));
    }
  }
  // The same from a table row's seven texts, in that order.
  template <typename Seven>
  void TypeAll(const Seven& b) {
    Type(b[0], b[1], b[2], b[3], b[4], b[5], b[6]);
  }
  void SetText(std::string_view name, int index, std::string text) {
    boxes_[{std::string(name), index}] = std::move(text);
  }

  std::string Text(std::string_view name, int index = kNoIndex) const override {
    reads_.emplace_back(std::string(name), index);
    const auto it = boxes_.find({std::string(name), index});
    return it == boxes_.end() ? std::string() : it->second;
  }
  void SetCaption(std::string_view name, std::string_view caption) override {
    captions_[std::string(name)] = std::string(caption);
    captionWrites_.emplace_back(std::string(name), std::string(caption));
  }
  Surface& Canvas() override { return surface_; }
  std::string DecimalMark() const override { return decimalMark_; }

  // The caption of a label ("" when never written).
  std::string Caption(std::string_view name) const {
    const auto it = captions_.find(std::string(name));
    return it == captions_.end() ? std::string() : it->second;
  }
  const std::vector<std::pair<std::string, std::string>>& CaptionWrites() const { return captionWrites_; }
  const std::vector<std::pair<std::string, int>>& Reads() const { return reads_; }
  void ForgetHistory() {
    captionWrites_.clear();
    reads_.clear();
  }

 private:
  Surface& surface_;
  std::string decimalMark_;
  std::map<std::pair<std::string, int>, std::string> boxes_;
  std::map<std::string, std::string> captions_;
  std::vector<std::pair<std::string, std::string>> captionWrites_;
  mutable std::vector<std::pair<std::string, int>> reads_;
};

}  // namespace pr::test
