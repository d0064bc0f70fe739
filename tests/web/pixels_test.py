#!/usr/bin/env python3
"""The page shows the exporter's picture of the same city, tick and size, pixel
for pixel: at 3 ticks and 2 sizes with the statistics line (the whole
picture; both show the meter at 0) and without it (everything below the
line, where the page shows no text), and at device pixel ratio 2 against
--scale 2, at a fixed size and filling the window. The page holds its clock and its size through its fixed-tick and
fixed-size settings, and is read back from its canvas. The file is at most
400 KB.

    pixels_test.py PAGE EXPORTER
"""

import os
import sys
import tempfile

from browser import Browser, BrowserError, differing_pixels, export_png, fail, page_url

SEED = 20261208
LINE_HEIGHT = 20  # the statistics line's rows at ratio 1
MAX_PAGE_BYTES = 400 * 1024
# How many pixels of the canvas's top rows are the statistics line's yellow.
YELLOW_IN_LINE = f"""(() => {{
  const canvas = document.getElementById("flight");
  const bytes = canvas.getContext("2d").getImageData(0, 0, canvas.width, {LINE_HEIGHT}).data;
  let yellow = 0;
  for (let i = 0; i < bytes.length; i += 4) yellow += bytes[i] === 255 && bytes[i + 1] === 255 && bytes[i + 2] === 0;
  return yellow;
}})()"""


def main(page, exporter):
    page_bytes = os.path.getsize(page)
    if page_bytes > MAX_PAGE_BYTES:
        fail(f"{page} is {page_bytes} bytes, more than {MAX_PAGE_BYTES}")
    with tempfile.TemporaryDirectory(prefix="kt-web-pixels-") as work:
        print(f"ok: {compare_all(page, exporter, work)} pictures equal the exporter's; the page is {page_bytes} bytes")


def compare_all(page, exporter, work):
    exported, shown = os.path.join(work, "exported.png"), os.path.join(work, "shown.png")

    def shows(browser, size, tick, fps):
        browser.open_flight(page_url(page, seed=SEED, fixed_tick=tick, fixed_size=size, fps=fps, new_city=0))
        browser.canvas_png(shown)

    checked = 0
    with Browser() as browser:
        for size in ("640x480", "333x201"):
            width, height = size.split("x")
            below = f"{width}x{int(height) - LINE_HEIGHT}+0+{LINE_HEIGHT}"
            for tick in (0, 4000, 3000000007):
                export_png(exporter, exported, size, tick, SEED)
                shows(browser, size, tick, 1)
                differing = differing_pixels(exported, shown)
                if differing:
                    fail(f"at {size}, tick {tick}, with the line: {differing} pixels differ")
                shows(browser, size, tick, 0)
                differing = differing_pixels(exported, shown, below)
                if differing:
                    fail(f"at {size}, tick {tick}, without the line: {differing} pixels below it differ")
                if browser.evaluate(YELLOW_IN_LINE):
                    fail(f"at {size}, tick {tick}: the line shows with fps=0")
                checked += 2
    # At ratio 2 the statistics line is twice as large, as --scale 2 draws it;
    # following the window, the canvas has the window's device pixels.
    with Browser(scale=2) as browser:
        export_png(exporter, exported, "640x400", 3000000007, SEED, scale=2)
        shows(browser, "640x400", 3000000007, 1)
        differing = differing_pixels(exported, shown)
        if differing:
            fail(f"at device pixel ratio 2: {differing} pixels differ")
        browser.open_flight(page_url(page, seed=SEED, fixed_tick=4000, new_city=0))
        size = browser.evaluate("(() => { const c = document.getElementById('flight');"
                                " return c.width / innerWidth === 2 && c.height / innerHeight === 2"
                                " && c.width + 'x' + c.height; })()")
        if not size:
            fail("at device pixel ratio 2 the canvas does not have the window's device pixels")
        browser.canvas_png(shown)
        export_png(exporter, exported, size, 4000, SEED, scale=2)
        differing = differing_pixels(exported, shown)
        if differing:
            fail(f"at device pixel ratio 2, following the window at {size}: {differing} pixels differ")
        checked += 2
    return checked


if __name__ == "__main__":
    try:
        main(*sys.argv[1:])
    except BrowserError as error:
        fail(str(error))
