"""The form is as large as the screen: on any viewport, phones and tablets
included (device emulation with mobile true, where the browser would lay out
a page wider than the screen and zoom it out), the whole form is visible,
scaled up or down to fit and centred, with nothing to scroll or pan; it stays
sharp, the canvas holding the native raster made for the device pixels it
covers and the screen showing it one raster pixel to one device pixel. A
rotation or a resize fits it anew and the plot keeps the last command's
drawing, redrawn at the new scale."""

import unittest

import reference
from browser import FORM_CSS, PLOT_CSS, Browser, Viewport

TRIANGLE = reference.typed("10", ("0", "1"), ("1", "3"), ("-6", "-7")) + ["Command1", "Command2"]

PHONE = Viewport(390, 844, 3, mobile=True)
PHONE_LANDSCAPE = Viewport(844, 390, 3, mobile=True)
TABLET = Viewport(768, 1024, 2, mobile=True)  # iPad Mini
TABLET_LANDSCAPE = Viewport(1024, 768, 2, mobile=True)
SCREENS = [
    PHONE, PHONE_LANDSCAPE, TABLET, TABLET_LANDSCAPE,
    Viewport(1920, 1080),                 # a projector: the form scaled up
    Viewport(1280, 800, 1.25),
    Viewport(800, 500),                   # a small desktop window: scaled down
    Viewport(640, 480, 2),
]

# Where the form and every control lie, and how far the page may scroll or pan.
GEOMETRY = """
const box = (element) => { const r = element.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
const page = document.documentElement, view = visualViewport;
return {
  form: box(document.getElementById('form')),
  controls: [...document.querySelectorAll('.control')].map((c) => [c.dataset.name, box(c)]),
  scroll: [page.scrollWidth, page.scrollHeight, scrollX, scrollY],
  view: [view.scale, view.pageLeft, view.pageTop],
};"""


class FitToScreen(unittest.TestCase):
    def assert_fits(self, browser, viewport):
        """The whole form visible in `viewport`, as large as it fits and
        centred, nothing scrolled or panned; the canvas and the screen show
        the native raster for the scale."""
        shown = browser.script(GEOMETRY)
        width, height, pixel = viewport.width, viewport.height, 1 / viewport.ratio
        self.assertEqual(shown["view"], [1, 0, 0], "the page is zoomed out or panned")
        self.assertEqual(shown["scroll"], [width, height, 0, 0], "the page scrolls")
        for name, (left, top, right, bottom) in [("form", shown["form"]), *shown["controls"]]:
            self.assertTrue(-1e-3 <= left and right <= width + 1e-3 and -1e-3 <= top and bottom <= height + 1e-3,
                            f"{name} at {left, top, right, bottom} is not wholly in {viewport}")
        left, top, right, bottom = shown["form"]
        fit = viewport.fit()
        self.assertAlmostEqual(right - left, FORM_CSS[0] * fit, delta=0.01)
        self.assertAlmostEqual(bottom - top, FORM_CSS[1] * fit, delta=0.01)
        width, height = viewport.room()
        self.assertTrue(abs(right - left - width) < pixel or abs(bottom - top - height) < pixel, "not as large as fits")
        self.assertAlmostEqual(left, width - right, delta=2 * pixel)  # left and top on a device pixel
        self.assertAlmostEqual(top, height - bottom, delta=2 * pixel)

        canvas_width, _, pixels = browser.canvas()
        want_width, want_height, want, _, _ = reference.render(TRIANGLE, viewport.raster_ratio())
        self.assertEqual(browser.script("return [arguments[0].width, arguments[0].height];", browser.element("Form1")),
                         [want_width, want_height])
        self.assertTrue(pixels == want, reference.first_difference(canvas_width, pixels, want))
        side = int(PLOT_CSS * fit)
        shot_width, shot_height, shot = browser.screen(side, side, left, top)
        plot = reference.top_left(canvas_width, want, shot_width, shot_height)
        self.assertTrue(shot == plot, "on screen: " + reference.first_difference(shot_width, shot, plot))

    def test_the_whole_form_fits_every_screen(self):
        for viewport in SCREENS:
            with self.subTest(viewport=viewport), Browser("it", viewport=viewport) as browser:
                browser.open()
                browser.perform(TRIANGLE)  # taps and typing reach the scaled controls
                self.assert_fits(browser, viewport)

    def test_a_rotation_fits_anew_and_keeps_the_figure(self):
        # Each device keeps its ratio (Chromium's emulation, asked to change
        # it, ends a hair off 2 and resamples its own screenshots).
        for turns in ([PHONE, PHONE_LANDSCAPE, PHONE], [TABLET, TABLET_LANDSCAPE]):
            with Browser("it", viewport=turns[0]) as browser:
                browser.open()
                browser.perform(TRIANGLE)
                for viewport in turns[1:]:
                    with self.subTest(viewport=viewport):
                        browser.show_in(viewport)
                        browser.wait_for_frames()
                        self.assert_fits(browser, viewport)

if __name__ == "__main__":
    unittest.main(verbosity=2)
