#!/usr/bin/env python3
"""quillmere-cli fill-grid side by side with Qxw's batch fill, on the grids of bench/grids.

Each (grid, seed) attempt runs both programs one after the other (interleaved, so that a busy
machine slows both alike), from the same word list, each as a whole process with its time limit.
Every fill is checked (each slot a word of the list, no word twice, crossings agree). The script
prints, per grid and in total per group, the attempts each program filled, their verdicts and the
ratio of the median whole-process times, then Quillmere's largest resident memory.

Needs Qxw (scripts/setup-deps --bench) and a release build (scripts/build). The word lists are
made here: the built-in dictionary's selected words (quillmere-cli selected-words) and a list from
Debian's scowl package (sizes up to 70, English and British spellings, 3-15 letters, commonest
first), passed to Quillmere as an imported list alone (--list FILE --source list).

  bench/fill_grid_vs_qxw.py [--seeds N] [--groups typical,hard,british,sunday,impossible]

Attempts that run out of time count at the time they were stopped (so a ratio involving them is a
bound, not a measurement).
"""
import argparse
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GRIDS = os.path.join(ROOT, "bench", "grids")
SCOWL = "/usr/share/dict/scowl"
TIME = "/usr/bin/time"

# group: (grid files, word list, Quillmere's limit, Qxw's limit, unchecked squares allowed, seeds)
GROUPS = {
    "typical": (["us15-typical-%d.txt" % i for i in range(1, 7)], "scowl", 10, 60, False, 5),
    "hard": (["us15-hard-%d.txt" % i for i in range(1, 5)], "scowl", 30, 60, False, 3),
    "british": (["uk15-%d.txt" % i for i in range(1, 5)], "dictionary", 10, 60, True, 5),
    "sunday": (["us21-%d.txt" % i for i in range(1, 3)], "scowl", 30, 60, False, 3),
    "impossible": (["impossible.txt"], "scowl", 10, 60, False, 3),
}


def scowl_words(path):
    """The large list: scowl's English and British word files of sizes up to 70, lower-case ASCII
    words of 3 to 15 letters (no names, abbreviations or apostrophes), commonest size first."""
    seen, words = set(), []
    for size in (10, 20, 35, 40, 50, 55, 60, 70):
        for kind in ("english-words", "british-words"):
            name = os.path.join(SCOWL, "%s.%d" % (kind, size))
            if not os.path.exists(name):
                continue
            with open(name, encoding="latin-1") as f:
                for line in f:
                    w = line.strip()
                    if w.isascii() and w.isalpha() and w.islower() and 3 <= len(w) <= 15 and w not in seen:
                        seen.add(w)
                        words.append(w.upper())
    with open(path, "w") as f:
        f.write("\n".join(words) + "\n")
    return set(words)


def read_grid(path):
    with open(path) as f:
        return [line.rstrip("\r\n") for line in f if line.strip()]


def slots(rows):
    """The word slots of a grid text, each a list of (row, col) squares (3 letters or more)."""
    n = len(rows)
    found = []
    for r in range(n):
        for c in range(n):
            if rows[r][c] == "#":
                continue
            for dr, dc in ((0, 1), (1, 0)):
                if 0 <= r - dr and 0 <= c - dc and rows[r - dr][c - dc] != "#":
                    continue
                cells = []
                rr, cc = r, c
                while rr < n and cc < n and rows[rr][cc] != "#":
                    cells.append((rr, cc))
                    rr, cc = rr + dr, cc + dc
                if len(cells) >= 3:
                    found.append(cells)
    return found


def write_deck(rows, path):
    """Qxw's deck: one line per slot naming its squares (squares shared by two slots share a name),
    with the pattern of its placed letters ('?' an open square) where it has any."""
    lines = [".RANDOM 1", ".UNIQUE 1"]
    for cells in slots(rows):
        line = " ".join("r%dc%d" % cell for cell in cells)
        pattern = "".join(rows[r][c].upper() if rows[r][c].isalpha() else "?" for r, c in cells)
        if pattern.strip("?"):
            line += " =" + pattern
        lines.append(line)
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def check_fill(rows, letters, words):
    """None when the letters (a dict square -> letter) fill every slot with a listed word, each once,
    and keep the placed letters; else what is wrong."""
    used = set()
    for cells in slots(rows):
        word = "".join(letters.get(cell, "?") for cell in cells)
        if word not in words:
            return "%s is not in the list" % word
        if word in used:
            return "%s is used twice" % word
        used.add(word)
    for r, row in enumerate(rows):
        for c, ch in enumerate(row):
            if ch.isalpha() and letters.get((r, c)) != ch.upper():
                return "the placed letter at row %d, column %d changed" % (r + 1, c + 1)
    return None


