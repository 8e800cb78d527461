#pragma once

#include <QFont>

namespace pr::window {

// The old face, MS Sans Serif, is a Windows bitmap font that Linux lacks.
// Of the sans-serif families Debian packages, DejaVu Sans Bold comes closest
// to its widths: Label1's title measures 5519 twips against 5550, Label16's
// 1630 against 1620 (Liberation Sans, FreeSans, Arimo and Noto Sans are all
// 15-20% narrower). It is named explicitly so the toolkit never picks.
inline constexpr char kFallbackFamily[] = "DejaVu Sans";

// The form's font at `points`: bold (weight 700), not italic, underlined or
// struck through, in the old face where it exists and else in the fallback.
QFont FormFont(double points);

}  // namespace pr::window
