"""What `cmake --install` puts under the prefix makes a proper desktop program:
the executable, a valid menu entry, a valid AppStream metainfo, an icon at
every size it claims, and the manual page. Run with Debian's python3:
    PR_PREFIX=/path/to/prefix PR_VERSION=1.0.0 python3 test_installed_files.py
"""

import configparser
import gzip
import os
import struct
import subprocess
import unittest
import xml.etree.ElementTree as ET

PREFIX = os.environ["PR_PREFIX"]
VERSION = os.environ["PR_VERSION"]
APP_ID = "it.puntierette.PuntiERette"
PROGRAM = "punti-e-rette"
BITMAP_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def installed(*parts):
    return os.path.join(PREFIX, *parts)


def desktop_entry():
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case sensitive: Name and Name[en] differ
    with open(installed("share", "applications", APP_ID + ".desktop"), encoding="utf-8") as f:
        parser.read_file(f)
    return parser["Desktop Entry"]


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        raise AssertionError(path + " is not a PNG file")
    return struct.unpack(">II", header[16:24])


class DesktopEntryTest(unittest.TestCase):
    def test_validates(self):
        path = installed("share", "applications", APP_ID + ".desktop")
        result = subprocess.run(["desktop-file-validate", path], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertEqual(result.stdout.strip(), "", "warnings or hints: " + result.stdout)

    def test_italian_name_and_comment_in_the_education_menu(self):
        entry = desktop_entry()
        self.assertEqual(entry["Name"], "Punti e rette")
        self.assertIn("piano cartesiano", entry["Comment"])
        categories = entry["Categories"].rstrip(";").split(";")
        self.assertIn("Education", categories)
        self.assertIn("Math", categories)

    def test_exec_names_the_installed_program(self):
        entry = desktop_entry()
        self.assertEqual(entry["Exec"].split()[0], PROGRAM)
        program = installed("bin", PROGRAM)
        self.assertTrue(os.access(program, os.X_OK), program + " is not executable")
        self.assertEqual(entry["Terminal"], "false")

    def test_icon_name_resolves_to_installed_icons(self):
        self.assertEqual(desktop_entry()["Icon"], APP_ID)
        self.assertTrue(os.path.isfile(installed("share", "icons", "hicolor", "scalable", "apps", APP_ID + ".svg")))


class WebPageTest(unittest.TestCase):
    @unittest.skipUnless(os.environ.get("PR_WEB_PAGE"), "no browser page configured (PR_WEB_PAGE)")
    def test_browser_page_is_installed_as_built(self):
        with open(os.environ["PR_WEB_PAGE"], "rb") as built, \
                open(installed("share", PROGRAM, PROGRAM + ".html"), "rb") as page:
            self.assertEqual(page.read(), built.read())


class IconTest(unittest.TestCase):
    def test_every_bitmap_has_the_size_of_its_folder(self):
        for size in BITMAP_SIZES:
            with self.subTest(size=size):
                path = installed("share", "icons", "hicolor", f"{size}x{size}", "apps", APP_ID + ".png")
                self.assertEqual(png_size(path), (size, size))

    def test_scalable_icon_is_a_square_svg(self):
        root = ET.parse(installed("share", "icons", "hicolor", "scalable", "apps", APP_ID + ".svg")).getroot()
        self.assertEqual(root.tag, "{http://www.w3.org/2000/svg}svg")
        _, _, width, height = (float(v) for v in root.get("viewBox").split())
        self.assertEqual(width, height)


class MetainfoTest(unittest.TestCase):
    path = installed("share", "metainfo", APP_ID + ".metainfo.xml")

    def test_appstream_accepts_it(self):
        result = subprocess.run(["appstreamcli", "validate", "--no-net", "--no-color", self.path],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        for level in ("E:", "W:", "I:"):
            self.assertNotIn(level, result.stdout, "appstreamcli reported: " + result.stdout)

    def test_identity_matches_the_menu_entry_and_program(self):
        root = ET.parse(self.path).getroot()
        self.assertEqual(root.get("type"), "desktop-application")
        self.assertEqual(root.findtext("id"), APP_ID)
        self.assertEqual(root.findtext("launchable[@type='desktop-id']"), APP_ID + ".desktop")
        self.assertEqual(root.findtext("provides/binary"), PROGRAM)

    def test_newest_release_is_this_version(self):
        releases = ET.parse(self.path).getroot().findall("releases/release")
        self.assertTrue(releases, "no release listed")
        self.assertEqual(releases[0].get("version"), VERSION)


class ManualPageTest(unittest.TestCase):
    def test_names_program_and_version(self):
        with gzip.open(installed("share", "man", "man1", PROGRAM + ".1.gz"), "rt", encoding="utf-8") as f:
            title = f.readline()
        self.assertTrue(title.startswith(".TH PUNTI-E-RETTE 1 "), title)
        self.assertIn(f'"{PROGRAM} {VERSION}"', title)


if __name__ == "__main__":
    unittest.main(verbosity=2)
