"""At a device pixel ratio of 2 the window is the same picture at twice the
resolution: twice the size, every control and figure in the same place in
twips, and the plot, lines and text drawn at device resolution (crisp), not
scaled up from a picture at ratio 1: a dot is two device pixels wide, as at
100 %, but placed on the finer cells."""

import os
import unittest

import person
from figure_checks import problems_with
from pixels import BACKGROUND_GRID, BLACK, Figure, to_pixel

# A control's box in twips (Left, Top, Width, Height), where its ink must show.
INKED = {
    "title": (7680, 120, 5550, 195),
    "note": (0, 8280, 10530, 360),
    "Command1": (12960, 7320, 1215, 495),
    "distance P1-P2": (10080, 4560, 735, 255),
    "P1": (12360, 4440, 240, 195),
}
SCREEN = (2100, 1300)  # larger than the window at ratio 2: `import` sees only what is on screen


def box(rect, scale):
    left, top, width, height = rect
    return (to_pixel(left, scale), to_pixel(top, scale),
            to_pixel(left + width, scale), to_pixel(top + height, scale))


def ink_bounds(shot, rect, scale):
    """The smallest box around the pixels of `rect` that differ from the
    window's background, in device pixels."""
    background = shot.pixel(to_pixel(7000, scale), to_pixel(3000, scale))
    x0, y0, x1, y1 = box(rect, scale)
    inked = [(x, y) for y in range(y0, y1) for x in range(x0, x1) if shot.pixel(x, y) != background]
    xs, ys = [x for x, _ in inked], [y for _, y in inked]
    return (min(xs), min(ys), max(xs), max(ys)) if inked else None


class HiDpi(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.size, cls.start, cls.triangle = {}, {}, {}
        for scale in (1, 2):
            with person.open_window(scale=scale, screen=SCREEN) as session:
                cls.size[scale] = session.window_size()
                cls.start[scale] = session.stable_screenshot()
                person.enter(session, "10", ("0", "0"), ("3", "0"), ("0", "4"), scale)
                cls.triangle[scale] = person.press_and_look(session, "Command1", scale)
            folder = os.environ.get("PR_SCREENSHOT_DIR")
            if folder:
                cls.triangle[scale].save_png(os.path.join(folder, f"triangle-at-ratio-{scale}.png"))

    def test_window_is_twice_as_large(self):
        width, height = self.size[1]
        self.assertEqual(self.size[2], (2 * width, 2 * height))

    def test_grid_dots_are_two_device_pixels_placed_at_device_resolution(self):
        shot = self.start[2]
        background = shot.pixel(to_pixel(7000, 2), to_pixel(3000, 2))
        for x in (320, 1280, 4800, 6080):
            for y in (40, 2000, 5200):
                px, py = to_pixel(x, 2), to_pixel(y, 2)
                with self.subTest(twips=(x, y)):
                    for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1)):
                        self.assertEqual(shot.pixel(px + dx, py + dy), BACKGROUND_GRID)
                    self.assertEqual(shot.pixel(px + 2, py), background)
                    self.assertEqual(shot.pixel(px, py + 2), background)
                    # Scaled up from ratio 1, the dots at y = 40 and 5200 would
                    # start one row higher (at 2 * floor(y / 15)).
                    self.assertEqual(shot.pixel(px, py - 1), background)
        self.assertEqual(shot.pixel(to_pixel(3200, 2) + 1, to_pixel(500, 2)), BLACK)
        self.assertEqual(shot.pixel(to_pixel(3200, 2) + 2, to_pixel(500, 2)), background)

    def test_triangle_lands_in_the_same_twips(self):
        figure = Figure(10, scale=2)
        figure.point_markers((0, 0), (3, 0), (0, 4))
        for a, b in (((0, 0), (3, 0)), ((0, 0), (0, 4)), ((0, 4), (3, 0))):
            figure.side(a, b, BLACK)
        self.assertEqual(problems_with(figure, self.start[2], self.triangle[2]), [])
        self.assertEqual([c for c, _ in figure.markers], [(426, 426), (554, 426), (426, 256)])

    def test_text_is_drawn_at_device_resolution(self):
        shot = self.triangle[2]
        x0, y0, x1, y1 = box(INKED["title"], 2)
        blocks = [[shot.pixel(x + dx, y + dy) for dy in (0, 1) for dx in (0, 1)]
                  for y in range(y0 - y0 % 2, y1, 2) for x in range(x0 - x0 % 2, x1, 2)]
        inked = [b for b in blocks if len(set(b)) > 1 or b[0] != shot.pixel(0, to_pixel(8000, 2))]
        mixed = [b for b in inked if len(set(b)) > 1]
        # Glyphs drawn for the device have edges inside 2 by 2 blocks; a picture
        # scaled up from ratio 1 would have none.
        self.assertGreater(len(mixed), len(inked) // 2)

    def test_controls_show_in_the_same_places(self):
        for name, rect in INKED.items():
            with self.subTest(control=name):
                small = ink_bounds(self.triangle[1], rect, 1)
                large = ink_bounds(self.triangle[2], rect, 2)
                self.assertIsNotNone(small)
                self.assertIsNotNone(large)
                for a, b in zip(small, large):
                    self.assertLessEqual(abs(2 * a - b), 4, (small, large))

    def test_same_picture_at_twice_the_resolution(self):
        small, large = self.triangle[1], self.triangle[2]
        total, count = 0, 0
        for y in range(0, small.height, 2):  # every other row and column is plenty
            for x in range(0, small.width, 2):
                count += 1
                averaged = [sum(large.pixel(2 * x + dx, 2 * y + dy)[c] for dx in (0, 1) for dy in (0, 1)) / 4
                            for c in range(3)]
                total += sum(abs(s - a) for s, a in zip(small.pixel(x, y), averaged)) / 3
        # Measured 3.2 of 255 on average: anti-aliasing of the glyphs differs a little.
        self.assertLess(total / count, 8)


if __name__ == "__main__":
    unittest.main(verbosity=2)
