"""A person at the installed program: starts it, tabs through the boxes,
types, clicks the buttons with the mouse, reads the results as a screen
reader does and looks at the screen. Built on the harness in tests/harness.

Everything here uses the keyboard and the mouse only; the accessibility bus
is used to read, never to act.
"""

import os
import unittest
import sys
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "harness"))
from realwindow import HarnessError, Session  # noqa: E402

from pixels import to_pixel  # noqa: E402

PROGRAM = "punti-e-rette"

# Where a person clicks: (Left, Top, Width, Height) in twips.
CONTROLS = {
    "Command1": (12960, 7320, 1215, 495),
    "Command2": (600, 6480, 1575, 615),
    "Command3": (600, 7223, 1575, 255),
    "Command4": (600, 7590, 1575, 255),
    "Text4": (12720, 6840, 615, 285),
}

# What a screen reader says for each result label (its accessible description).
RESULTS = {
    "Label3": "Distanza P1-P2",
    "Label4": "Distanza P1-P3",
    "Label5": "Distanza P2-P3",
    "Label17": "Area del triangolo",
    "Label19": "Equazione della retta P1-P2",
    "Label20": "Equazione della retta P1-P3",
    "Label21": "Equazione della retta P2-P3",
}

DECIMAL_MARK = {"it_IT.UTF-8": ",", "en_US.UTF-8": "."}

# The locale a test runs under (CTest runs each suite under both).
LOCALE = os.environ.get("PR_LOCALE", "it_IT.UTF-8")


def shown(text):
    """A result text with the test locale's decimal mark: shown(" 3.00")."""
    return text.replace(".", DECIMAL_MARK[LOCALE])


def installed_program():
    """The program as `cmake --install` put it under $PR_PREFIX."""
    path = os.path.join(os.environ["PR_PREFIX"], "bin", PROGRAM)
    if not os.access(path, os.X_OK):
        raise HarnessError(path + " is not installed")
    return path


def open_window(locale="it_IT.UTF-8", scale=1, program=None, screen=(1280, 1024)):
    """A harness session with the installed program under `locale` at a
    device pixel ratio of `scale`; use it in a `with` block."""
    env = {"LANG": locale, "LC_ALL": locale, "QT_SCALE_FACTOR": str(scale)}
    return Session(program or installed_program(), time_limit=55, env=env, screen=screen)


def click(session, control, scale=1):
    left, top, width, height = CONTROLS[control]
    session.click(to_pixel(left + width / 2, scale), to_pixel(top + height / 2, scale))


def enter(session, full_scale, p1, p2, p3, scale=1):
    """Types the full scale and the points as a person does: a click into
    the full-scale box, then Tab through the boxes in the window's tab order
    (P3's x and y, P2's y and x, P1's x and y). A box reached by Tab has its
    text selected, so typing replaces it; an empty value clears the box."""
    session.focus()
    click(session, "Text4", scale)
    session.key("ctrl+a")
    values = [full_scale, p3[0], p3[1], p2[1], p2[0], p1[0], p1[1]]
    for i, value in enumerate(values):
        if i:
            session.key("Tab")
        if value:
            session.type(value)
        else:
            session.key("BackSpace")


def result(session, label):
    return session.accessible_text(RESULTS[label], by="description", role="label")


def wait_for_results(session, expected, timeout=10):
    """Waits until every label of `expected` (name -> text) shows its text,
    then returns what they show, for the assertion to compare."""
    try:
        session.wait_for(lambda: all(result(session, k) == v for k, v in expected.items()),
                         "the results " + repr(expected), timeout)
    except HarnessError:
        pass  # the caller's comparison reports what is shown instead
    return {k: result(session, k) for k in expected}


def press_and_read(session, command, expected, scale=1):
    """Clicks `command`, waits for its labels and for the screen to settle,
    and returns (what the labels show, the screenshot)."""
    click(session, command, scale)
    shown = wait_for_results(session, expected)
    return shown, session.stable_screenshot()


def press_and_look(session, command, scale=1):
    """Clicks `command` and returns the screenshot once the window has
    changed and settled; for sessions that read nothing from the bus."""
    before = session.screenshot()
    click(session, command, scale)
    session.wait_for(lambda: session.screenshot() != before, "the window to change")
    return session.stable_screenshot()


def descendants(node):
    found, todo = [], [node]
    while todo:
        current = todo.pop()
        found.append(current)
        todo.extend(current.getChildAtIndex(i) for i in range(current.childCount))
    return [n for n in found if n is not None]


def with_role(session, role):
    """The program's accessibles of `role` ("alert" for a message box)."""
    return [node for node in session.accessibles() if node.getRoleName() == role]


def dismiss_message_box(session):
    """Presses Enter in the message box, the program's other window; with no
    window manager it gets the keyboard focus only when given it."""
    boxes = session.other_windows()
    if len(boxes) != 1:
        raise HarnessError(f"expected one message box, found windows {boxes}")
    session.focus(boxes[0])
    session.key("Return")


class AtTheWindow(unittest.TestCase):
    """A suite of one person at one window: opened once for the class, its
    first screenshot kept as `start`, commands typed and pressed as a person
    does."""

    @classmethod
    def setUpClass(cls):
        cls.session = open_window(LOCALE).__enter__()
        cls.start = cls.session.stable_screenshot()

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def run_command(self, command, full_scale, p1, p2, p3, expected):
        enter(self.session, full_scale, p1, p2, p3)
        labels, shot = press_and_read(self.session, command, expected)
        self.assertEqual(labels, expected)
        return shot
