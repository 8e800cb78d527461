#pragma once

#include <QPointer>
#include <QWidget>

#include "window/ErrorReporter.h"

namespace pr::window {

// Shows a run-time error as the student knows it: a modal message box with
// the program's title, the critical icon and one OK button.
class MessageBoxReporter final : public ErrorReporter {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Report(const std::string& message) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace pr::window
