#include "window/Form1.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>

#include "core/figure/FigureText.h"
#include "core/form/FormLayout.h"
#include "core/form/Twips.h"
#include "core/surface/FormBackground.h"
#include "geometry/Commands.h"
#include "plot/FigurePixels.h"
#include "plot/FormPaint.h"
#include "window/BoxKeys.h"
#include "window/CaptionLabel.h"
#include "window/FigureActions.h"
#include "window/FigureHand.h"
#include "window/FormFont.h"
#include "window/FormLook.h"
#include "window/QtColour.h"
#include "window/QtText.h"
#include "window/WindowKeys.h"
#include "window/WorkingWindow.h"

namespace pr::window {

Form1::Form1(ErrorReporter& reporter, QWidget* parent) : QWidget(parent), reporter_(reporter) {
  setWindowTitle(FromView(layout::kProgramTitle));
  setFont(FormFont(layout::kFormFontPoints));
  setPalette(FormPalette());
  // The surface covers the whole client area; nothing else paints under it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);

  resize(BaseSize());
  placement_ = PlaceForm(size(), BaseSize());
  surface_ = std::make_unique<RasterSurface>(0, 0, TwipsPerPixel(logicalDpiX(), 1.0), kFormBackground);
  FollowScale();

  placedDpi_ = logicalDpiX();
  controls_ = BuildControls(*this, placedDpi_);
  ConnectButtons();
  hand_ = std::make_unique<FigureHand>(*this);
  boxKeys_ = std::make_unique<BoxKeys>(*this);
  for (InputBox box : kInputBoxes) Control(ControlOf(box))->installEventFilter(boxKeys_.get());
  // The open hand over a point that a press would grab.
  setMouseTracking(true);
  AddWindowKeys(*this);
  figureActions_ = std::make_unique<FigureActions>(*this, [this] { return CurrentFigure(); });
  workingWindow_ = new WorkingWindow(*this);
  QAction* toggle = figureActions_->AddWorkingToggle([this](bool show) { ShowWorking(show); });
  // Every key of the window works from the working's own window too.
  workingWindow_->addActions(actions());
  workingWindow_->OnHidden([toggle] { toggle->setChecked(false); });
  // The focusable control with the lowest tab index.
  Control(ControlOf(Button::Points))->setFocus();
}

Form1::~Form1() = default;

// The table names every box and result label after a control of its kind.
std::string Form1::Text(InputBox box) const {
  return static_cast<const QLineEdit*>(Control(ControlOf(box)))->text().toStdString();
}

void Form1::SetCaption(ResultLabel label, std::string_view caption) {
  static_cast<CaptionLabel*>(Control(ControlOf(label)))->SetCaption(FromView(caption));
}

Figure Form1::CurrentFigure() const {
  return TakeFigure(*surface_, QString::fromStdString(figure::FigureText(last_, DecimalMark())));
}

Surface& Form1::Canvas() { return *surface_; }

void Form1::SetBoxText(InputBox box, const std::string& text) {
  static_cast<QLineEdit*>(Control(ControlOf(box)))->setText(QString::fromStdString(text));
}

std::optional<InputBox> Form1::BoxOf(const QWidget* widget) const {
  for (InputBox box : kInputBoxes) {
    if (Control(ControlOf(box)) == widget) return box;
  }
  return std::nullopt;
}

PlotPoint Form1::PlotTwipsAt(QPointF position) const {
  const QPointF device = (position - QPointF(placement_.origin)) * devicePixelRatioF();
  return drag::PointerTwips(device.x(), device.y(), surface_->TwipsPerPixel());
}

double Form1::TargetTwips(drag::PointerKind kind) const {
  return drag::TargetDiameterTwips(kind, logicalDpiX(), placement_.scale);
}

std::string Form1::DecimalMark() const { return QLocale::system().decimalPoint().toStdString(); }

QWidget* Form1::Control(const ControlId& control) const {
  for (const FormControl& built : controls_) {
    if (built.row->name == control.name && built.row->index == control.index) return built.widget;
  }
  return nullptr;
}

QSize Form1::BaseSize() const {
  const double dpi = logicalDpiX();
  return {layout::ClientWidth(dpi), layout::ClientHeight(dpi)};
}

double Form1::DpiScale() const { return logicalDpiX() / 96.0; }

bool Form1::WorkingInPane() const {
  return workingWindow_ != nullptr && workingWindow_->IsPane() && !workingWindow_->isHidden();
}

// The form follows the window: scaled to fit and centred, beside the
// working's pane if any. Controls and fonts are placed anew only when the
// scale or the place changed.
void Form1::FollowWindow() {
  const double dpi = logicalDpiX();
  std::optional<WorkingSplit> split;
  if (WorkingInPane()) split = SplitForWorking(size(), BaseSize(), DpiScale());
  const FormPlacement placement = split ? split->form : PlaceForm(size(), BaseSize());
  const bool rescaled = placement.scale != placement_.scale || dpi != placedDpi_;
  if (rescaled) setFont(FormFont(layout::kFormFontPoints * placement.scale));
  if (workingWindow_ != nullptr) {
    workingWindow_->SetScale(placement.scale);
    if (split) workingWindow_->setGeometry(split->pane);
  }
  if (rescaled || placement.origin != placement_.origin) {
    PlaceControls(controls_, dpi, placement.scale, placement.origin);
    update();
  }
  placement_ = placement;
  placedDpi_ = dpi;
  FollowScale();
}

// A new scale, screen or device pixel ratio changes the twips per pixel:
// the old pixels mean nothing any more, so the raster is made anew for the
// device pixels the form covers, and the plane and the last command's
// figure are drawn on it again.
bool Form1::FollowScale() {
  const double ratio = devicePixelRatioF();
  const int width = static_cast<int>(std::ceil(placement_.size.width() * ratio));
  const int height = static_cast<int>(std::ceil(placement_.size.height() * ratio));
  const double twipsPerPixel = TwipsPerPixel(logicalDpiX() * placement_.scale, ratio);
  const int dotSize = DotSizeFor(placement_.scale * ratio);
  if (twipsPerPixel == surface_->TwipsPerPixel() && dotSize == surface_->DotSize() && width == surface_->Width() &&
      height == surface_->Height()) {
    return false;
  }
  surface_->Rescale(width, height, twipsPerPixel, dotSize);
  if (shown_) RedrawFigure();
  return true;
}

void Form1::ZoomTo(double scale) {
  if (isFullScreen() || isMaximized()) showNormal();
  const QSize base = BaseSize();
  // The frame (title bar, borders) must fit on the screen too, or the
  // bottom of the form goes past its edge.
  const QSize frame = frameGeometry().size() - size();
  const QRect room = screen() != nullptr ? screen()->availableGeometry() : QRect(QPoint(0, 0), 8 * base);
  const auto placed = [&](QSize client) {
    client = client.boundedTo(room.size() - frame);
    const QPoint at = frameGeometry().topLeft();
    return QRect(QPoint(std::clamp(at.x(), room.left(), room.right() + 1 - client.width() - frame.width()),
                        std::clamp(at.y(), room.top(), room.bottom() + 1 - client.height() - frame.height())),
                 client + frame);
  };
  QRect wanted = placed(QSize(Scaled(base.width(), scale), Scaled(base.height(), scale)));
  const bool working = !workingWindow_->isHidden();
  workingWindow_->SetScale(scale);  // its width beside the form follows the zoom
  const bool pane = working && !workingWindow_->HasRoomBeside(wanted);
  if (pane) {
    const bool beside = !WorkingInPane() || SplitForWorking(size(), base, DpiScale()).beside;
    wanted = placed(WindowWithPane(base, DpiScale(), scale, room.size() - frame, beside));
  }
  if (wanted.topLeft() != frameGeometry().topLeft()) move(wanted.topLeft());
  resize(wanted.size() - frame);
  if (working) ArrangeWorking(wanted);
}

void Form1::SetFullScreen(bool fullScreen) {
  if (fullScreen == isFullScreen()) return;
  if (fullScreen) {
    showFullScreen();
  } else {
    showNormal();
  }
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;  // restored, not first shown: the surface still holds everything
  shown_ = true;
  FollowWindow();
  RedrawFigure();
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  KeepNormalFrame();
  FollowWindow();
}

void Form1::paintEvent(QPaintEvent*) {
  FollowWindow();  // the window may have moved to a screen of another DPI or ratio
  // Wraps the surface's own pixels: no copy is made to show them.
  QImage image(reinterpret_cast<uchar*>(surface_->Data()), surface_->Width(), surface_->Height(),
               surface_->BytesPerLine(), QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatioF());
  QPainter painter(this);
  // Around the form, the form's background.
  const QRect form(placement_.origin, placement_.size);
  const QRegion around = QRegion(rect()).subtracted(QRegion(form));
  for (const QRect& part : around) painter.fillRect(part, ToQColor(kFormBackground));
  painter.drawImage(placement_.origin, image);
}

// The figure's menu opens on the plot square only; elsewhere a right-click
// does what it always did.
void Form1::contextMenuEvent(QContextMenuEvent* event) {
  const QPointF device = QPointF(event->pos() - placement_.origin) * devicePixelRatioF();
  const PixelRect square = figure::FigurePixels(*surface_);
  if (event->reason() != QContextMenuEvent::Mouse ||
      !square.Contains(static_cast<int>(device.x()), static_cast<int>(device.y()))) {
    event->ignore();
    return;
  }
  figureActions_->ShowMenu(event->globalPos());
}

void Form1::mousePressEvent(QMouseEvent* event) {
  if (!hand_->Press(*event)) QWidget::mousePressEvent(event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  if (!hand_->Move(*event)) QWidget::mouseMoveEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
  if (!hand_->Release(*event)) QWidget::mouseReleaseEvent(event);
}

void Form1::Escape() {
  if (!hand_->Cancel()) SetFullScreen(false);
}

void Form1::UndoMove() {
  if (mover_.CanUndo(std::nullopt)) ShowRun(mover_.Undo(std::nullopt).failure);
}

void Form1::RedrawFigure() {
  last_.Redraw(*this, Form_Paint);
  update();
}

void Form1::Press(Button button) { ShowRun(last_.Press(CommandOf(button), *this)); }

void Form1::ShowRun(const std::optional<Failure>& failure) {
  workingWindow_->ShowWorking(last_.Working());
  // What the command drew up to its failure shows before the message box
  // says why it stopped: the box's own event loop paints it.
  update();
  if (failure) reporter_.Report(failure->Report());
}

void Form1::ShowWorking(bool show) {
  if (show != workingWindow_->isHidden()) return;
  if (show) {
    ArrangeWorking(frameGeometry());
  } else {
    workingWindow_->hide();
    FollowWindow();
  }
}

void Form1::ArrangeWorking(const QRect& frame) {
  const bool beside = !isMaximized() && !isFullScreen() && workingWindow_->ShowBesideForm(frame);
  if (!beside) workingWindow_->ShowAsPane(SplitForWorking(size(), BaseSize(), DpiScale()).pane);
  FollowWindow();
}

// Maximised or in full screen the working becomes a pane; back to normal,
// it goes beside the form again where there is room. Where the form then
// stands is the frame it had before (Qt's normalGeometry() is already the
// full screen's by then).
void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || workingWindow_->isHidden()) return;
  ArrangeWorking(normalFrame_.isValid() ? normalFrame_ : frameGeometry());
}

void Form1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  KeepNormalFrame();
}

void Form1::KeepNormalFrame() {
  if (isVisible() && windowState() == Qt::WindowNoState) normalFrame_ = frameGeometry();
}

void Form1::ConnectButtons() {
  for (Button button : kButtons) {
    auto* pushButton = static_cast<QPushButton*>(Control(ControlOf(button)));
    connect(pushButton, &QPushButton::clicked, this, [this, button] { Press(button); });
  }
}

}  // namespace pr::window
