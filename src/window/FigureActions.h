#pragma once

#include <QObject>
#include <QPoint>
#include <QWidget>
#include <functional>

#include "window/FigureExport.h"

class QAction;

namespace pr::window {

// "Copia figura", "Salva figura..." and "Stampa...": the plot's context menu
// and three window-wide shortcuts that no text box or button uses, so the
// keyboard reaches them wherever the focus is. The form keeps every control
// where it was; these add nothing to it but the menu.
class FigureActions final : public QObject {
 public:
  // `current` gives the figure as the window shows it at that moment.
  FigureActions(QWidget& window, std::function<Figure()> current);

  // "Mostra il procedimento" (F9, the key that shows and hides a side pane
  // on Linux desktops): checked while `show(true)` has the working shown.
  // Returns the action, to uncheck it when the working's window is closed.
  QAction* AddWorkingToggle(std::function<void(bool)> show);

  void ShowMenu(const QPoint& globalPosition);

 private:
  void AddAction(const QString& text, const QKeySequence& keys, void (FigureActions::*run)());
  void Copy();
  void Save();
  void Print();
  void Warn(const QString& message);

  QWidget& window_;
  std::function<Figure()> current_;
  QList<QAction*> actions_;
  QAction* workingToggle_ = nullptr;
};

}  // namespace pr::window
