"""Focus and pressing as on the desktop: the page opens with the focus on
Command1, Tab walks the controls in the form's tab order and comes back
round; Space presses the focused button and Enter does not; a touch
presses a button as a click does."""

import unittest

import reference
from browser import Browser
from selenium.webdriver.common.keys import Keys

# From Command1: the full scale, then P3 to P1, then the line buttons, back to Command1.
TAB_ORDER = ["Text4", "Text1(2)", "Text2(2)", "Text2(1)", "Text1(1)", "Text1(0)", "Text2(0)",
             "Command4", "Command3", "Command2", "Command1"]

# Typed in tab order, so the focus ends in y1; Command4 comes next.
LINE_P2_P3 = reference.typed("10", ("-7", "-7"), ("0", "5"), ("2", "-2"))
EQUATION = " Retta su P2-P3      Y = - 3,50 X + 5,00"

# (how Command4 is reached and pressed, Label21 afterwards)
PRESSES = [
    ("Tab, then Enter", lambda browser: browser.keys(Keys.TAB, Keys.ENTER), ""),
    ("Tab, then Space", lambda browser: browser.keys(Keys.TAB, Keys.SPACE), EQUATION),
    ("a touch", lambda browser: browser.tap("Command4"), EQUATION),
]


class FocusAndPresses(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = Browser("it")

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def test_focus_starts_on_command1_and_follows_the_tab_key(self):
        self.browser.open()
        walked = [self.browser.focused()]
        for _ in TAB_ORDER:
            self.browser.keys(Keys.TAB)
            walked.append(self.browser.focused())
        self.assertEqual(walked, ["Command1"] + TAB_ORDER)

    def test_what_presses_a_button(self):
        for how, press, label21 in PRESSES:
            with self.subTest(how=how):
                self.browser.open()
                self.browser.perform(LINE_P2_P3)
                press(self.browser)
                self.assertEqual((self.browser.focused(), self.browser.caption("Label21")), ("Command4", label21))


if __name__ == "__main__":
    unittest.main(verbosity=2)