def run_timed(args, limit):
    """Runs a program to its end or the limit: (exit code or None when it was stopped at the limit,
    whole-process seconds, output)."""
    start = time.perf_counter()
    proc = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, start_new_session=True)
    try:
        out, _ = proc.communicate(timeout=limit)
        code = proc.returncode
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        out, _ = proc.communicate()
        code = None
    return code, time.perf_counter() - start, out.decode("latin-1")


def largest_memory(args, limit):
    """The largest resident memory of a run in MB, measured by GNU time in a run of its own (the
    figure wait4 gives here would include this script's memory, copied when the child was forked)."""
    with tempfile.NamedTemporaryFile(mode="r", suffix=".rss") as rss_file:
        run_timed([TIME, "-f", "%M", "-o", rss_file.name] + args, limit)
        figures = re.findall(r"^(\d+)$", rss_file.read(), re.M)
    return int(figures[-1]) / 1024.0 if figures else float("nan")


def quillmere_args(cli, grid_path, seed, limit, word_list, list_path, unchecked):
    args = [cli, "fill-grid", grid_path, "--seed", str(seed), "--time-limit", str(limit)]
    if word_list == "scowl":
        args += ["--list", list_path, "--source", "list"]
    if unchecked:
        args.append("--allow-unchecked")
    return args


def quillmere_attempt(args, rows, limit, words):
    code, seconds, out = run_timed(args, limit + 15)
    lines = out.splitlines()
    if code == 0:
        n = len(rows)
        letters = {(r, c): ch for r in range(n) for c, ch in enumerate(lines[r]) if ch != "#"}
        problem = check_fill(rows, letters, words)
        verdict = "filled" if problem is None else "INVALID: " + problem
    elif code == 4:
        message = next((l for l in lines if l.startswith(("No fill exists", "The time ran out"))), "")
        verdict = message or "no fill"
    else:
        verdict = "error %s: %s" % (code, out.strip()[-200:])
    return verdict, seconds


def qxw_attempt(qxw, deck_path, rows, seed, limit, list_path, words):
    code, seconds, out = run_timed([qxw, "-b", "-R", str(seed), "-F", str(seed), "-d", list_path, deck_path], limit)
    if code is None:
        return "time ran out (%d s)" % limit, seconds
    if code == 4:
        return "no solution", seconds
    if code != 0:
        return "error %s" % code, seconds
    found = {}
    for line in out.splitlines():
        m = re.match(r"W(\d+) (\S+)$", line)
        if m:
            found[int(m.group(1))] = m.group(2).upper()
    letters = {}
    for i, cells in enumerate(slots(rows)):
        for cell, ch in zip(cells, found.get(i, "")):
            if letters.setdefault(cell, ch) != ch:
                return "INVALID: crossing letters disagree", seconds
    problem = check_fill(rows, letters, words)
    return ("filled" if problem is None else "INVALID: " + problem), seconds


