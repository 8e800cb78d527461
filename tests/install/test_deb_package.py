"""The Debian package installs cleanly on this machine, its menu entry starts
the program, and it removes cleanly. Needs root: it installs system-wide.
    PR_DEB_DIR=/folder/with/the/deb PR_VERSION=1.0.0 python3 test_deb_package.py
"""

import glob
import os
import subprocess
import unittest

from menu_entry import APP_ID, read_entry, start_from_menu

DEB_DIR = os.environ["PR_DEB_DIR"]
VERSION = os.environ["PR_VERSION"]
PACKAGE = "punti-e-rette"
INSTALLED_FILES = [
    "/usr/bin/punti-e-rette",
    f"/usr/share/applications/{APP_ID}.desktop",
    f"/usr/share/metainfo/{APP_ID}.metainfo.xml",
    f"/usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
    f"/usr/share/icons/hicolor/48x48/apps/{APP_ID}.png",
    "/usr/share/man/man1/punti-e-rette.1.gz",
    "/usr/share/doc/punti-e-rette/copyright",
]
# The browser page, when the build was given one to ship.
if os.environ.get("PR_WEB_PAGE"):
    INSTALLED_FILES.append("/usr/share/punti-e-rette/punti-e-rette.html")


def run(*args):
    return subprocess.run(args, capture_output=True, text=True,
                          env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))


def apt_install(deb):
    # Waits for a dpkg lock held by someone else instead of failing at once.
    return run("apt-get", "install", "-y", "--no-install-recommends", "-o", "DPkg::Lock::Timeout=60", deb)


def installed():
    status = run("dpkg-query", "-W", "-f=${Status}", PACKAGE)
    return status.returncode == 0 and status.stdout == "install ok installed"


@unittest.skipUnless(os.geteuid() == 0, "installing a package needs root")
class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        debs = glob.glob(os.path.join(DEB_DIR, "*.deb"))
        if len(debs) != 1:
            raise AssertionError(f"expected one package in {DEB_DIR}, found {debs}")
        cls.deb = debs[0]
        cls.was_installed = installed()  # a person's own install is left in place
        cls.install = apt_install(cls.deb)

    @classmethod
    def tearDownClass(cls):
        if not cls.was_installed:
            run("dpkg", "--purge", PACKAGE)

    def field(self, name):
        return run("dpkg-deb", "--field", self.deb, name).stdout.strip()

    def test_control_fields(self):
        self.assertEqual(self.field("Package"), PACKAGE)
        self.assertEqual(self.field("Version"), VERSION + "-1")
        depends = [d.split()[0] for d in self.field("Depends").split(", ")]
        for needed in ("qt6-qpa-plugins", "libqt6widgets6", "libqt6core6"):
            self.assertIn(needed, depends)

    def test_installs_cleanly(self):
        self.assertEqual(self.install.returncode, 0, self.install.stdout + self.install.stderr)
        self.assertTrue(installed())
        for path in INSTALLED_FILES:
            self.assertTrue(os.path.isfile(path), path)
        self.assertNotIn("E:", self.install.stderr)

    def test_menu_entry_starts_the_installed_program(self):
        self.assertTrue(installed(), self.install.stderr)
        desktop_file = f"/usr/share/applications/{APP_ID}.desktop"
        argv, size, title, wm_class = start_from_menu(desktop_file, "/usr/local/bin:/usr/bin:/bin")
        self.assertEqual(argv, ["/usr/bin/punti-e-rette"])
        self.assertEqual(size, (974, 576))
        self.assertEqual(title, read_entry(desktop_file)["Name"])
        self.assertIn("punti-e-rette", wm_class)

    def test_zz_removes_cleanly(self):
        # Runs last (tests run in name order); the package is put back for a
        # person who had it installed.
        removal = run("dpkg", "--purge", PACKAGE)
        self.assertEqual(removal.returncode, 0, removal.stderr)
        self.assertFalse(installed())
        for path in INSTALLED_FILES:
            self.assertFalse(os.path.exists(path), path)
        if self.was_installed:
            apt_install(self.deb)


if __name__ == "__main__":
    unittest.main(verbosity=2)
