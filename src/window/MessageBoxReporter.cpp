#include "window/MessageBoxReporter.h"

#include <QMessageBox>

#include "core/form/FormLayout.h"
#include "window/QtText.h"

namespace pr::window {

void MessageBoxReporter::Report(const std::string& message) {
  QMessageBox box(QMessageBox::Critical, FromView(layout::kProgramTitle), QString::fromStdString(message),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace pr::window
