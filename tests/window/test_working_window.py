"""The "Procedimento" window in the real program: F9 (or the plot's menu
item "Mostra il procedimento") shows it beside the form; it follows every
command; a screen reader reads the working from it, and the copied text
carries it after the results."""
import os
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Screenshot, Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"
ITALIAN = {"LANG": "it_IT.UTF-8", "LC_ALL": "it_IT.UTF-8"}
SCREEN = (1600, 1024)  # room for the working beside the 974-pixel form
FORM_WIDTH = 974
TITLE = "Procedimento"


def top_left(shot, width, height):
    rows = [shot.rgb[3 * shot.width * y:3 * (shot.width * y + width)] for y in range(height)]
    return Screenshot(width, height, b"".join(rows))


def working(session):
    """The working as a screen reader reads it: the non-breaking blanks that
    keep a term on one line read as blanks."""
    return session.accessible_text(TITLE, role="text").replace("\xa0", " ")


def clipboard_text(session):
    def read():
        done = subprocess.run(["xclip", "-selection", "clipboard", "-t", "UTF8_STRING", "-o"], env=session.env,
                              capture_output=True, timeout=5)
        return done.stdout.decode() if done.returncode == 0 else ""
    return session.wait_for(read, "the copied text")


class WorkingWindow(unittest.TestCase):
    def test_f9_shows_the_working_that_follows_every_command(self):
        with Session(PROGRAM, time_limit=55, env=ITALIAN, screen=SCREEN) as s:
            s.focus()
            for box, text in [("x1", "0"), ("y1", "1"), ("x2", "1"), ("y2", "3"), ("x3", "-6"), ("y3", "-7"),
                              ("Fondo scala", "10")]:
                s.click_control(box, role="text")
                s.type(text)
            s.key("F9")
            window = s.wait_for(lambda: s.other_windows(), "the working's window")[0]
            geometry = s._xdotool("getwindowgeometry", window)
            x = int(geometry.split("Position:")[1].split(",")[0])
            self.assertGreaterEqual(x, FORM_WIDTH, "the working covers the form")
            self.assertIn("Premi uno dei quattro pulsanti", working(s))

            s.focus()
            s.click_control("I punti e le distanze")
            distance = s.wait_for(lambda: s.accessible_text("Distanza P1-P2", by="description").strip(),
                                  "the distance")
            text = s.wait_for(lambda: "d(P1, P2)" in working(s) and working(s), "the points' working")
            self.assertIn("d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((1 − 0)² + (3 − 1)²) = √(1 + 4) = √5 ≈ "
                          + distance, text)
            area = s.accessible_text("Area del triangolo", by="description").strip()
            self.assertIn("= ½·|0 − 8 + 12| = ½·4 = 2 = " + area, text)

            s.focus()
            s.click_control(" Retta per P1-P2 e  perpend.")
            equation = s.wait_for(lambda: s.accessible_text("Equazione della retta P1-P2", by="description"),
                                  "the equation")
            text = s.wait_for(lambda: "m'" in working(s) and working(s), "the line's working")
            self.assertIn("y = m·x + q = 2x + 1; nell'etichetta: " + equation[equation.index("Y ="):], text)
            self.assertNotIn("d(P1, P2)", text, "the working follows the last command only")
            folder = os.environ.get("PR_SCREENSHOT_DIR")
            if folder:  # the form and the working side by side, as the README shows them
                s.stable_screenshot()
                width, height = s.window_size()
                extra = s._xdotool("getwindowgeometry", window).split("Geometry:")[1].split()[0]
                shot = top_left(s.screenshot("root"), x + int(extra.split("x")[0]), height)
                shot.save_png(os.path.join(folder, "working-window.png"))

            s.focus()
            s.key("ctrl+shift+c")
            copied = clipboard_text(s)
            self.assertIn(equation.strip() + "\nProcedimento\nRetta per P1-P2 e perpendicolare\n", copied)

            s.focus()
            s.key("F9")
            s.wait_for(lambda: not s.other_windows(), "the working's window to close")
            self.assertTrue(s.running())


if __name__ == "__main__":
    unittest.main(warnings="ignore")
