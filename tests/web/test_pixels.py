"""The canvas shows exactly the native raster: for the same key presses and
clicks, its pixels read back with getImageData equal byte for byte what
PageForm renders natively (tests/web/PageRaster.cpp), at device pixel ratio 1
and 2 (--force-device-scale-factor); and so does the screen, where no control
lies over the canvas (the plot), one raster pixel to one device pixel.
Each row starts from a freshly loaded page."""

import unittest

import reference
from browser import FORM_CSS, PLOT_CSS, Browser
from selenium.webdriver.common.keys import Keys

# (device pixel ratio, full scale, P1, P2, P3, buttons pressed in turn)
ROWS = [
    (1, "10", ("0", "0"), ("3", "0"), ("0", "4"), ["Command1"]),
    (1, "10", ("0", "1"), ("1", "3"), ("-6", "-7"), ["Command2"]),
    (1, "10", ("0", "0"), ("-5", "6"), ("2", "1"), ["Command3"]),
    (1, "10", ("5", "-6"), ("-1", "4"), ("3", "4"), ["Command4"]),             # horizontal
    (1, "10", ("1", "1"), ("3", "1"), ("-4", "-6"), ["Command2"]),             # horizontal, the y axis as perpendicular
    (1, "10", ("2", "-3"), ("2", "5"), ("2", "1"), ["Command2"]),              # vertical
    (1, "10", ("-4", "-6"), ("7", "2"), ("-4", "8"), ["Command3"]),            # vertical
    (1, "0.1", ("0.01", "0.02"), ("0.05", "-0.03"), ("-0.04", "0.06"), ["Command1", "Command3"]),
    (1, "1e9", ("1e8", "2e8"), ("-3e8", "4e8"), ("5e8", "-6e8"), ["Command1", "Command2"]),
    (1, "1e15", ("0", "1"), ("1", "3"), ("5", "5"), ["Command2"]),
    (1, "1e300", ("1e299", "-2e299"), ("3e299", "1e299"), ("-5e299", "4e299"), ["Command4"]),
    (1, "-10", ("1", "2"), ("3", "-1"), ("0", "0"), ["Command2"]),             # negative: mirrored
    (1, "-5", ("1", "1"), ("2", "3"), ("-1", "-2"), ["Command1", "Command4"]),
    (1, "10", ("0", "0"), ("-3", "-9"), ("4", "12"), ["Command4"]),            # steep
    (1, "40", ("9", "-2"), ("-18", "10"), ("-36", "18"), ["Command1"]),        # collinear
    (1, "10", ("0", "1"), ("abc", "2"), ("", "3"), ["Command4", "Command1"]),  # any text: reads as 0
    (1, "10", ("1e999", "1"), ("1", "3"), ("0", "0"), ["Command1"]),           # overflow reading a box
    (1, "10", ("1e200", "0"), ("-1e200", "0"), ("0", "0"), ["Command1"]),      # overflow in a distance
    (1, "10", ("0", "0"), ("1e100", "0"), ("0", "1e100"), ["Command1"]),       # area 5e199: no overflow
    (1, "10", ("0", "0"), ("1e-310", "1"), ("0", "0"), ["Command2"]),          # overflow in the slope
    (1, "1000", ("0", "0"), ("0", "0"), ("1", "1e306"), ["Command3"]),         # overflow mid-sweep
    (2, "10", ("0", "0"), ("3", "0"), ("0", "4"), ["Command1", "Command2"]),
    (2, "1e300", ("0", "1"), ("1", "4"), ("5", "5"), ["Command2", "Command3"]),
    (2, "0.1", ("0.01", "0.02"), ("0.05", "-0.03"), ("-0.04", "0.06"), ["Command4"]),
    (2, "1000", ("0", "0"), ("0", "0"), ("1", "1e306"), ["Command3"]),
]


class PixelIdentity(unittest.TestCase):
    def test_canvas_equals_the_native_raster(self):
        for ratio in sorted({row[0] for row in ROWS}):
            with Browser("it", ratio) as browser:
                for _, full_scale, p1, p2, p3, buttons in (row for row in ROWS if row[0] == ratio):
                    with self.subTest(ratio=ratio, full_scale=full_scale, p1=p1, p2=p2, p3=p3, buttons=buttons):
                        browser.open()
                        # The canvas covers the form; its backing store has a pixel per device pixel.
                        self.assertEqual(browser.script("""
                            const canvas = arguments[0], box = canvas.getBoundingClientRect();
                            return [box.width, box.height, canvas.width, canvas.height, devicePixelRatio];""",
                                                        browser.element("Form1")),
                                         [*FORM_CSS, FORM_CSS[0] * ratio, FORM_CSS[1] * ratio, ratio])
                        actions = reference.typed(full_scale, p1, p2, p3) + buttons
                        browser.perform(actions)
                        if browser.open_dialog():
                            browser.keys(Keys.ENTER)
                        width, height, pixels = browser.canvas()
                        want_width, want_height, want, _, _ = reference.render(actions, ratio)
                        self.assertEqual((width, height), (want_width, want_height))
                        self.assertTrue(pixels == want, reference.first_difference(width, pixels, want))
                        shot_width, shot_height, shot = browser.screen(PLOT_CSS, PLOT_CSS)
                        plot = reference.top_left(width, want, shot_width, shot_height)
                        self.assertEqual((shot_width, shot_height), (PLOT_CSS * ratio, PLOT_CSS * ratio))
                        self.assertTrue(shot == plot, "on screen: " + reference.first_difference(shot_width, shot, plot))


if __name__ == "__main__":
    unittest.main(verbosity=2)
