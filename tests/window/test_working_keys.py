"""The window's keys with the focus in the "Procedimento" text, in its own
window beside the form: the zoom keys zoom the form and the working's text
with it (11 pt at 100 %, 22 pt at 200 %), F11 and Escape take the window in
and out of full screen (the working a pane there), F9 hides the working.

Saves working-200.png (the form at 200 % with the working beside it) in
$PR_SCREENSHOT_DIR.
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Screenshot, Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"
SHOTS = os.environ.get("PR_SCREENSHOT_DIR")
SCREEN = (2600, 1400)  # room for the working beside the form at 200 %
ITALIAN = {"LANG": "it_IT.UTF-8", "LC_ALL": "it_IT.UTF-8"}  # the README's decimal commas
TITLE = "Procedimento"


def text_points(s):
    """The working's font size in points, as the accessibility bus says."""
    attributes = s.find(TITLE, role="text").queryText().getAttributes(0)[0]
    return int(dict(a.split(":", 1) for a in attributes.split(";"))["size"])


class WorkingKeys(unittest.TestCase):
    def test_the_window_keys_work_from_the_working(self):
        with Session(PROGRAM, time_limit=55, env=ITALIAN, screen=SCREEN) as s:
            s.focus()
            # The README's triangle by keys: the full scale, then P3 to P1; Command1.
            for text in ["10", "-6", "-7", "3", "1", "0", "1"]:
                s.key("Tab")
                s.type(text)
            s.key("Tab", "Tab", "Tab", "Tab", "space")
            s.key("F9")
            working = s.wait_for(lambda: s.other_windows(), "the working's window")[0]
            self.assertEqual(text_points(s), 11)

            s.focus(working)
            s._xdotool("mousemove", "--window", working, "40", "40", "click", "1")
            s.wait_for(lambda: s.focused_name() == TITLE, "the focus in the working's text")
            for key, size in [("ctrl+plus", (1071, 634)), ("ctrl+minus", (974, 576)), ("ctrl+plus", (1071, 634)),
                              ("ctrl+0", (974, 576))]:
                s.key(key)
                s.wait_for(lambda: s.window_size() == size, "%s to size the window %s" % (key, size))
            for _ in range(5):
                s.key("ctrl+plus")
            s.wait_for(lambda: s.window_size() == (1948, 1152), "the window at 200 %")
            self.assertEqual(text_points(s), 22)
            if SHOTS:
                s.stable_screenshot()
                whole = s.screenshot("root")
                rows = [whole.rgb[3 * whole.width * y:3 * whole.width * (y + 1)] for y in range(1152)]
                Screenshot(whole.width, 1152, b"".join(rows)).save_png(os.path.join(SHOTS, "working-200.png"))

            # Without a window manager a full-screen request leaves the window
            # as it is, but the program takes it as granted: the working moves
            # into the window, and back out of it.
            s.key("F11")
            s.wait_for(lambda: not s.other_windows(), "the working in the window in full screen")
            s.key("Escape")
            working = s.wait_for(lambda: s.other_windows(), "the working's own window again")[0]
            s.focus(working)
            s.key("F9")
            s.wait_for(lambda: not s.other_windows(), "F9 to hide the working")
            self.assertTrue(s.running())


if __name__ == "__main__":
    unittest.main(warnings="ignore")
