"""At device pixel ratio 2 the surface is drawn in device pixels, 7.5 twips
each, its dots two device pixels wide (as wide as the platform draws a
one-pixel line there), and the controls keep their places in logical pixels."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"


class DevicePixelRatio2(unittest.TestCase):
    def test_the_plot_is_drawn_in_device_pixels(self):
        # the screen must hold the whole doubled window, or import cuts it
        with Session(PROGRAM, time_limit=40, env={"QT_SCALE_FACTOR": "2"},
                     screen=(2560, 1600)) as s:
            self.assertEqual(s.window_size(), (1948, 1152))
            shot = s.stable_screenshot()
            self.assertEqual((shot.width, shot.height), (1948, 1152))
            self.assertEqual(shot.pixel(426, 426), (0, 0, 0))    # the axes cross at 3200 / 7.5
            # the red edge dot at 4000 / 7.5: a 2x2 block from its own cell
            for x, y in [(0, 533), (1, 533), (0, 534), (1, 534)]:
                self.assertEqual(shot.pixel(x, y), (255, 0, 0))
            self.assertNotEqual(shot.pixel(0, 532), (255, 0, 0))
            self.assertNotEqual(shot.pixel(2, 533), (255, 0, 0))
            self.assertEqual(s.extents("x1", role="text")[:2], (848, 296))  # logical pixels


if __name__ == "__main__":
    unittest.main(warnings="ignore")
