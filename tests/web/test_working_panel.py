"""The "Procedimento" panel in the page, as a person uses it: F9 or the small
button beside the form shows the working next to the form (right of it on a
wide screen, below it on a tall one), never over it, both wholly in the
viewport; it follows every press, its last numbers are the labels' texts, and
a screen reader finds it as a region named "Procedimento"."""

import os
import unittest

import reference
from browser import Browser, Keys, Viewport

TRIANGLE = reference.typed("10", ("0", "1"), ("1", "3"), ("-6", "-7"))
WIDE = Viewport(1280, 800)
TALL = Viewport(390, 844, 3, mobile=True)

BOXES = """
const box = (element) => { const r = element.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
const toggle = document.getElementById('working-toggle');
return {
  form: box(document.getElementById('form')),
  panel: box(document.querySelector('[data-name="Procedimento"]')),
  toggle: toggle.hidden ? null : box(toggle),
  view: [innerWidth, innerHeight],
};"""


def apart(a, b):
    """Two boxes (left, top, right, bottom) that do not overlap."""
    return a[2] <= b[0] + 1e-3 or b[2] <= a[0] + 1e-3 or a[3] <= b[1] + 1e-3 or b[3] <= a[1] + 1e-3


def inside(box, view):
    return box[0] >= -1e-3 and box[1] >= -1e-3 and box[2] <= view[0] + 1e-3 and box[3] <= view[1] + 1e-3


class WorkingPanel(unittest.TestCase):
    def panel_text(self, browser):
        return browser.script("return arguments[0].innerText;", browser.element("Procedimento"))

    def assert_beside(self, browser, below):
        shown = browser.script(BOXES)
        self.assertTrue(inside(shown["form"], shown["view"]) and inside(shown["panel"], shown["view"]), shown)
        self.assertTrue(apart(shown["form"], shown["panel"]), f"the panel covers the form: {shown}")
        self.assertEqual(shown["panel"][1] >= shown["form"][3] - 1e-3, below, shown)

    def test_f9_and_the_button_show_the_working_beside_the_form(self):
        with Browser("it", viewport=WIDE) as browser:
            browser.open()
            shown = browser.script(BOXES)
            self.assertTrue(apart(shown["form"], shown["toggle"]) and inside(shown["toggle"], shown["view"]),
                            f"the button covers the form or is out of sight: {shown}")
            browser.keys(Keys.F9)
            self.assertIn("Premi uno dei quattro pulsanti", self.panel_text(browser))
            self.assert_beside(browser, below=False)

            browser.perform(TRIANGLE + ["Command1"])
            distance = browser.caption("Label3").strip()
            area = browser.caption("Label17").strip()
            text = self.panel_text(browser)
            self.assertIn("d(P1, P2) = √((x2 − x1)² + (y2 − y1)²) = √((1 − 0)² + (3 − 1)²) = √(1 + 4) = √5 ≈ "
                          + distance + "\n", text)
            self.assertIn("= ½·|0 − 8 + 12| = ½·4 = 2 = " + area, text)

            browser.perform(["Command2"])
            equation = browser.caption("Label19")
            text = self.panel_text(browser)
            self.assertIn("y = m·x + q = 2x + 1; nell'etichetta: " + equation[equation.index("Y ="):], text)
            self.assertNotIn("d(P1, P2)", text, "the panel follows the last press only")
            self.assert_beside(browser, below=False)
            folder = os.environ.get("PR_SCREENSHOT_DIR")
            if folder:
                browser.driver.save_screenshot(os.path.join(folder, "page-working-panel.png"))

            nodes = browser.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
            regions = [n for n in nodes if n.get("role", {}).get("value") == "complementary"
                       and n.get("name", {}).get("value") == "Procedimento"]
            self.assertEqual(len(regions), 1, "no region named Procedimento for a screen reader")

            browser.keys(Keys.F9)
            self.assertFalse(browser.element("Procedimento").is_displayed())
            browser.driver.find_element("id", "working-toggle").click()
            browser.wait_for_frames()
            self.assertIn("2x + 1", self.panel_text(browser))

    def test_a_line_wraps_between_the_programs_runs_only(self):
        with Browser("it", viewport=TALL) as browser:
            browser.open()
            browser.perform(TRIANGLE + ["Command1"])
            browser.keys(Keys.F9)
            lines = browser.script("""
                return Array.from(arguments[0].querySelectorAll('p, h3')).map((line) => ({
                  text: line.textContent,
                  runs: Array.from(line.querySelectorAll('.run')).map((run) => run.textContent),
                  // A run on one line is one line high, unless it is wider than the panel.
                  broken: Array.from(line.querySelectorAll('.run')).filter((run) =>
                    run.getBoundingClientRect().height > 1.5 * parseFloat(getComputedStyle(line).lineHeight)
                    && run.scrollWidth < line.clientWidth).length,
                }));""", browser.element("Procedimento"))
            distance = next(line for line in lines if line["text"].startswith("d(P1, P2)"))
            self.assertIn("= √(1 + 4)", distance["runs"], "the page cuts the line otherwise than the program")
            for line in lines:
                self.assertEqual(" ".join(line["runs"]), line["text"])
                self.assertEqual(line["broken"], 0, line)

    def test_below_the_form_on_a_tall_screen(self):
        with Browser("it", viewport=TALL) as browser:
            browser.open()
            browser.perform(TRIANGLE + ["Command3"])
            browser.driver.find_element("id", "working-toggle").click()
            browser.wait_for_frames()
            self.assert_beside(browser, below=True)
            self.assertIn("Retta per P1-P3", self.panel_text(browser))


if __name__ == "__main__":
    unittest.main(verbosity=2)
