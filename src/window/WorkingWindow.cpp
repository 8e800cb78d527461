#include "window/WorkingWindow.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHideEvent>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>

#include "core/figure/BreakableRuns.h"
#include "window/FormScale.h"
#include "window/QtText.h"

namespace pr::window {
namespace {

const QString kTitle = QStringLiteral("Procedimento");
// Read from a little further away than the form's captions: a classroom.
constexpr double kPointsAt100 = 11.0;
// Never so narrow that every step wraps.
constexpr int kNarrowest = 300;

// How the lines are set: each run whole where it fits in `width`; a run
// wider than that wraps at its own blanks rather than where Qt's last resort
// would wrap it, between any two letters ("y" then "2").
struct Setting {
  double scale;
  QFontMetricsF plain;
  QFontMetricsF bold;
  qreal width;
};

QString Line(std::string_view text, const QFontMetricsF& metrics, qreal width) {
  QString html;
  for (const std::string_view run : figure::BreakableRuns(text)) {
    if (!html.isEmpty()) html += QLatin1Char(' ');
    const QString piece = FromView(run);
    html += metrics.horizontalAdvance(piece) <= width
                ? "<span style=\"white-space:nowrap\">" + piece.toHtmlEscaped() + "</span>"
                : piece.toHtmlEscaped();
  }
  return html;
}

QString Paragraph(std::string_view text, bool heading, const Setting& setting) {
  if (!heading) return "<p>" + Line(text, setting.plain, setting.width) + "</p>";
  return QStringLiteral("<p style=\"margin-top:%1px\"><b>").arg(Scaled(10, setting.scale)) +
         Line(text, setting.bold, setting.width) + "</b></p>";
}

QString Html(const working::Working& working, const Setting& setting) {
  if (working.items.empty()) return Paragraph(working::kNoWorkingYet, false, setting);
  QString html;
  for (const working::Item& item : working.items) {
    if (const auto* heading = std::get_if<working::Heading>(&item)) {
      html += Paragraph(heading->text, true, setting);
    } else if (const auto* step = std::get_if<working::Step>(&item)) {
      html += Paragraph(working::StepText(*step), false, setting);
    } else {
      html += Paragraph(std::get<working::Sentence>(item).text, false, setting);
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
  // Focused by a click, never by Tab: as a pane it is no stop of the form's
  // own tab order.
  text_->setFocusPolicy(Qt::ClickFocus);
  text_->setAccessibleName(kTitle);
  text_->setAccessibleDescription(QStringLiteral("Il procedimento dell'ultimo comando, passo per passo"));
  text_->viewport()->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  Restyle();
}

void WorkingWindow::ShowWorking(const working::Working& working) {
  working_ = working;
  Typeset();
}

void WorkingWindow::Typeset() {
  QFont bold = text_->font();
  bold.setBold(true);
  // Before the window is first laid out, any width: it is set again then.
  const qreal width = text_->viewport()->width() - 2 * text_->document()->documentMargin();
  const QString html =
      Html(working_, {scale_, QFontMetricsF(text_->font()), QFontMetricsF(bold), width > 0 ? width : 1e9});
  if (html == html_) return;
  html_ = html;
  text_->setHtml(html);
}

// A new width may let a run stand whole, or no more.
bool WorkingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text_->viewport() && event->type() == QEvent::Resize) Typeset();
  return QWidget::eventFilter(watched, event);
}

void WorkingWindow::SetScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  Restyle();
}

void WorkingWindow::Restyle() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(kPointsAt100 * scale_);
  text_->setFont(font);
  text_->document()->setDefaultFont(font);
  text_->document()->setDefaultStyleSheet(QStringLiteral("p { margin: 0 0 %1px 0; }").arg(Scaled(5, scale_)));
  text_->document()->setDocumentMargin(Scaled(10, scale_));
  html_.clear();
  Typeset();
}

std::optional<QRect> WorkingWindow::BesideForm(const QRect& formFrame) const {
  const QScreen* screen = form_.screen();
  if (screen == nullptr) return std::nullopt;
  const QRect room = screen->availableGeometry();
  // This window's frame is taken to be as thick as the form's.
  const QSize frame = form_.frameGeometry().size() - form_.geometry().size();
  const int right = room.right() - formFrame.right();
  const int left = formFrame.left() - room.left();
  const int wanted = Scaled(kWorkingPaneWidth, scale_) + frame.width();
  const int width = std::min(wanted, std::max(right, left));
  if (width < Scaled(kNarrowest, scale_) + frame.width()) return std::nullopt;
  const int x = right >= std::min(wanted, left) ? formFrame.right() + 1 : formFrame.left() - width;
  const int height = std::min(formFrame.height(), room.height());
  const int y = std::clamp(formFrame.top(), room.top(), room.bottom() + 1 - height);
  return QRect(x, y, width, height);
}

bool WorkingWindow::ShowBesideForm(const QRect& formFrame) {
  const std::optional<QRect> place = BesideForm(formFrame);
  if (!place) return false;
  if (IsPane()) {
    moving_ = true;
    setParent(&form_, Qt::Window);
    moving_ = false;
  }
  const QSize frame = form_.frameGeometry().size() - form_.geometry().size();
  resize(place->size() - frame);
  move(place->topLeft());  // a window's position is its frame's
  show();
  raise();
  return true;
}

void WorkingWindow::ShowAsPane(const QRect& pane) {
  if (!IsPane()) {
    // The keys go on reaching the text where they did, now in the form's window.
    const bool active = isActiveWindow();
    moving_ = true;
    setParent(&form_, Qt::Widget);
    moving_ = false;
    if (active) {
      form_.activateWindow();
      text_->setFocus();
    }
  }
  setGeometry(pane);
  show();
  raise();
}

void WorkingWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // Hidden for itself, not with the form or on its way into or out of it.
  if (!moving_ && isHidden() && hidden_) hidden_();
}

}  // namespace pr::window
