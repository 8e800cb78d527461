"""The zoom keys on a 1920 x 1080 screen under a window manager: the window,
frame included, stays on the screen (its bottom note too), and there, at
200 %, the working shown, hidden and shown again is a pane of the window that
covers none of the form's controls.

Saves working-200-pane.png in $PR_SCREENSHOT_DIR.
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
from test_working_in_class import (ITALIAN, NOTE, PROGRAM, SCREEN, SHOTS, TITLE, Session, PaneChecks,  # noqa: E402
                                   extents, frame_on_screen, run_points_command, wait_until_hidden)


class ZoomOnScreen(PaneChecks):
    def test_zoom_keeps_the_frame_on_the_screen_and_the_working_reopens_as_a_pane(self):
        with Session(PROGRAM, time_limit=55, env=ITALIAN, screen=SCREEN, window_manager=True) as s:
            s.focus()
            run_points_command(s)
            for _ in range(5):  # 110, 125, 150, 175, 200 %: more than the screen holds
                s.key("ctrl+plus")
            s.wait_for(lambda: s.window_size()[0] > 1900, "the window as large as the screen")
            s.stable_screenshot()
            x, y, width, height = frame_on_screen(s)
            self.assertTrue(x >= 0 and y >= 0 and x + width <= SCREEN[0] and y + height <= SCREEN[1],
                            "the frame %s is off the screen" % ((x, y, width, height),))
            note = extents(s, s.find(NOTE, role="label"))
            self.assertLessEqual(note[1] + note[3], SCREEN[1], "the note is off the screen")

            for _ in range(2):  # shown, hidden and shown again
                s.key("F9")
                self.assert_pane_beside_the_form(s, "at 200 %")
                s.key("F9")
                wait_until_hidden(s, s.find(TITLE, role="text"))
            s.key("F9")
            self.assert_pane_beside_the_form(s, "at 200 %")
            if SHOTS:
                s.stable_screenshot().save_png(os.path.join(SHOTS, "working-200-pane.png"))


if __name__ == "__main__":
    unittest.main(warnings="ignore")
