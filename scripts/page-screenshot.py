#!/usr/bin/python3
"""Takes the README's screenshot of the browser page: the same key presses
as the desktop's line-with-perpendicular.png (a triangle, then the line
through P1 and P2), in headless Chromium, from file://.
Usage: scripts/page-screenshot.py [FILE]  (after scripts/build-web.sh)"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "web"))
from browser import Browser  # noqa: E402

STEPS = [
    # full scale, P1, P2, P3, command: as the desktop's screenshots are taken
    ("10", ("-6", "-4"), ("7", "-2"), ("1", "8"), "Command1"),
    ("10", ("0", "1"), ("1", "3"), ("-6", "-7"), "Command2"),
]


def main(path):
    with Browser("it") as browser:
        browser.open()
        for full_scale, p1, p2, p3, command in STEPS:
            boxes = [("Text4", full_scale)]
            for i, (x, y) in enumerate((p1, p2, p3)):
                boxes += [(f"Text1({i})", x), (f"Text2({i})", y)]
            browser.perform(boxes + [command])
        browser.wait_for_frames()
        browser.driver.find_element("id", "form").screenshot(path)
    print(path)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "docs/screenshots/page-in-the-browser.png")
