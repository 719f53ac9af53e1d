# Reader for the SCOWL word lists: commonness level of each spelling, British and American-only variants.
"""SCOWL word lists (Debian package scowl, /usr/share/dict/scowl).

File names are VARIANT-KIND.LEVEL, e.g. english-words.35 or british-upper.70. The level (10..95) says
how common a spelling is: 10 is the commonest, 95 the most obscure. 'english' lists hold spellings used
everywhere, 'british' and 'american' those of one side only, 'variant_N' less-preferred spellings.
The 'english', 'british' and 'british_variant_1/2' lists up to size 50 make Debian's standard British
word list (wbritish): the spellings a solver knows (is_common).
British '-ize' spellings (british_z) are not preferred here: the dictionary follows the '-ise' lists.

Keys are upper-case letters only (accents removed, apostrophes and possessives dropped).
"""
import os
import re
import unicodedata

SCOWL_DIR = '/usr/share/dict/scowl'
ABSENT = 99          # level of a spelling that no list holds

_NAME = re.compile(r'(english|british|american|variant_[123])-(words|upper|proper-names|abbreviations)\.(\d+)$')
# The lists Debian's standard British word list (package wbritish) is made of, and its size.
_BRITISH_NAME = re.compile(r'(?:english|british|british_variant_[12])-(?:words|upper|proper-names|abbreviations)\.(\d+)$')
COMMON_SIZE = 50


def deaccent(text):
    return ''.join(c for c in unicodedata.normalize('NFKD', text) if not unicodedata.combining(c))


class Scowl:
    def __init__(self, directory=SCOWL_DIR):
        self.level = {}        # KEY -> lowest level among the English and British lists
        self.us_level = {}     # KEY -> lowest level among the American lists
        self.variant_level = {}  # KEY -> lowest level among the less-preferred variant lists
        self.abbrev = set()    # KEYs listed only as abbreviations
        self._british = {}     # memo of british()
        self.lower = set()     # KEYs seen written in lower case (a common word, not only a name)
        self.british_only = set()  # KEYs of the British lists that the lists for everyone lack ('tyre')
        self.common = set()    # KEYs of a standard British spelling at size COMMON_SIZE or commoner
        everyone = set()
        listed_as_word = set()
        for name in sorted(os.listdir(directory)):
            b = _BRITISH_NAME.match(name)
            if b and int(b.group(1)) <= COMMON_SIZE:
                with open(os.path.join(directory, name), encoding='utf-8') as f:
                    self.common.update(w.upper() for w in (deaccent(raw.strip()) for raw in f) if re.fullmatch(r'[A-Za-z]+', w))
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
                    if kind == 'words' and variant == 'english':
                        everyone.add(key)
                    elif kind == 'words' and variant == 'british':
                        self.british_only.add(key)
                    if target is self.level:
                        if kind == 'abbreviations':
                            self.abbrev.add(key)
                        else:
                            listed_as_word.add(key)
                        if word.islower():
                            self.lower.add(key)
        self.abbrev -= listed_as_word
        self.british_only -= everyone

    def of(self, key):
        """Level of a spelling: English/British first, then a less-preferred variant, else ABSENT."""
        return self.level.get(key, ABSENT)

    def is_common(self, key):
        """Whether a solver knows the spelling: a standard British spelling at SCOWL size 50 or commoner,
        the words of Debian's standard British word list."""
        return key in self.common

    def is_us_only(self, key):
        return key in self.us_level and key not in self.level

    def attested(self, key):
        return key in self.level or key in self.us_level or key in self.variant_level

    def british(self, word):
        """The British spelling of an American-only spelling ('color' -> 'colour', 'maneuver' ->
        'manoeuvre'): the commonest British spelling reached by one or two of the usual changes; else
        the word."""
        if not self.is_us_only(word.upper()):
            return word
        if word not in self._british:
            self._british[word] = self._respell(word)
        return self._british[word]

    def _respell(self, word):
        found = [(self.level[c.upper()], c) for c in sorted(_respellings(word.lower(), 2))
                 if c.upper() in self.level and not self.is_us_only(c.upper())]
        if not found:
            return word
        best = min(found)[1]
        if word.isupper():
            return best.upper()
        return best.capitalize() if word[:1].isupper() else best


_CHANGES = (('or', 'our'), ('iz', 'is'), ('yz', 'ys'), ('og', 'ogue'), ('ense', 'ence'), ('e', 'ae'),
            ('e', 'oe'), ('ow', 'ough'), ('old', 'ould'), ('ay', 'ey'))
_ENDINGS = (('er', 're'), ('ers', 'res'), ('ered', 'red'), ('led', 'lled'), ('ling', 'lling'), ('ler', 'ller'),
            ('lers', 'llers'))


def _respellings(w, depth):
    """Spellings of w after up to depth of the usual American-to-British changes."""
    out = set()
    for i in range(len(w)):
        for old, new in _CHANGES:
            if w.startswith(old, i):
                out.add(w[:i] + new + w[i + len(old):])
    for end, new in _ENDINGS:
        if w.endswith(end):
            out.add(w[:len(w) - len(end)] + new)
    if depth > 1:
        for c in sorted(out):
            out |= _respellings(c, depth - 1)
    return out
