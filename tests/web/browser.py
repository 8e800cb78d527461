"""Headless Chromium from Debian, driven through chromedriver as a person
drives a browser: the page opened from file://, real key presses and clicks.
Each session ends every process it started, by PID."""

import base64
import os
import shutil
import signal
import tempfile

import png
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
# The form's client area in CSS pixels (the layout at 15 twips per pixel), and
# the plot's square at its top left (6400 twips), which no control covers.
FORM_CSS = (974, 576)
# The "Procedimento" button: a bar this size at the viewport's bottom right,
# or a strip of its height kept below the form where the bar would meet a
# control and no margin holds it.
BUTTON_BAR = (118, 20)
BUTTON_STRIP = BUTTON_BAR[1]
# The bottom-right corners of the controls nearest the form's bottom-right
# corner, in CSS pixels at 100 %: Command1 and the red note across the bottom
# (its text ends about 771 pixels in).
BOTTOM_RIGHT_CONTROLS = ((945, 521), (771, 576))
PLOT_CSS = 427
# The window headless Chromium draws in; the page sees the viewport it is
# given (Browser's `viewport`), whatever this is.
WINDOW = (1280, 800)

# The page and the native renderer, as tests/web/run.sh builds them.
PAGE = os.environ.get("PR_PAGE", os.path.join(os.path.dirname(__file__), "..", "..",
                                              "build-web", "punti-e-rette.html"))
PAGE_URL = "file://" + os.path.realpath(PAGE)


# A run stopped from outside (run.sh's time limit) still ends its browsers:
# SIGTERM unwinds through every session's `with` block, as an interrupt,
# which unittest passes on instead of counting it as one failed case.
def _interrupt(*_):
    raise KeyboardInterrupt("terminated")


signal.signal(signal.SIGTERM, _interrupt)


def _start_time(pid):
    """When a process started (field 22 of /proc/PID/stat), or None once it
    is gone: a PID seen again with another start time is someone else's."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return int(stat.read().rsplit(")", 1)[1].split()[19])
    except (OSError, IndexError, ValueError):
        return None


def _process_tree(pid):
    """{PID: start time} of `pid` and every process below it."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                parent = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(parent, []).append(int(entry))
    found, todo = [pid], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return {p: t for p in found if (t := _start_time(p)) is not None}


class Viewport:
    """What a screen shows the page: `width` x `height` CSS pixels at device
    pixel ratio `ratio`, on a phone or tablet (`mobile`: the browser may lay
    out a page wider than the screen and zoom it out) or not."""

    def __init__(self, width, height, ratio=1, mobile=False):
        self.width, self.height, self.ratio, self.mobile = width, height, ratio, mobile

    def __repr__(self):
        return f"{self.width}x{self.height}@{self.ratio}{' mobile' if self.mobile else ''}"

    def room(self):
        """(width, height) the form is fitted to: the viewport, less a strip of
        20 CSS pixels below it for the "Procedimento" button where neither a
        margin right of the form holds its 24-pixel tab nor one below it its
        20-pixel bar."""
        scale = min(self.width / FORM_CSS[0], self.height / FORM_CSS[1])
        free_right = (self.width - FORM_CSS[0] * scale) / 2
        free_below = (self.height - FORM_CSS[1] * scale) / 2
        bar_left, bar_top = self.width - BUTTON_BAR[0], self.height - BUTTON_BAR[1]
        meets_control = any(free_right + right * scale > bar_left and free_below + bottom * scale > bar_top
                            for right, bottom in BOTTOM_RIGHT_CONTROLS)
        if (free_right >= 24 and self.height >= 132) or free_below >= BUTTON_STRIP or not meets_control:
            return self.width, self.height
        return self.width, self.height - BUTTON_STRIP

    def fit(self):
        """The form's scale that this viewport asks for: as large as it fits
        in the room, computed as the page computes it, so the ratio is the
        same double."""
        width, height = self.room()
        return min(width / FORM_CSS[0], height / FORM_CSS[1])

    def raster_ratio(self):
        """Device pixels to a layout pixel: the form's scale times the ratio."""
        return self.ratio * self.fit()


