#include "window/ReadingMark.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <string>

#include "core/numbers/ReadingNote.h"
#include "window/FormScale.h"
#include "window/QtText.h"

namespace pr::window {
namespace {

// Dark orange: visible on the box's white and beside the form's silver,
// and like no colour of the points or lines.
const QColor kMarkColour(0xd3, 0x54, 0x00);
// The triangle's side, as a share of the box's height.
constexpr double kShare = 0.45;

class ReadingMark final : public QWidget {
 public:
  explicit ReadingMark(QLineEdit& box) : QWidget(&box), box_(box) {
    // Clicks and the focus go to the box, as if the mark were not there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    box.installEventFilter(this);
    QObject::connect(&box, &QLineEdit::textChanged, this, [this] { Follow(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &box_ && event->type() == QEvent::Resize) Place();
    return QWidget::eventFilter(watched, event);
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMarkColour);
    painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(width(), 0), QPoint(width(), height())}));
  }

 private:
  void Follow() {
    const std::optional<std::string> note = ReadingNote(box_.text().toStdString());
    const QString sentence = note ? QString::fromStdString(*note) : QString();
    box_.setToolTip(sentence);
    box_.setAccessibleDescription(sentence);
    setVisible(note.has_value());
  }

  void Place() {
    const int side = std::max(4, Scaled(box_.height(), kShare));
    setGeometry(box_.width() - side, 0, side, side);
  }

  QLineEdit& box_;
};

}  // namespace

void AddReadingMark(QLineEdit& box) { new ReadingMark(box); }

}  // namespace pr::window
