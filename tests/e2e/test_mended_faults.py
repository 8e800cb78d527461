"""Where the program departs from the old one on purpose, as a person meets
it: a level P1-P2 line gets its perpendicular (the y axis), collinear points
get area 0, a huge full scale comes back at once, and a run-time error is
shown in a message box after which the program goes on.
"""

import unittest

import person
from figure_checks import problems_with
from pixels import BLACK, RED, Figure

shown = person.shown


class MendedFaults(person.AtTheWindow):

    def test_level_p1_p2_line_has_the_y_axis_as_perpendicular(self):
        shot = self.run_command("Command2", "10", ("1", "1"), ("3", "1"), ("-4", "-6"), {
            "Label19": shown(" Retta su P1-P2      Y = 0 X + 1.00")})
        figure = Figure(10)
        figure.point_markers((1, 1), (3, 1), (-4, -6))
        figure.swept_line(lambda x: 1.0, BLACK)
        figure.vertical_run(0, RED)
        figure.crossing(0, 1)
        self.assertEqual(problems_with(figure, self.start, shot), [])
        self.assertEqual(person.with_role(self.session, "alert"), [])

    def test_collinear_points_have_area_zero(self):
        # The old program's Heron's product came out a hair below zero for
        # these three points; half the cross product, exact, is 0.
        self.run_command("Command1", "40", ("9", "-2"), ("-18", "10"), ("-36", "18"), {
            "Label3": shown(" 29.55"), "Label4": shown(" 49.24"),
            "Label5": shown(" 19.70"), "Label17": shown(" 0.00")})

    def test_huge_full_scales_come_back_at_once(self):
        # The old program swept forever past a full scale of about 1.4e14.
        # Each line differs from the one before, so its label is news; the
        # harness's time limit bounds the wait.
        for full_scale, p2, equation in (("1e15", ("1", "3"), "+ 2.00 X + 1.00"),
                                         ("1e300", ("1", "4"), "+ 3.00 X + 1.00")):
            with self.subTest(full_scale=full_scale):
                self.run_command("Command2", full_scale, ("0", "1"), p2, ("5", "5"), {
                    "Label19": shown(" Retta su P1-P2      Y = " + equation)})

    def test_run_time_error_shows_a_message_and_the_program_goes_on(self):
        person.enter(self.session, "10", ("1e999", "1"), ("1", "3"), ("0", "0"))
        person.click(self.session, "Command1")
        alert = self.session.wait_for(lambda: person.with_role(self.session, "alert"), "the message box")
        texts = [child.name for child in person.descendants(alert[0]) if child.getRoleName() == "label"]
        self.assertIn("Errore di run-time '6':\n\nOverflow", texts)
        person.dismiss_message_box(self.session)
        self.session.wait_for(lambda: not person.with_role(self.session, "alert"), "the box to close")
        self.run_command("Command1", "10", ("0", "0"), ("3", "0"), ("0", "4"), {
            "Label3": shown(" 3.00"), "Label17": shown(" 6.00")})


if __name__ == "__main__":
    unittest.main(verbosity=2)
