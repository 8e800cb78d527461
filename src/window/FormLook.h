#pragma once

#include <QPalette>

namespace pr::window {

// The window's own look, whatever the desktop's theme: a dark colour scheme
// (qt6ct "darker", KDE Breeze Dark) turned the window near-black, so the
// black grid, the axes and the blue captions vanished. Fusion's standard
// palette, with the form's background as the window colour; every role of
// every group is set, so nothing falls through to the desktop's palette.
QPalette FormPalette();

// Makes Fusion and FormPalette the application's style and palette, before
// any window is created: dialogs and message boxes follow them too.
void UseFormLook();

}  // namespace pr::window
