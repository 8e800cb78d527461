#pragma once

namespace pr::window {

class Form1;

// The window's own keys, working wherever the focus is: Ctrl++ and Ctrl+-
// zoom the form a step as in a browser (also Ctrl+= and the keypad's + and
// -), Ctrl+0 brings it back to 100 %; F11 puts the window in full screen
// and takes it out again, as does Escape (which first puts back a point
// being dragged); Ctrl+Z takes back the last move of a point.
void AddWindowKeys(Form1& form);

}  // namespace pr::window
