#include "window/Form1.h"

#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <cmath>
#include <stdexcept>

#include "plot/FigurePixels.h"
#include "core/figure/FigureText.h"
#include "core/form/FormLayout.h"
#include "core/surface/FormBackground.h"
#include "window/CaptionLabel.h"
#include "window/FigureActions.h"
#include "window/FormFont.h"
#include "window/QtColour.h"
#include "window/QtText.h"
#include "window/Twips.h"
#include "geometry/Commands.h"
#include "plot/FormPaint.h"

namespace pr::window {

// Brings what a failed handler drew onto the screen before the report is
// shown, so the student sees the figure up to the failing step.
class Form1::ShowingReporter final : public ErrorReporter {
 public:
  ShowingReporter(Form1& form, ErrorReporter& next) : form_(form), next_(next) {}
  void Report(const std::string& message) override {
    form_.update();
    next_.Report(message);
  }

 private:
  Form1& form_;
  ErrorReporter& next_;
};

Form1::Form1(ErrorReporter& reporter, QWidget* parent)
    : QWidget(parent), reporter_(std::make_unique<ShowingReporter>(*this, reporter)) {
  setWindowTitle(FromView(layout::kProgramTitle));
  setFont(FormFont(layout::kFormFontPoints));
  QPalette own = palette();
  own.setColor(QPalette::Window, ToQColor(kFormBackground));
  setPalette(own);
  // The surface covers the whole client area; nothing else paints under it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);

  const double dpi = logicalDpiX();
  resize(PixelsCovering(layout::kLayoutWidth, dpi), PixelsCovering(layout::kLayoutHeight, dpi));
  surface_ = std::make_unique<RasterSurface>(DeviceWidth(), DeviceHeight(), CurrentTwipsPerPixel(),
                                             kFormBackground, DotSizeFor(devicePixelRatioF()));

  controls_ = BuildControls(*this, dpi);
  ConnectClickHandlers();
  figureActions_ = std::make_unique<FigureActions>(*this, [this] { return CurrentFigure(); });
  // The focusable control with the lowest tab index.
  Control("Command1")->setFocus();
}

Form1::~Form1() = default;

std::string Form1::Text(std::string_view name, int index) const {
  const auto* box = dynamic_cast<const QLineEdit*>(Control(name, index));
  if (box == nullptr) throw std::out_of_range("Form1 has no text box " + ControlName(name, index).toStdString());
  return box->text().toStdString();
}

void Form1::SetCaption(std::string_view name, std::string_view caption) {
  auto* label = dynamic_cast<CaptionLabel*>(Control(name));
  if (label == nullptr) throw std::out_of_range("Form1 has no label " + std::string(name));
  label->SetCaption(FromView(caption));
}

std::string Form1::Shown(std::string_view name, int index) const {
  const QWidget* control = Control(name, index);
  if (const auto* box = dynamic_cast<const QLineEdit*>(control)) return box->text().toStdString();
  if (const auto* label = dynamic_cast<const QLabel*>(control)) return label->text().toStdString();
  throw std::out_of_range("Form1 shows no text in " + ControlName(name, index).toStdString());
}

Figure Form1::CurrentFigure() const {
  return TakeFigure(*surface_, QString::fromStdString(figure::FigureText(last_, DecimalMark())));
}

Surface& Form1::Canvas() { return *surface_; }

std::string Form1::DecimalMark() const { return QLocale::system().decimalPoint().toStdString(); }

QWidget* Form1::Control(std::string_view name, int index) const {
  for (const FormControl& control : controls_) {
    if (control.row->name == name && control.row->index == index) return control.widget;
  }
  return nullptr;
}

void Form1::Uncover(const PixelRect& rect) {
  surface_->FillBackground(rect);
  RedrawPlane();
}

int Form1::DeviceWidth() const { return static_cast<int>(std::ceil(width() * devicePixelRatioF())); }
int Form1::DeviceHeight() const { return static_cast<int>(std::ceil(height() * devicePixelRatioF())); }

double Form1::CurrentTwipsPerPixel() const { return TwipsPerPixel(logicalDpiX(), devicePixelRatioF()); }

// A new screen or device pixel ratio changes the twips per pixel: the old
// pixels mean nothing any more, so the whole surface is filled and painted.
bool Form1::FollowScale() {
  const double twipsPerPixel = CurrentTwipsPerPixel();
  if (twipsPerPixel == surface_->TwipsPerPixel()) return false;
  surface_->Rescale(DeviceWidth(), DeviceHeight(), twipsPerPixel, DotSizeFor(devicePixelRatioF()));
  if (shown_) RedrawPlane();
  return true;
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;  // restored, not first shown: the surface still holds everything
  shown_ = true;
  FollowScale();
  RedrawPlane();
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (FollowScale()) return;
  std::vector<PixelRect> added = surface_->Resize(DeviceWidth(), DeviceHeight());
  if (shown_ && !added.empty()) RedrawPlane();
}

void Form1::paintEvent(QPaintEvent*) {
  FollowScale();
  // Wraps the surface's own pixels: no copy is made to show them.
  QImage image(reinterpret_cast<uchar*>(surface_->Data()), surface_->Width(), surface_->Height(),
               surface_->BytesPerLine(), QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatioF());
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), image);
}

// The figure's menu opens on the plot square only; elsewhere a right-click
// does what it always did.
void Form1::contextMenuEvent(QContextMenuEvent* event) {
  const QPointF device = QPointF(event->pos()) * devicePixelRatioF();
  const PixelRect square = figure::FigurePixels(*surface_);
  if (event->reason() != QContextMenuEvent::Mouse ||
      !square.Contains(static_cast<int>(device.x()), static_cast<int>(device.y()))) {
    event->ignore();
    return;
  }
  figureActions_->ShowMenu(event->globalPos());
}

void Form1::RedrawPlane() {
  RedrawFigure(*this, Form_Paint, last_);
  update();
}

void Form1::Run(const CommandHandler& handler) {
  last_.Run(handler, *this, *reporter_);
  update();
}

void Form1::ConnectClickHandlers() {
  for (const ClickHandler& click : kClickHandlers) {
    auto* button = static_cast<QPushButton*>(Control(click.button));
    connect(button, &QPushButton::clicked, this, [this, handler = click.handler] { Run(handler); });
  }
}

}  // namespace pr::window
