#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/form/ErrorReporter.h"
#include "core/form/Form.h"
#include "core/surface/RasterSurface.h"
#include "geometry/Commands.h"
#include "geometry/working/Working.h"
#include "window/FigureExport.h"
#include "window/FormControls.h"

namespace pr::window {

class FigureActions;
class WorkingWindow;

// The program's one window. It keeps the drawing surface itself, a raster
// under its 42 controls; the toolkit's paint events only show that raster.
// The program's Paint (Form_Paint) is raised only where the surface was
// filled with the background colour: when the window is first shown, in the
// area a resize adds, after a change of scale, and through Uncover. So a
// figure is never wiped by a repaint the toolkit chose to make.
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
  // Paint is raised clipped to it.
  void Uncover(const PixelRect& rect);

  const RasterSurface& Raster() const { return *surface_; }
  // A control by name and index, for tests and the accessibility check.
  QWidget* Control(std::string_view name, int index = kNoIndex) const;
  const std::vector<FormControl>& Controls() const { return controls_; }
  // What a control shows: a text box's text or a label's caption.
  std::string Shown(std::string_view name, int index = kNoIndex) const;
  // The plot square as the window shows it now, with the labels' texts.
  Figure CurrentFigure() const;
  // The last command's working, as the "Procedimento" window shows it.
  const working::Working& LastWorking() const { return working_; }
  // Shows or hides the "Procedimento" window beside the form.
  void ShowWorking(bool show);

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class ShowingReporter;

  int DeviceWidth() const;
  int DeviceHeight() const;
  double CurrentTwipsPerPixel() const;
  bool FollowScale();
  void RaisePaint(std::vector<PixelRect> filled);
  void Run(const ClickHandler& click);
  void ConnectClickHandlers();

  std::unique_ptr<ShowingReporter> reporter_;
  std::unique_ptr<RasterSurface> surface_;
  std::vector<FormControl> controls_;
  std::unique_ptr<FigureActions> figureActions_;
  working::Working working_;
  WorkingWindow* workingWindow_ = nullptr;  // owned by this window, as its child
  bool shown_ = false;
};

}  // namespace pr::window
