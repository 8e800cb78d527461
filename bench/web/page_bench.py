"""Times the page in headless Chromium, measured inside the page with
performance.now(): every command at full scales 10, 1e9 and 1e300 with the
form at 100 % and at 200 % (a viewport twice the form's size), and Command1
and Command2 with 1,000-digit coordinates at 100 % (median of
PRESSES presses, from the click to the end of the canvas update, and of the
putImageData alone), the redraw after a change of scale from 100 % to 200 %
with the last command's figure (from the resize event to the end of the
canvas update; median of REDRAWS), a step of a point dragged with the mouse
at 100 % and 200 % (the frame that runs the command and updates the page;
median and worst of DRAG_STEPS), and the start-up (startup.py).
performance.now() counts in steps of 0.1 ms here. Prints a table; not a test.
With the argument "drag", only the drag steps."""

import os
import random
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
from browser import FORM_CSS, Browser, Viewport  # noqa: E402

import startup  # noqa: E402

PRESSES = 60
REDRAWS = 30
DRAG_STEPS = 100
WARM_STEPS = 5
SCALES = {"100 %": Viewport(*FORM_CSS), "200 %": Viewport(2 * FORM_CSS[0], 2 * FORM_CSS[1])}
FULL_SCALES = ["10", "1e9", "1e300"]
COMMANDS = ["Command1", "Command2", "Command3", "Command4"]
# The desktop benchmark's points at every full scale (bench/CommandBenchmarks.cpp):
# P1 (0; 1), P2 (1; 3), the line y = 2x + 1 and its perpendicular; every
# line crosses the whole plot whatever the full scale.
POINTS = {"Text1(0)": "0", "Text2(0)": "1", "Text1(1)": "1", "Text2(1)": "3", "Text1(2)": "-2", "Text2(2)": "0.5"}
# The same boxes typed with 1,000 digits each ("1." and 998 decimals of a
# fixed generator): the numbers are computed exactly from what is typed.
LONG_DIGITS = 1000
_digits = random.Random(16)
LONG_POINTS = {name: "1." + "".join(_digits.choice("0123456789") for _ in range(LONG_DIGITS - 1)) for name in POINTS}

# Notes when each putImageData on the page's canvas began and finished, from
# the very start of the document: the canvas updates, whoever makes them.
WATCH_CANVAS = """
window.prCanvasUpdates = [];
const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (...args) {
  const start = performance.now();
  put.apply(this, args);
  window.prCanvasUpdates.push([start, performance.now()]);
};
window.prResizes = [];
window.addEventListener('resize', () => window.prResizes.push(performance.now()));
// How long each frame that updated the canvas worked, from its callback's
// start to its end: a dragged point's step (the command, the working, the
// labels, the boxes and the canvas update).
window.prFrames = [];
const requestFrame = window.requestAnimationFrame.bind(window);
window.requestAnimationFrame = (callback) => requestFrame((time) => {
  const start = performance.now(), seen = window.prCanvasUpdates.length;
  callback(time);
  if (window.prCanvasUpdates.length > seen) window.prFrames.push(performance.now() - start);
});"""

# After a change of the viewport: from the first resize event since `seen`
# resizes to the end of the canvas update it caused, in ms.
AFTER_RESIZE = """
const [seenResizes, seenUpdates, done] = arguments;
const frame = () => new Promise(resolve => requestAnimationFrame(resolve));
(async () => {
  for (let waited = 0; window.prCanvasUpdates.length === seenUpdates; ++waited) {
    if (waited === 60) return done(null);  // nothing redrawn
    await frame();
  }
  const updates = window.prCanvasUpdates;
  const [putStart, putEnd] = updates[updates.length - 1];
  done([putEnd - window.prResizes[seenResizes], putEnd - putStart]);
})();"""

