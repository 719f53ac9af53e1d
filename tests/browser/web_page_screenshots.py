#!/usr/bin/env python3
"""Screenshots of the web page to solve as it plays, in headless Chromium (scripts/screenshots runs it).

usage: web_page_screenshots.py QUILLMERE_CLI OUTPUT_FOLDER [--data FOLDER-WITH-WORD.LST]

A 15 x 15 crossword is filled from the dictionary (seed 3) and written as a web page; the shots are
web-desktop.png (1280 px wide, part solved, a wrong letter marked), web-phone.png (390 px) and
web-solved.png (every answer typed in, the time shown).
"""
import json
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from devtools import Browser, find_chromium  # noqa: E402


def run(cli, *args):
    result = subprocess.run([cli, *args], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("quillmere-cli " + " ".join(args) + " failed:\n" + result.stdout + result.stderr)


def main():
    args = sys.argv[1:]
    data = []
    if "--data" in args:
        at = args.index("--data")
        data = ["--data", args[at + 1]]
        del args[at:at + 2]
    if len(args) != 2:
        sys.exit(__doc__)
    cli, out = os.path.abspath(args[0]), os.path.abspath(args[1])
    chromium = find_chromium()
    if not chromium:
        print("No Chromium: the web page's screenshots are left out (scripts/setup-deps installs it).")
        return 0
    os.makedirs(out, exist_ok=True)
    work = tempfile.mkdtemp(prefix="quillmere-web-shots-")
    xwd, ipuz, page = (os.path.join(work, "puzzle." + ext) for ext in ("xwd", "ipuz", "html"))
    run(cli, *data, "--seed", "3", "fill", "15", "1", "--fills", "1", "--out", xwd)
    run(cli, "export", xwd, "--format", "web", "--title", "Quillmere Weekly", "--author", "A. Setter", "--out", page)
    # The answers, to type them in as a solver would.
    run(cli, "export", xwd, "--format", "ipuz", "--out", ipuz)
    with open(ipuz, encoding="utf-8") as f:
        solution = json.load(f)["solution"]
    url = "file://" + page

    browser = Browser(chromium)
    try:
        desk = browser.new_page(1280, 900)
        desk.open(url)
        words = desk.js("Array.from(document.querySelectorAll('button.clue')).map(b => b.getAttribute('aria-label'))")

        def answer(r, c, across, length):
            return "".join(solution[r + (0 if across else k)][c + (k if across else 0)] for k in range(length))

        def type_word(tab, index, text):
            tab.click("button.clue[data-word='%d']" % index)
            tab.key("Home")
            tab.type(text.lower())

        data_words = json.loads(desk.js("document.getElementById('puzzle-data').textContent"))["words"]
        for k, w in enumerate(data_words[:4]):
            type_word(desk, k, answer(w["row"] - 1, w["col"] - 1, w["direction"] == "across", w["length"]))
        # One wrong letter, found by a check; the cursor in a down word.
        down = next(k for k, w in enumerate(data_words) if w["direction"] == "down" and w["col"] > 5)
        w = data_words[down]
        wrong = answer(w["row"] - 1, w["col"] - 1, False, w["length"])
        wrong = wrong[:-1] + ("A" if wrong[-1] != "A" else "E")
        type_word(desk, down, wrong)
        desk.click("button[aria-label='Check word']")
        with open(os.path.join(out, "web-desktop.png"), "wb") as f:
            f.write(desk.screenshot())

        phone = browser.new_page(390, 844, mobile=True, scale=2)
        phone.open(url)
        for k, w in enumerate(data_words[:2]):
            type_word(phone, k, answer(w["row"] - 1, w["col"] - 1, w["direction"] == "across", w["length"]))
        phone.js("window.scrollTo(0, 0)")
        with open(os.path.join(out, "web-phone.png"), "wb") as f:
            f.write(phone.screenshot())

        for k, w in enumerate(data_words):
            type_word(desk, k, answer(w["row"] - 1, w["col"] - 1, w["direction"] == "across", w["length"]))
        desk.js("window.scrollTo(0, 0)")
        with open(os.path.join(out, "web-solved.png"), "wb") as f:
            f.write(desk.screenshot())
        print("wrote", ", ".join(os.path.join(out, n) for n in ("web-desktop.png", "web-phone.png", "web-solved.png")),
              "of", len(words), "clues")
    finally:
        browser.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
