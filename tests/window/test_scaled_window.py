"""The form scaled with its window, as a person uses it: the zoom keys, a
window as large as a projector's screen, and a dark desktop theme.

The plot's pixels are compared with the native raster (tests/web/PageRaster.cpp,
the same core code) rendered for the same key presses at the same scale.
Saves window-200.png and window-1920x1080.png in $PR_SCREENSHOT_DIR.
"""
import os
import sys
import tempfile
import unittest

HERE = os.path.dirname(__file__)
sys.path.insert(0, os.path.join(HERE, "..", "harness"))
sys.path.insert(0, os.path.join(HERE, "..", "web"))
from realwindow import Session  # noqa: E402
import reference  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"
SHOTS = os.environ.get("PR_SCREENSHOT_DIR", ".")
SILVER = (192, 192, 192)

# The white line P1-P3 over a triangle's points, as a teacher shows it.
# By keys alone (one session per process may use the accessibility bus):
# Tab visits the full scale, then the points from P3 to P1, then Command4
# and Command3.
BOXES = reference.typed("5", ("-4", "-3"), ("4", "3"), ("4", "-3"))
ACTIONS = BOXES + ["Command3"]


def run_command(s):
    for _, text in BOXES:
        s.key("Tab")
        s.type(text)
    s.key("Tab", "Tab", "space")


def plot_square(shot, origin, side):
    """The plot square's RGB bytes, `side` pixels from the form's origin."""
    x0, y0 = origin
    return b"".join(shot.rgb[3 * ((y0 + y) * shot.width + x0):3 * ((y0 + y) * shot.width + x0 + side)]
                    for y in range(side))


def reference_square(ratio, side):
    width, _, rgba, _, _ = reference.render(ACTIONS, ratio=ratio, mark=".")
    part = reference.top_left(width, rgba, side, side)
    return b"".join(part[i:i + 3] for i in range(0, len(part), 4))


class ScaledWindow(unittest.TestCase):
    def test_zoom_keys_redraw_the_figure_at_the_new_scale_as_the_native_raster(self):
        with Session(PROGRAM, time_limit=50, env={"LANG": "C.UTF-8"}, screen=(2200, 1400)) as s:
            s.focus()
            run_command(s)
            for _ in range(5):  # 110, 125, 150, 175, 200 %
                s.key("ctrl+plus")
            s.wait_for(lambda: s.window_size() == (1948, 1152), "the window at 200 %")
            shot = s.stable_screenshot()
            shot.save_png(os.path.join(SHOTS, "window-200.png"))
            # 855 pixels: the cell of twip 6400 at 7.5 twips, and its dot's second pixel.
            self.assertEqual(plot_square(shot, (0, 0), 855), reference_square(2, 855))

            s.key("ctrl+minus")
            s.wait_for(lambda: s.window_size() == (1705, 1008), "the window at 175 %")
            s.key("ctrl+0")
            s.wait_for(lambda: s.window_size() == (974, 576), "the window back at 100 %")
            self.assertEqual(plot_square(s.stable_screenshot(), (0, 0), 427), reference_square(1, 427))

    def test_a_projector_sized_window_shows_the_whole_form_centred(self):
        with Session(PROGRAM, time_limit=50, screen=(1920, 1080)) as s:
            s.focus()
            run_command(s)
            s.resize(1920, 1080)
            shot = s.stable_screenshot()
            shot.save_png(os.path.join(SHOTS, "window-1920x1080.png"))
            # 1080 / 576 = 1.875: the form is 1826 wide, 47 pixels of silver each side.
            self.assertEqual(shot.pixel(20, 540), SILVER)
            self.assertEqual(shot.pixel(1900, 540), SILVER)
            self.assertEqual(shot.pixel(47 + 400, 400), (0, 0, 0))  # the axes cross at 3200 twips = 400 px
            self.assertEqual(plot_square(shot, (47, 0), 801), reference_square(1.875, 801))


# qt6ct's "darker" scheme: without its own palette the window turned
# near-black (#222020) and the black grid and axes vanished.
DARKER = "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n"


class DarkDesktop(unittest.TestCase):
    def shot_of_window(self, env):
        with Session(PROGRAM, time_limit=40, env=env) as s:
            s.focus()
            run_command(s)
            return s.stable_screenshot()

    def test_the_window_looks_the_same_under_a_dark_colour_scheme(self):
        if not os.path.exists("/usr/share/qt6ct/colors/darker.conf"):
            self.skipTest("qt6ct is not installed (scripts/install-deps.sh installs it)")
        with tempfile.TemporaryDirectory(prefix="pr-qt6ct-") as config:
            os.makedirs(os.path.join(config, "qt6ct"))
            with open(os.path.join(config, "qt6ct", "qt6ct.conf"), "w") as f:
                f.write(DARKER)
            dark = self.shot_of_window({"QT_QPA_PLATFORMTHEME": "qt6ct", "XDG_CONFIG_HOME": config})
        plain = self.shot_of_window({})
        dark.save_png(os.path.join(SHOTS, "window-darker.png"))
        self.assertEqual(dark.pixel(5, 5), SILVER)
        differing = [(x, y) for y in range(plain.height) for x in range(plain.width)
                     if plain.pixel(x, y) != dark.pixel(x, y)]
        self.assertEqual(differing[:10], [], "%d pixels differ" % len(differing))


if __name__ == "__main__":
    unittest.main(warnings="ignore")
