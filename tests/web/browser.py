"""Headless Chromium driven over its DevTools protocol, standard library only.

The protocol runs over a pair of pipes (--remote-debugging-pipe: the browser
reads commands on its fd 3 and writes answers and events on its fd 4, each a
JSON message ended by a NUL), so no port is opened and no WebSocket is needed.
Every wait polls with a deadline; nothing sleeps a fixed time.
"""

import base64
import json
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

DEADLINE_SECONDS = float(os.environ.get("KT_DEADLINE", "10"))
POLL_SECONDS = 0.05


class BrowserError(Exception):
    pass


class Browser:
    """One headless Chromium with a fresh profile and one page attached."""

    def __init__(self, width=640, height=480, scale=None):
        self.profile = tempfile.mkdtemp(prefix="kt-chromium-")
        command_in, self._to_browser = os.pipe()
        self._from_browser, command_out = os.pipe()
        args = [shutil.which("chromium") or "chromium", "--headless", "--no-sandbox", "--disable-gpu",
                "--disable-quic", "--no-first-run", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--disable-extensions",
                "--disable-default-apps", "--mute-audio", "--remote-debugging-pipe",
                "--user-data-dir=" + self.profile, f"--window-size={width},{height}"]
        if scale:
            args.append(f"--force-device-scale-factor={scale}")
        args.append("about:blank")
        # The shell puts the pipes where the browser looks for them.
        at_3_and_4 = f'exec "$0" "$@" 3<&{command_in} 4>&{command_out}'
        self.process = subprocess.Popen(["sh", "-c", at_3_and_4] + args, pass_fds=(command_in, command_out),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(command_in)
        os.close(command_out)
        self._next_id = 0
        self._answers = {}
        self.events = []
        self._lock = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()
        target = self._wait(lambda: next((t for t in self.command("Target.getTargets")["targetInfos"]
                                          if t["type"] == "page"), None), "a page")
        self.session = self.command("Target.attachToTarget", targetId=target["targetId"], flatten=True)["sessionId"]
        for domain in ("Page", "Runtime", "Network"):
            self.command(domain + ".enable", session=True)

    def _read(self):
        pending = b""
        while True:
            chunk = os.read(self._from_browser, 1 << 16)
            if not chunk:
                break
            pending += chunk
            *messages, pending = pending.split(b"\0")
            with self._lock:
                for raw in messages:
                    message = json.loads(raw)
                    if "id" in message:
                        self._answers[message["id"]] = message
                    else:
                        self.events.append(message)
                self._lock.notify_all()
        with self._lock:
            self._closed = True
            self._lock.notify_all()

    def command(self, method, session=False, **params):
        with self._lock:
            self._next_id += 1
            ident = self._next_id
        message = {"id": ident, "method": method, "params": params}
        if session:
            message["sessionId"] = self.session
        os.write(self._to_browser, json.dumps(message).encode() + b"\0")
        until = time.monotonic() + DEADLINE_SECONDS
        with self._lock:
            while ident not in self._answers:
                if getattr(self, "_closed", False) or not self._lock.wait(until - time.monotonic()):
                    if time.monotonic() >= until or getattr(self, "_closed", False):
                        raise BrowserError(f"no answer to {method}")
            answer = self._answers.pop(ident)
        if "error" in answer:
            raise BrowserError(f"{method}: {answer['error'].get('message')}")
        return answer.get("result", {})

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page (awaited if a promise)."""
        result = self.command("Runtime.evaluate", session=True, expression=expression, returnByValue=True,
                              awaitPromise=True)
        if "exceptionDetails" in result:
            raise BrowserError(f"{expression}: {result['exceptionDetails'].get('text')}")
        return result["result"].get("value")

    def _wait(self, probe, what, deadline=None):
        until = time.monotonic() + (deadline or DEADLINE_SECONDS)
        while True:
            value = probe()
            if value:
                return value
            if time.monotonic() >= until:
                raise BrowserError(f"gave up waiting for {what}")
            time.sleep(POLL_SECONDS)

    def wait_for(self, expression, what=None, deadline=None):
        """Polls a JavaScript expression until it is truthy; returns its value."""
        return self._wait(lambda: self.evaluate(expression), what or expression, deadline)

    def open(self, url):
        self.command("Page.navigate", session=True, url=url)

    def open_flight(self, url):
        """Opens the page and waits for its first painted step."""
        self.open(url)
        self.wait_for("typeof Module === 'object' && Module.calledRun && Module._kt_steps() > 0",
                      f"the first step of {url}")

    def viewport(self, width, height, scale=1):
        """Makes the page's window width x height CSS pixels at device pixel ratio scale."""
        self.command("Emulation.setDeviceMetricsOverride", session=True, width=width, height=height,
                     deviceScaleFactor=scale, mobile=False)

    def canvas_png(self, path):
        """Writes the canvas's pixels as a PNG file."""
        url = self.evaluate("document.getElementById('flight').toDataURL('image/png')")
        with open(path, "wb") as out:
            out.write(base64.b64decode(url.split(",", 1)[1]))

    def events_named(self, method):
        with self._lock:
            return [e["params"] for e in self.events if e.get("method") == method]

    def close(self):
        try:
            self.command("Browser.close")
        except BrowserError:
            pass
        try:
            self.process.wait(DEADLINE_SECONDS)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._to_browser)
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


def page_url(page, **settings):
    """The page's file:// address with its settings (names with _ written with -)."""
    query = urllib.parse.urlencode({k.replace("_", "-"): v for k, v in settings.items()})
    return pathlib.Path(page).resolve().as_uri() + ("?" + query if query else "")


def export_png(exporter, out, size, tick, seed, scale=None):
    """The exporter's picture: what the page must show, pixel for pixel."""
    command = [exporter, "png", "--size", size, "--tick", str(tick), "--seed", str(seed), "--out", out]
    if scale:
        command += ["--scale", str(scale)]
    subprocess.run(command, check=True)


def differing_pixels(a, b, crop=None):
    """How many pixels of two pictures (or of their crop WxH+X+Y) differ."""
    if crop:
        cropped = []
        for path in (a, b):
            cropped.append(path + ".crop.png")
            subprocess.run(["convert", path, "-crop", crop, "+repage", cropped[-1]], check=True)
        a, b = cropped
    result = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], capture_output=True, text=True)
    count = result.stderr.strip()
    if result.returncode > 1 or not re.fullmatch(r"[0-9.]+(e\+[0-9]+)?", count):
        raise BrowserError(f"cannot compare {a} with {b}: {count}")
    return int(float(count))


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)
