# Checks a generated dictionary directory against every rule the program relies on and prints its figures.
"""Usage: python3 tools/dictgen/check.py DIR

Reads DIR/words.tsv, DIR/CLUESRES and DIR/CATEGRES on their own terms (it shares no code with the
generator) and exits non-zero when any rule is broken. The give-away test is written afresh here, so
the generator's own filter is checked rather than trusted; so is the rule that a single word is a
standard British spelling at SCOWL size 50 (what Debian's wbritish holds) or one of the team's entries,
that initials come only from the curated list, and the limits on clue length.
"""
import os
import re
import struct
import sys
import unicodedata
from collections import Counter

MAX_PER_LENGTH = 9150
MAX_CLUE_LINES = 65535
CLUE_SOFT = 105   # the generator cuts longer definitions at a word boundary
MIN_CATEGORY = 30
THEMES = {2: 'Animals', 3: 'Archaeology', 23: 'Food', 24: 'Gardening terms'}
MIN_THEME = 150
MAX_MEDIAN_CLUE_WORDS = 5
MAX_SHARE_OVER_10_WORDS = 0.08
MAX_SHARE_OVER_15_WORDS = 0.01
CURATED = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'curated')
SCOWL = '/usr/share/dict/scowl'
# The SCOWL lists Debian's standard British word list is made of, up to size 50.
BRITISH_LISTS = re.compile(r'(?:english|british|british_variant_[12])-(?:words|upper|proper-names|abbreviations)\.(\d+)$')
EXCEPTION_FILES = ['/usr/share/wordnet/%s.exc' % p for p in ('noun', 'verb', 'adj', 'adv')]


def decode_breaks(text, code):
    """(display text, enumeration) of a word, the way the program decodes WordBreaks."""
    if code <= 31:
        return text, str(code)
    display, counts, pos, g = '', [], 0, 0
    while True:
        group = (code >> (6 * g)) & 63
        n = group & 31
        display += text[pos:pos + n] + ('-' if group & 32 else ' ')
        counts.append(str(n))
        pos += n
        g += 1
        if g >= 6 or ((code >> (6 * g)) & 31) == 0:
            break
    return display.strip(' '), ','.join(counts)


def load_irregular():
    related = {}
    for path in EXCEPTION_FILES:
        if not os.path.exists(path):
            continue
        with open(path, encoding='latin-1') as f:
            for line in f:
                form, *bases = [re.sub('[^a-z]', '', w).upper() for w in line.split()]
                for b in bases:
                    related.setdefault(form, set()).add(b)
                    related.setdefault(b, set()).add(form)
    return related


def forms(word, irregular):
    """The word and its plain inflections (and what it may be an inflection of)."""
    out = {word}
    for suffix in ('S', 'ES', 'ED', 'ING', 'ER', 'ERS', 'EST'):
        out.add(word + suffix)
    if word.endswith('E'):
        out.update((word + 'D', word[:-1] + 'ING'))
    if word.endswith('Y'):
        out.update(word[:-1] + s for s in ('IES', 'IED', 'IER', 'IEST'))
    if len(word) >= 3 and word[-1] not in 'AEIOUWXY' and word[-2] in 'AEIOU':
        out.update(word + word[-1] + s for s in ('ED', 'ING', 'ER'))
    for suffix in ('S', 'ES', 'ED', 'ING'):
        if word.endswith(suffix) and len(word) - len(suffix) >= 3:
            out.add(word[:-len(suffix)])
    out.update(irregular.get(word, ()))
    return out


def gives_away(text, display, clue, irregular):
    """The word of the clue that gives the answer away, or None."""
    parts = [p for p in re.split('[ -]', display) if len(p) >= 3]
    banned = forms(text, irregular)
    for p in parts:
        banned |= forms(p, irregular)
    tokens = [(m.group().upper(), m.start(), m.end()) for m in re.finditer('[A-Za-z]+', clue)]
    for i, (t, _, _) in enumerate(tokens):
        if t in banned:
            return t
        joined = t
        for j in range(i + 1, min(i + 6, len(tokens))):
            if clue[tokens[j - 1][2]:tokens[j][1]] not in (' ', '-'):
                break
            joined += tokens[j][0]
            if joined in banned:
                return clue[tokens[i][1]:tokens[j][2]]
    return None


