# Measures what a solver meets: one seeded default fill of every stock grid, made by quillmere-cli.
"""Usage: python3 tools/dictgen/fillcheck.py [--build BUILD] [--data DIR] [--grids GRIDSRES] [--seed S] [--every N]
                                          [--list KIND]

Runs `quillmere-cli --seed S+i fill SIZE K --fills 1` (the default selection: every word type and
category, rarity 0, 5000 iterations) on every stock grid (or every N-th), i counting the grids from 0
so that each grid has a seed of its own, reads the answers back from the printed grid and clue list,
and prints for all the entries together:

  - the share of entries that are only initials or abbreviations (word type 8 alone),
  - the share of single-word entries not in Debian's standard British word list (package wbritish,
    /usr/share/dict/british-english),
  - the share of entries that are only proper nouns (word type 4 alone),
  - clue length in words: median, share over 10 words, share over 15 words,
  - the share of phrase entries (an enumeration with more than one part),
  - the 30 entries met most often.

Word types come from the dictionary the build made (BUILD/resources/dictgen/words.tsv). With --data DIR
the fills use DIR/WORD.LST instead, and word types and clues come from DIR/words.tsv and DIR/CLUESRES
(a dictionary made by dictgen.py and quillmere-wordlst, not yet built into the program). A grid whose
fill fails is tried again with its seed plus 1000, 2000, ... (at most 5 seeds); the number of such grids
is printed too. --grids takes the stock grids from a file instead of the program's own. --list prints
the entries of one kind that the fills used, most frequent first.
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import unicodedata
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
WBRITISH = '/usr/share/dict/british-english'
INITIALS, PROPER = 8, 4


def letters_key(word):
    word = ''.join(c for c in unicodedata.normalize('NFKD', word) if not unicodedata.combining(c))
    return re.sub('[^A-Za-z]', '', word).upper()


def load_wbritish():
    if not os.path.exists(WBRITISH):
        sys.exit('fillcheck: %s is missing (the Debian package wbritish; scripts/setup-deps installs it)' % WBRITISH)
    words = set()
    with open(WBRITISH, encoding='utf-8') as f:
        for line in f:
            w = line.strip()
            if w.endswith("'s"):
                continue          # possessives: the word itself is listed too
            words.add(letters_key(w))
    return words


def load_words(folder):
    """TEXT -> (word type, clue) of a dictgen output folder."""
    with open(os.path.join(folder, 'CLUESRES'), 'rb') as f:
        lines = f.read().decode('cp1252').split('\r\n')
    words = {}
    with open(os.path.join(folder, 'words.tsv'), encoding='ascii') as f:
        for line in f:
            fields = line.rstrip('\n').split('\t')
            words[fields[0]] = (int(fields[2]), lines[int(fields[5])])
    return words


def numbered_slots(grid):
    """(number, across, text) of every word of a filled grid (rows of letters, ' ' for a block), numbered
    the usual way: row by row, a square that starts an across or a down word takes the next number."""
    n = len(grid)
    open_ = lambda r, c: 0 <= r < n and 0 <= c < n and grid[r][c] != ' '
    slots, number = [], 0
    for r in range(n):
        for c in range(n):
            if not open_(r, c):
                continue
            across = not open_(r, c - 1) and open_(r, c + 1)
            down = not open_(r - 1, c) and open_(r + 1, c)
            if not (across or down):
                continue
            number += 1
            if across:
                k = c
                while open_(r, k):
                    k += 1
                slots.append((number, True, ''.join(grid[r][c:k])))
            if down:
                k = r
                while open_(k, c):
                    k += 1
                slots.append((number, False, ''.join(grid[i][c] for i in range(r, k))))
    return slots


CLUE_LINE = re.compile(r'^(\d+):  (.*) \(([0-9,-]+)\)$')


def parse_fill(output, size):
    """The entries of a printed fill as (text, enumeration, clue), or None when no fill was made."""
    lines = output.split('\n')
    if 'Across' not in lines:
        return None
    at = lines.index('Across')
    grid = [l.split('\t') for l in lines[at - size:at]]
    if len(grid) != size or any(len(row) != size for row in grid):
        raise ValueError('cannot read the grid')
    clues = {}
    across = True
    for line in lines[at + 1:]:
        if line == 'Down':
            across = False
            continue
        m = CLUE_LINE.match(line)
        if m:
            clues[(int(m.group(1)), across)] = (m.group(2), m.group(3))
    entries = []
    for number, is_across, text in numbered_slots(grid):
        clue, enum = clues[(number, is_across)]
        if sum(int(x) for x in re.split('[,-]', enum)) != len(text):
            raise ValueError('%d%s: %s does not fit (%s)' % (number, 'A' if is_across else 'D', text, enum))
        entries.append((text, enum, clue))
    return entries


def run_fills(cli, seed, every, data, grid_file):
    grids = subprocess.run([cli, 'grids'] + grid_file, capture_output=True, text=True, check=True).stdout.split('\n')
    fills, retried, failed, index = [], 0, [], 0
    for line in grids:
        if not line.strip():
            continue
        size, count = map(int, line.split())
        for k in range(1, count + 1):
            index += 1
            if (index - 1) % every:
                continue
            for attempt in range(5):
                out = subprocess.run([cli] + data + ['--seed', str(seed + index - 1 + 1000 * attempt), 'fill', str(size), str(k),
                                                     '--fills', '1'] + grid_file, capture_output=True, text=True, check=True).stdout
                entries = parse_fill(out, size)
                if entries is not None:
                    break
            else:
                failed.append('%d x %d no. %d' % (size, size, k))
                continue
            retried += attempt > 0
            fills.append(entries)
    return fills, retried, failed


def pct(part, whole):
    return 100.0 * part / whole if whole else 0.0


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--build', default=os.path.join(HERE, '..', '..', 'build'))
    ap.add_argument('--data', help='a dictgen output folder holding WORD.LST too')
    ap.add_argument('--grids', help='a stock grid file (GRIDSRES) to use instead of the built-in grids')
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--every', type=int, default=1, help='fill every N-th stock grid only')
    ap.add_argument('--list', choices=('proper', 'outside', 'initials', 'phrases', 'long'))
    args = ap.parse_args()
    cli = os.path.join(args.build, 'bin', 'quillmere-cli')
    british = load_wbritish()
    words = load_words(args.data or os.path.join(args.build, 'resources', 'dictgen'))
    types = {k: t for k, (t, _) in words.items()}
    fills, retried, failed = run_fills(cli, args.seed, args.every, ['--data', args.data] if args.data else [],
                                       ['--file', args.grids] if args.grids else [])
    entries = [e for f in fills for e in f]
    if args.data:
        entries = [(text, enum, words[text][1]) for text, enum, _ in entries]
    if not entries:
        sys.exit('fillcheck: no fill was made')
    single = [e for e in entries if re.fullmatch(r'\d+', e[1])]
    initials = [e for e in entries if types.get(e[0]) == INITIALS]
    outside = [e for e in single if e[0] not in british]
    proper = [e for e in entries if types.get(e[0]) == PROPER]
    phrases = [e for e in entries if not re.fullmatch(r'\d+', e[1])]
    lengths = [len(e[2].split()) for e in entries]
    print('fills: %d grids (seeds from %d%s), %d entries; %d grids needed another seed; %d did not fill%s'
          % (len(fills), args.seed, '' if args.every == 1 else ', every %d-th grid' % args.every, len(entries),
             retried, len(failed), (': ' + ', '.join(failed)) if failed else ''))
    print()
    print('| | measured |')
    print('|---|---|')
    print('| entries that are only initials or abbreviations | %.1f%% (%d) |' % (pct(len(initials), len(entries)), len(initials)))
    print('| single-word entries not in wbritish | %.1f%% (%d of %d) |' % (pct(len(outside), len(single)), len(outside), len(single)))
    print('| entries that are only proper nouns | %.1f%% (%d) |' % (pct(len(proper), len(entries)), len(proper)))
    print('| clue length: median / share over 10 words / over 15 words | %g words / %.1f%% / %.1f%% |'
          % (statistics.median(lengths), pct(sum(n > 10 for n in lengths), len(lengths)),
             pct(sum(n > 15 for n in lengths), len(lengths))))
    print('| phrase entries | %.1f%% (%d) |' % (pct(len(phrases), len(entries)), len(phrases)))
    print()
    counts = Counter(e[0] for e in entries)
    print('30 most frequent entries: ' + ', '.join('%s %d' % kv for kv in
                                                  sorted(counts.items(), key=lambda kv: (-kv[1], kv[0]))[:30]))
    if args.list:
        chosen = {'proper': proper, 'outside': outside, 'initials': initials, 'phrases': phrases,
                  'long': [e for e in entries if len(e[2].split()) > 10]}[args.list]
        print()
        seen = Counter((e[0], e[1], e[2]) for e in chosen)
        for (text, enum, clue), n in sorted(seen.items(), key=lambda kv: (-kv[1], kv[0])):
            print('%3d  %s (%s): %s' % (n, text, enum, clue))


if __name__ == '__main__':
    main()
