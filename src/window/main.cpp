#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "window/Form1.h"
#include "window/FormLook.h"
#include "window/MessageBoxReporter.h"
#include "window/MissingQtTexts.h"

// The platform shows Form1; from then on only its event handlers run.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  pr::window::UseFormLook();
  QApplication::setApplicationName(QStringLiteral("punti-e-rette"));
  // Ties the window to its menu entry, so docks and launch feedback match it.
  QGuiApplication::setDesktopFileName(QStringLiteral("it.puntierette.PuntiERette"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("it.puntierette.PuntiERette")));

  // Qt's own texts (the buttons of the print and file dialogs) in the
  // desktop's language; the program's own texts are Italian already.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }
  pr::window::MissingQtTexts missingQtTexts;
  if (QLocale::system().language() == QLocale::Italian) QApplication::installTranslator(&missingQtTexts);

  pr::window::MessageBoxReporter reporter;
  pr::window::Form1 form(reporter);
  reporter.SetParent(&form);
  form.show();
  return QApplication::exec();
}
