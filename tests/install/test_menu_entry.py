"""The staged install's menu entry starts the program: its Exec line finds
the installed executable, which opens the window the entry names.
    PR_PREFIX=/path/to/prefix python3 test_menu_entry.py
"""

import os
import unittest

from menu_entry import APP_ID, read_entry, start_from_menu

PREFIX = os.environ["PR_PREFIX"]


class MenuEntryStartsTheProgram(unittest.TestCase):
    def test_exec_line_opens_the_named_window(self):
        desktop_file = os.path.join(PREFIX, "share", "applications", APP_ID + ".desktop")
        search_path = os.path.join(PREFIX, "bin") + os.pathsep + "/usr/bin:/bin"
        argv, size, title, wm_class = start_from_menu(desktop_file, search_path)
        entry = read_entry(desktop_file)
        self.assertEqual(argv, [os.path.join(PREFIX, "bin", "punti-e-rette")])
        self.assertEqual(size, (974, 576))  # the whole layout at 96 DPI: 14610 x 8640 twips
        self.assertEqual(title, entry["Name"])
        self.assertIn(entry["StartupWMClass"], wm_class)


if __name__ == "__main__":
    unittest.main(verbosity=2)
