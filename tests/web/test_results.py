"""The worked examples and the mended faults in the page, as a person runs
them: type into the boxes, click a button, read the result labels. Under an
Italian browser the results carry ",", under an English one "."; the input
always reads the period. One page per language, the rows in order, so each
command is also seen emptying the labels an earlier row filled."""

import unittest

import reference
from browser import Browser

DECIMAL_MARK = {"it": ",", "en": "."}

# (command, full scale, P1, P2, P3, the labels it shows, with "." as the mark)
ROWS = [
    ("Command1", "10", ("0", "0"), ("3", "0"), ("0", "4"),
     {"Label3": " 3.00", "Label4": " 4.00", "Label5": " 5.00", "Label17": " 6.00"}),
    # "2.5" is two and a half in every language; "1,5" reads as 1.
    ("Command1", "10", ("0", "0"), ("2.5", "0"), ("1,5", "0"),
     {"Label3": " 2.50", "Label4": " 1.00", "Label5": " 1.50", "Label17": " 0.00"}),
    ("Command2", "10", ("0", "1"), ("1", "3"), ("-6", "-7"),
     {"Label19": " Retta su P1-P2      Y = + 2.00 X + 1.00"}),
    ("Command3", "10", ("0", "0"), ("-5", "6"), ("2", "1"),
     {"Label20": " Retta su P1-P3      Y = + 0.50 X 0", "Label19": ""}),
    ("Command4", "10", ("5", "-6"), ("-1", "4"), ("3", "4"),
     {"Label21": " Retta su P2-P3      Y = 0 X + 4.00", "Label19": "", "Label20": ""}),
    ("Command4", "10", ("-7", "-7"), ("0", "5"), ("2", "-2"),
     {"Label21": " Retta su P2-P3      Y = - 3.50 X + 5.00"}),
    # Mended: a level P1-P2 line is traced and gets its equation.
    ("Command2", "10", ("1", "1"), ("3", "1"), ("-4", "-6"),
     {"Label19": " Retta su P1-P2      Y = 0 X + 1.00", "Label21": ""}),
    # Mended: collinear points have area 0, near the origin and far from it.
    ("Command1", "40", ("9", "-2"), ("-18", "10"), ("-36", "18"),
     {"Label3": " 29.55", "Label4": " 49.24", "Label5": " 19.70", "Label17": " 0.00"}),
    ("Command1", "100000", ("-4448", "-27486"), ("-54003", "-77041"), ("43117", "20079"),
     {"Label17": " 0.00"}),
    # Mended: huge full scales come back at once.
    ("Command2", "1e15", ("0", "1"), ("1", "3"), ("5", "5"),
     {"Label19": " Retta su P1-P2      Y = + 2.00 X + 1.00"}),
    ("Command2", "1e300", ("0", "1"), ("1", "4"), ("5", "5"),
     {"Label19": " Retta su P1-P2      Y = + 3.00 X + 1.00"}),
]


class Results(unittest.TestCase):
    def test_worked_examples_and_mended_faults(self):
        for language, mark in DECIMAL_MARK.items():
            with Browser(language) as browser:
                browser.open()
                for command, full_scale, p1, p2, p3, expected in ROWS:
                    with self.subTest(language=language, command=command, p1=p1, p2=p2, p3=p3):
                        browser.perform(reference.typed(full_scale, p1, p2, p3) + [command])
                        shown = {label: text.replace(".", mark) for label, text in expected.items()}
                        self.assertEqual(browser.captions(shown), shown)


if __name__ == "__main__":
    unittest.main(verbosity=2)
