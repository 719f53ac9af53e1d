"""Crosswords for the browser tests and the screenshots, made here as ipuz files that quillmere-cli reads."""
import json
import random

# A 5 x 5 with four blocks; two enumerations with word breaks, to see them shown as given.
SMALL_ROWS = ["STARE", "L#L#A", "ADEPT", "T#R#E", "EATEN"]
SMALL_CLUES = {
    (1, "Across"): ("Look fixedly", "3,2"),
    (4, "Across"): ("Skilled", "2-3"),
    (5, "Across"): ("Had dinner", "5"),
    (1, "Down"): ("Roofing stone", "5"),
    (2, "Down"): ("On the lookout", "5"),
    (3, "Down"): ("Consumed", "5"),
}

# Another puzzle (other answers, so another storage key) whose texts try to break out of the page.
HOSTILE_TITLE = '</script><img src=x onerror="window.__pwned=1">Title & <b>bold</b>'
HOSTILE_AUTHOR = "<script>window.__pwned=3</script>O'Neil & \"Co\""
HOSTILE_ROWS = ["CAT", "A#O", "BEE"]
HOSTILE_CLUES = {
    (1, "Across"): ('<img src=x onerror="window.__pwned=1"></script><script>window.__pwned=2</script>', "3"),
    (3, "Across"): ("Buzzer <!-- & --> ]]> {{data}}", "3"),
    (1, "Down"): ("Taxi \\u003c/script> or \\x3c!--", "3"),
    (2, "Down"): ("Foot digit", "3"),
}


def numbering(rows):
    """(number, direction, row, col, length) of every word, in the standard numbering; 1-based."""
    n = len(rows)
    at = lambda r, c: rows[r][c] if 0 <= r < n and 0 <= c < n else "#"
    words, numbers, counter = [], [[0] * n for _ in rows], 0
    for r in range(n):
        for c in range(n):
            if at(r, c) == "#":
                continue
            across = at(r, c - 1) == "#" and at(r, c + 1) != "#"
            down = at(r - 1, c) == "#" and at(r + 1, c) != "#"
            if not (across or down):
                continue
            counter += 1
            numbers[r][c] = counter
            for is_across, go in ((True, across), (False, down)):
                if go:
                    length = 0
                    while at(r + (0 if is_across else length), c + (length if is_across else 0)) != "#":
                        length += 1
                    words.append((counter, "Across" if is_across else "Down", r + 1, c + 1, length))
    return words, numbers


def answer_of(rows, word):
    _, direction, row, col, length = word
    return "".join(rows[row - 1 + (0 if direction == "Across" else k)][col - 1 + (k if direction == "Across" else 0)]
                   for k in range(length))


def ipuz(rows, clues, title):
    words, numbers = numbering(rows)
    doc = {
        "version": "http://ipuz.org/v2",
        "kind": ["http://ipuz.org/crossword#1"],
        "dimensions": {"width": len(rows), "height": len(rows)},
        "puzzle": [["#" if ch == "#" else numbers[r][c] for c, ch in enumerate(row)] for r, row in enumerate(rows)],
        "solution": [["#" if ch == "#" else ch for ch in row] for row in rows],
        "clues": {"Across": [], "Down": []},
        "title": title,
    }
    for word in words:
        clue, enumeration = clues[(word[0], word[1])]
        doc["clues"][word[1]].append({"number": word[0], "clue": clue, "enumeration": enumeration})
    return json.dumps(doc)


def lattice_rows(size, seed):
    """A size x size grid with a block at every third row and column crossing, filled with letters
    drawn from a seeded generator (the page needs answers, not words)."""
    rng = random.Random(seed)
    return ["".join("#" if r % 3 == 2 and c % 3 == 2 else rng.choice("ABCDEFGHIJKLMNOPRSTUVWY") for c in range(size))
            for r in range(size)]


CLUE_WORDS = ("quiet river stone bright garden paper window silver morning travel harbour letter simple "
              "distant orchard lantern meadow engine pocket thunder").split()


def made_up_clues(rows, seed):
    """Clues of 4 to 9 words for every word of the grid: lengths like a newspaper's."""
    rng = random.Random(seed)
    clues = {}
    for word in numbering(rows)[0]:
        text = " ".join(rng.choice(CLUE_WORDS) for _ in range(rng.randint(4, 9))).capitalize()
        clues[(word[0], word[1])] = (text, str(word[4]))
    return clues


def big_puzzle(size=21, seed=28):
    rows = lattice_rows(size, seed)
    return rows, made_up_clues(rows, seed)
