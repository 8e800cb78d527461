"""The form never slides: a result label far longer than its box (a line
through points near 10^300 has an equation of three hundred digits) is cut
at the form's edge, as the desktop's window cuts it, and whatever scrolls
it into view (a script, find in page, automation reaching for it) leaves
the plot and the buttons where they were."""

import unittest

import reference
from browser import Browser

# P1 (0; 0), P2 (1; 1e300): m = 10^300, every digit of it in Label19.
STEEP_LINE = reference.typed("10", ("0", "0"), ("1", "1e300"), ("0", "0")) + ["Command2"]
LONG_LABEL = "Label19"
STAYING = ["Form1", "Command1", "Command2", "Command3", "Command4"]

RECTANGLES = """
return arguments[0].map((name) => {
  const box = document.querySelector(`[data-name="${name}"]`).getBoundingClientRect();
  return [name, box.left, box.top, box.width, box.height];
});"""

# What scrolls the label into view: a script (or a screen reader's cursor)
# asks for the whole label; find in page for the rectangle of a match, here
# the equation's last digits, through DevTools as automation does.
SCROLL_BY_SCRIPT = "arguments[0].scrollIntoView({block: 'center', inline: 'end'});"
LAST_DIGITS = """
const label = arguments[0];
const text = label.firstChild;
const range = document.createRange();
range.setStart(text, text.length - 24);
range.setEnd(text, text.length);
const match = range.getBoundingClientRect();
const box = label.getBoundingClientRect();
return {x: match.left - box.left, y: match.top - box.top, width: match.width, height: match.height};"""


class FormStays(unittest.TestCase):
    def test_scrolling_the_longest_label_into_view_moves_nothing(self):
        with Browser("it") as browser:
            browser.open()
            browser.perform(STEEP_LINE)
            label = browser.element(LONG_LABEL)
            length, room = browser.script(
                "const form = document.getElementById('form');"
                "return [arguments[0].scrollWidth, form.offsetWidth - arguments[0].offsetLeft];", label)
            self.assertGreater(length, 2 * room, "the equation is far longer than the room beside it")
            before = browser.script(RECTANGLES, STAYING)

            browser.script(SCROLL_BY_SCRIPT, label)
            browser.wait_for_frames()
            self.assertEqual(browser.script(RECTANGLES, STAYING), before, "after scrollIntoView")

            cdp = browser.driver.execute_cdp_cmd
            node = cdp("DOM.describeNode", {"objectId": self.object_id(browser, LONG_LABEL)})["node"]["backendNodeId"]
            cdp("DOM.scrollIntoViewIfNeeded", {"backendNodeId": node, "rect": browser.script(LAST_DIGITS, label)})
            browser.wait_for_frames()
            self.assertEqual(browser.script(RECTANGLES, STAYING), before, "after finding the equation's last digits")

    @staticmethod
    def object_id(browser, name):
        """DevTools' handle on the control named `name`."""
        found = browser.driver.execute_cdp_cmd("Runtime.evaluate", {
            "expression": f'document.querySelector(\'[data-name="{name}"]\')'})
        return found["result"]["objectId"]


if __name__ == "__main__":
    unittest.main(verbosity=2)
