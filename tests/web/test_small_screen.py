"""On a screen smaller than the form the whole form scales down to fit,
without scrolling, and stays sharp: the canvas holds the native raster made
for the device pixels it covers, and the screen shows it one raster pixel
to one device pixel."""

import math
import unittest

import reference
from browser import FORM_CSS, PLOT_CSS, Browser

TRIANGLE = reference.typed("10", ("0", "1"), ("1", "3"), ("-6", "-7")) + ["Command1", "Command2"]

# (window size in CSS pixels, device pixel ratio)
SCREENS = [((800, 500), 1), ((640, 480), 2)]


class SmallScreen(unittest.TestCase):
    def test_form_scales_down_to_fit_and_stays_sharp(self):
        for window, ratio in SCREENS:
            with self.subTest(window=window, ratio=ratio), Browser("it", ratio, window=window) as browser:
                browser.open()
                browser.perform(TRIANGLE)  # clicks and typing reach the scaled controls
                view_width, view_height, scroll_width, scroll_height, left, top, right, bottom = browser.script("""
                    const box = arguments[0].getBoundingClientRect(), page = document.documentElement;
                    return [innerWidth, innerHeight, page.scrollWidth, page.scrollHeight,
                            box.left, box.top, box.right, box.bottom];""", browser.element("Form1"))
                self.assertLessEqual((scroll_width, scroll_height), (view_width, view_height))
                self.assertTrue(0 <= left and right <= view_width and 0 <= top and bottom <= view_height)
                fit = min(1, view_width / FORM_CSS[0], view_height / FORM_CSS[1])
                self.assertLess(fit, 1)
                width, height, pixels = browser.canvas()
                want_width, want_height, want, _, _ = reference.render(TRIANGLE, ratio * fit)
                self.assertEqual((width, height), (want_width, want_height))
                self.assertTrue(pixels == want, reference.first_difference(width, pixels, want))
                side = math.floor(PLOT_CSS * fit)
                shot_width, shot_height, shot = browser.screen(side, side, left, top)
                plot = reference.top_left(width, want, shot_width, shot_height)
                self.assertTrue(shot == plot, "on screen: " + reference.first_difference(shot_width, shot, plot))


if __name__ == "__main__":
    unittest.main(verbosity=2)
