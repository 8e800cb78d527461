"""Tab order and button presses by real keys in the running window."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"

COMMAND1 = "I punti e le distanze"
COMMAND2 = " Retta per P1-P2 e  perpend."
# Full scale first, then the points from P3 to P1; P2's y box before its x box.
TAB_ORDER = [COMMAND1, "Fondo scala", "x3", "y3", "y2", "x2", "x1", "y1",
             "Retta per P2-P3", "Retta per P1-P3", COMMAND2, COMMAND1]


class TabOrder(unittest.TestCase):
    def test_tab_visits_the_controls_in_order_and_space_presses_a_button(self):
        with Session(PROGRAM, time_limit=40) as s:
            s.focus()
            self.assertEqual(s.focused_name(), COMMAND1)

            visited = [COMMAND1]
            for _ in range(len(TAB_ORDER) - 1):
                previous = visited[-1]
                s.key("Tab")
                visited.append(s.wait_for(lambda: (n := s.focused_name()) != previous and n,
                                          "the focus to move"))
            self.assertEqual(visited, TAB_ORDER)

            # Typing goes to the focused box; Tab and shift+Tab walk to the buttons.
            for box, text in [("x1", "0"), ("y1", "1"), ("x2", "1"), ("y2", "3"),
                              ("Fondo scala", "10")]:
                s.click_control(box, role="text")
                s.type(text)
                self.assertEqual(s.accessible_text(box, role="text"), text)
            s.key("shift+Tab")  # from the full scale back to Command1
            s.wait_for(lambda: s.focused_name() == COMMAND1, "the focus on Command1")
            s.key("shift+Tab")
            s.wait_for(lambda: s.focused_name() == COMMAND2, "the focus on Command2")
            s.key("space")
            equation = s.wait_for(
                lambda: s.accessible_text("Equazione della retta P1-P2", by="description"),
                "Label19's equation")
            self.assertEqual(equation, " Retta su P1-P2      Y = + 2.00 X + 1.00")
            self.assertTrue(s.running())


if __name__ == "__main__":
    unittest.main(warnings="ignore")
