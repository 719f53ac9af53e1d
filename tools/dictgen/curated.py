# Loads the team's curated lists in tools/dictgen/curated/ and checks their format.
"""Curated lists (UTF-8 text; '#' starts a comment line; fields separated by TABs):

blocklist.txt   one word or phrase per line: never in the dictionary, nor any phrase with it as a part;
                a word ending in '*' blocks every word that begins with it
whitelist.tsv   WORD, words of the gloss: an innocent word kept although WordNet marks one of its meanings
                as offensive or indelicate; only the meanings whose gloss holds those words are used
clues.tsv       WORD, word type (other, noun, proper, abbrev), clue: team-written clues for common words
                WordNet has no entry for or cannot clue without giving the answer away; the team's
                clue replaces WordNet's
additions.tsv   Display text, category, clue: team-written entries for thin categories (an entry
                replaces a WordNet word of the same letters)
assign.tsv      Display text, category, words of the gloss: puts the WordNet meaning whose gloss holds
                those words (it then supplies the clue) into the category
initials.tsv    WORD, clue: the only initialisms and abbreviations in the dictionary, household ones a
                quick crossword uses (BBC, NATO, UFO), each with the team's clue
names.txt       one name a line: household names kept although WordNet's links and SemCor's counts are
                too thin to show that they are well known (PERTH, TELEMANN)
phrases.txt     one phrase a line: common expressions kept although SemCor never tags them (ICE CREAM)
"""
import os
import re

from categories import BIT

HERE = os.path.dirname(os.path.abspath(__file__))
CURATED_DIR = os.path.join(HERE, 'curated')
WORD_TYPES = ('other', 'noun', 'proper', 'abbrev')   # bit 0..3 of a word's type
FILES = ('blocklist.txt', 'whitelist.tsv', 'clues.tsv', 'additions.tsv', 'assign.tsv', 'initials.tsv', 'names.txt',
         'phrases.txt')


class CuratedError(Exception):
    pass


def _lines(name, fields):
    path = os.path.join(CURATED_DIR, name)
    with open(path, encoding='utf-8') as f:
        for n, line in enumerate(f, start=1):
            line = line.rstrip('\n')
            if not line.strip() or line.startswith('#'):
                continue
            parts = line.split('\t')
            if len(parts) != fields or not all(p.strip() for p in parts):
                raise CuratedError('%s:%d: expected %d TAB-separated fields: %r' % (name, n, fields, line))
            yield n, [p.strip() for p in parts]


_NOT_LETTER = re.compile('[^A-Za-z]')


def key_of(display):
    """The letters of a word or phrase in upper case: its dictionary text."""
    return _NOT_LETTER.sub('', display).upper()


def _display(name, n, text):
    if not re.fullmatch(r"[A-Za-z]+(?:[ -][A-Za-z]+){0,4}", text) or not 3 <= len(key_of(text)) <= 20:
        raise CuratedError('%s:%d: not a word or phrase of 3..20 letters in at most five parts: %r' % (name, n, text))
    return text


def _category(name, n, text):
    if text not in BIT:
        raise CuratedError('%s:%d: unknown category %r' % (name, n, text))
    return BIT[text]


class Curated:
    def __init__(self):
        listed = [w[0] for _, w in _lines('blocklist.txt', 1)]
        self.blocked = {key_of(w) for w in listed if not w.endswith('*')}
        self.blocked_stems = tuple(sorted(key_of(w) for w in listed if w.endswith('*')))
        self.allowed = {key_of(w): hint.lower() for _, (w, hint) in _lines('whitelist.tsv', 2)}   # KEY -> gloss words
        self.clues = {}        # KEY -> (display, word type name, clue)
        for n, (word, kind, clue) in _lines('clues.tsv', 3):
            if kind not in WORD_TYPES:
                raise CuratedError('clues.tsv:%d: word type %r is not one of %s' % (n, kind, ', '.join(WORD_TYPES)))
            self.clues[key_of(_display('clues.tsv', n, word))] = (word, kind, clue)
        self.additions = []    # (display, category bit, clue)
        for n, (word, cat, clue) in _lines('additions.tsv', 3):
            self.additions.append((_display('additions.tsv', n, word), _category('additions.tsv', n, cat), clue))
        self.assign = []       # (display, category bit, gloss words, line number)
        for n, (word, cat, hint) in _lines('assign.tsv', 3):
            self.assign.append((_display('assign.tsv', n, word), _category('assign.tsv', n, cat), hint, n))
        for n, (word, clue) in _lines('initials.tsv', 2):
            if not re.fullmatch('[A-Z]+', word):
                raise CuratedError('initials.tsv:%d: initials are written in capitals: %r' % (n, word))
            key = key_of(_display('initials.tsv', n, word))
            if key in self.clues:
                raise CuratedError('initials.tsv:%d: %s has a clue in clues.tsv too' % (n, word))
            self.clues[key] = (word, 'abbrev', clue)
        self.names = {key_of(_display('names.txt', n, w)) for n, (w,) in _lines('names.txt', 1)}
        self.phrases = set()
        for n, (w,) in _lines('phrases.txt', 1):
            if not re.search('[ -]', _display('phrases.txt', n, w)):
                raise CuratedError('phrases.txt:%d: not a phrase: %r' % (n, w))
            self.phrases.add(key_of(w))
