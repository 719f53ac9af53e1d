#!/usr/bin/env python3
"""The web page to solve, played in headless Chromium through the DevTools protocol.

usage: web_page_test.py QUILLMERE_CLI SCRATCH_FOLDER [TEST NAMES, as unittest takes them]

quillmere-cli writes the pages from ipuz files made here (fixtures.py); one Chromium serves every
case, each in a tab of its own. Exit code 77 (CTest's skip) only when Chromium is not installed.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import fixtures  # noqa: E402
from devtools import Browser, find_chromium  # noqa: E402

SKIP = 77
CLI = None
SCRATCH = None
BROWSER = None
URLS = {}


def export_page(name, rows, clues, title, *extra):
    source = os.path.join(SCRATCH, name + ".ipuz")
    with open(source, "w", encoding="utf-8") as f:
        f.write(fixtures.ipuz(rows, clues, title))
    page = os.path.join(SCRATCH, name + ".html")
    result = subprocess.run([CLI, "export", source, "--format", "web", "--out", page, *extra],
                            capture_output=True, text=True)
    if result.returncode != 0:
        raise RuntimeError("quillmere-cli export failed: " + result.stdout + result.stderr)
    return "file://" + page


def setUpModule():
    global BROWSER
    shutil.rmtree(SCRATCH, ignore_errors=True)
    os.makedirs(SCRATCH)
    URLS["small"] = export_page("small", fixtures.SMALL_ROWS, fixtures.SMALL_CLUES, "Small", "--author", "A. Setter")
    URLS["hostile"] = export_page("hostile", fixtures.HOSTILE_ROWS, fixtures.HOSTILE_CLUES, "x",
                                  "--title", fixtures.HOSTILE_TITLE, "--author", fixtures.HOSTILE_AUTHOR)
    rows, clues = fixtures.big_puzzle()
    URLS["big"] = export_page("big", rows, clues, "Twenty-one")
    BROWSER = Browser(find_chromium())


def tearDownModule():
    if BROWSER:
        BROWSER.close()


def cell(row, col, size=5):
    return "#grid > .cell:nth-child(%d)" % ((row - 1) * size + col)


class PageCase(unittest.TestCase):
    """A tab of its own: no progress kept from another case (each tab has its own storage)."""

    width, height, mobile, scale = 1280, 900, False, 1

    def setUp(self):
        self.started = time.monotonic()
        self.page = BROWSER.new_page(self.width, self.height, self.mobile, self.scale)

    def tearDown(self):
        self.page.close()
        print("  %.1f s: %s" % (time.monotonic() - self.started, self.id().rsplit(".", 1)[-1]))

    def fresh(self, name):
        self.page.open(URLS[name])

    def letters(self):
        """The grid as rows: the letter in each square, '.' empty, '#' a block."""
        flat = self.page.js("Array.from(document.querySelectorAll('#grid > .cell')).map(c => {"
                            " const i = c.querySelector('input'); return i ? (i.value || '.') : '#'; }).join('')")
        size = int(len(flat) ** 0.5)
        return [flat[r * size:(r + 1) * size] for r in range(size)]

    def active_clue(self):
        return self.page.js("document.querySelector('button.clue.active').getAttribute('aria-label')")

    def message(self):
        return self.page.js("document.getElementById('message').textContent")

    def squares_marked(self, mark):
        return self.page.js("Array.from(document.querySelectorAll('#grid > .cell')).flatMap((c, i) =>"
                            " c.classList.contains(%s) ? [[Math.floor(i / 5) + 1, i %% 5 + 1]] : [])" % json.dumps(mark))

    def click_clue(self, label):
        self.page.click("button.clue[aria-label^=%s]" % json.dumps(label + ":"))


class PlayTest(PageCase):
    def test_a_word_typed_right_checks_right(self):
        self.fresh("small")
        self.page.click(cell(1, 1))
        self.page.type("stare")
        self.assertEqual(self.letters()[0], "STARE")
        self.assertEqual(self.active_clue(), "1 Across: Look fixedly (3,2)")
        self.page.click("button[aria-label='Check word']")
        self.assertEqual(self.message(), "1 Across: all right.")
        self.assertEqual(self.squares_marked("wrong"), [])

    def test_a_wrong_letter_is_marked_by_check_and_cleared_by_typing(self):
        self.fresh("small")
        self.click_clue("4 Across")
        self.page.type("adxpt")
        self.page.click("button[aria-label='Check word']")
        self.assertEqual(self.message(), "4 Across: 1 wrong letter marked; 4 right, 0 empty.")
        self.assertEqual(self.squares_marked("wrong"), [[3, 3]])
        label = self.page.js("document.querySelector(%s).getAttribute('aria-label')" % json.dumps(cell(3, 3) + " input"))
        self.assertEqual(label, "4 Across, 5 letters (2-3), letter 3 of 5, marked wrong")
        self.page.click(cell(3, 3))
        self.page.type("e")
        self.assertEqual(self.squares_marked("wrong"), [])
        self.page.click("button[aria-label='Check puzzle']")
        self.assertEqual(self.message(), "The puzzle: no wrong letters; 16 squares still empty.")

    def test_reveal_word_fills_it_and_keeps_it(self):
        self.fresh("small")
        self.click_clue("1 Down")
        self.page.click("button[aria-label='Reveal word']")
        self.assertEqual([row[0] for row in self.letters()], list("SLATE"))
        self.assertEqual(self.squares_marked("revealed"), [[r, 1] for r in range(1, 6)])
        self.assertEqual(self.message(), "1 Down: 5 letters revealed.")
        self.page.click(cell(2, 1))
        self.page.type("x")
        self.assertEqual(self.letters()[1][0], "L")
        self.page.click("button[aria-label='Reveal letter']")
        self.assertEqual(self.message(), "This square: 0 letters revealed.")

    def test_reveal_puzzle_and_clear_puzzle_ask_first_and_start_again(self):
        self.fresh("small")
        self.click_clue("5 Across")
        self.page.type("eaxen")
        self.page.click("button[aria-label='Clear word']")
        self.assertEqual(self.letters()[4], ".....")
        self.page.click("button[aria-label='Reveal puzzle']")  # asks first; the dialog is accepted
        self.assertEqual([e["message"] for e in self.page.events("Page.javascriptDialogOpening")], ["Reveal every answer?"])
        self.assertEqual(self.letters(), fixtures.SMALL_ROWS)
        solved = self.page.js("document.getElementById('solved').textContent")
        self.assertRegex(solved, r"^Solved in \d+:\d\d, with 21 letters revealed\.$")
        self.page.click("button[aria-label='Clear puzzle']")
        self.assertEqual(self.letters(), [".....", ".#.#.", ".....", ".#.#.", "....."])
        self.assertEqual(self.page.js("document.getElementById('solved').hidden"), True)
        self.assertEqual(self.page.js("document.getElementById('clock').textContent"), "0:00")
        self.assertEqual(self.squares_marked("revealed"), [])
        self.assertEqual([e["message"] for e in self.page.events("Page.javascriptDialogOpening")],
                         ["Reveal every answer?", "Clear every square and start the timer again?"])

    def test_keys_move_turn_and_clear(self):
        self.fresh("small")
        self.page.click(cell(1, 1))
        self.page.type("st")
        self.page.key("ArrowRight")
        self.page.type("r")
        self.assertEqual(self.letters()[0], "ST.R.")
        for expected in ("ST...", "ST...", "S...."):  # an empty square: back first, then clear
            self.page.key("Backspace")
            self.assertEqual(self.letters()[0], expected)
        self.page.click(cell(1, 1))
        self.page.key("ArrowDown")  # turns to down at the same square
        self.assertEqual(self.active_clue(), "1 Down: Roofing stone (5)")
        self.page.key(" ")
        self.assertEqual(self.active_clue(), "1 Across: Look fixedly (3,2)")
        self.page.click(cell(1, 1))  # clicking the selected square turns too
        self.assertEqual(self.active_clue(), "1 Down: Roofing stone (5)")
        self.page.key("Tab")
        self.assertEqual(self.active_clue(), "2 Down: On the lookout (5)")
        self.page.key("Tab", shift=True)
        self.page.key("Tab", shift=True)
        self.assertEqual(self.active_clue(), "5 Across: Had dinner (5)")
        self.assertEqual(self.page.js("document.getElementById('clue-bar').textContent"), "5 Across Had dinner (5)")
        self.page.key("Escape")
        self.assertEqual(self.page.js("document.activeElement.id"), "pause")

    def test_solving_by_keyboard_alone_shows_the_time(self):
        self.fresh("small")
        for _ in range(20):  # Tab from the top of the page to the grid
            if self.page.js("!!document.activeElement.closest('#grid')"):
                break
            self.page.key("Tab")
        self.assertEqual(self.active_clue(), "1 Across: Look fixedly (3,2)")
        self.page.type("stare")
        for word in ("adept", "eaten"):
            self.page.key("Tab")
            self.page.type(word)
        self.assertEqual(self.page.js("document.getElementById('solved').hidden"), True)
        for word in ("slate", "alert", "eaten"):
            self.page.key("Tab")
            self.page.key("Home")
            self.page.type(word)
        self.assertEqual(self.letters(), fixtures.SMALL_ROWS)
        solved = self.page.js("document.getElementById('solved').hidden ? '' : document.getElementById('solved').textContent")
        self.assertRegex(solved, r"^Solved in \d+:\d\d\.$")
        clock = self.page.js("document.getElementById('clock').textContent")
        self.assertEqual(solved, "Solved in " + clock + ".")
        time.sleep(1.1)
        self.assertEqual(self.page.js("document.getElementById('clock').textContent"), clock, "the clock stops")

    def test_progress_is_there_after_a_reload_and_is_the_puzzles_own(self):
        self.fresh("small")
        self.page.click(cell(3, 1))
        self.page.type("ad")
        self.assertEqual(self.letters()[2], "AD...")
        self.page.click("button[aria-label='Check letter']")
        time.sleep(1.1)
        kept = self.page.js("Object.entries(localStorage)")
        self.assertEqual(len(kept), 1)
        self.assertRegex(kept[0][0], r"^quillmere-solve:[0-9a-f]{16}$")
        self.assertEqual(json.loads(kept[0][1])["entries"], "--------AD-----------")
        self.page.reload()
        self.assertEqual(self.letters()[2], "AD...")
        self.assertNotEqual(self.page.js("document.getElementById('clock').textContent"), "0:00")
        # Another puzzle in the same browser starts empty: the key is made from the puzzle.
        self.page.open(URLS["hostile"])
        self.assertEqual(self.letters(), ["...", ".#.", "..."])

    def test_pause_hides_the_grid_and_stops_the_clock(self):
        self.fresh("small")
        time.sleep(1.1)
        self.page.click("#pause")
        clock = self.page.js("document.getElementById('clock').textContent")
        self.assertEqual(self.page.js("document.getElementById('paused-cover').hidden"), False)
        self.assertEqual(self.page.js("document.getElementById('pause').getAttribute('aria-pressed')"), "true")
        time.sleep(1.1)
        self.assertEqual(self.page.js("document.getElementById('clock').textContent"), clock)
        self.page.click("#pause")
        self.assertEqual(self.page.js("document.getElementById('paused-cover').hidden"), True)


class SafetyTest(PageCase):
    def test_hostile_texts_show_as_text_and_run_nothing(self):
        self.page.open(URLS["hostile"])
        self.assertIsNone(self.page.js("window.__pwned === undefined ? null : window.__pwned"))
        self.assertEqual(self.page.js("document.images.length"), 0)
        self.assertEqual(self.page.js("document.scripts.length"), 2)
        self.assertEqual(self.page.js("document.title"), fixtures.HOSTILE_TITLE)
        self.assertEqual(self.page.js("document.querySelector('h1').textContent"), fixtures.HOSTILE_TITLE)
        self.assertEqual(self.page.js("document.querySelector('.byline').textContent"), "by " + fixtures.HOSTILE_AUTHOR)
        shown = self.page.js("Array.from(document.querySelectorAll('#clues .clue-text')).map(e => e.textContent)")
        expected = [fixtures.HOSTILE_CLUES[key][0] for key in [(1, "Across"), (3, "Across"), (1, "Down"), (2, "Down")]]
        self.assertEqual(shown, expected)
        self.assertEqual(self.page.events("Runtime.exceptionThrown"), [])
        # Behind the escaping, the page's Content-Security-Policy runs its own script only.
        self.page.js("(() => { const s = document.createElement('script'); s.textContent = 'window.__pwned = 4';"
                     " document.body.appendChild(s); })()")
        self.assertIsNone(self.page.js("window.__pwned === undefined ? null : window.__pwned"))

    def test_no_network_request_while_playing_and_printing(self):
        for name in ("small", "big", "hostile"):
            start = len(self.page.events("Network.requestWillBeSent"))
            self.page.open(URLS[name])
            self.page.click("#grid input")
            self.page.type("ab")
            self.page.click("button[aria-label='Check puzzle']")
            self.page.click("button[aria-label='Reveal word']")
            if name == "small":
                self.page.print_pdf()
            self.page.reload()
            requested = [e["request"]["url"] for e in self.page.events("Network.requestWillBeSent")[start:]]
            self.assertEqual(requested, [URLS[name]] * 2, "only the page itself, opened and reloaded")
        self.assertEqual(self.page.events("Network.webSocketCreated"), [])


class PrintTest(PageCase):
    def printed(self, name):
        self.page.open(URLS[name])
        path = os.path.join(SCRATCH, name + ".pdf")
        with open(path, "wb") as f:
            f.write(self.page.print_pdf())
        info = subprocess.run(["pdfinfo", path], capture_output=True, text=True, check=True).stdout
        words = subprocess.run(["pdftotext", "-bbox", path, "-"], capture_output=True, text=True, check=True).stdout
        text = subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True, check=True).stdout
        return info, words, " ".join(text.split())

    def test_grid_and_every_clue_on_one_a4_page(self):
        big_rows, big_clues = fixtures.big_puzzle()
        for name, rows, clues in (("small", fixtures.SMALL_ROWS, fixtures.SMALL_CLUES), ("big", big_rows, big_clues)):
            with self.subTest(name):
                info, words, text = self.printed(name)
                self.assertRegex(info, r"Pages:\s+1\n")
                self.assertRegex(info, r"Page size:\s+59[45]\.\d+ x 841\.\d+ pts \(A4\)")
                # (left, middle height, word) of every word on the page
                boxes = [(float(m.group(1)), (float(m.group(2)) + float(m.group(3))) / 2, m.group(4)) for m in
                         re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>', words)]
                # The clue columns start level with the "Across" heading; the grid stands above them.
                across_top = min(y for x, y, w in boxes if w == "Across") - 8
                in_grid = {int(w) for x, y, w in boxes if y < across_top and w.isdigit()}
                self.assertEqual(in_grid, {key[0] for key in clues}, "the grid's numbers stand above the clues")
                # Each clue: its number with the clue's first word next to it on the same line.
                listed = set()
                for x, y, w in boxes:
                    if y < across_top or not w.isdigit():
                        continue
                    beside = [(bx, bw) for bx, by, bw in boxes if abs(by - y) < 2 and bx > x]
                    if beside:
                        listed.add((int(w), min(beside)[1]))
                for (number, direction), (clue, enumeration) in clues.items():
                    self.assertIn((number, clue.split()[0]), listed)
                    self.assertIn("%s (%s)" % (clue, enumeration), text)


class LayoutTest(PageCase):
    def test_phone_widths_put_the_grid_above_a_clue_bar_that_turns(self):
        for width in (360, 390):
            with self.subTest(width=width):
                self.page.set_viewport(width, 800, mobile=True, scale=3)
                self.fresh("small")
                self.assertLessEqual(self.page.js("document.documentElement.scrollWidth"), width)
                grid = self.page.js("JSON.parse(JSON.stringify(document.querySelector('.grid-frame').getBoundingClientRect()))")
                bar = self.page.js("JSON.parse(JSON.stringify(document.getElementById('clue-bar').getBoundingClientRect()))")
                controls = self.page.js("document.querySelector('.controls').getBoundingClientRect().top")
                self.assertGreaterEqual(grid["width"], width - 24)
                self.assertLessEqual(grid["bottom"], bar["top"])
                self.assertLessEqual(bar["bottom"], controls)
                self.assertEqual(self.active_clue(), "1 Across: Look fixedly (3,2)")
                self.page.tap_at(bar["left"] + bar["width"] / 2, bar["top"] + bar["height"] / 2)
                self.assertEqual(self.active_clue(), "1 Down: Roofing stone (5)")

    def test_at_200_percent_zoom_nothing_is_cut_off(self):
        # A 1280 x 900 window at 200%: half as many CSS pixels, each twice the size.
        self.page.set_viewport(640, 450, scale=2)
        self.fresh("big")
        self.assertLessEqual(self.page.js("document.documentElement.scrollWidth"), 640)
        clipped = self.page.js("Array.from(document.querySelectorAll('button, h1, .clue-bar'))"
                               ".filter(e => e.scrollWidth > e.clientWidth + 1).map(e => e.textContent)")
        self.assertEqual(clipped, [])
        self.assertGreaterEqual(self.page.js("parseFloat(getComputedStyle(document.querySelector('.clue-text')).fontSize)"), 16)

    def test_texts_and_squares_have_names_and_contrast(self):
        self.fresh("small")
        self.assertEqual(self.page.js("document.compatMode"), "CSS1Compat", "standards mode")
        label = lambda r, c: self.page.js("document.querySelector(%s).getAttribute('aria-label')" % json.dumps(cell(r, c) + " input"))
        self.assertEqual(label(5, 2), "5 Across, 5 letters, letter 2 of 5")
        self.assertEqual(label(1, 2), "1 Across, 5 letters (3,2), letter 2 of 5")
        self.assertEqual(label(2, 5), "3 Down, 5 letters, letter 2 of 5")
        self.assertEqual(self.page.js("document.getElementById('grid').getAttribute('aria-label')"), "Crossword grid, 5 by 5 squares")
        unnamed = self.page.js("Array.from(document.querySelectorAll('button, input'))"
                               ".filter(e => !(e.getAttribute('aria-label') || e.textContent.trim())).length")
        self.assertEqual(unnamed, 0)
        # Every state a square and a clue can be in, then each text against the colour behind it.
        self.click_clue("5 Across")
        self.page.type("eaten")
        self.click_clue("4 Across")
        self.page.type("xd")
        self.page.click("button[aria-label='Check letter']")
        self.page.click(cell(3, 1))
        self.page.click("button[aria-label='Check letter']")
        self.click_clue("3 Down")
        self.page.click("button[aria-label='Reveal letter']")
        ratios = self.page.js(CONTRAST_SCRIPT)
        low = {what: ratio for what, ratio in ratios.items() if ratio < 4.5}
        self.assertEqual(low, {}, "texts below 4.5:1")
        self.assertEqual(len(ratios), 13, ratios)


CONTRAST_SCRIPT = r"""
(() => {
  const rgb = s => s.match(/[\d.]+/g).slice(0, 4).map(Number);
  const lum = c => { const f = v => { v /= 255; return v <= 0.03928 ? v / 12.92 : Math.pow((v + 0.055) / 1.055, 2.4); };
                     return 0.2126 * f(c[0]) + 0.7152 * f(c[1]) + 0.0722 * f(c[2]); };
  const behind = e => { for (; e; e = e.parentElement) { const c = rgb(getComputedStyle(e).backgroundColor);
                          if (c.length < 4 || c[3] > 0) return c; } return [255, 255, 255]; };
  const ratio = e => { const a = lum(rgb(getComputedStyle(e).color)), b = lum(behind(e));
                       return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05); };
  const out = {};
  const add = (what, e) => { if (e) out[what] = Math.round(ratio(e) * 100) / 100; };
  add('letter', document.querySelector('.cell:not(.in-word):not(.block):not(.wrong):not(.revealed) input'));
  add('letter in the word', document.querySelector('.cell.in-word:not(.current) input'));
  add('letter in the current square', document.querySelector('.cell.current input'));
  add('wrong letter', document.querySelector('.cell.wrong input'));
  add('revealed letter', document.querySelector('.cell.revealed input'));
  add('square number', document.querySelector('.cell .number'));
  add('clue', document.querySelector('button.clue:not(.active) .clue-text'));
  add('clue of the word', document.querySelector('button.clue.active .clue-text'));
  add('filled clue', document.querySelector('button.clue.filled .clue-text'));
  add('clue bar', document.getElementById('clue-bar'));
  add('button', document.querySelector('.controls button'));
  add('byline', document.querySelector('.byline'));
  add('keys', document.querySelector('.keys summary'));
  return out;
})()
"""


def main():
    global CLI, SCRATCH
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    CLI, SCRATCH = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    if not find_chromium():
        print("SKIP: Chromium is not installed, so the web page was not tried in a browser "
              "(scripts/setup-deps installs Debian's chromium).")
        return SKIP
    started = time.monotonic()
    result = unittest.main(argv=[sys.argv[0], "-v", *sys.argv[3:]], exit=False).result
    print("browser tests took %.1f s" % (time.monotonic() - started))
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
