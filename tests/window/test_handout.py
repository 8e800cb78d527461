"""The copied text (the same as the saved PNG's description and the printed
page's) says only what is true of the figure: after a line through old
points and then the triangle of new ones, it holds the new points and area
and not the old line's equation, which the window still shows."""
import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(__file__)
sys.path.insert(0, os.path.join(HERE, "..", "harness"))
sys.path.insert(0, os.path.join(HERE, "..", "web"))
from realwindow import Session  # noqa: E402
import reference  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"


def copied_text(session, containing):
    """Presses Ctrl+Shift+C and returns the clipboard's text once it holds `containing`."""
    session.key("ctrl+shift+c")

    def read():
        done = subprocess.run(["xclip", "-selection", "clipboard", "-t", "UTF8_STRING", "-o"], env=session.env,
                              capture_output=True, timeout=5)
        text = done.stdout.decode() if done.returncode == 0 else ""
        return text if containing in text else ""
    return session.wait_for(read, "the clipboard to hold " + containing)


def type_boxes(session, boxes):
    """From the button before Text4 in the tab order, Tab through the seven
    boxes (a box reached by Tab has its text selected: typing replaces it)."""
    for _, text in boxes:
        session.key("Tab")
        session.type(text)


class Handout(unittest.TestCase):
    def test_after_the_new_triangle_no_equation_of_the_old_points(self):
        with Session(PROGRAM, time_limit=40, env={"LANG": "C.UTF-8"}) as s:
            s.focus()  # on Command1
            type_boxes(s, reference.typed("10", ("0", "1"), ("1", "3"), ("-6", "-7")))
            s.key("Tab", "Tab", "Tab", "space")  # Command4, Command3, Command2: pressed
            self.assertIn("Retta su P1-P2      Y = + 2.00 X + 1.00", copied_text(s, "Retta"))
            s.key("Tab")  # back to Command1
            type_boxes(s, reference.typed("5", ("-4", "-3"), ("4", "3"), ("4", "-3")))
            s.key("Tab", "Tab", "Tab", "Tab", "space")  # round to Command1: pressed
            text = copied_text(s, "Area")
        self.assertIn("P1 (x1; y1) = (-4; -3)", text)
        self.assertIn("Fondo scala = 5", text)
        self.assertIn("Area triang. = 24.00", text)
        self.assertNotIn("Retta", text)


if __name__ == "__main__":
    unittest.main(warnings="ignore")
