"""What a screen reader finds on the accessibility bus: every text box and
button by its accessible name, the keyboard focus moving through them, and
the text of every result label once a command has written it."""

import unittest

import person

LOCALE = person.LOCALE

TEXT_BOXES = ["x1", "y1", "x2", "y2", "x3", "y3", "Fondo scala"]
BUTTONS = ["I punti e le distanze", " Retta per P1-P2 e  perpend.", "Retta per P1-P3", "Retta per P2-P3"]
# The focus walk from the first button: the full scale, then P3 to P1, then the line buttons.
TAB_ORDER = ["Fondo scala", "x3", "y3", "y2", "x2", "x1", "y1",
             "Retta per P2-P3", "Retta per P1-P3", " Retta per P1-P2 e  perpend.", "I punti e le distanze"]


class ScreenReader(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.session = person.open_window(LOCALE).__enter__()
        cls.session.focus()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def named(self, role):
        return [node.name for node in person.with_role(self.session, role)]

    def test_every_text_box_and_button_has_its_name(self):
        self.assertCountEqual(self.named("text"), TEXT_BOXES)
        self.assertCountEqual(self.named("push button"), BUTTONS)

    def test_every_result_label_is_described(self):
        descriptions = [node.description for node in person.with_role(self.session, "label")]
        for description in person.RESULTS.values():
            self.assertEqual(descriptions.count(description), 1, description)

    def test_focus_follows_the_tab_key(self):
        self.session.focus()
        person.click(self.session, "Command1")  # a click gives a button the focus too
        walked = []
        for _ in TAB_ORDER:
            self.session.key("Tab")
            walked.append(self.session.wait_for(self.session.focused_name, "a focused control"))
        self.assertEqual(walked, TAB_ORDER)

    def test_typed_text_and_every_result_are_read(self):
        person.enter(self.session, "10", ("0", "1"), ("1", "3"), ("2", "2"))
        self.assertEqual({name: self.session.accessible_text(name, role="text") for name in TEXT_BOXES},
                         {"x1": "0", "y1": "1", "x2": "1", "y2": "3", "x3": "2", "y3": "2", "Fondo scala": "10"})
        mark = person.DECIMAL_MARK[LOCALE]
        runs = [("Command1", {"Label3": " 2.24", "Label4": " 2.24", "Label5": " 1.41", "Label17": " 1.50"}),
                ("Command2", {"Label19": " Retta su P1-P2      Y = + 2.00 X + 1.00"}),
                ("Command3", {"Label20": " Retta su P1-P3      Y = + 0.50 X + 1.00"}),
                ("Command4", {"Label21": " Retta su P2-P3      Y = - 1.00 X + 4.00"})]
        for command, texts in runs:
            with self.subTest(command=command):
                expected = {label: text.replace(".", mark) for label, text in texts.items()}
                person.click(self.session, command)
                self.assertEqual(person.wait_for_results(self.session, expected), expected)


if __name__ == "__main__":
    unittest.main(verbosity=2)
