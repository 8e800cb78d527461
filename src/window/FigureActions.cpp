#include "window/FigureActions.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "core/form/FormLayout.h"
#include "window/QtText.h"

namespace pr::window {
namespace {

const QString kProposedName = QStringLiteral("punti-e-rette.png");

// The pictures folder when the desktop has one, else the home folder.
QString ProposedPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(kProposedName);
}

}  // namespace

FigureActions::FigureActions(QWidget& window, std::function<Figure()> current)
    : window_(window), current_(std::move(current)) {
  // Ctrl+C belongs to the text boxes; Ctrl+Shift+C is the figure's.
  AddAction(QStringLiteral("Copia figura"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &FigureActions::Copy);
  AddAction(QStringLiteral("Salva figura..."), QKeySequence(Qt::CTRL | Qt::Key_S), &FigureActions::Save);
  AddAction(QStringLiteral("Stampa..."), QKeySequence(Qt::CTRL | Qt::Key_P), &FigureActions::Print);
}

void FigureActions::AddAction(const QString& text, const QKeySequence& keys, void (FigureActions::*run)()) {
  auto* action = new QAction(text, &window_);
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
  window_.addAction(action);
  actions_.append(action);
}

QAction* FigureActions::AddWorkingToggle(std::function<void(bool)> show) {
  workingToggle_ = new QAction(QStringLiteral("Mostra il procedimento"), &window_);
  workingToggle_->setCheckable(true);
  workingToggle_->setShortcut(QKeySequence(Qt::Key_F9));
  workingToggle_->setShortcutContext(Qt::WindowShortcut);
  connect(workingToggle_, &QAction::toggled, this, [show = std::move(show)](bool on) { show(on); });
  window_.addAction(workingToggle_);
  return workingToggle_;
}

void FigureActions::ShowMenu(const QPoint& globalPosition) {
  QMenu menu(&window_);
  menu.addActions(actions_);
  if (workingToggle_ != nullptr) {
    menu.addSeparator();
    menu.addAction(workingToggle_);
  }
  menu.exec(globalPosition);
}

void FigureActions::Copy() { QGuiApplication::clipboard()->setMimeData(FigureMimeData(current_())); }

void FigureActions::Save() {
  // The figure as it is when the student asks, not after the dialog.
  const Figure figure = current_();
  const QString chosen = QFileDialog::getSaveFileName(&window_, QStringLiteral("Salva figura"), ProposedPath(),
                                                      QStringLiteral("Immagine PNG (*.png);;Documento PDF (*.pdf)"));
  if (chosen.isEmpty()) return;
  const QString path = FigureFileName(chosen);
  if (const auto failure = SaveFigure(figure, path)) {
    Warn(QStringLiteral("Impossibile salvare la figura in %1:\n%2").arg(QDir::toNativeSeparators(path), *failure));
  }
}

void FigureActions::Print() {
  const Figure figure = current_();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(FromView(layout::kProgramTitle));
  QPrintDialog dialog(&printer, &window_);
  dialog.setWindowTitle(QStringLiteral("Stampa figura"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PaintFigurePage(figure, printer)) Warn(QStringLiteral("Impossibile stampare la figura."));
}

void FigureActions::Warn(const QString& message) {
  QMessageBox box(QMessageBox::Warning, FromView(layout::kProgramTitle), message, QMessageBox::Ok, &window_);
  box.exec();
}

}  // namespace pr::window
