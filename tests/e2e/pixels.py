"""Where the program's drawing lands on a screenshot, and checks over it.

Plot coordinates are twips; the tests pin Qt to 96 logical DPI, so a twip
position t falls in device pixel floor(t * scale / 15). Screenshots are the
harness's `Screenshot` objects (pixel(x, y) -> (r, g, b)).
"""

import math

PLOT_SIDE = 6400  # twips
BACKGROUND_GRID = (7, 0, 0)
BLACK, RED, BLUE, GREEN = (0, 0, 0), (255, 0, 0), (0, 0, 255), (0, 255, 0)
WHITE, YELLOW = (255, 255, 255), (255, 255, 0)
MARKER_COLOURS = (RED, BLUE, GREEN)  # P1, P2, P3


def to_pixel(twips, scale=1):
    return math.floor(twips * scale / 15)


def world_to_plot(x, y, full_scale):
    k = 3200 / full_scale
    return 3200 + x * k, 3200 - y * k


def world_to_pixel(x, y, full_scale, scale=1):
    px, py = world_to_plot(x, y, full_scale)
    return to_pixel(px, scale), to_pixel(py, scale)


def plot_box(scale=1):
    """The plot area's pixels as (left, top, right, bottom), ends excluded."""
    side = to_pixel(PLOT_SIDE, scale) + 1
    return 0, 0, side, side


def neighbourhood(x, y, reach):
    return {(x + dx, y + dy) for dy in range(-reach, reach + 1) for dx in range(-reach, reach + 1)}


def count_near(shot, x, y, colour, reach):
    return sum(1 for px, py in neighbourhood(x, y, reach)
               if 0 <= px < shot.width and 0 <= py < shot.height and shot.pixel(px, py) == colour)


def changed_pixels(before, after, box):
    """Pixels of `box` whose colour differs between two screenshots."""
    left, top, right, bottom = box
    changed = []
    for y in range(top, bottom):
        row = slice(3 * (y * before.width + left), 3 * (y * before.width + right))
        if before.rgb[row] == after.rgb[row]:
            continue
        changed.extend((x, y) for x in range(left, right) if before.pixel(x, y) != after.pixel(x, y))
    return changed


class Figure:
    """What one command may draw over the plot background, in device pixels:
    `allowed` holds every pixel that its markers, sides and dots may touch;
    `markers` and `dots` hold the (pixel, colour) samples a person must see."""

    def __init__(self, full_scale, scale=1):
        self.full_scale, self.scale = full_scale, scale
        self.allowed = set()
        self.markers, self.dots = [], []
        self.covered = []  # (pixel, reach): a later drawing may hide a dot here

    def pixel(self, x, y):
        return world_to_pixel(x, y, self.full_scale, self.scale)

    def point_markers(self, p1, p2, p3):
        # 30 concentric circles of 1 to 30 twips: a disc of 2 pixels at 96 DPI.
        reach = to_pixel(30, self.scale) + 1
        for point, colour in zip((p1, p2, p3), MARKER_COLOURS):
            centre = self.pixel(*point)
            self.allowed |= neighbourhood(*centre, reach)
            self.markers.append((centre, colour))
            self.covered.append((centre, reach + 1))

    def side(self, a, b, colour, steps=400):
        """A straight line from world point a to b."""
        (ax, ay), (bx, by) = self.pixel(*a), self.pixel(*b)
        for i in range(steps + 1):
            t = i / steps
            p = (round(ax + t * (bx - ax)), round(ay + t * (by - ay)))
            self.allowed |= neighbourhood(*p, 1)
            if i % 40 == 20:
                self.dots.append((p, colour))

    def swept_line(self, ordinate, colour, sample_every=0.5):
        """The dots of the line sweep: x from -fs in steps of 0.01 while
        x <= fs, none below the bottom edge."""
        fs = self.full_scale
        x, next_sample = -fs, -fs + sample_every
        while x <= fs:
            y = ordinate(x)
            if -fs <= y <= fs:  # dots above the top edge are off the surface
                p = self.pixel(x, y)
                self.allowed |= neighbourhood(*p, 1)
                if next_sample <= x < fs - sample_every / 2:
                    self.dots.append((p, colour))
            if x >= next_sample:
                next_sample += sample_every
            x += 0.01

    def vertical_run(self, x, colour, every=10):
        """A line of dots at world x from the top edge to the bottom edge."""
        column = self.pixel(x, 0)[0]
        for row in range(0, to_pixel(PLOT_SIDE, self.scale) + 1):
            self.allowed |= neighbourhood(column, row, 1)
            if row % every == 5:
                self.dots.append(((column, row), colour))

    def crossing(self, x, y):
        """Where a later line covers an earlier one: sample neither there."""
        self.covered.append((self.pixel(x, y), 2 * self.scale))

    def visible_dots(self):
        def hidden(p):
            return any(abs(p[0] - c[0]) <= r and abs(p[1] - c[1]) <= r for c, r in self.covered)
        return [(p, colour) for p, colour in self.dots if not hidden(p)]
