#pragma once

class QLineEdit;

namespace pr::window {

// Marks a box whose text is not read as it stands ("2,5" reads as 2, "(2; 3)"
// as 0): a small orange triangle in the box's top-right corner, growing with
// the box, and the sentence that says how the text is read as the box's
// tooltip and accessible description. It follows every edit, before any
// button is pressed; the reading itself is the commands' own.
void AddReadingMark(QLineEdit& box);

}  // namespace pr::window
