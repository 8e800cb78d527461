"""The page needs nothing but itself: from loading to running every command
and an error, DevTools sees no request but the file:// document's own
load, and the page leaves nothing behind (no cookie, no storage).

data: URLs are let through: their bytes are inside the document itself
(a font or an image embedded as data:), so they never leave the machine or
read another file. Any other scheme, and any other file://, fails.

The page's Content-Security-Policy allows scripts only what WebAssembly
needs ('wasm-unsafe-eval', no 'unsafe-eval'), and the page starts and runs
under it without a violation; its scripts leave nothing in the global scope."""

import json
import unittest

import reference
from browser import PAGE_URL, Browser
from selenium.webdriver.common.keys import Keys

# Every command, and one that ends in the error dialog.
RUN = reference.typed("1e9", ("1e8", "2e8"), ("-3e8", "4e8"), ("5e8", "-6e8")) + [
    "Command1", "Command2", "Command3", "Command4", ("Text1(0)", "1e999"), "Command1"]

# The DevTools events by which a page reaches out of itself.
OUTGOING = {"Network.requestWillBeSent": lambda p: p["request"]["url"],
            "Network.webSocketCreated": lambda p: p["url"],
            "Network.webTransportCreated": lambda p: p["url"]}


def outgoing(performance_log):
    urls = []
    for entry in performance_log:
        message = json.loads(entry["message"])["message"]
        if message["method"] in OUTGOING:
            urls.append(OUTGOING[message["method"]](message["params"]))
    return urls


# Noted from the very start of the document, before the page's own scripts.
WATCH_VIOLATIONS = """
window.prViolations = [];
document.addEventListener('securitypolicyviolation',
  (event) => window.prViolations.push(`${event.violatedDirective} ${event.blockedURI}`));"""

# What the page's scripts used to hand each other through the global scope.
SHARED_BEFORE = ["createPageModule", "setUpFigure", "PR_WASM_BASE64"]


class Offline(unittest.TestCase):
    def test_runs_under_its_policy_without_eval(self):
        with Browser("it") as browser:
            browser.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_VIOLATIONS})
            browser.open()
            browser.perform(RUN)
            browser.keys(Keys.ENTER)
            policy = browser.script(
                "return document.querySelector('meta[http-equiv=\"Content-Security-Policy\"]').content;")
            script_src = next(part.split()[1:] for part in policy.split(";") if part.split()[0] == "script-src")
            self.assertIn("'wasm-unsafe-eval'", script_src)
            self.assertNotIn("'unsafe-eval'", script_src)
            self.assertEqual(browser.script("return window.prViolations;"), [])
            self.assertEqual(browser.script("return arguments[0].filter((name) => name in window);", SHARED_BEFORE), [])
            self.assertTrue(browser.caption("Label21"), "Command4 wrote no equation: the page did not run")


    def test_no_request_but_the_page_and_nothing_stored(self):
        with Browser("it", performance_log=True) as browser:
            # The log so far is the browser's own start (its new-tab page): drained, unread.
            browser.driver.get("about:blank")
            browser.driver.get_log("performance")
            browser.open()
            browser.perform(RUN)
            browser.keys(Keys.ENTER)
            urls = outgoing(browser.driver.get_log("performance"))
            self.assertIn(PAGE_URL, urls, "the log holds no load of the page: it saw nothing")
            self.assertEqual([url for url in urls if url != PAGE_URL and not url.startswith("data:")], [])
            self.assertEqual(browser.script("return [document.cookie, localStorage.length, sessionStorage.length];"),
                             ["", 0, 0])


if __name__ == "__main__":
    unittest.main(verbosity=2)
