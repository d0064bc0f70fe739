#!/usr/bin/env python3
"""The page as a visitor meets it, in headless Chromium: it fills the window
with the exporter's picture, a click builds the city the clock seeds (as the
program's click does), a resize paints the new size whole; on the running
clock it steps and its frame meter counts; a bad setting gets its one console
line and the flight still runs; F and a double click toggle full screen and
Escape leaves it; served as ./run --web serves it, it flies too; without
WebAssembly it says so in a sentence;
and it asks the network for nothing but its own file.

    live_test.py PAGE EXPORTER
"""

import os
import re
import subprocess
import sys
import tempfile

from browser import Browser, BrowserError, differing_pixels, export_png, fail, page_url

SEED = 20261208
TICK = 4000


def main(page, exporter):
    with tempfile.TemporaryDirectory(prefix="kt-web-live-") as work, Browser() as browser:
        held_clock(browser, page, exporter, work)
        running_clock(browser, page)
        full_screen(browser)
        served = served_page(browser, page)
        without_webassembly(browser, page)
        own_file_only(browser, page, served)
    print("ok: the page fills the window, clicks, resizes, steps, ignores a bad setting, goes full screen"
          " and stays offline")


def held_clock(browser, page, exporter, work):
    """With the clock held, every picture is one the exporter can draw."""
    exported, shown = os.path.join(work, "exported.png"), os.path.join(work, "shown.png")

    def wait_shows(size, seed, what):
        export_png(exporter, exported, size, TICK, seed)
        width, height = size.split("x")

        def same():
            if browser.evaluate(f"document.getElementById('flight').width") != int(width):
                return False
            if browser.evaluate(f"document.getElementById('flight').height") != int(height):
                return False
            browser.canvas_png(shown)
            return differing_pixels(exported, shown) == 0
        browser._wait(same, what)

    browser.viewport(480, 320)
    browser.open_flight(page_url(page, seed=SEED, fixed_tick=TICK, new_city=0))
    wait_shows("480x320", SEED, "the exporter's picture filling the window")
    for kind in ("mousePressed", "mouseReleased"):
        browser.command("Input.dispatchMouseEvent", session=True, type=kind, x=200, y=150, button="left",
                        clickCount=1)
    # The click seeds the new city with the clock, held at TICK.
    wait_shows("480x320", TICK, "the city a click builds")
    browser.viewport(400, 300)
    wait_shows("400x300", TICK, "the picture at the window's new size")


def running_clock(browser, page):
    browser.open_flight(page_url(page, seed=SEED, speed="fast", new_city=0))
    warnings = [" ".join(str(a.get("value")) for a in event["args"])
                for event in browser.events_named("Runtime.consoleAPICalled")]
    if not any("speed='fast'" in w for w in warnings):
        fail(f"no console line names the bad speed; the console had: {warnings}")
    first = browser.evaluate("Module._kt_steps()")
    browser.wait_for(f"Module._kt_steps() >= {first + 10}", "ten more steps")
    browser.wait_for("Module._kt_meter() > 0", "the frame meter to count")
    picture = browser.evaluate("document.getElementById('flight').toDataURL()")
    browser.wait_for(f"document.getElementById('flight').toDataURL() !== {picture!r}", "the picture to move")


def full_screen(browser):
    def key(name, code, key_code):
        for kind in ("keyDown", "keyUp"):
            browser.command("Input.dispatchKeyEvent", session=True, type=kind, key=name, code=code,
                            windowsVirtualKeyCode=key_code)

    def double_click():
        for clicks in (1, 2):
            for kind in ("mousePressed", "mouseReleased"):
                browser.command("Input.dispatchMouseEvent", session=True, type=kind, x=20, y=20, button="left",
                                clickCount=clicks)

    in_full_screen, in_window = "document.fullscreenElement !== null", "document.fullscreenElement === null"
    for toggle, leave, what in ((lambda: key("f", "KeyF", 70), lambda: key("f", "KeyF", 70), "F"),
                                (double_click, lambda: key("Escape", "Escape", 27), "a double click")):
        toggle()
        browser.wait_for(in_full_screen, f"full screen after {what}")
        leave()
        browser.wait_for(in_window, f"the window again after {what}")


def served_page(browser, page):
    """Opens the page as ./run --web serves it; returns its address there."""
    server_script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "serve_page.py")
    server = subprocess.Popen([sys.executable, server_script, os.path.dirname(os.path.abspath(page))],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        address = re.search(r"http://127\.0\.0\.1:[0-9]+/kortalwind\.html", server.stdout.readline())
        if not address:
            fail("the server printed no address of the page")
        browser.open_flight(address.group(0))
        first = browser.evaluate("Module._kt_steps()")
        browser.wait_for(f"Module._kt_steps() >= {first + 5}", "five steps of the served page")
        return address.group(0)
    finally:
        server.terminate()
        server.wait()


def without_webassembly(browser, page):
    browser.command("Page.addScriptToEvaluateOnNewDocument", session=True, source="delete window.WebAssembly;")
    browser.open(page_url(page))
    browser.wait_for("document.body && document.body.innerText.includes('does not run WebAssembly')",
                     "the sentence saying WebAssembly is missing")


def own_file_only(browser, page, served):
    own = (page_url(page), served)
    others = [e["request"]["url"] for e in browser.events_named("Network.requestWillBeSent")
              if not e["request"]["url"].startswith(("data:", *own))]
    if others:
        fail(f"the page asked for more than its own file: {others}")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:])
    except BrowserError as error:
        fail(str(error))
