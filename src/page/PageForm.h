#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/form/Form.h"
#include "core/form/FormLayout.h"
#include "core/form/LastPress.h"
#include "core/surface/Colour.h"
#include "core/surface/FormBackground.h"
#include "core/surface/RasterSurface.h"
#include "geometry/drag/PointMover.h"

namespace pr::page {

// The form's own background, the same as the desktop window's.
inline constexpr Colour kPageBackground = kFormBackground;

// The page's client area in CSS pixels, 15 twips to a pixel.
inline const int kPageWidthCss = layout::ClientWidth(kStandardDpi);
inline const int kPageHeightCss = layout::ClientHeight(kStandardDpi);

// Form1 as the page shows it: the text boxes and captions held as strings, the
// raster covering the whole client area in device pixels. The browser side
// only copies texts in and captions and pixels out; every handler runs here,
// through the same dispatch and error model as on the desktop.
class PageForm final : public Form, public drag::BoxEditor {
 public:
  // `devicePixelRatio` device pixels to a CSS pixel (scaled by the page's own
  // zoom to fit, if any); `decimalMark` is what the results are written with.
  PageForm(double devicePixelRatio, std::string decimalMark);
  // Its point mover holds on to it.
  PageForm(const PageForm&) = delete;
  PageForm& operator=(const PageForm&) = delete;

  // What the student typed into a text box.
  void SetText(InputBox box, std::string text);
  // drag::BoxEditor: what a moved point or a key writes into a box.
  void SetBoxText(InputBox box, const std::string& text) override { SetText(box, text); }
  // A label's caption as it shows now (the layout's caption until a handler
  // writes it); any other control is a programming error.
  std::string Caption(const ControlId& label) const;

  // Draws the plane anew over the whole surface, with the last command's
  // figure (first show, or after a change of ratio).
  void RedrawFigure();
  // A new device pixel ratio: as on the desktop, the old pixels mean nothing
  // any more, so the raster is made anew at the new size and painted whole,
  // the last command's figure included. Texts and captions stay. Returns
  // false when the ratio did not change.
  bool SetDevicePixelRatio(double devicePixelRatio);
  // Presses a button: its command runs through the shared press flow.
  // Returns what went wrong, nothing when the command ran to its end. What
  // it drew and wrote stays either way.
  std::optional<Failure> Click(Button button);

  const RasterSurface& Raster() const { return *surface_; }
  // The last press: its result, working and the texts it read.
  const LastPress& Last() const { return last_; }
  // The figure's points moved by hand and by keys.
  drag::PointMover& Mover() { return mover_; }
  double DevicePixelRatio() const { return ratio_; }
  void SetDecimalMark(std::string decimalMark) { decimalMark_ = std::move(decimalMark); }

  // Form
  std::string Text(InputBox box) const override;
  void SetCaption(ResultLabel label, std::string_view caption) override;
  Surface& Canvas() override { return *surface_; }
  std::string DecimalMark() const override { return decimalMark_; }

 private:
  // The table row of a control of that kind; any other is a programming error.
  std::size_t RowOf(const ControlId& control, layout::ControlKind kind) const;

  double ratio_;
  std::string decimalMark_;
  std::unique_ptr<RasterSurface> surface_;
  LastPress last_;
  drag::PointMover mover_{*this, *this, last_};
  // One string per layout row, in the table's order: a text box's text or a
  // label's caption (unused for buttons and shapes).
  std::vector<std::string> values_;
};

// The device pixel ratio the page may ask for, kept to a range whose raster
// fits in memory (up to 8 device pixels to a CSS pixel); anything that is not
// a positive finite number counts as 1.
double UsableRatio(double devicePixelRatio);
// Device pixels covering `cssPixels` at `devicePixelRatio` (never one less).
int DevicePixels(int cssPixels, double devicePixelRatio);

}  // namespace pr::page
