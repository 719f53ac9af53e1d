# Reader for the SCOWL word lists: commonness level of each spelling, British and American-only variants.
"""SCOWL word lists (Debian package scowl, /usr/share/dict/scowl).

File names are VARIANT-KIND.LEVEL, e.g. english-words.35 or british-upper.70. The level (10..95) says
how common a spelling is: 10 is the commonest, 95 the most obscure. 'english' lists hold spellings used
everywhere, 'british' and 'american' those of one side only, 'variant_N' less-preferred spellings.
British '-ize' spellings (british_z) are not preferred here: the dictionary follows the '-ise' lists.

Keys are upper-case letters only (accents removed, apostrophes and possessives dropped).
"""
import os
import re
import unicodedata

SCOWL_DIR = '/usr/share/dict/scowl'
ABSENT = 99          # level of a spelling that no list holds

_NAME = re.compile(r'(english|british|american|variant_[123])-(words|upper|proper-names|abbreviations)\.(\d+)$')


def deaccent(text):
    return ''.join(c for c in unicodedata.normalize('NFKD', text) if not unicodedata.combining(c))


class Scowl:
    def __init__(self, directory=SCOWL_DIR):
        self.level = {}        # KEY -> lowest level among the English and British lists
        self.us_level = {}     # KEY -> lowest level among the American lists
        self.variant_level = {}  # KEY -> lowest level among the less-preferred variant lists
        self.abbrev = set()    # KEYs listed only as abbreviations
        self.lower = set()     # KEYs seen written in lower case (a common word, not only a name)
        listed_as_word = set()
        for name in sorted(os.listdir(directory)):
            m = _NAME.match(name)
            if not m:
                continue
            variant, kind, level = m.group(1), m.group(2), int(m.group(3))
            target = (self.us_level if variant == 'american' else
                      self.variant_level if variant.startswith('variant') else self.level)
            with open(os.path.join(directory, name), encoding='utf-8') as f:
                for raw in f:
                    word = deaccent(raw.strip())
                    if "'" in word or not re.fullmatch(r'[A-Za-z]+', word):
                        continue
                    key = word.upper()
                    if level < target.get(key, ABSENT):
                        target[key] = level
                    if target is self.level:
                        if kind == 'abbreviations':
                            self.abbrev.add(key)
                        else:
                            listed_as_word.add(key)
                        if word.islower():
                            self.lower.add(key)
        self.abbrev -= listed_as_word

    def of(self, key):
        """Level of a spelling: English/British first, then a less-preferred variant, else ABSENT."""
        return self.level.get(key, ABSENT)

    def is_us_only(self, key):
        return key in self.us_level and key not in self.level

    def attested(self, key):
        return key in self.level or key in self.us_level or key in self.variant_level

    def british(self, word):
        """The British spelling of an American-only spelling ('color' -> 'colour', 'traveled' ->
        'travelled'), found by trying the usual changes against the British lists; else the word."""
        key = word.upper()
        if not self.is_us_only(key):
            return word
        w = word.lower()
        candidates = []
        for i in range(len(w)):
            for old, new in (('or', 'our'), ('iz', 'is'), ('yz', 'ys'), ('og', 'ogue'), ('ense', 'ence'),
                             ('e', 'ae'), ('e', 'oe'), ('ow', 'ough'), ('old', 'ould'), ('ay', 'ey')):
                if w.startswith(old, i):
                    candidates.append(w[:i] + new + w[i + len(old):])
        for end, new in (('er', 're'), ('ers', 'res'), ('ered', 'red'), ('led', 'lled'), ('ling', 'lling'),
                         ('ler', 'ller'), ('lers', 'llers')):
            if w.endswith(end):
                candidates.append(w[:len(w) - len(end)] + new)
        for c in candidates:
            if c.upper() in self.level and not self.is_us_only(c.upper()):
                return c if word.islower() else (c.capitalize() if word[:1].isupper() and word[1:].islower() else word)
        return word
