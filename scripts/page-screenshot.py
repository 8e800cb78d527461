#!/usr/bin/python3
"""Takes the README's screenshots of the browser page in headless Chromium,
from file://: the form at 100 % after the same key presses as the desktop's
line-with-perpendicular.png (a triangle, then the line through P1 and P2),
and the whole screen of a projector, a laptop, a phone in both orientations
and a tablet, each after a command that draws a white or a yellow line.
Usage: scripts/page-screenshot.py [FOLDER]  (after scripts/build-web.sh)"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from browser import Browser, Viewport  # noqa: E402

TRIANGLE = ("10", ("-6", "-4"), ("7", "-2"), ("1", "8"), "Command1")
PERPENDICULAR = ("10", ("0", "1"), ("1", "3"), ("-6", "-7"), "Command2")
WHITE_LINE = ("10", ("-6", "-4"), ("7", "-2"), ("1", "8"), "Command3")   # P1-P3, white
YELLOW_LINE = ("10", ("-6", "-4"), ("7", "-2"), ("1", "8"), "Command4")  # P2-P3, yellow

# file name, viewport (None: the form's own size, 100 %), steps
SHOTS = [
    ("page-in-the-browser.png", None, [TRIANGLE, PERPENDICULAR]),
    ("page-1920x1080.png", Viewport(1920, 1080), [TRIANGLE, WHITE_LINE]),
    ("page-1280x800.png", Viewport(1280, 800), [TRIANGLE, YELLOW_LINE]),
    ("page-phone-portrait.png", Viewport(390, 844, 3, mobile=True), [TRIANGLE, WHITE_LINE]),
    ("page-phone-landscape.png", Viewport(844, 390, 3, mobile=True), [TRIANGLE, YELLOW_LINE]),
    ("page-tablet.png", Viewport(768, 1024, 2, mobile=True), [TRIANGLE, PERPENDICULAR]),
]


def take(path, viewport, steps):
    with Browser("it", viewport=viewport) as browser:
        browser.open()
        for full_scale, p1, p2, p3, command in steps:
            boxes = [("Text4", full_scale)]
            for i, (x, y) in enumerate((p1, p2, p3)):
                boxes += [(f"Text1({i})", x), (f"Text2({i})", y)]
            browser.perform(boxes + [command])
        # The focus ring off the last button pressed, as a person would leave it.
        browser.script("document.activeElement.blur();")
        browser.wait_for_frames()
        if viewport is None:
            browser.driver.find_element("id", "form").screenshot(path)
        else:
            browser.driver.save_screenshot(path)
    print(path)


def main(folder):
    for name, viewport, steps in SHOTS:
        take(os.path.join(folder, name), viewport, steps)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "docs/screenshots")
