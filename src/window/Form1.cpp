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
#include <utility>

#include "core/form/EventDispatch.h"
#include "plot/FigurePixels.h"
#include "core/figure/FigureText.h"
#include "core/form/FormLayout.h"
#include "core/surface/FormBackground.h"
#include "window/CaptionLabel.h"
#include "window/FigureActions.h"
#include "window/WorkingWindow.h"
#include "geometry/working/ClickWorking.h"
#include "window/FormFont.h"
#include "window/QtColour.h"
#include "window/QtText.h"
#include "window/Twips.h"
#include "geometry/Commands.h"
#include "plot/FormPaint.h"

namespace pr::window {
namespace {

// Drawing reaches only the clip while Paint runs, however the handler ends.
class ClipScope {
 public:
  ClipScope(RasterSurface& surface, std::vector<PixelRect> clip) : surface_(surface) {
    surface_.SetClip(std::move(clip));
  }
  ~ClipScope() { surface_.ClearClip(); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  RasterSurface& surface_;
};

}  // namespace

// Brings what a failed handler drew onto the screen before the report is
// shown, so the student sees the figure up to the failing step.
class Form1::ShowingReporter final : public ErrorReporter {
 public:
  ShowingReporter(Form1& form, ErrorReporter& next) : form_(form), next_(next) {}
  void Report(const std::string& message) override {
    last_ = message;
    form_.update();
    next_.Report(message);
  }
  // The report of the handler that ran last, "" when it ran to its end.
  std::string TakeReport() { return std::exchange(last_, {}); }

 private:
  Form1& form_;
  ErrorReporter& next_;
  std::string last_;
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
  workingWindow_ = new WorkingWindow(*this);
  QAction* toggle = figureActions_->AddWorkingToggle([this](bool show) { ShowWorking(show); });
  workingWindow_->addAction(toggle);  // F9 hides it again from its own window
  workingWindow_->OnHidden([toggle] { toggle->setChecked(false); });
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
  const std::string text =
      figure::FigureText([this](std::string_view name, int index) { return Shown(name, index); }, DecimalMark(),
                         working::WorkingText(working_));
  return TakeFigure(*surface_, QString::fromStdString(text));
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
  RaisePaint({rect});
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
  if (shown_) RaisePaint({{0, 0, surface_->Width(), surface_->Height()}});
  return true;
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;  // restored, not first shown: the surface still holds everything
  shown_ = true;
  FollowScale();
  RaisePaint({{0, 0, surface_->Width(), surface_->Height()}});
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (FollowScale()) return;
  std::vector<PixelRect> added = surface_->Resize(DeviceWidth(), DeviceHeight());
  if (shown_ && !added.empty()) RaisePaint(std::move(added));
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

void Form1::RaisePaint(std::vector<PixelRect> filled) {
  {
    ClipScope clip(*surface_, std::move(filled));
    Dispatch([this] { Form_Paint(*this); }, *reporter_);
  }
  update();
}

void Form1::Run(const ClickHandler& click) {
  reporter_->TakeReport();
  Dispatch([this, handler = click.handler] { handler(*this); }, *reporter_);
  update();
  working_ = working::WorkingOfClick(click.button, *this, reporter_->TakeReport());
  workingWindow_->ShowWorking(working_);
}

void Form1::ShowWorking(bool show) {
  if (show == workingWindow_->isVisible()) return;
  if (show) {
    workingWindow_->ShowBesideForm();
  } else {
    workingWindow_->hide();
  }
}

void Form1::ConnectClickHandlers() {
  for (const ClickHandler& click : kClickHandlers) {
    auto* button = static_cast<QPushButton*>(Control(click.button));
    connect(button, &QPushButton::clicked, this, [this, &click] { Run(click); });
  }
}

}  // namespace pr::window
