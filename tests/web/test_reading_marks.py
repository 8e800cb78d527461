"""The marks on the page's boxes, as a person types: a text not read as it
stands gets the mark and, as its tooltip and its description for a screen
reader (Chromium's accessibility tree), the program's sentence on how it is
read; a text read as it stands has neither. The mark follows every edit,
before any press, and grows with the form."""

import unittest

from browser import Browser, Viewport

# What is typed into x1, and whether it is read as it stands.
ROWS = [("2,5", False), ("(2; 3)", False), ("2;3", False), ("abc", False), ("2.5", True), ("-6", True)]

MARK = """
const box = arguments[0];
const style = getComputedStyle(box);
return {marked: style.backgroundImage !== 'none', title: box.title,
        description: box.getAttribute('aria-description') || '',
        corner: box.getBoundingClientRect().width * parseFloat(style.backgroundSize) / box.offsetWidth};"""


def description(browser, box):
    """The box's description in Chromium's accessibility tree."""
    cdp = browser.driver.execute_cdp_cmd
    node_id = cdp("DOM.describeNode", {"objectId": cdp("Runtime.evaluate", {
        "expression": f'document.querySelector(\'[data-name="{box}"]\')'})["result"]["objectId"]})["node"]["backendNodeId"]
    nodes = cdp("Accessibility.getPartialAXTree", {"backendNodeId": node_id, "fetchRelatives": False})["nodes"]
    return nodes[0].get("description", {}).get("value", "")


class ReadingMarks(unittest.TestCase):
    def test_a_text_not_read_as_it_stands_is_marked_with_the_sentence(self):
        with Browser("it") as browser:
            browser.open()
            for typed, as_it_stands in ROWS:
                with self.subTest(typed=typed):
                    browser.type_into("Text1(0)", typed)
                    shown = browser.script(MARK, browser.element("Text1(0)"))
                    self.assertEqual(shown["marked"], not as_it_stands, shown)
                    self.assertEqual(shown["title"], shown["description"])
                    self.assertEqual(description(browser, "Text1(0)"), shown["description"])
                    if as_it_stands:
                        self.assertEqual(shown["description"], "")
                    else:
                        self.assertIn('"%s"' % typed, shown["description"])

    def test_the_mark_grows_with_the_form(self):
        with Browser("it", viewport=Viewport(1948, 1152)) as browser:
            browser.open()
            browser.type_into("Text1(0)", "2,5")
            shown = browser.script(MARK, browser.element("Text1(0)"))
            self.assertAlmostEqual(shown["corner"], 18, delta=0.5)  # 9 form pixels at 200 %


if __name__ == "__main__":
    unittest.main(verbosity=2)
