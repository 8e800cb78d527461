"""Starting the program the way a desktop menu does: read the installed
.desktop file, expand its Exec line, find the program on the PATH and run it
under Xvfb (tests/harness)."""

import configparser
import os
import shlex
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "harness"))
from realwindow import Session  # noqa: E402

APP_ID = "it.puntierette.PuntiERette"
# Field codes a menu replaces with files or URLs; this program takes none.
FIELD_CODES = {"%f", "%F", "%u", "%U", "%i", "%c", "%k"}


def read_entry(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # Name and Name[en] are different keys
    with open(path, encoding="utf-8") as f:
        parser.read_file(f)
    return parser["Desktop Entry"]


def exec_argv(entry, search_path):
    """The Exec line as the command a menu runs, its program found on `search_path`."""
    argv = [word for word in shlex.split(entry["Exec"]) if word not in FIELD_CODES]
    program = shutil.which(argv[0], path=search_path)
    if program is None:
        raise FileNotFoundError(f"{argv[0]} is not on {search_path}")
    return [program] + argv[1:]


def window_facts(session):
    """The window's title and WM_CLASS, which docks match to the menu entry."""
    def ask(*args):
        return subprocess.run(args, env=session.env, capture_output=True, text=True, check=True).stdout

    title = ask("xdotool", "getwindowname", session.window).strip()
    wm_class = ask("xprop", "-id", session.window, "WM_CLASS")
    names = [part.strip().strip('"') for part in wm_class.split("=", 1)[1].split(",")]
    return title, names


def start_from_menu(desktop_file, search_path):
    """Runs the entry's Exec line; returns (argv, window size, title, WM_CLASS names)."""
    argv = exec_argv(read_entry(desktop_file), search_path)
    if len(argv) != 1:
        raise AssertionError(f"the harness starts a bare program, the Exec line is {argv}")
    with Session(argv[0], time_limit=40, env={"PATH": search_path}) as session:
        title, names = window_facts(session)
        return argv, session.window_size(), title, names