class Browser:
    """One Chromium with its own empty profile, under `language` ("it" or
    "en"), showing the page in `viewport` (by default the form's size at
    device pixel ratio `ratio`: the form at 100 %, the "Procedimento" button
    on its empty bottom-right corner). Use it in a `with` block."""

    def __init__(self, language="it", ratio=1, performance_log=False, viewport=None):
        self.viewport = viewport or Viewport(FORM_CSS[0], FORM_CSS[1], ratio)
        self.profile = tempfile.mkdtemp(prefix="pr-web-profile-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                    "--disable-background-networking", "--disable-component-update", "--disable-sync",
                    f"--user-data-dir={self.profile}", f"--window-size={WINDOW[0]},{WINDOW[1]}",
                    f"--lang={language}", f"--force-device-scale-factor={self.viewport.ratio}"):
            options.add_argument(arg)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        if performance_log:
            options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        self.service = Service(CHROMEDRIVER)
        self.processes = {}
        try:
            self.driver = webdriver.Chrome(service=self.service, options=options)
        except BaseException:
            self._end_processes()
            raise
        self._note_processes()
        self.show_in(self.viewport)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        self._note_processes()  # before they leave chromedriver's tree
        try:
            self.driver.quit()
        finally:
            self._end_processes()

    def _end_processes(self):
        """Ends chromedriver and every Chromium process below it: politely
        first, then by PID whatever is left of what this session started."""
        self._note_processes()
        self.service.stop()
        for pid, started in self.processes.items():
            if _start_time(pid) == started:
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass  # it ended in between
        shutil.rmtree(self.profile, ignore_errors=True)

    def _note_processes(self):
        if self.service.process:
            self.processes.update(_process_tree(self.service.process.pid))

    # The page

    def show_in(self, viewport):
        """Gives the page `viewport`, as a screen of that size would (the
        window's own size, 140 pixels taller than what headless Chromium
        shows, does not count); a page already open sees it as a resize or a
        rotation."""
        self.viewport = viewport
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": viewport.width, "height": viewport.height,
            "deviceScaleFactor": viewport.ratio, "mobile": viewport.mobile})

    def open(self):
        """Loads the page and waits until it is ready for input: the plane is
        drawn, so the canvas, transparent until then, is opaque."""
        self.driver.get(PAGE_URL)
        self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const drawn = () => {
              const canvas = document.querySelector('[data-name="Form1"]');
              return canvas && canvas.width && canvas.getContext('2d').getImageData(0, 0, 1, 1).data[3] === 255;
            };
            const check = () => (drawn() ? done() : requestAnimationFrame(check));
            check();""")
        self.wait_for_frames()

    def wait_for_frames(self, frames=2):
        """Waits until the browser has shown `frames` more frames, so what a
        handler changed is on the screen."""
        self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            let left = arguments[0];
            const next = () => (--left < 0 ? done() : requestAnimationFrame(next));
            next();""", frames)

    def element(self, name):
        return self.driver.find_element(By.CSS_SELECTOR, f'[data-name="{name}"]')

    def script(self, source, *args):
        return self.driver.execute_script(source, *args)

    # A person's hands

    def type_into(self, box, text):
        """Clicks into a text box, selects what it holds and types `text`
        over it (an empty text clears it)."""
        actions = ActionChains(self.driver, duration=0).click(self.element(box))
        actions.key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL)
        actions.send_keys(text if text else Keys.BACKSPACE)
        actions.perform()

    def perform(self, actions):
        """Runs actions in turn: ("Text1(0)", "2.5") types into a box,
        "Command2" clicks a button."""
        for action in actions:
            if isinstance(action, str):
                self.click(action)
            else:
                self.type_into(*action)

    def click(self, name):
        """A pointer click in the middle of a control."""
        ActionChains(self.driver, duration=0).click(self.element(name)).perform()
        self.wait_for_frames()

    def tap(self, name):
        """A finger's touch in the middle of a control."""
        finger = PointerInput(interaction.POINTER_TOUCH, "finger")
        actions = ActionBuilder(self.driver, mouse=finger, duration=0)
        actions.pointer_action.move_to(self.element(name)).pointer_down().pointer_up()
        actions.perform()
        self.wait_for_frames()

    def keys(self, *keys):
        """Key presses sent to whatever has the focus."""
        ActionChains(self.driver, duration=0).send_keys(*keys).perform()
        self.wait_for_frames()

    # What a person sees

    def caption(self, label):
        return self.script("return arguments[0].textContent;", self.element(label))

    def captions(self, labels):
        return {label: self.caption(label) for label in labels}

    def focused(self):
        return self.script("return document.activeElement && document.activeElement.dataset.name;")

    def canvas(self):
        """(width, height, RGBA bytes) of the plot's canvas, read back from
        its own context as the screen shows it."""
        width, height, data = self.script("""
            const canvas = arguments[0];
            const bytes = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
            let text = '';
            for (let i = 0; i < bytes.length; i += 0x8000) {
              text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
            }
            return [canvas.width, canvas.height, btoa(text)];""", self.element("Form1"))
        return width, height, base64.b64decode(data)

    def screen(self, width, height, left=0, top=0):
        """(width, height, RGBA bytes) of what the screen shows in the page's
        `width` x `height` CSS pixels from (left, top), in device pixels."""
        shot = self.driver.execute_cdp_cmd("Page.captureScreenshot", {
            "format": "png", "optimizeForSpeed": True,
            "clip": {"x": left, "y": top, "width": width, "height": height, "scale": 1}})
        return png.pixels(base64.b64decode(shot["data"]))

    def open_dialog(self):
        """The open <dialog>'s (title and text, whether it is modal), or None."""
        return self.script("""
            const dialog = document.querySelector('dialog[open]');
            return dialog && [dialog.innerText, dialog.matches(':modal')];""")
