"""A small client of Chromium's DevTools protocol over --remote-debugging-pipe (no port, no network).

One headless Chromium serves several pages (targets), each driven through its own session. Events
are kept per session, so a test can read what a page did (its network requests, its console) after
the fact. JavaScript dialogs (confirm) are accepted as they open.
"""
import json
import os
import shutil
import subprocess
import tempfile
import time

# Flags for a quiet headless Chromium on a machine without a network: no background connections,
# no first-run work, a profile of its own.
CHROMIUM_FLAGS = [
    "--headless",
    "--no-sandbox",
    "--disable-gpu",
    "--disable-quic",
    "--no-first-run",
    "--no-default-browser-check",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--disable-extensions",
    "--disable-dev-shm-usage",
    "--remote-debugging-pipe",
]


class DevToolsError(Exception):
    pass


def find_chromium():
    """The Chromium program: $CHROMIUM, else chromium or chromium-browser on PATH; None when absent."""
    named = os.environ.get("CHROMIUM")
    if named:
        return named if shutil.which(named) else None
    for name in ("chromium", "chromium-browser"):
        found = shutil.which(name)
        if found:
            return found
    return None


class Browser:
    """A headless Chromium with a fresh profile, driven through the pipe on its file descriptors 3 and 4."""

    def __init__(self, chromium, timeout=30.0):
        self.timeout = timeout
        self.profile = tempfile.mkdtemp(prefix="quillmere-chromium-")
        to_chrome_r, to_chrome_w = os.pipe()
        from_chrome_r, from_chrome_w = os.pipe()
        # Chromium reads commands on fd 3 and writes answers on fd 4; the child gets the pipes there
        # (dup2 onto a different number also makes them inheritable).
        high_r = os.dup2(to_chrome_r, 100)
        high_w = os.dup2(from_chrome_w, 101)

        def child_fds():
            os.dup2(high_r, 3)
            os.dup2(high_w, 4)

        self.log = open(os.path.join(self.profile, "chromium.log"), "wb")
        self.process = subprocess.Popen(
            [chromium, *CHROMIUM_FLAGS, "--user-data-dir=" + self.profile, "about:blank"],
            stdin=subprocess.DEVNULL, stdout=self.log, stderr=self.log, preexec_fn=child_fds, close_fds=False)
        for fd in (to_chrome_r, from_chrome_w, high_r, high_w):
            os.close(fd)
        self.writer = to_chrome_w
        self.reader = from_chrome_r
        self.buffer = b""
        self.next_id = 0
        self.answers = {}
        self.events = {}  # session id ("" for the browser) -> list of (method, params)

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.writer, json.dumps(message).encode("utf-8") + b"\0")
        return self.next_id

    def _receive_one(self, deadline):
        while b"\0" not in self.buffer:
            if time.monotonic() > deadline:
                raise DevToolsError("no answer from Chromium in time")
            chunk = os.read(self.reader, 1 << 20)
            if not chunk:
                raise DevToolsError("Chromium closed the pipe (see " + self.log.name + ")")
            self.buffer += chunk
        raw, _, self.buffer = self.buffer.partition(b"\0")
        message = json.loads(raw)
        if "id" in message:
            self.answers[message["id"]] = message
            return
        session = message.get("sessionId", "")
        method = message.get("method")
        self.events.setdefault(session, []).append((method, message.get("params", {})))
        if method == "Page.javascriptDialogOpening":
            self.send("Page.handleJavaScriptDialog", {"accept": True}, session)

    def call(self, method, params=None, session=None, timeout=None):
        request = self.send(method, params, session)
        deadline = time.monotonic() + (timeout or self.timeout)
        while request not in self.answers:
            self._receive_one(deadline)
        answer = self.answers.pop(request)
        if "error" in answer:
            raise DevToolsError(method + ": " + answer["error"].get("message", str(answer["error"])))
        return answer.get("result", {})

    def wait_event(self, session, method, start=0, timeout=None):
        """The first event `method` of the session from position `start` of its event list."""
        deadline = time.monotonic() + (timeout or self.timeout)
        while True:
            for position, (name, params) in enumerate(self.events.get(session, [])[start:], start):
                if name == method:
                    return position, params
            self._receive_one(deadline)

    def new_page(self, width=1280, height=900, mobile=False, scale=1):
        """A tab in a browser context of its own: its storage starts empty and is no other tab's."""
        context = self.call("Target.createBrowserContext")["browserContextId"]
        target = self.call("Target.createTarget", {"url": "about:blank", "browserContextId": context})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        page = Page(self, target, session, context)
        for domain in ("Page.enable", "Runtime.enable", "Network.enable"):
            self.call(domain, session=session)
        # In front and focused, as the page a person is using: a tab behind others counts as hidden.
        self.call("Page.bringToFront", session=session)
        self.call("Emulation.setFocusEmulationEnabled", {"enabled": True}, session=session)
        page.set_viewport(width, height, mobile, scale)
        return page

    def close(self):
        try:
            self.call("Browser.close", timeout=5)
        except (DevToolsError, OSError):
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self.writer)
        os.close(self.reader)
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)


