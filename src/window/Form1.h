#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/form/Form.h"
#include "core/form/LastPress.h"
#include "core/surface/RasterSurface.h"
#include "geometry/drag/PointMover.h"
#include "window/ErrorReporter.h"
#include "window/FigureExport.h"
#include "window/FormControls.h"
#include "window/FormScale.h"

namespace pr::window {

class BoxKeys;
class FigureActions;
class FigureHand;
class WorkingWindow;

// The program's one window. It keeps the drawing surface itself, a raster
// under its 42 controls; the toolkit's paint events only show that raster.
// The whole form scales with the window, keeping its proportions, centred,
// the rest of the window in the form's background; the raster is made for
// the device pixels the scaled form covers.
// The plane is drawn anew only when the surface was made anew: when the
// window is first shown and after a change of scale, device pixel ratio or
// screen; each time the last command's figure is drawn again over it
// (LastPress::Redraw), so a figure is never lost to a repaint.
class Form1 final : public QWidget, public Form, public drag::BoxEditor {
 public:
  explicit Form1(ErrorReporter& reporter, QWidget* parent = nullptr);
  ~Form1() override;

  // Form
  std::string Text(InputBox box) const override;
  void SetCaption(ResultLabel label, std::string_view caption) override;
  Surface& Canvas() override;
  std::string DecimalMark() const override;
  // drag::BoxEditor: a moved point's or a key's text replaces the box's.
  void SetBoxText(InputBox box, const std::string& text) override;

  const RasterSurface& Raster() const { return *surface_; }
  // The form's scale (1 at 100 %).
  double Scale() const { return placement_.scale; }
  // Sizes the window so the form stands at `scale` (beside the working's
  // pane when it shows one), leaving full screen or maximised first; the
  // window with its frame stays within the screen's available area.
  void ZoomTo(double scale);
  void SetFullScreen(bool fullScreen);
  // A control by its name on the form; null when there is none.
  QWidget* Control(const ControlId& control) const;
  // The plot square as the window shows it now, with the labels' texts.
  Figure CurrentFigure() const;
  // Shows or hides the "Procedimento": in its own window beside the form
  // where the screen has room, else (and always when maximised or in full
  // screen) as a pane of this window, the form fitted to the rest.
  void ShowWorking(bool show);
  bool WorkingInPane() const;

  // The figure's points moved by hand (FigureHand) and by keys (BoxKeys).
  drag::PointMover& Mover() { return mover_; }
  FigureHand& Hand() { return *hand_; }
  // What the last command left after it ran again: the figure and the
  // working shown, then the run-time error's message, if any.
  void ShowRun(const std::optional<Failure>& failure);
  // Escape: a point being dragged goes back; otherwise full screen ends.
  void Escape();
  // Ctrl+Z with the focus outside the boxes: the last move taken back.
  void UndoMove();
  // The plot twips under a position of the window (logical pixels), and
  // the width of a pointer's target there at the form's scale.
  PlotPoint PlotTwipsAt(QPointF position) const;
  double TargetTwips(drag::PointerKind kind) const;
  // Which input box a widget of the form is, if any.
  std::optional<InputBox> BoxOf(const QWidget* widget) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QSize BaseSize() const;
  double DpiScale() const;
  void FollowWindow();
  // The working beside the form's window (`frame`: where it stands, frame
  // included) where there is room, else in a pane.
  void ArrangeWorking(const QRect& frame);
  // Remembers where the window stands while neither maximised nor in full
  // screen, to put the working beside it once it is normal again.
  void KeepNormalFrame();
  bool FollowScale();
  // The plane drawn anew with the last command's figure over it.
  void RedrawFigure();
  void Press(Button button);
  void ConnectButtons();

  ErrorReporter& reporter_;
  std::unique_ptr<RasterSurface> surface_;
  LastPress last_;
  drag::PointMover mover_{*this, *this, last_};
  std::unique_ptr<FigureHand> hand_;
  std::unique_ptr<BoxKeys> boxKeys_;
  std::vector<FormControl> controls_;
  std::unique_ptr<FigureActions> figureActions_;
  FormPlacement placement_;
  double placedDpi_ = 0.0;                  // the logical DPI the controls were placed for
  WorkingWindow* workingWindow_ = nullptr;  // owned by this window, as its child
  QRect normalFrame_;
  bool shown_ = false;
};

}  // namespace pr::window
