"""Times the page's start-up in headless Chromium, measured inside the page
with performance.now() (0 is the navigation's start): each run a fresh
browser with an empty profile, so nothing is compiled or cached yet, then
openings again in one browser. The start-up ends when the plane is drawn
(the end of the first putImageData on the form's canvas) with every control
of the form present; the phases before it are timed too: the module's bytes
decoded from base64, compiled and instantiated, the form built. Prints the
median and every run; a benchmark, not a test.

    bench/web/startup.sh              # builds the page, then runs this
    PR_PAGE=... python3 startup.py [fresh runs, default 5] [openings again, default 10]
"""

import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
from browser import PAGE, Browser  # noqa: E402

FRESH_RUNS = 5
AGAIN_RUNS = 10

# Notes, from the very start of the document, when each phase began and
# ended, and how many of the form's controls were there when the plane was drawn.
WATCH_STARTUP = """
const times = window.prStartup = {};
const note = (name) => { if (!(name in times)) times[name] = performance.now(); };
document.addEventListener('DOMContentLoaded', () => note('DOMContentLoaded'));
for (const [owner, name] of [[window, 'atob'], [Uint8Array, 'fromBase64']]) {
  const decode = owner[name];
  if (!decode) continue;
  owner[name] = function (text) {
    note('decode start');
    const bytes = decode.call(this, text);
    note('decode end');
    return bytes;
  };
}
for (const name of ['instantiate', 'compile']) {
  const original = WebAssembly[name];
  WebAssembly[name] = function (...args) {
    note(`${name} start`);
    return original.apply(this, args).then((result) => { note(`${name} end`); return result; });
  };
}
const put = CanvasRenderingContext2D.prototype.putImageData;
CanvasRenderingContext2D.prototype.putImageData = function (...args) {
  put.apply(this, args);
  if ('plane drawn' in times) return;
  note('plane drawn');
  times.controls = document.querySelectorAll('#form > .control').length;
  requestAnimationFrame(() => note('next frame'));
};"""

PHASES = ["DOMContentLoaded", "decode start", "decode end", "compile start", "compile end", "instantiate start",
          "instantiate end", "plane drawn", "next frame"]


def one_opening(browser):
    """The phases of one opening of the page, in ms from the navigation's start."""
    browser.driver.get("about:blank")
    browser.open()
    times = browser.script("""
        const paint = performance.getEntriesByName('first-contentful-paint')[0];
        return Object.assign({}, window.prStartup, {
          'first contentful paint': paint ? paint.startTime : null,
          'controls at the end': document.querySelectorAll('#form > .control').length});""")
    if times["controls"] != times["controls at the end"]:
        sys.exit(f"only {times['controls']} of {times['controls at the end']} controls when the plane was drawn")
    return times


def watched_browser():
    browser = Browser("it")
    browser.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_STARTUP})
    return browser


def fresh_openings(runs):
    openings = []
    for _ in range(runs):
        with watched_browser() as browser:
            openings.append(one_opening(browser))
    return openings


def again_openings(runs):
    with watched_browser() as browser:
        return [one_opening(browser) for _ in range(runs)]


def report(title, openings):
    print(f"{title} (median of {len(openings)}; ms from the navigation's start)")
    for phase in PHASES + ["first contentful paint"]:
        values = [o[phase] for o in openings if o.get(phase) is not None]
        if values:
            runs = " ".join(f"{v:.0f}" for v in values)
            print(f"  {phase:<24}{statistics.median(values):>8.1f}   ({runs})")


def main(fresh=FRESH_RUNS, again=AGAIN_RUNS):
    report("A fresh browser", fresh_openings(fresh))
    if again:
        report("Opened again in one browser", again_openings(again))
    print(f"file: {os.path.getsize(PAGE)} bytes")


if __name__ == "__main__":
    main(*(int(runs) for runs in sys.argv[1:3]))
