"""A run-time error in a command is shown in a message box with its number
and Italian text; what was drawn stays, and the program goes on."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"
REPORT = "Errore di run-time '6':\n\nOverflow"


class ErrorReport(unittest.TestCase):
    def test_an_overflow_is_reported_and_the_program_goes_on(self):
        with Session(PROGRAM, time_limit=40) as s:
            s.focus()
            # P1-P2's slope (1E300 / 1E-300) is past the double range.
            for box, text in [("x1", "0"), ("y1", "0"), ("x2", "1E-300"), ("y2", "1E300"),
                              ("x3", "2"), ("Fondo scala", "10")]:
                s.click_control(box, role="text")
                s.type(text)
            s.click_control(" Retta per P1-P2 e  perpend.")

            dialog = s.wait_for(s.other_windows, "the message box")[0]
            self.assertEqual(s.accessible_text(REPORT, role="label"), REPORT)
            shot = s.stable_screenshot()
            self.assertEqual(shot.pixel(213, 100), (0, 0, 0))    # the axis drawn before the error
            self.assertEqual(shot.pixel(213, 213), (255, 0, 0))  # and P1's marker at the origin
            s.screenshot(dialog).save_png(os.path.join(os.environ.get("PR_SCREENSHOT_DIR", "."),
                                                       "error-report.png"))

            s.focus(dialog)
            s.key("Return")
            s.wait_for(lambda: not s.other_windows(), "the message box to close")
            self.assertTrue(s.running())
            self.assertEqual(s.accessible_text("Equazione della retta P1-P2", by="description"), "")

            s.focus()
            s.click_control("Retta per P1-P3")
            equation = s.wait_for(
                lambda: s.accessible_text("Equazione della retta P1-P3", by="description"),
                "Label20's equation")
            self.assertTrue(equation.startswith(" Retta su P1-P3"), equation)


if __name__ == "__main__":
    unittest.main(warnings="ignore")