def load_blocklist():
    """(words, stems) of the curated blocklist, upper case; the whitelist's words are let through."""
    def entries(name):
        with open(os.path.join(CURATED, name), encoding='utf-8') as f:
            return [l.split('\t')[0].strip() for l in f if l.strip() and not l.startswith('#')]
    allowed = {re.sub('[^A-Za-z]', '', w).upper() for w in entries('whitelist.tsv')}
    words, stems = set(), []
    for w in entries('blocklist.txt'):
        key = re.sub('[^A-Za-z]', '', w).upper()
        (stems.append(key) if w.endswith('*') else words.add(key))
    return words - allowed, tuple(stems), allowed


def standard_british():
    """Upper-case letters of every spelling in SCOWL's English and British lists up to size 50."""
    words = set()
    for name in sorted(os.listdir(SCOWL)):
        m = BRITISH_LISTS.match(name)
        if m and int(m.group(1)) <= 50:
            with open(os.path.join(SCOWL, name), encoding='utf-8') as f:
                for line in f:
                    plain = unicodedata.normalize('NFKD', line.strip())
                    words.add(re.sub('[^A-Za-z]', '', ''.join(c for c in plain if not unicodedata.combining(c))).upper())
    return words


def curated_keys(name):
    with open(os.path.join(CURATED, name), encoding='utf-8') as f:
        return {re.sub('[^A-Za-z]', '', l.split('\t')[0]).upper() for l in f if l.strip() and not l.startswith('#')}


