#include <QApplication>
#include <QIcon>

#include "app/window/Form1.h"
#include "app/window/MessageBoxReporter.h"

// The platform shows Form1; from then on only its event handlers run.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("punti-e-rette"));
  // Ties the window to its menu entry, so docks and launch feedback match it.
  QGuiApplication::setDesktopFileName(QStringLiteral("it.puntierette.PuntiERette"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("it.puntierette.PuntiERette")));

  pr::window::MessageBoxReporter reporter;
  pr::window::Form1 form(reporter);
  reporter.SetParent(&form);
  form.show();
  return QApplication::exec();
}
