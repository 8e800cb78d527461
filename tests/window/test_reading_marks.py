"""The marks on the window's boxes, as a person types: a text not read as it
stands shows a small orange corner in its box, and the program's sentence on
how it is read is the box's description on the accessibility bus (and its
tooltip); a text read as it stands has neither. The mark follows every edit,
before any press, and grows with the form."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"
ORANGE = (0xd3, 0x54, 0x00)
# What is typed into x1, and whether it is read as it stands.
ROWS = [("2,5", False), ("(2; 3)", False), ("2;3", False), ("abc", False), ("2.5", True), ("-6", True)]


def x1(s):
    return s.find("x1", role="text")


def orange_in_box(s):
    """The mark's pixels: the exact orange, in x1's box."""
    e = x1(s).queryComponent().getExtents(s._pyatspi().WINDOW_COORDS)
    return s.stable_screenshot().count(ORANGE, (e.x, e.y, e.x + e.width, e.y + e.height))


class ReadingMarks(unittest.TestCase):
    def test_a_text_not_read_as_it_stands_is_marked_with_the_sentence(self):
        with Session(PROGRAM, time_limit=55, screen=(2200, 1400)) as s:
            s.focus()
            s.click_control("x1", role="text")
            marked = {}
            for typed, as_it_stands in ROWS:
                with self.subTest(typed=typed):
                    s.key("ctrl+a")
                    s.type(typed)
                    s.wait_for(lambda: s.accessible_text("x1", role="text") == typed, "the text typed")
                    said = x1(s).description
                    pixels = orange_in_box(s)
                    if as_it_stands:
                        self.assertEqual((said, pixels), ("", 0))
                    else:
                        self.assertIn('"%s"' % typed, said)
                        self.assertGreater(pixels, 20)
                        marked[typed] = pixels
            s.key("ctrl+a")
            s.type("2,5")
            for _ in range(5):  # 200 %
                s.key("ctrl+plus")
            s.wait_for(lambda: s.window_size() == (1948, 1152), "the window at 200 %")
            self.assertGreater(orange_in_box(s), 3 * marked["2,5"], "the mark does not grow with the form")


if __name__ == "__main__":
    unittest.main(warnings="ignore")