class Page:
    """One tab of the browser, driven through its session."""

    def __init__(self, browser, target, session, context):
        self.browser = browser
        self.target = target
        self.session = session
        self.context = context

    def call(self, method, params=None, timeout=None):
        return self.browser.call(method, params, self.session, timeout)

    def events(self, method=None):
        return [params for name, params in self.browser.events.get(self.session, []) if method in (None, name)]

    def set_viewport(self, width, height, mobile=False, scale=1):
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
        self.call("Emulation.setTouchEmulationEnabled", {"enabled": mobile, "maxTouchPoints": 5 if mobile else 1})

    def _load(self, start):
        self.browser.wait_event(self.session, "Page.loadEventFired", start)

    def open(self, url):
        start = len(self.browser.events.get(self.session, []))
        answer = self.call("Page.navigate", {"url": url})
        if answer.get("errorText"):
            raise DevToolsError("cannot open " + url + ": " + answer["errorText"])
        self._load(start)

    def reload(self):
        start = len(self.browser.events.get(self.session, []))
        self.call("Page.reload")
        self._load(start)

    def js(self, expression):
        """The value of a JavaScript expression (awaited when it is a promise)."""
        answer = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True, "awaitPromise": True})
        if "exceptionDetails" in answer:
            details = answer["exceptionDetails"]
            raise DevToolsError("JavaScript failed: " + details.get("exception", {}).get("description", details.get("text", "")))
        return answer["result"].get("value")

    def click_at(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})

    def tap_at(self, x, y):
        self.call("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
        self.call("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})

    def centre_of(self, selector):
        box = self.js("(() => { const r = document.querySelector(%s).getBoundingClientRect();"
                      " return [r.left + r.width / 2, r.top + r.height / 2]; })()" % json.dumps(selector))
        return box[0], box[1]

    def click(self, selector):
        self.js("document.querySelector(%s).scrollIntoView({block: 'center'})" % json.dumps(selector))
        self.click_at(*self.centre_of(selector))

    def key(self, key, shift=False):
        """One key as a keyboard sends it: a letter, or a named key (Backspace, Tab, ArrowLeft, ...)."""
        named = {
            "Backspace": (8, "Backspace"), "Tab": (9, "Tab"), "Enter": (13, "Enter"), "Escape": (27, "Escape"),
            " ": (32, "Space"), "ArrowLeft": (37, "ArrowLeft"), "ArrowUp": (38, "ArrowUp"),
            "ArrowRight": (39, "ArrowRight"), "ArrowDown": (40, "ArrowDown"), "Delete": (46, "Delete"),
            "Home": (36, "Home"), "End": (35, "End"),
        }
        if key in named:
            code, name = named[key]
            text = " " if key == " " else ("\r" if key == "Enter" else "")
        else:
            code, name = ord(key.upper()), "Key" + key.upper()
            text = key.upper() if shift else key.lower()
        modifiers = 8 if shift else 0
        down = {"type": "keyDown", "key": key if key in named else text, "code": name, "windowsVirtualKeyCode": code,
                "modifiers": modifiers}
        if text:
            down["text"] = text
        self.call("Input.dispatchKeyEvent", down)
        self.call("Input.dispatchKeyEvent", {"type": "keyUp", "key": down["key"], "code": name,
                                             "windowsVirtualKeyCode": code, "modifiers": modifiers})

    def type(self, text):
        for ch in text:
            self.key(ch)

    def print_pdf(self):
        import base64
        answer = self.call("Page.printToPDF", {"preferCSSPageSize": True, "printBackground": True}, timeout=60)
        return base64.b64decode(answer["data"])

    def screenshot(self):
        import base64
        return base64.b64decode(self.call("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": False})["data"])

    def close(self):
        self.browser.call("Target.closeTarget", {"targetId": self.target})
        self.browser.call("Target.disposeBrowserContext", {"browserContextId": self.context})
