#include "app/window/MessageBoxReporter.h"

#include <QMessageBox>

#include "app/layout/FormLayout.h"
#include "app/window/QtText.h"

namespace pr::window {

void MessageBoxReporter::Report(const std::string& message) {
  QMessageBox box(QMessageBox::Critical, FromView(layout::kProgramTitle), QString::fromStdString(message),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace pr::window
