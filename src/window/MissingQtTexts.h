#pragma once

#include <QTranslator>

namespace pr::window {

// The few texts of Qt's print dialogs that Qt's own Italian catalog leaves
// in English (the duplex choices, the page-range button, a tab of the
// printer's properties). Installed after that catalog, it answers only for
// these and lets every other text fall through to it.
class MissingQtTexts final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                    int n = -1) const override;
};

}  // namespace pr::window
