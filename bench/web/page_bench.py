"""Times the page in headless Chromium, measured inside the page with
performance.now(): every command at full scales 10, 1e9 and 1e300 (median of
PRESSES presses, from the click to the end of the canvas update), the
start-up from opening the file to the plane drawn (median of LOADS loads),
and the file's size. Prints a table; not a test."""

import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
from browser import PAGE, Browser  # noqa: E402

PRESSES = 60
LOADS = 10
FULL_SCALES = ["10", "1e9", "1e300"]
COMMANDS = ["Command1", "Command2", "Command3", "Command4"]
# The points at full scale 10; scaled with the full scale so every figure
# falls inside the plot and the lines cross it.
POINTS = {"Text1(0)": 1, "Text2(0)": 2, "Text1(1)": -3, "Text2(1)": 4, "Text1(2)": 5, "Text2(2)": -6}

# Notes when each putImageData on the page's canvas has finished, from the
# very start of the document: the end of a canvas update, whoever calls it.
WATCH_CANVAS = """
window.prCanvasUpdates = [];
const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (...args) {
  put.apply(this, args);
  window.prCanvasUpdates.push(performance.now());
};"""

# Presses a button `presses` times; each time from just before the click to
# the end of the canvas update it caused (waiting for a frame if the page
# draws in one). Returns the times in ms.
PRESS_LOOP = """
const [button, presses, done] = arguments;
const updates = window.prCanvasUpdates;
const times = [];
const frame = () => new Promise(resolve => requestAnimationFrame(resolve));
(async () => {
  for (let i = 0; i < presses; ++i) {
    const seen = updates.length;
    const start = performance.now();
    button.click();
    for (let waited = 0; updates.length === seen; ++waited) {
      if (waited === 60) return done(null);  // the click drew nothing
      await frame();
    }
    times.push(updates[updates.length - 1] - start);
    await frame();
  }
  done(times);
})();"""


def set_boxes(browser, full_scale):
    values = {name: f"{v * float(full_scale) / 10:g}" for name, v in POINTS.items()}
    values["Text4"] = full_scale
    for name, text in values.items():
        browser.script("arguments[0].value = arguments[1];"
                       "arguments[0].dispatchEvent(new Event('input', {bubbles: true}));",
                       browser.element(name), text)


def start_up(browser):
    times = []
    for _ in range(LOADS):
        browser.driver.get("about:blank")
        browser.open()
        browser.driver.set_script_timeout(30)
        times.append(browser.driver.execute_async_script("""
            const done = arguments[0];
            const check = () => window.prCanvasUpdates.length ? done(window.prCanvasUpdates[0])
                                                                : requestAnimationFrame(check);
            check();"""))
    return statistics.median(times)


def main():
    with Browser("it") as browser:
        browser.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_CANVAS})
        browser.driver.set_script_timeout(300)
        ready = start_up(browser)
        print(f"{'command':<10}{'full scale':>12}{'median ms':>12}{'max ms':>10}")
        for full_scale in FULL_SCALES:
            browser.open()
            set_boxes(browser, full_scale)
            for command in COMMANDS:
                times = browser.driver.execute_async_script(PRESS_LOOP, browser.element(command), PRESSES)
                if browser.open_dialog() or not times:
                    sys.exit(f"{command} at full scale {full_scale}: an error, or no canvas update")
                print(f"{command:<10}{full_scale:>12}{statistics.median(times):>12.3f}{max(times):>10.3f}")
    print(f"start-up, open file to plane drawn: {ready:.1f} ms (median of {LOADS} loads)")
    size = os.path.getsize(PAGE)
    print(f"file size: {size} bytes ({size / 1e6:.3f} MB)")


if __name__ == "__main__":
    main()
