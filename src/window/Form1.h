#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/form/ErrorReporter.h"
#include "core/form/Form.h"
#include "core/form/LastCommand.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "geometry/working/Working.h"
#include "window/FigureExport.h"
#include "window/FormControls.h"
#include "window/FormScale.h"

namespace pr::window {

class FigureActions;
class WorkingWindow;

// The program's one window. It keeps the drawing surface itself, a raster
// under its 42 controls; the toolkit's paint events only show that raster.
// The whole form scales with the window, keeping its proportions, centred,
// the rest of the window in the form's background; the raster is made for
// the device pixels the scaled form covers.
// The plane is drawn anew only when the surface was filled with the
// background colour: when the window is first shown, after a change of
// scale, device pixel ratio or screen, and through Uncover; each time the
// last command's figure is drawn again over it (LastCommand), so a figure
// is never lost to a repaint.
class Form1 final : public QWidget, public Form {
 public:
  explicit Form1(ErrorReporter& reporter, QWidget* parent = nullptr);
  ~Form1() override;

  // Form
  std::string Text(std::string_view name, int index = kNoIndex) const override;
  void SetCaption(std::string_view name, std::string_view caption) override;
  Surface& Canvas() override;
  std::string DecimalMark() const override;

  // What the platform does when part of a covered window is uncovered: the
  // rectangle (device pixels) is filled with the background colour, then
  // the plane and the last command's figure are drawn again.
  void Uncover(const PixelRect& rect);

  const RasterSurface& Raster() const { return *surface_; }
  // The form's scale (1 at 100 %) and where its top-left corner stands.
  double Scale() const { return placement_.scale; }
  QPoint FormOrigin() const { return placement_.origin; }
  // Sizes the window so the form stands at `scale` (beside the working's
  // pane when it shows one), leaving full screen or maximised first; the
  // window with its frame stays within the screen's available area.
  void ZoomTo(double scale);
  void SetFullScreen(bool fullScreen);
  // A control by name and index, for tests and the accessibility check.
  QWidget* Control(std::string_view name, int index = kNoIndex) const;
  const std::vector<FormControl>& Controls() const { return controls_; }
  // What a control shows: a text box's text or a label's caption.
  std::string Shown(std::string_view name, int index = kNoIndex) const;
  // The plot square as the window shows it now, with the labels' texts.
  Figure CurrentFigure() const;
  // The last command's working, as the "Procedimento" window shows it.
  const working::Working& LastWorking() const { return working_; }
  // Shows or hides the "Procedimento": in its own window beside the form
  // where the screen has room, else (and always when maximised or in full
  // screen) as a pane of this window, the form fitted to the rest.
  void ShowWorking(bool show);
  bool WorkingInPane() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  class ShowingReporter;

  QSize BaseSize() const;
  double DpiScale() const;
  // Where the form stands in the window now, beside the working's pane if any.
  FormPlacement CurrentPlacement() const;
  void FollowWindow();
  // The working beside the form's window (`frame`: where it stands, frame
  // included) where there is room, else in a pane.
  void ArrangeWorking(const QRect& frame);
  // Remembers where the window stands while neither maximised nor in full
  // screen, to put the working beside it once it is normal again.
  void KeepNormalFrame();
  bool FollowScale();
  // The plane drawn anew with the last command's figure over it.
  void RedrawPlane();
  void Run(const ClickHandler& click);
  void ConnectClickHandlers();

  std::unique_ptr<ShowingReporter> reporter_;
  std::unique_ptr<RasterSurface> surface_;
  LastCommand last_;
  std::vector<FormControl> controls_;
  std::unique_ptr<FigureActions> figureActions_;
  FormPlacement placement_;
  double placedDpi_ = 0.0;  // the logical DPI the controls were placed for
  working::Working working_;
  WorkingWindow* workingWindow_ = nullptr;  // owned by this window, as its child
  QRect normalFrame_;
  bool shown_ = false;
};

}  // namespace pr::window