# Presses a button `presses` times; each time from just before the click to
# the end of the canvas update it caused (waiting for a frame if the page
# draws in one). Returns [whole press, its putImageData alone] pairs in ms.
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
    const [putStart, putEnd] = updates[updates.length - 1];
    times.push([putEnd - start, putEnd - putStart]);
    await frame();
  }
  done(times);
})();"""


def set_boxes(browser, full_scale, points=None):
    for name, text in {**(points or POINTS), "Text4": full_scale}.items():
        browser.script("arguments[0].value = arguments[1];"
                       "arguments[0].dispatchEvent(new Event('input', {bubbles: true}));",
                       browser.element(name), text)


def watched_browser():
    browser = Browser("it")
    browser.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_CANVAS})
    browser.driver.set_script_timeout(300)
    return browser


def redraws(browser):
    """The redraw after a change of scale to 200 %, with the figure of
    Command2 (a line and its perpendicular) at every full scale."""
    for full_scale in FULL_SCALES:
        browser.show_in(SCALES["100 %"])
        browser.open()
        set_boxes(browser, full_scale)
        browser.element("Command2").click()
        times = []
        for _ in range(REDRAWS):
            browser.show_in(SCALES["100 %"])
            browser.wait_for_frames()
            seen = browser.script("return [window.prResizes.length, window.prCanvasUpdates.length];")
            browser.show_in(SCALES["200 %"])
            time = browser.driver.execute_async_script(AFTER_RESIZE, *seen)
            if not time:
                sys.exit(f"no redraw after a change of scale at full scale {full_scale}")
            times.append(time)
        whole = [t[0] for t in times]
        canvas = statistics.median(t[1] for t in times)
        print(f"{'200 %':<8}{'redraw':<10}{full_scale:>12}{statistics.median(whole):>12.2f}"
              f"{max(whole):>10.2f}{canvas:>12.2f}")


def plot_css(browser, world):
    """The viewport's CSS pixel over a world point at full scale 10."""
    left, top, width = browser.script("""
        const r = document.querySelector('.plot').getBoundingClientRect();
        return [r.left, r.top, r.width / document.querySelector('.plot').offsetWidth];""")
    return left + (3200 + 320 * world[0]) / 15 * width, top + (3200 - 320 * world[1]) / 15 * width


def drag_steps(browser):
    """P2 of Command2's figure dragged back and forth between (4; -2) and
    (3; -1) with the mouse, DRAG_STEPS moves, one frame each: each step's
    frame, from its start to its end."""
    cdp = browser.driver.execute_cdp_cmd
    for scale, viewport in SCALES.items():
        browser.show_in(viewport)
        browser.open()
        set_boxes(browser, "10")
        browser.element("Command2").click()
        x, y = plot_css(browser, (1, 3))
        places = [plot_css(browser, (4, -2)), plot_css(browser, (3, -1))]
        cdp("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y})
        cdp("Input.dispatchMouseEvent", {"type": "mousePressed", "x": x, "y": y, "button": "left", "clickCount": 1})
        # The first steps run while the browser still tiers the module's code
        # up (up to about 15 ms here): WARM_STEPS are not counted.
        for step in range(WARM_STEPS + DRAG_STEPS):
            if step == WARM_STEPS:
                browser.script("window.prFrames = [];")
            x, y = places[step % 2]
            cdp("Input.dispatchMouseEvent", {"type": "mouseMoved", "x": x, "y": y, "button": "left", "buttons": 1})
            browser.wait_for_frames(1)
        cdp("Input.dispatchMouseEvent", {"type": "mouseReleased", "x": x, "y": y, "button": "left", "clickCount": 1})
        frames = browser.script("return window.prFrames;")
        if len(frames) < DRAG_STEPS:
            sys.exit(f"a drag at {scale}: {len(frames)} frames drew, not {DRAG_STEPS}")
        print(f"{scale:<8}{'drag step':<10}{'10':>12}{statistics.median(frames):>12.2f}{max(frames):>10.2f}")


def presses(browser, scale, command, inputs):
    """PRESSES presses of one button on the boxes as they are: a row of the
    table (the whole press, its worst, and the canvas update alone)."""
    times = browser.driver.execute_async_script(PRESS_LOOP, browser.element(command), PRESSES)
    if browser.open_dialog() or not times:
        sys.exit(f"{command} at {inputs}: an error, or no canvas update")
    whole = [t[0] for t in times]
    canvas = statistics.median(t[1] for t in times)
    print(f"{scale:<8}{command:<10}{inputs:>12}{statistics.median(whole):>12.2f}{max(whole):>10.2f}{canvas:>12.2f}")


def main():
    if sys.argv[1:] == ["drag"]:  # the drag steps alone
        with watched_browser() as browser:
            drag_steps(browser)
        return
    with watched_browser() as browser:
        print(f"{'scale':<8}{'command':<10}{'full scale':>12}{'median ms':>12}{'max ms':>10}{'canvas ms':>12}")
        for scale, viewport in SCALES.items():
            browser.show_in(viewport)
            for full_scale in FULL_SCALES:
                browser.open()
                set_boxes(browser, full_scale)
                for command in COMMANDS:
                    presses(browser, scale, command, full_scale)
        browser.show_in(SCALES["100 %"])
        browser.open()
        set_boxes(browser, "10", LONG_POINTS)
        for command in ["Command1", "Command2"]:
            presses(browser, "100 %", command, f"10, {LONG_DIGITS} dig.")
        redraws(browser)
        drag_steps(browser)
    startup.main()


if __name__ == "__main__":
    main()
