"""Every run-time error the program can still raise, met as a person meets it
in the real window: type the input, press the button, read the message box,
dismiss it with the keyboard, and press a button again with good input.

The errors and the inputs that raise them are listed in the README (Run-time errors);
every one is Overflow (6). Division by zero (11) and the invalid call (5) can
no longer happen: a level P1-P2 line gets the y axis as its perpendicular,
and a flat triangle's area is 0.
"""

import math
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "harness"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from realwindow import HarnessError, Session  # noqa: E402
from person import RESULTS  # noqa: E402  (what a screen reader says for each result label)

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"

OVERFLOW = "Errore di run-time '6':\n\nOverflow"

BUTTONS = {
    "Command1": "I punti e le distanze",
    "Command2": " Retta per P1-P2 e  perpend.",
    "Command3": "Retta per P1-P3",
    "Command4": "Retta per P2-P3",
}
BOXES = ["x1", "y1", "x2", "y2", "x3", "y3", "Fondo scala"]

# Good input after which every command shows a known result (the C locale
# writes the period).
GOOD = ["0", "1", "1", "3", "2", "-2", "10"]
GOOD_RESULTS = {
    "Command1": {"Label3": " 2.24", "Label4": " 3.61", "Label5": " 5.10", "Label17": " 3.50"},
    "Command2": {"Label19": " Retta su P1-P2      Y = + 2.00 X + 1.00"},
    "Command3": {"Label20": " Retta su P1-P3      Y = - 1.50 X + 1.00"},
    "Command4": {"Label21": " Retta su P2-P3      Y = - 5.00 X + 8.00"},
}
# The labels each line command empties before anything can fail.
CLEARED = {"Command1": [], "Command2": ["Label20", "Label21"], "Command3": ["Label19", "Label21"],
           "Command4": ["Label19", "Label20"]}

# (what overflows, command, the seven boxes x1, y1, x2, y2, x3, y3 and full
# scale with None for the good text, the labels written before the failing
# step). Every other result label of the command keeps its good text.
ERRORS = [
    ("a number too large for a double", "Command1",
     ["1e999", None, None, None, None, None, None], {}),
    ("a full scale so small that 3200 / full scale overflows", "Command3",
     [None, None, None, None, None, None, "1e-306"], {}),
    ("a distance beyond the largest double", "Command1",
     ["0", "0", "0", "0", "1.5e308", "1.5e308", None], {"Label3": " 0.00"}),
    ("the area, half the cross product", "Command1",
     ["0", "0", "1e200", "0", "0", "1e200", None],
     {"Label3": " 1" + "0" * 200 + ".00", "Label4": " 1" + "0" * 200 + ".00",
      "Label5": " %d.%02d" % divmod((math.isqrt(8 * 10**404) + 1) // 2, 100)}),  # √2·10^200, rounded once
    ("the slope of a nearly vertical pair", "Command2",
     ["0", "0", "1e-310", "1", None, None, None], {}),
    ("the intercept of a steep line far from the y axis", "Command4",
     [None, None, "1e10", "0", "10000000001", "1e300", None], {}),
    ("the perpendicular's slope -1/m of an almost level line", "Command2",
     ["0", "0", "1", "1e-320", None, None, None], {}),
    ("the ordinate m x + q of the line sweep", "Command3",
     ["0", "0", None, None, "1", "1e306", "1000"], {}),
]


class RuntimeErrors(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = Session(PROGRAM, time_limit=170, env={"LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}).__enter__()
        cls.boxes = [""] * len(BOXES)

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def enter(self, texts):
        """Types into every box whose text must change: a click, select all, type."""
        for i, (box, text) in enumerate(zip(BOXES, texts)):
            if text is None or self.boxes[i] == text:
                continue
            self.session.click_control(box, role="text")
            self.session.key("ctrl+a")
            if text:
                self.session.type(text)
            else:
                self.session.key("BackSpace")
            self.session.wait_for(lambda: self.session.accessible_text(box, role="text") == text,
                                  "%s to read %r" % (box, text))
            self.boxes[i] = text

    def result(self, label):
        return self.session.accessible_text(RESULTS[label], by="description", role="label")

    def results(self, expected):
        """Waits until the labels show `expected`, then returns what they show."""
        try:
            self.session.wait_for(lambda: all(self.result(k) == v for k, v in expected.items()),
                                  "the results " + repr(expected))
        except HarnessError:
            pass  # the comparison below says what is shown instead
        return {k: self.result(k) for k in expected}

    def message_boxes(self):
        return [n for n in self.session.accessibles() if n.getRoleName() == "alert"]

    def message_text(self, box):
        todo, texts = [box], []
        while todo:
            node = todo.pop()
            if node is None:
                continue
            if node.getRoleName() == "label":
                texts.append(node.name)
            todo.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        return texts

    def dismiss_with_return(self):
        """With no window manager the box gets the keyboard only when given it."""
        s = self.session
        windows = s._xdotool("search", "--onlyvisible", "--pid", str(s.pid)).split()
        boxes = [w for w in windows if w != s.window]
        self.assertEqual(len(boxes), 1, "expected one message box, found windows %s" % windows)
        s._xdotool("windowfocus", "--sync", boxes[0])
        s.key("Return")
        s.wait_for(lambda: not self.message_boxes(), "the message box to close")
        s.focus()

    def press(self, command):
        self.session.click_control(BUTTONS[command], role="push button")

    def run_good(self, command):
        self.enter(GOOD)
        self.press(command)
        self.assertEqual(self.results(GOOD_RESULTS[command]), GOOD_RESULTS[command])

    def test_each_error_is_shown_in_italian_and_the_window_goes_on(self):
        for what, command, texts, written in ERRORS:
            with self.subTest(what):
                self.run_good(command)
                self.enter([g if t is None else t for t, g in zip(texts, GOOD)])
                self.press(command)
                boxes = self.session.wait_for(self.message_boxes, "the message box for " + what)
                message = self.message_text(boxes[0])
                # What the command wrote before the failing step stays; what
                # it would have written after it does not appear.
                left = dict(GOOD_RESULTS[command], **written, **{k: "" for k in CLEARED[command]})
                shown = self.results(left)
                self.dismiss_with_return()
                self.assertIn(OVERFLOW, message)
                self.assertEqual(shown, left)
                self.assertTrue(self.session.running())
                self.run_good(command)
        self.assertEqual(self.message_boxes(), [])

if __name__ == "__main__":
    unittest.main(verbosity=2)
