"""The keyboard as on the desktop: the page opens with the focus on
Command1, Tab walks the controls in the form's tab order and comes back
round, Space presses the focused button and Enter does not."""

import unittest

import reference
from browser import Browser
from selenium.webdriver.common.keys import Keys

# From Command1: the full scale, then P3 to P1, then the line buttons, back to Command1.
TAB_ORDER = ["Text4", "Text1(2)", "Text2(2)", "Text2(1)", "Text1(1)", "Text1(0)", "Text2(0)",
             "Command4", "Command3", "Command2", "Command1"]

LINE_P2_P3 = reference.typed("10", ("-7", "-7"), ("0", "5"), ("2", "-2"))

# (key pressed on Command4, which follows y1 in the tab order; Label21 afterwards)
KEYS = [
    (Keys.ENTER, ""),
    (Keys.SPACE, " Retta su P2-P3      Y = - 3,50 X + 5,00"),
]


class Keyboard(unittest.TestCase):
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

    def test_space_presses_the_focused_button_and_enter_does_not(self):
        for key, label21 in KEYS:
            with self.subTest(key=repr(key)):
                self.browser.open()
                self.browser.perform(LINE_P2_P3)  # leaves the focus in y1
                self.browser.keys(Keys.TAB, key)
                self.assertEqual(self.browser.focused(), "Command4")
                self.assertEqual(self.browser.caption("Label21"), label21)


if __name__ == "__main__":
    unittest.main(verbosity=2)
