"""The window at start-up as a person sees it, at 96 DPI (15 twips a pixel).

Saves the screenshot as window.png in $PR_SCREENSHOT_DIR (or the current
folder) for a person to look at.
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Session, pixels  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"

BLACK, RED, BLUE = (0, 0, 0), (255, 0, 0), (0, 0, 255)
GRID = (7, 0, 0)
MARKER_GREEN = (0, 192, 0)
DARK_GREEN = (0, 128, 0)
MAGENTA = (255, 0, 255)

# Legend markers: (Left, Top) of each box, 255 x 135 twips, and its fill.
MARKERS = [((0, 6720), RED), ((240, 6720), BLUE),
           ((0, 7320), RED), ((240, 7320), MARKER_GREEN),
           ((0, 7680), BLUE), ((240, 7680), MARKER_GREEN)]

# Controls found by what a screen reader says, and their (Left, Top) in twips.
PLACES = [
    ("Relazoni tra i punti: P1(x1 ; y1)  P2(x2 ; y2)  P3(x3 ; y3) e le rette", "label", 7680, 120),
    ("Il fondo scala stabilisce quante unit\u00e0 sono espresse nei semi assi cartesiani",
     "label", 0, 8280),
    ("Distanze tra i punti", "label", 9000, 3960),
    ("P1-P3", "label", 9000, 5340),
    ("Fondo scala", "label", 13560, 6840),
    ("Fondo scala", "text", 12720, 6840),
    ("x1", "text", 12720, 4440),
    ("y2", "text", 13560, 5400),
    ("y3", "text", 13680, 6240),
    ("I punti e le distanze", "push button", 12960, 7320),
    (" Retta per P1-P2 e  perpend.", "push button", 600, 6480),
    ("Retta per P1-P3", "push button", 600, 7223),
]


def box(left, top, width, height):
    """The pixel box (x0, y0, x1, y1) of a control given in twips."""
    return (pixels(left), pixels(top), pixels(left) + pixels(width), pixels(top) + pixels(height))


class WindowAsSeen(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = Session(PROGRAM, time_limit=50).__enter__()
        cls.size = cls.session.window_size()
        cls.shot = cls.session.stable_screenshot()
        folder = os.environ.get("PR_SCREENSHOT_DIR", ".")
        cls.shot.save_png(os.path.join(folder, "window.png"))

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def test_the_client_area_shows_the_whole_layout(self):
        self.assertEqual(self.size, (974, 576))  # 14610 x 8640 twips at 15 a pixel
        self.assertEqual((self.shot.width, self.shot.height), self.size)

    def test_the_plot_background_is_drawn(self):
        shot = self.shot
        self.assertEqual(shot.pixel(213, 213), BLACK)           # the axes cross at (3200, 3200)
        self.assertEqual(shot.pixel(0, 266), RED)               # the red edge dot at (0, 4000)
        for t in range(0, 427, 7):
            self.assertEqual(shot.pixel(213, t), BLACK, "vertical axis at row %d" % t)
            self.assertEqual(shot.pixel(t, 213), BLACK, "horizontal axis at column %d" % t)
        # 21 x 21 dotted lines minus the axes: thousands of grid dots, none
        # right of the plot area or below it.
        self.assertGreater(shot.count(GRID, (0, 0, 427, 427)), 5000)
        self.assertEqual(shot.count(GRID, (428, 0, 974, 576)), 0)
        self.assertEqual(shot.count(GRID, (0, 428, 427, 576)), 0)

    def test_legend_markers_show_their_colours(self):
        for (left, top), colour in MARKERS:
            x0, y0, x1, y1 = box(left, top, 255, 135)
            # the middle of the part that the next marker does not cover
            self.assertEqual(self.shot.pixel((x0 + x1) // 2 - 1, (y0 + y1) // 2), colour,
                             "marker at twips (%d, %d)" % (left, top))

    def test_texts_stand_where_the_table_puts_them(self):
        background = self.shot.pixel(700, 100)  # an empty spot right of the plot area
        for name, role, left, top in PLACES:
            x, y, w, h = self.session.extents(name, role=role)
            self.assertEqual((x, y), (pixels(left), pixels(top)), name)
            # something shows there: a caption, a box, a button
            drawn = sum(1 for py in range(y, y + h) for px in range(x, min(x + w, 974))
                        if self.shot.pixel(px, py) != background)
            self.assertGreater(drawn, 10, name)

    def test_captions_show_in_their_colours(self):
        shot = self.shot
        self.assertGreater(shot.count(RED, box(0, 8280, 10530, 360)), 500)      # the note
        self.assertGreater(shot.count(DARK_GREEN, box(12360, 6240, 240, 195)), 10)  # "P3"
        self.assertGreater(shot.count(BLUE, box(12360, 5400, 240, 195)), 10)    # "P2"
        self.assertEqual(shot.count(DARK_GREEN, box(7680, 120, 5550, 195)), 0)  # the title is black

    def test_command2_shows_its_caption_on_two_lines(self):
        x0, y0, x1, y1 = box(600, 6480, 1575, 615)
        middle = (y0 + y1) // 2
        upper = self.shot.count(BLACK, (x0 + 3, y0 + 3, x1 - 3, middle))
        lower = self.shot.count(BLACK, (x0 + 3, middle, x1 - 3, y1 - 3))
        self.assertGreater(upper, 20)
        self.assertGreater(lower, 20)

    def test_typed_digits_take_their_boxes_colours(self):
        s = self.session
        s.focus()
        for name, colour in [("x3", MAGENTA), ("y3", MAGENTA), ("x1", RED)]:
            s.click_control(name, role="text")
            s.type("888")
            x, y, w, h = s.extents(name, role="text")
            shot = s.wait_for(lambda: (t := s.stable_screenshot()).count(colour, (x, y, x + w, y + h)) > 20
                              and t, "%s's digits" % name)
            self.assertGreater(shot.count(colour, (x, y, x + w, y + h)), 20, name)


if __name__ == "__main__":
    unittest.main(warnings="ignore")
