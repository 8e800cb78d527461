"""Takes the README's screenshots of the installed program, driven as a
person drives it. Usage: PR_PREFIX=prefix python3 take_screenshots.py FOLDER
"""

import os
import subprocess
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
        print(save_page(session, folder))


def save_page(session, folder):
    """Saves the last figure as a PDF through Ctrl+S and its dialog, and
    renders the page at 96 DPI, where the figure's pixels come out one to one."""
    pdf = os.path.join(session.tmp, "pagina.pdf")
    session.focus()
    session.key("ctrl+s")
    dialog = session.wait_for(session.other_windows, "the save dialog")[0]
    session.focus(dialog)
    session.key("ctrl+a")
    session.type(pdf)
    session.key("Return")
    session.wait_for(lambda: os.path.exists(pdf) and not session.other_windows(), "the saved PDF")
    page = os.path.join(folder, "printed-page")
    subprocess.run(["pdftoppm", "-r", "96", "-png", "-singlefile", pdf, page], check=True)
    return page + ".png"


if __name__ == "__main__":
    main(sys.argv[1])