def median(values):
    return statistics.median(values) if values else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seeds", type=int, help="attempts per grid, seeds 1..N (default: 5 for the typical and British "
                        "grids, 3 for the others)")
    parser.add_argument("--groups", default="typical,hard,british,sunday,impossible")
    parser.add_argument("--cli", default=os.path.join(ROOT, "build", "bin", "quillmere-cli"))
    parser.add_argument("--qxw", default=shutil.which("qxw") or "/usr/games/qxw")
    options = parser.parse_args()
    if not os.path.exists(options.qxw) or not os.path.exists(TIME):
        sys.exit("Qxw or GNU time is not installed: scripts/setup-deps --bench installs them")
    if not os.path.exists(options.cli):
        sys.exit("%s is missing: scripts/build makes it" % options.cli)

    scratch = tempfile.mkdtemp(prefix="fill-grid-bench-")
    lists = {"scowl": os.path.join(scratch, "scowl.txt"), "dictionary": os.path.join(scratch, "dictionary.txt")}
    words = {"scowl": scowl_words(lists["scowl"])}
    selected = subprocess.run([options.cli, "selected-words"], check=True, capture_output=True, text=True).stdout
    with open(lists["dictionary"], "w") as f:
        f.write(selected)
    words["dictionary"] = set(selected.split())
    print("word lists: scowl %d words, built-in dictionary %d selected words" % (len(words["scowl"]), len(words["dictionary"])))
    print("machine: %d processors, load average %.1f at the start" % (os.cpu_count(), os.getloadavg()[0]))

    summary = []
    peak = {}
    for group in options.groups.split(","):
        files, word_list, q_limit, x_limit, unchecked, seeds = GROUPS[group]
        seeds = options.seeds or seeds
        print("\n== %s (%s list; Quillmere %d s, Qxw %d s per attempt)" % (group, word_list, q_limit, x_limit))
        print("%-20s %-10s %10s %10s %10s %10s %7s" % ("grid", "", "Q filled", "Q median", "Qxw filled", "Qxw median", "ratio"))
        q_all, x_all, q_ok_all, x_ok_all = [], [], 0, 0
        for name in files:
            path = os.path.join(GRIDS, name)
            rows = read_grid(path)
            deck = os.path.join(scratch, name + ".qxd")
            write_deck(rows, deck)
            q_times, x_times, q_ok, x_ok, verdicts = [], [], 0, 0, []
            for seed in range(1, seeds + 1):
                q_args = quillmere_args(options.cli, path, seed, q_limit, word_list, lists[word_list], unchecked)
                qv, qs = quillmere_attempt(q_args, rows, q_limit, words[word_list])
                xv, xs = qxw_attempt(options.qxw, deck, rows, seed, x_limit, lists[word_list], words[word_list])
                q_times.append(qs)
                x_times.append(xs)
                q_ok += qv == "filled" and qs <= q_limit
                x_ok += xv == "filled"
                verdicts.append("seed %d: Quillmere %s in %.2f s; Qxw %s in %.2f s" % (seed, qv, qs, xv, xs))
            q_all += q_times
            x_all += x_times
            q_ok_all += q_ok
            x_ok_all += x_ok
            print("%-20s %-10s %7d/%-2d %9.2fs %7d/%-2d %9.2fs %7.3f" % (name, "", q_ok, seeds, median(q_times), x_ok, seeds,
                                                                     median(x_times), median(q_times) / median(x_times)))
            for v in verdicts:
                print("    " + v)
            peak[(group, name)] = largest_memory(quillmere_args(options.cli, path, 1, q_limit, word_list, lists[word_list], unchecked),
                                                 q_limit + 15)
        attempts = len(files) * seeds
        ratio = median(q_all) / median(x_all)
        print("%-20s %-10s %7d/%-2d %9.2fs %7d/%-2d %9.2fs %7.3f" % ("all " + group, "", q_ok_all, attempts, median(q_all), x_ok_all,
                                                                 attempts, median(x_all), ratio))
        summary.append((group, word_list, q_ok_all, x_ok_all, attempts, median(q_all), median(x_all), ratio))

    print("\n== Summary (whole-process times, medians over all attempts of a group)")
    print("%-11s %-10s %12s %12s %10s %10s %7s" % ("group", "list", "Quillmere", "Qxw", "Q median", "Qxw median", "ratio"))
    for group, word_list, q_ok, x_ok, attempts, qm, xm, ratio in summary:
        print("%-11s %-10s %9d/%-2d %9d/%-2d %9.2fs %9.2fs %7.3f" % (group, word_list, q_ok, attempts, x_ok, attempts, qm, xm, ratio))
    print("\nQuillmere's largest resident memory per grid, seed 1, in a run of its own (MB):")
    for (group, name), mb in sorted(peak.items()):
        print("  %-11s %-20s %6.1f" % (group, name, mb))
    shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
