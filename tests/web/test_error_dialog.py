"""A run-time error in the page: a modal dialog with the desktop's Italian
title and text, closed by Enter, Escape or its button; the page goes on
with what was drawn and written before the error, and the next command
runs afresh."""

import unittest

import reference
from browser import Browser
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

TITLE = "Punti e rette"
MESSAGE = "Errore di run-time '6':\n\nOverflow"
TRIANGLE = reference.typed("10", ("0", "0"), ("3", "0"), ("0", "4")) + ["Command1"]


def close_with_enter(browser):
    browser.keys(Keys.ENTER)


def close_with_escape(browser):
    browser.keys(Keys.ESCAPE)


def close_with_its_button(browser):
    browser.driver.find_element(By.CSS_SELECTOR, "dialog[open] button").click()
    browser.wait_for_frames()


# (how the dialog is closed, the input that overflows, the button pressed)
ROWS = [
    (close_with_enter, "10", ("1e999", "1"), ("1", "3"), ("0", "0"), "Command1"),
    (close_with_escape, "10", ("0", "0"), ("1e200", "0"), ("0", "1e200"), "Command1"),
    (close_with_its_button, "1000", ("0", "0"), ("0", "0"), ("1", "1e306"), "Command3"),
]


class ErrorDialog(unittest.TestCase):
    def assert_as_native(self, browser, history):
        """The canvas and every label show what the native form shows after `history`."""
        width, height, pixels, captions, reports = reference.render(history)
        shown = browser.canvas()
        self.assertEqual(shown[:2], (width, height))
        self.assertTrue(shown[2] == pixels, reference.first_difference(width, shown[2], pixels))
        self.assertEqual(browser.captions(captions), captions)
        return reports

    def test_error_shows_the_dialog_and_the_page_goes_on(self):
        with Browser("it") as browser:
            browser.open()
            history = []
            for close, full_scale, p1, p2, p3, button in ROWS:
                with self.subTest(close=close.__name__, button=button):
                    # Something drawn and written first, which the error must leave alone.
                    browser.perform(TRIANGLE)
                    failing = reference.typed(full_scale, p1, p2, p3) + [button]
                    browser.perform(failing)
                    text, modal = browser.open_dialog() or ("", False)
                    self.assertTrue(modal, "no modal dialog is open")
                    self.assertEqual(text.split("\n", 1)[0].strip(), TITLE)
                    self.assertIn(MESSAGE, text)
                    close(browser)
                    self.assertIsNone(browser.open_dialog())
                    history += TRIANGLE + failing
                    self.assertEqual(self.assert_as_native(browser, history)[-1:], [MESSAGE])
            # And the next command runs as on a fresh page.
            browser.perform(TRIANGLE)
            self.assert_as_native(browser, history + TRIANGLE)


if __name__ == "__main__":
    unittest.main(verbosity=2)
