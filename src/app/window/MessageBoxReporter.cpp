#include "app/window/MessageBoxReporter.h"

#include <QMessageBox>

namespace pr::window {

void MessageBoxReporter::Report(const std::string& message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Punti e rette"), QString::fromStdString(message),
                  QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace pr::window
