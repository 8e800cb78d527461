"""Takes the README's screenshots of the installed program, driven as a
person drives it. Usage: PR_PREFIX=prefix python3 take_screenshots.py FOLDER
"""

import os
import subprocess
import sys
import time

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
    classroom(folder)


def classroom(folder):
    """The form as a class sees it: the white line at 100 %, the yellow one
    zoomed to 200 % (redrawn at the new scale), and the window filling a
    1920 x 1080 projector, as full screen shows it there (sized by hand: the
    screen must be larger for 200 %, and with no window manager under Xvfb
    a full-screen request may go unanswered)."""
    with person.open_window("it_IT.UTF-8", screen=(2000, 1200)) as session:
        person.enter(session, "5", ("-4", "-3"), ("-2", "4"), ("5", "-1"))
        shot = person.press_and_look(session, "Command3")
        shot.save_png(os.path.join(folder, "classroom-100.png"))
        person.press_and_look(session, "Command4")
        for _ in range(5):  # 110, 125, 150, 175, 200 %
            session.key("ctrl+plus")
        session.wait_for(lambda: session.window_size() == (1948, 1152), "the window at 200 %")
        session.stable_screenshot().save_png(os.path.join(folder, "classroom-200.png"))
        session.key("ctrl+0")
        session.wait_for(lambda: session.window_size() == (974, 576), "the window at 100 %")
        session.key("F11")
        time.sleep(0.5)
        if session.window_size() != (974, 576):  # honoured, on this 2000 x 1200 screen
            session.key("F11")
            session.wait_for(lambda: session.window_size() == (974, 576), "the window out of full screen")
        session.resize(1920, 1080)
        session.stable_screenshot().save_png(os.path.join(folder, "classroom-1920x1080.png"))
    for name in ("classroom-100.png", "classroom-200.png", "classroom-1920x1080.png"):
        print(os.path.join(folder, name))


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
