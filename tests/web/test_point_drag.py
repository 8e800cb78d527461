"""A point of the figure dragged in the page, with the mouse on a desktop
and with a finger on a phone (DevTools touch events): P2, after
"Retta per P1-P2 e perpend.", follows the pointer on the grid; then the
boxes, the labels and the canvas are byte for byte what typing the same
texts and pressing the button gives (the native reference), and a finger on
the plot never scrolled or zoomed the page."""

import unittest

import reference
from browser import FORM_CSS, Browser, Viewport

DRAWN = reference.typed("10", ("0", "1"), ("1", "3"), ("-6", "-7")) + ["Command2"]
FROM, TO = (1, 3), (4, -2)  # P2, world units at full scale 10
LABELS = ["Label3", "Label4", "Label5", "Label17", "Label19", "Label20", "Label21"]
PHONE = Viewport(390, 844, 3, mobile=True)

# Whether the page has moved under the finger: scrolled, panned or zoomed.
PAGE_MOVED = "return [scrollX, scrollY, visualViewport.scale, visualViewport.pageLeft, visualViewport.pageTop];"


def css_at(browser, world):
    """The viewport's CSS pixel over a world point: twips over the plot's pane."""
    left, top, width = browser.script("""
        const r = document.querySelector('.plot').getBoundingClientRect();
        return [r.left, r.top, r.width];""")
    scale = width / browser.script("return document.querySelector('.plot').offsetWidth;")
    return left + (3200 + 320 * world[0]) / 15 * scale, top + (3200 - 320 * world[1]) / 15 * scale


def path(browser):
    (x0, y0), (x1, y1) = css_at(browser, FROM), css_at(browser, TO)
    return [(x0 + (x1 - x0) * i / 6, y0 + (y1 - y0) * i / 6) for i in range(7)]


def mouse_drag(browser, points):
    cdp = browser.driver.execute_cdp_cmd
    (x, y), moves = points[0], points[1:]
    cdp("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})
    cdp("Input.dispatchMouseEvent", {"type": "mousePressed", "x": x, "y": y, "button": "left", "clickCount": 1})
    for x, y in moves:
        cdp("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y, "button": "left", "buttons": 1})
        browser.wait_for_frames(1)
    cdp("Input.dispatchMouseEvent", {"type": "mouseReleased", "x": x, "y": y, "button": "left", "clickCount": 1})


def touch_drag(browser, points, moved):
    cdp = browser.driver.execute_cdp_cmd
    cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
    (x, y), moves = points[0], points[1:]
    cdp("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
    for x, y in moves:
        cdp("Input.dispatchTouchEvent", {"type": "touchMove", "touchPoints": [{"x": x, "y": y}]})
        browser.wait_for_frames(1)
        moved.append(browser.script(PAGE_MOVED))
    cdp("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})


class PointDrag(unittest.TestCase):
    def test_a_dragged_point_leaves_what_typing_and_pressing_leave(self):
        for how, viewport in [("mouse", Viewport(*FORM_CSS)), ("finger", PHONE)]:
            with self.subTest(how=how), Browser("it", viewport=viewport) as browser:
                browser.open()
                browser.perform(DRAWN)
                still = browser.script(PAGE_MOVED)
                moved = []
                if how == "mouse":
                    mouse_drag(browser, path(browser))
                else:
                    touch_drag(browser, path(browser), moved)
                browser.wait_for_frames()
                self.assertEqual([browser.script("return arguments[0].value;", browser.element(box))
                                  for box in ("Text1(1)", "Text2(1)")], ["4", "-2"])
                self.assertEqual(moved, [still] * len(moved), "the page moved under the finger")
                self.assertEqual(browser.script(PAGE_MOVED), still)

                typed = DRAWN + [("Text1(1)", "4"), ("Text2(1)", "-2"), "Command2"]
                width, height, pixels, captions, _ = reference.render(typed, viewport.raster_ratio())
                self.assertEqual(browser.captions(LABELS), {label: captions[label] for label in LABELS})
                shown = browser.canvas()
                self.assertEqual(shown[:2], (width, height))
                self.assertTrue(shown[2] == pixels, reference.first_difference(width, shown[2], pixels))


if __name__ == "__main__":
    unittest.main(verbosity=2)
