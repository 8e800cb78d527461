"""The "Procedimento" in class, under a real window manager (openbox: a
frame around the window, maximising, full screen; without one a full-screen
request changes nothing on the screen). Maximised or in full screen the
working is a pane of the window and the form is fitted to the rest, never
under it; back to normal the working has its own window beside the form.
Helpers shared with test_zoom_on_screen.py (one session per process: pyatspi
stays on the first session's bus).

Saves working-full-screen.png in $PR_SCREENSHOT_DIR.
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"
SHOTS = os.environ.get("PR_SCREENSHOT_DIR")
SCREEN = (1920, 1080)
ITALIAN = {"LANG": "it_IT.UTF-8", "LC_ALL": "it_IT.UTF-8"}  # the README's decimal commas
TITLE = "Procedimento"
NOTE = "Il fondo scala stabilisce quante unità sono espresse nei semi assi cartesiani"
# The triangle of the README, typed by keys: Tab visits the full scale, then
# the points from P3 to P1, then Command4, Command3, Command2, Command1.
TYPED = ["10", "-6", "-7", "3", "1", "0", "1"]


def apart(a, b):
    """Two boxes (x, y, width, height) that do not overlap."""
    return a[0] + a[2] <= b[0] or b[0] + b[2] <= a[0] or a[1] + a[3] <= b[1] or b[1] + b[3] <= a[1]


def run_points_command(s):
    for text in TYPED:
        s.key("Tab")
        s.type(text)
    s.key("Tab", "Tab", "Tab", "Tab", "space")


def placed(s, window):
    """(x, y, width, height) of a window's client area on the screen."""
    info = s._run(["xwininfo", "-id", window]).decode()
    field = lambda name: int(info.split(name + ":")[1].split()[0])  # noqa: E731
    return field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height")


def frame_on_screen(s):
    """The window's frame (client area plus the frame's extents) on the screen."""
    left, right, top, bottom = [int(v) for v in s._run(
        ["xprop", "-id", s.window, "_NET_FRAME_EXTENTS"]).decode().split("=")[1].split(",")]
    x, y, width, height = placed(s, s.window)
    return x - left, y - top, width + left + right, height + top + bottom


def extents(s, node):
    """(x, y, width, height) on the screen: under a window manager a
    window's own coordinates start at its frame."""
    e = node.queryComponent().getExtents(s._pyatspi().DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def working_text(s):
    """The working as a screen reader reads it: its non-breaking blanks,
    which keep a term on one line, read as blanks."""
    return s.accessible_text(TITLE, role="text").replace("\xa0", " ")


def wait_until_hidden(s, node):
    def hidden():
        try:
            return not node.getState().contains(s._pyatspi().STATE_SHOWING)
        except Exception:  # gone from the bus
            return True
    s.wait_for(hidden, "the working to hide")


class PaneChecks(unittest.TestCase):
    def assert_pane_beside_the_form(self, s, state):
        s.wait_for(lambda: not s.other_windows(), "the working inside the window " + state)
        pane = extents(s, s.find(TITLE, role="text"))
        x, y, width, height = placed(s, s.window)
        self.assertTrue(x <= pane[0] and y <= pane[1] and pane[0] + pane[2] <= x + width and pane[1] + pane[3] <= y + height,
                        "%s: the pane %s is not inside the window %s" % (state, pane, (x, y, width, height)))
        controls = [node for node in s.accessibles()
                    if node.getRoleName() in ("text", "push button", "label") and node.name != TITLE]
        self.assertGreater(len(controls), 30)
        for node in controls:
            box = extents(s, node)
            self.assertTrue(apart(pane, box), "%s: the pane %s covers %r at %s" % (state, pane, node.name, box))

    def assert_own_window_beside_the_form(self, s):
        working = s.wait_for(lambda: s.other_windows(), "the working's own window")[0]
        self.assertTrue(apart(placed(s, working), frame_on_screen(s)), "the working covers the form")


class WorkingInClass(PaneChecks):
    def test_maximised_or_in_full_screen_the_working_is_a_pane_and_goes_back_beside(self):
        with Session(PROGRAM, time_limit=55, env=ITALIAN, screen=SCREEN, window_manager=True) as s:
            s.focus()
            run_points_command(s)
            s.key("F9")
            self.assert_own_window_beside_the_form(s)

            s.focus()
            s.key("F11")
            s.wait_for(lambda: s.window_size() == SCREEN, "full screen")
            self.assert_pane_beside_the_form(s, "in full screen")
            self.assertIn("d(P1, P2) = √((x2 − x1)² + (y2 − y1)²)", working_text(s))
            if SHOTS:
                s.stable_screenshot().save_png(os.path.join(SHOTS, "working-full-screen.png"))
            s.key("F11")
            self.assert_own_window_beside_the_form(s)

            # Maximised as a person does it: a double click on the title bar.
            x, y, _, _ = placed(s, s.window)
            s._xdotool("mousemove", str(x + 200), str(y - 8), "click", "--repeat", "2", "--delay", "80", "1")
            s.wait_for(lambda: s.window_size()[0] == SCREEN[0], "the window maximised")
            self.assert_pane_beside_the_form(s, "maximised")

            s.focus()
            s.key("F9")
            wait_until_hidden(s, s.find(TITLE, role="text"))


if __name__ == "__main__":
    unittest.main(warnings="ignore")
