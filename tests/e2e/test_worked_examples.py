"""The worked examples, as a person runs them on the installed program:
start it, tab through the boxes typing the points and the full scale, press
a button, read the result labels through the accessibility bus and look at
the plot. Run once per locale (PR_LOCALE): the results use the locale's
decimal mark, the input always reads the period.
"""

import unittest

import person
from figure_checks import problems_with
from pixels import BACKGROUND_GRID, BLACK, RED, WHITE, YELLOW, Figure, to_pixel

shown = person.shown


class WorkedExamples(person.AtTheWindow):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.results_at_start = {label: person.result(cls.session, label) for label in person.RESULTS}

    def assert_figure(self, figure, shot):
        self.assertEqual(problems_with(figure, self.start, shot), [])

    def test_window_starts_with_the_bare_plot_and_no_results(self):
        shot = self.start
        for x in range(0, 6401, 320):
            for y in (40, 1000, 6360):
                if x != 3200:
                    self.assertEqual(shot.pixel(to_pixel(x), to_pixel(y)), BACKGROUND_GRID, (x, y))
        self.assertEqual(shot.pixel(to_pixel(3200), to_pixel(500)), BLACK)  # the y axis
        self.assertEqual(shot.pixel(to_pixel(500), to_pixel(3200)), BLACK)  # the x axis
        self.assertEqual(self.results_at_start, {label: "" for label in person.RESULTS})

    def test_triangle_with_its_distances_and_area(self):
        p1, p2, p3 = (0, 0), (3, 0), (0, 4)
        shot = self.run_command("Command1", "10", ("0", "0"), ("3", "0"), ("0", "4"), {
            "Label3": shown(" 3.00"), "Label4": shown(" 4.00"),
            "Label5": shown(" 5.00"), "Label17": shown(" 6.00")})
        figure = Figure(10)
        figure.point_markers(p1, p2, p3)
        for a, b in ((p1, p2), (p1, p3), (p3, p2)):
            figure.side(a, b, BLACK)
        self.assert_figure(figure, shot)
        # The markers sit where the twips put them: (3200, 3200), (4160, 3200), (3200, 1920).
        self.assertEqual([centre for centre, _ in figure.markers], [(213, 213), (277, 213), (213, 128)])

    def test_decimal_input_always_reads_the_period(self):
        # "2.5" is two and a half in every locale; "1,5" reads as 1.
        self.run_command("Command1", "10", ("0", "0"), ("2.5", "0"), ("1,5", "0"), {
            "Label3": shown(" 2.50"), "Label4": shown(" 1.00"),
            "Label5": shown(" 1.50"), "Label17": shown(" 0.00")})

    def test_line_p1_p2_with_its_perpendicular(self):
        shot = self.run_command("Command2", "10", ("0", "1"), ("1", "3"), ("-6", "-7"), {
            "Label19": shown(" Retta su P1-P2      Y = + 2.00 X + 1.00"),
            "Label20": "", "Label21": ""})
        figure = Figure(10)
        figure.point_markers((0, 1), (1, 3), (-6, -7))
        figure.swept_line(lambda x: 2 * x + 1, BLACK)
        figure.swept_line(lambda x: -0.5 * x + 1, RED)
        figure.crossing(0, 1)
        self.assert_figure(figure, shot)

    def test_line_p1_p3_in_white(self):
        shot = self.run_command("Command3", "10", ("0", "0"), ("-5", "6"), ("2", "1"), {
            "Label20": shown(" Retta su P1-P3      Y = + 0.50 X 0"),
            "Label19": "", "Label21": ""})
        figure = Figure(10)
        figure.point_markers((0, 0), (-5, 6), (2, 1))
        figure.swept_line(lambda x: 0.5 * x, WHITE)
        self.assert_figure(figure, shot)

    def test_level_line_p2_p3_in_yellow(self):
        shot = self.run_command("Command4", "10", ("5", "-6"), ("-1", "4"), ("3", "4"), {
            "Label21": shown(" Retta su P2-P3      Y = 0 X + 4.00"),
            "Label19": "", "Label20": ""})
        figure = Figure(10)
        figure.point_markers((5, -6), (-1, 4), (3, 4))
        figure.swept_line(lambda x: 4.0, YELLOW)
        self.assert_figure(figure, shot)

    def test_falling_line_p2_p3_pressed_from_the_keyboard(self):
        person.enter(self.session, "10", ("-7", "-7"), ("0", "5"), ("2", "-2"))
        # From P1's y box the Tab key goes on to Command4; the space bar presses it.
        self.session.key("Tab", "space")
        expected = {"Label21": shown(" Retta su P2-P3      Y = - 3.50 X + 5.00")}
        self.assertEqual(person.wait_for_results(self.session, expected), expected)
        figure = Figure(10)
        figure.point_markers((-7, -7), (0, 5), (2, -2))
        figure.swept_line(lambda x: -3.5 * x + 5, YELLOW)
        self.assert_figure(figure, self.session.stable_screenshot())


if __name__ == "__main__":
    unittest.main(verbosity=2)
