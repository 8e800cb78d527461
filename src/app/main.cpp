#include <QApplication>

#include "app/window/Form1.h"
#include "app/window/MessageBoxReporter.h"

// The platform shows Form1; from then on only its event handlers run.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  pr::window::MessageBoxReporter reporter;
  pr::window::Form1 form(reporter);
  reporter.SetParent(&form);
  form.show();
  return QApplication::exec();
}
