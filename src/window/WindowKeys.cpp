#include "window/WindowKeys.h"

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <functional>

#include "window/Form1.h"
#include "window/FormScale.h"

namespace pr::window {
namespace {

void AddKeys(Form1& form, const QList<QKeySequence>& keys, std::function<void()> run) {
  auto* action = new QAction(&form);
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, &form, std::move(run));
  form.addAction(action);
}

}  // namespace

void AddWindowKeys(Form1& form) {
  AddKeys(form,
          {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal),
           QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)},
          [&form] { form.ZoomTo(NextZoomStep(form.Scale(), +1)); });
  AddKeys(form,
          {QKeySequence(QKeySequence::ZoomOut), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)},
          [&form] { form.ZoomTo(NextZoomStep(form.Scale(), -1)); });
  AddKeys(form,
          {QKeySequence(Qt::CTRL | Qt::Key_0), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_0)},
          [&form] { form.ZoomTo(1.0); });
  AddKeys(form, {QKeySequence(Qt::Key_F11)}, [&form] { form.SetFullScreen(!form.isFullScreen()); });
  AddKeys(form, {QKeySequence(Qt::Key_Escape)}, [&form] { form.Escape(); });
  // Inside a box the box takes Ctrl+Z first (BoxKeys decides there).
  AddKeys(form, {QKeySequence(QKeySequence::Undo)}, [&form] { form.UndoMove(); });
}

}  // namespace pr::window
