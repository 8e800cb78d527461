#include "window/WorkingWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "window/QtText.h"

namespace pr::window {
namespace {

const QString kTitle = QStringLiteral("Procedimento");
// Wide enough for most steps on one line at the desktop's usual font.
constexpr int kWidth = 560;
constexpr int kNarrowest = 300;

QString Paragraph(const QString& text, bool heading) {
  const QString escaped = text.toHtmlEscaped();
  return heading ? "<p style=\"margin-top:10px\"><b>" + escaped + "</b></p>" : "<p>" + escaped + "</p>";
}

QString Html(const working::Working& working) {
  if (working.items.empty()) return Paragraph(FromView(working::kNoWorkingYet), false);
  QString html;
  for (const working::Item& item : working.items) {
    if (const auto* heading = std::get_if<working::Heading>(&item)) {
      html += Paragraph(FromView(heading->text), true);
    } else if (const auto* step = std::get_if<working::Step>(&item)) {
      html += Paragraph(FromView(working::StepText(*step)), false);
    } else {
      html += Paragraph(FromView(std::get<working::Sentence>(item).text), false);
    }
  }
  return html;
}

}  // namespace

WorkingWindow::WorkingWindow(QWidget& form) : QWidget(&form, Qt::Window), form_(form), text_(new QTextEdit(this)) {
  setWindowTitle(kTitle);
  setAccessibleName(kTitle);
  text_->setReadOnly(true);
  // Selectable with the keyboard too: a caret to move, and for screen readers.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setAccessibleName(kTitle);
  // Read from a little further away than the form's captions: a classroom.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(11);
  text_->setFont(font);
  text_->document()->setDefaultStyleSheet(QStringLiteral("p { margin: 0 0 5px 0; }"));
  text_->document()->setDocumentMargin(10);
  text_->setAccessibleDescription(QStringLiteral("Il procedimento dell'ultimo comando, passo per passo"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  ShowWorking({});
}

void WorkingWindow::ShowWorking(const working::Working& working) { text_->setHtml(Html(working)); }

void WorkingWindow::ShowBesideForm() {
  const QRect formFrame = form_.frameGeometry();
  const QScreen* screen = form_.screen();
  const QRect room = screen != nullptr ? screen->availableGeometry() : QRect();
  int width = kWidth;
  int x = formFrame.right() + 1;
  if (room.isValid()) {
    // The wider of the two sides, narrowed to what it holds, but never so
    // narrow that every step wraps.
    const int right = room.right() - formFrame.right();
    const int left = formFrame.left() - room.left();
    width = std::max(kNarrowest, std::min(kWidth, std::max(right, left)));
    x = right >= std::min(kWidth, left) ? std::min(x, room.right() + 1 - width) : formFrame.left() - width;
  }
  resize(width, form_.height());
  move(x, formFrame.top());
  show();
  raise();
}

void WorkingWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (hidden_) hidden_();
}

}  // namespace pr::window
