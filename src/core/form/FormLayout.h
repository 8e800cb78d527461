#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/form/ControlId.h"
#include "core/form/Twips.h"
#include "core/surface/Colour.h"

namespace pr::layout {

enum class ControlKind { Label, TextBox, CommandButton, Shape };

// The window's title, also the title of its message boxes and of the
// figure's printed page.
inline constexpr std::string_view kProgramTitle = "Punti e rette";

// The form font. The old face, MS Sans Serif, is a Windows bitmap font that
// Linux lacks. Of the sans-serif families Debian packages, DejaVu Sans Bold
// comes closest to its widths: Label1's title measures 5519 twips against
// 5550, Label16's 1630 against 1620 (Liberation Sans, FreeSans, Arimo and
// Noto Sans are all 15-20% narrower). The fallback is named explicitly so
// the toolkit never picks; the page carries a subset of it.
inline constexpr std::string_view kFormFontFamily = "MS Sans Serif";
inline constexpr std::string_view kFormFontFallback = "DejaVu Sans";
inline constexpr double kFormFontPoints = 7.8;
inline constexpr int kFormFontWeight = 700;

// The old runtime left an empty auto-size label a sliver wide rather than
// nothing: about 0.45 em (75 twips at 7.8 pt, 90 twips at 10.8 pt).
inline constexpr double kEmptyLabelWidthEm = 0.45;

// Every control fits into this client area: the right edge is Label10's,
// the bottom edge Label13's.
inline constexpr int kLayoutWidth = 14610;
inline constexpr int kLayoutHeight = 8640;

// The client area in pixels of a screen with `logicalDpi` dots per inch: the
// whole layout, never a pixel less (974 x 576 at 96 DPI).
inline int ClientWidth(double logicalDpi) { return PixelsCovering(kLayoutWidth, logicalDpi); }
inline int ClientHeight(double logicalDpi) { return PixelsCovering(kLayoutHeight, logicalDpi); }

using pr::kNoIndex;
inline constexpr int kNoTabStop = -1;  // shapes have no tab index

// One control of Form1. Positions and sizes are twips from the top-left of
// the client area. For an auto-size label, Width and Height are its size with
// its initial caption in the old face (for an empty caption, the size of the
// empty label); the window measures the caption again in its own font.
struct ControlRow {
  ControlKind kind;
  std::string_view name;
  int index;  // element of a control array, or kNoIndex
  std::string_view caption;
  int left;
  int top;
  int width;
  int height;
  std::optional<Colour> colour;  // fore colour; fill colour of a shape
  double fontPoints;             // always bold, in the form font's family
  bool autoSize;
  int tabIndex;
  // What a screen reader says besides the caption: the heading of a text
  // box (its accessible name), what a result label holds (its description),
  // what a legend marker stands for (its name).
  std::string_view spoken;
};

inline constexpr std::size_t kControlCount = 42;

// The 42 controls, in creation order (later rows lie above earlier ones).
std::span<const ControlRow, kControlCount> Controls();

// The row of a control, or nullptr when there is no such control.
const ControlRow* Find(std::string_view name, int index = kNoIndex);

// How a control is written: "Text1(0)" for an element of a control array,
// "Text4" for a single control.
std::string ElementName(std::string_view name, int index = kNoIndex);

}  // namespace pr::layout
