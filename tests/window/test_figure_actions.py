"""The figure's three actions in the real window, by real mouse and keys:
a right-click on the plot opens "Copia figura", "Salva figura...",
"Stampa..." and "Mostra il procedimento" (read on the accessibility bus, where a popup menu shows itself
only by an event); from inside a text box, Ctrl+Shift+C puts the plot
square on the clipboard as a PNG with the labels' text beside it, and
Ctrl+S and Ctrl+P open their dialogs, in Italian under an Italian desktop."""
import os
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "harness"))
from realwindow import HarnessError, Screenshot, Session  # noqa: E402

PROGRAM = sys.argv.pop(1) if len(sys.argv) > 1 else "build/punti-e-rette"
ITALIAN = {"LANG": "it_IT.UTF-8", "LC_ALL": "it_IT.UTF-8"}

ACTIONS = ["Copia figura", "Salva figura...", "Stampa..."]
# After a separator (a nameless item on the bus), the working's window.
MENU = ACTIONS + ["", "Mostra il procedimento"]
SQUARE = 427          # pixels: twips 0 to 6400 at 15 twips a pixel, both ends included
ON_PLOT = (200, 150)
OFF_PLOT = (467, 200)  # twips (7000, 3000): right of the plot, on no control


def crop(shot, side):
    rows = [shot.rgb[3 * shot.width * y:3 * (shot.width * y + side)] for y in range(side)]
    return Screenshot(side, side, b"".join(rows))


class PopupWatcher:
    """Collects the popup menus that show themselves on the accessibility bus."""

    def __init__(self, session):
        from gi.repository import GLib
        self.context = GLib.MainContext.default()
        self.session, self.menus = session, []
        self.atspi = session._pyatspi()
        session._application()  # the program is on the bus before listening
        self.atspi.Registry.registerEventListener(self._seen, "object:state-changed:showing")

    def _seen(self, event):
        from gi.repository import GLib
        try:
            if event.source is not None and event.source.getRoleName() == "popup menu" and event.detail1:
                self.menus.append([event.source.getChildAtIndex(i).name for i in range(event.source.childCount)])
        except GLib.GError:
            pass  # an object that has gone again (a tooltip, a closed dialog)

    def close(self):
        self.atspi.Registry.deregisterEventListener(self._seen, "object:state-changed:showing")

    def wait(self, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end and not self.menus:
            self.context.iteration(False)
            time.sleep(0.02)
        return self.menus


def right_click(session, x, y):
    session._xdotool("mousemove", "--window", session.window, str(x), str(y), "click", "3")


def clipboard(session, target):
    """What the clipboard holds as `target`, once the program offers it."""
    def read():
        done = subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-o"], env=session.env,
                              capture_output=True, timeout=5)
        return done.stdout if done.returncode == 0 else b""
    return session.wait_for(read, "the clipboard to hold " + target)


def png_as_screenshot(png):
    ppm = subprocess.run(["convert", "png:-", "-depth", "8", "ppm:-"], input=png, capture_output=True,
                         check=True).stdout
    return Screenshot.from_ppm(ppm)


class FigureActions(unittest.TestCase):
    def test_menu_and_keys_reach_the_three_actions(self):
        with Session(PROGRAM, time_limit=55, env=ITALIAN) as s:
            s.focus()
            for box, text in [("x1", "1"), ("y1", "1"), ("x2", "3"), ("y2", "2"), ("Fondo scala", "10")]:
                s.click_control(box, role="text")
                s.type(text)
            s.click_control(" Retta per P1-P2 e  perpend.")
            equation = s.wait_for(lambda: s.accessible_text("Equazione della retta P1-P2", by="description"),
                                  "the equation")
            shot = s.stable_screenshot()

            watcher = PopupWatcher(s)
            right_click(s, *OFF_PLOT)
            self.assertEqual(watcher.wait(1.0), [], "a right-click beside the plot opens nothing")
            right_click(s, *ON_PLOT)
            self.assertEqual(watcher.wait(5.0), [MENU])
            watcher.close()
            s.key("Escape")
            s.wait_for(lambda: not s.other_windows(), "the menu to close")

            s.focus()
            s.click_control("x1", role="text")
            s.key("ctrl+shift+c")
            copied = png_as_screenshot(clipboard(s, "image/png"))
            self.assertEqual((copied.width, copied.height), (SQUARE, SQUARE))
            self.assertTrue(copied == crop(shot, SQUARE), "the copied figure differs from the window's")
            self.assertIn(equation.strip(), clipboard(s, "UTF8_STRING").decode())
            self.assertEqual(s.accessible_text("x1", role="text"), "1", "the box kept its text")

            for keys, title, proceed in (("ctrl+s", "Salva figura", "Salva"), ("ctrl+p", "Stampa figura", "Stampa")):
                s.focus()
                s.click_control("x1", role="text")
                s.key(keys)
                s.wait_for(lambda: s.other_windows(), title)
                dialog = s.wait_for(lambda: self._dialog(s, title), title + " on the bus")
                buttons = {n.name for n in self._descendants(dialog) if n.getRoleName() == "push button"}
                self.assertTrue({proceed, "Annulla"} <= buttons, buttons)
                s.key("Escape")
                s.wait_for(lambda: not s.other_windows(), title + " to close")
            self.assertTrue(s.running())

    @staticmethod
    def _descendants(node):
        found, todo = [], [node]
        while todo:
            n = todo.pop()
            if n is not None:  # a child can vanish while the tree is walked
                found.append(n)
                todo.extend(n.getChildAtIndex(i) for i in range(n.childCount))
        return found

    def _dialog(self, session, title):
        try:
            return next((n for n in self._descendants(session._application())
                         if n.getRoleName() == "dialog" and n.name == title), None)
        except HarnessError:
            return None


if __name__ == "__main__":
    unittest.main(warnings="ignore")