def main(out):
    problems = []

    def fail(msg):
        if len(problems) < 40:
            print('FAIL:', msg)
        problems.append(msg)

    raw = open(os.path.join(out, 'CLUESRES'), 'rb').read()
    if not raw.startswith(b'\r\n') or not raw.endswith(b'\r\n'):
        fail('CLUESRES must begin and end with CR LF')
    body = raw[:-2].split(b'\r\n')
    if any(b'\r' in l or b'\n' in l for l in body):
        fail('CLUESRES has a bare CR or LF')
    lines = [l.decode('cp1252') for l in body]
    if lines[0] != '':
        fail('clue line 0 is not empty')
    if len(lines) > MAX_CLUE_LINES:
        fail('%d clue lines, more than %d' % (len(lines), MAX_CLUE_LINES))
    for n, c in enumerate(lines[1:], start=1):
        if len(c) > CLUE_SOFT:
            fail('clue line %d longer than %d characters' % (n, CLUE_SOFT))
        if not c[:1].isupper() and not c[:1].isdigit():
            fail('clue line %d does not start with a capital: %r' % (n, c))
        if c != c.strip() or '  ' in c:
            fail('clue line %d has stray blanks: %r' % (n, c))

    categ = open(os.path.join(out, 'CATEGRES'), 'rb').read()
    if len(categ) != 41 * 8 or list(struct.unpack('<41q', categ)) != [1 << k for k in range(41)]:
        fail('CATEGRES is not the 41 values 2**0 .. 2**40')

    irregular = load_irregular()
    blocked, blocked_stems, allowed = load_blocklist()
    british = standard_british()
    initials = curated_keys('initials.tsv')
    own = initials | curated_keys('additions.tsv') | curated_keys('assign.tsv') | curated_keys('clues.tsv')
    clue_words = []
    seen, per_len, per_cat, bands, used = set(), Counter(), Counter(), Counter(), set()
    theme_words = {b: [] for b in THEMES}
    giveaways, rows = [], 0
    with open(os.path.join(out, 'words.tsv'), 'rb') as f:
        data = f.read()
    if b'\r' in data:
        fail('words.tsv must have LF line ends')
    for line in data.decode('ascii').splitlines():
        rows += 1
        fields = line.split('\t')
        if len(fields) != 6:
            fail('bad words.tsv line %r' % line)
            continue
        text, rarity, wtype, breaks, cat, clue = fields[0], *map(int, fields[1:])
        if not re.fullmatch('[A-Z]{3,20}', text):
            fail('bad word text %r' % text)
        if text in seen:
            fail('duplicate word %s' % text)
        seen.add(text)
        per_len[len(text)] += 1
        if not 1 <= rarity <= 20:
            fail('%s: rarity %d outside 1..20' % (text, rarity))
        bands[rarity] += 1
        if not 1 <= wtype <= 15:
            fail('%s: word type %d must use bits 0..3 only, at least one' % (text, wtype))
        if not 0 <= breaks < 2 ** 32 or breaks > 31 and breaks >> 30:
            fail('%s: word breaks %d need more than five groups' % (text, breaks))
        display, enum = decode_breaks(text, breaks)
        if re.sub('[ -]', '', display) != text or (breaks <= 31 and breaks != len(text)):
            fail('%s: word breaks %d do not fit the text (%r)' % (text, breaks, display))
        if not 0 <= cat <= 40:
            fail('%s: category %d outside 0..40' % (text, cat))
        per_cat[cat] += 1
        if not 1 <= clue < len(lines):
            fail('%s: clue index %d outside 1..%d' % (text, clue, len(lines) - 1))
            continue
        used.add(clue)
        clue_words.append(len(lines[clue].split()))
        if breaks <= 31 and text not in british and text not in own:
            fail('%s: a single word that is no standard British spelling at SCOWL size 50 and no entry of the team' % text)
        if wtype & 8 and text not in initials:
            fail('%s: initials that are not on the curated list' % text)
        if cat in theme_words:
            theme_words[cat].append((text, rarity))
        for part in sorted({text} | {p for p in re.split('[ -]', display) if p}):
            if part not in allowed and (part in blocked or part.startswith(blocked_stems)):
                fail('%s: blocked word %s' % (text, part))
        bad = gives_away(text, display, lines[clue], irregular)
        if bad:
            giveaways.append('%s: %r gives away %s' % (text, lines[clue], bad))
    for g in giveaways:
        fail(g)
    for length, n in sorted(per_len.items()):
        if n > MAX_PER_LENGTH:
            fail('%d words of length %d, more than %d' % (n, length, MAX_PER_LENGTH))
    for bit in range(1, 41):
        if per_cat[bit] < MIN_CATEGORY:
            fail('category %d has %d words, fewer than %d' % (bit, per_cat[bit], MIN_CATEGORY))
    for bit, name in THEMES.items():
        words = theme_words[bit]
        common = sum(1 for _, r in words if r > 10)
        if len(words) < MIN_THEME or common < 20:
            fail('theme %s has %d clued entries (%d with rarity above 10)' % (name, len(words), common))
    if bands and (max(bands.values()) > 1.5 * rows / 20 or min(bands.values()) < 0.5 * rows / 20):
        fail('rarity bands are uneven: %s' % dict(sorted(bands.items())))
    unused = len(lines) - 1 - len(used)
    clue_words.sort()
    median = clue_words[len(clue_words) // 2] if clue_words else 0
    over10 = sum(n > 10 for n in clue_words) / max(1, len(clue_words))
    over15 = sum(n > 15 for n in clue_words) / max(1, len(clue_words))
    if median > MAX_MEDIAN_CLUE_WORDS or over10 > MAX_SHARE_OVER_10_WORDS or over15 > MAX_SHARE_OVER_15_WORDS:
        fail('clues too long: median %d words, %.1f%% over 10, %.1f%% over 15' % (median, 100 * over10, 100 * over15))

    print('words: %d' % rows)
    print('words per length: ' + ', '.join('%d:%d' % kv for kv in sorted(per_len.items())))
    print('clue lines: %d (unused %d, mean length %.1f)' % (len(lines), unused,
                                                         sum(map(len, lines)) / max(1, len(lines) - 1)))
    print('words per category: ' + ', '.join('%d:%d' % kv for kv in sorted(per_cat.items())))
    print('rarity bands: ' + ', '.join('%d:%d' % kv for kv in sorted(bands.items())))
    print('themes: ' + ', '.join('%s %d' % (name, len(theme_words[b])) for b, name in THEMES.items()))
    print('clue words: median %d, %.1f%% over 10, %.1f%% over 15' % (median, 100 * over10, 100 * over15))
    if problems:
        print('%d problems' % len(problems))
        return 1
    print('all rules hold')
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
