"""The figure out of the page: Ctrl+S (a real key press) downloads
punti-e-rette.png holding the canvas's plot square pixel for pixel and, in
its Description, the text the desktop writes for the same input; the printed
page shows the title, the figure at its true size (6400 twips, 11.29 cm a
side) and the figure's text."""

import base64
import os
import re
import subprocess
import tempfile
import time
import unittest

import png
import reference
from browser import Browser
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

ACTIONS = reference.typed("10", ("0", "1"), ("1", "3"), ("-6", "-7")) + ["Command1", "Command2"]
# The plot square through the cell of twip 6400, at 15 twips to a pixel.
FIGURE_PIXELS = 427
# 6400 twips = 4.44 in, rendered at 300 DPI, 15 mm from the paper's left edge
# (the desktop's margin, which comes to the page with the layout).
PRINTED_SIDE = 6400 / 1440 * 300
PRINTED_LEFT = 15 / 25.4 * 300


def wait_for_file(path, seconds=10):
    deadline = time.monotonic() + seconds
    while not os.path.exists(path):
        if time.monotonic() > deadline:
            raise AssertionError(f"no {os.path.basename(path)} downloaded")
        time.sleep(0.05)
    with open(path, "rb") as file:
        return file.read()


def figure_box(pgm):
    """(left, width, height) of the figure on a printed page rendered as a binary
    PGM: the first unbroken run of rows inked over a quarter of the page's
    width (the figure's grey plane; the title is narrower, and the working's
    long lines below it come after a gap), and across the middle of them."""
    width, height, body = re.match(rb"P5\s+(\d+)\s+(\d+)\s+\d+\s(.*)", pgm, re.S).groups()
    width, height = int(width), int(height)
    white = body.translate(bytes([0] * 255 + [1]))
    rows = [y for y in range(height) if white[y * width:(y + 1) * width].count(0) > width // 4]
    rows = [y for i, y in enumerate(rows) if y - i == rows[0]]
    middle = white[rows[len(rows) // 2] * width:(rows[len(rows) // 2] + 1) * width]
    return middle.index(0), middle.rindex(0) - middle.index(0) + 1, rows[-1] - rows[0] + 1


class FigureOutOfThePage(unittest.TestCase):
    def test_saved_and_printed_figure(self):
        with tempfile.TemporaryDirectory(prefix="pr-downloads-") as downloads, Browser("it") as browser:
            browser.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                           {"behavior": "allow", "downloadPath": downloads})
            browser.open()
            browser.perform(ACTIONS)
            ActionChains(browser.driver).key_down(Keys.CONTROL).send_keys("s").key_up(Keys.CONTROL).perform()
            saved = wait_for_file(os.path.join(downloads, "punti-e-rette.png"))

            width, height, pixels = png.pixels(saved)
            canvas_width, _, canvas = browser.canvas()
            square = b"".join(canvas[y * canvas_width * 4:(y * canvas_width + width) * 4] for y in range(height))
            self.assertEqual((width, height), (FIGURE_PIXELS, FIGURE_PIXELS))
            self.assertTrue(pixels == square, reference.first_difference(width, pixels, square))
            self.assertEqual(png.texts(saved).get("Description"), reference.figure_text(ACTIONS))

            pdf = base64.b64decode(browser.driver.execute_cdp_cmd(
                "Page.printToPDF", {"preferCSSPageSize": True})["data"])
            equation = browser.caption("Label19").split("Y =")[1].split()

        with tempfile.TemporaryDirectory(prefix="pr-print-") as folder:
            path = os.path.join(folder, "page.pdf")
            with open(path, "wb") as file:
                file.write(pdf)
            subprocess.run(["pdftoppm", "-r", "300", "-gray", "-singlefile", path, os.path.join(folder, "page")],
                           check=True)
            with open(os.path.join(folder, "page.pgm"), "rb") as file:
                left, *side = figure_box(file.read())
            text = subprocess.run(["pdftotext", path, "-"], check=True, capture_output=True, text=True).stdout
        self.assertAlmostEqual(left, PRINTED_LEFT, delta=2)
        self.assertAlmostEqual(side[0], PRINTED_SIDE, delta=2)
        self.assertAlmostEqual(side[1], PRINTED_SIDE, delta=2)
        self.assertIn("Punti e rette", text)
        self.assertIn(" ".join(equation), " ".join(text.split()))
        # The working follows the results, under its heading.
        self.assertIn("Procedimento\nRetta per P1-P2 e perpendicolare", text)
        self.assertIn("nell'etichetta: Y = " + " ".join(equation), " ".join(text.split()))


if __name__ == "__main__":
    unittest.main(verbosity=2)
