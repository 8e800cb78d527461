"""Takes the README's screenshots of the installed program, driven as a
person drives it. Usage: PR_PREFIX=prefix python3 take_screenshots.py FOLDER
"""

import os
import sys

import person

SHOTS = [
    # file, command, full scale, P1, P2, P3
    ("triangle.png", "Command1", "10", ("-6", "-4"), ("7", "-2"), ("1", "8")),
    ("line-with-perpendicular.png", "Command2", "10", ("0", "1"), ("1", "3"), ("-6", "-7")),
]


def main(folder):
    os.makedirs(folder, exist_ok=True)
    with person.open_window("it_IT.UTF-8") as session:
        session.focus()
        session.stable_screenshot().save_png(os.path.join(folder, "window-at-start.png"))
        for name, command, full_scale, p1, p2, p3 in SHOTS:
            person.enter(session, full_scale, p1, p2, p3)
            person.press_and_look(session, command).save_png(os.path.join(folder, name))
            print(os.path.join(folder, name))


if __name__ == "__main__":
    main(sys.argv[1])
