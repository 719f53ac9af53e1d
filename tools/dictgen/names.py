# Which names a solver knows: well-known places, people, works and events, decided from WordNet's links,
# SemCor's counts and SCOWL's lists, plus the team's list of household names.
"""A capitalised meaning (a named place, person, work or event, or a capitalised class such as a
nationality or a language) enters the dictionary only when its words are spellings a solver knows
(SCOWL size 50) and it is well known. The evidence, in order:

  class    a named member of a class every solver knows the members of: countries, national capitals,
           US states, continents, oceans and seas, planets, Roman emperors, the apostles and prophets,
           the books of the Bible
  story    a figure of myth, legend or the Bible (WordNet's gloss or topic says so)
  corpus   SemCor tags the meaning (cntlist.rev): the name turns up in ordinary texts
  derived  WordNet derives other words from it (SHAKESPEAREAN, NEWTONIAN, DARWINISM)
  linked   a one-word place or landmark at least three other meanings point to other than as a kind or
           a topic (the parts of a region or a country)
  cited    a one-word name that other meanings' glosses name, two of them (three for a person), by a
           full name ('Charles Darwin') or by a name only it bears
  curated  the team's list of household names (curated/names.txt)

A capitalised one-word class that is not a single named thing (a nationality, a language) also counts
as known when it has kinds of its own or named members ('kinds'). A named thing goes by its main name
(WordNet's first), a person also by the first full name WordNet lists; another name only when SemCor
tags it.
"""
import re

from wordnet import sid

# Classes whose named members are all well known, as (lemma, words of its gloss).
_KNOWN_CLASSES = (
    ('country', 'territory occupied by a nation'), ('country', 'politically organized body'),
    ('national_capital', ''), ('American_state', ''), ('continent', 'large landmasses'),
    ('ocean', 'principal part of the hydrosphere'), ('sea', 'division of an ocean'),
    ('planet', 'nine large celestial bodies'), ('Roman_Emperor', ''), ('apostle', 'original 12 disciples'),
    ('prophet', 'divine inspiration'), ('book', 'major division of a long written composition'))
_STORY = re.compile(r'^\((?:[A-Z][a-z]+ )?(?:mythology|legend|folklore|Old Testament|New Testament|Bible|'
                    r'Christianity|Judaism|Islam|Koran|Hinduism|Arthurian legend)\)|\b(?:mythology|legend|'
                    r'Old Testament|New Testament|Bible|biblical)\b')
_STORY_TOPICS = ('mythology', 'Greek_mythology', 'Roman_mythology', 'Norse_mythology', 'Old_Testament',
                 'New_Testament', 'Bible', 'Christian_Bible', 'Arthurian_legend', 'folklore')
_NOT_LINKS = {'@', '@i', '~', '~i', ';c', ';r', ';u', '-c', '-r', '-u', '+', '\\'}


class Names:
    def __init__(self, wn, scowl, curated_names):
        self.wn, self.scowl = wn, scowl
        self.curated = curated_names     # KEYs of the team's household names
        self.class_members = set()
        for lemma, hint in _KNOWN_CLASSES:
            roots = [s.id for s in wn.senses(lemma, 'n') if hint in s.gloss]
            if not roots:
                raise ValueError('names.py: no meaning of %s has %r in its gloss' % (lemma, hint))
            self.class_members |= wn.instances_of(roots)
        topics = {s.id for t in _STORY_TOPICS for s in wn.senses(t, 'n')}
        self.story = set()
        self.links = {}
        self.derived = set()
        for s in wn.synsets.values():
            if any(sym in (';c', ';r', ';u') and t in topics for sym, t, _, _ in s.pointers):
                self.story.add(s.id)
            for sym, t, _, _ in s.pointers:
                if sym in ('+', '\\'):
                    self.derived.add(t)       # derived from (or pertaining to) the target
                elif sym not in _NOT_LINKS and t != s.id:
                    self.links[t] = self.links.get(t, 0) + 1
        self.cited = self._citations()

    def _citations(self):
        """Named meaning id -> how many other glosses name it: by a full name of two or more words,
        or by a one-word name no other named meaning bears and no common word is written as."""
        wn = self.wn
        owners = {}
        for s in wn.synsets.values():
            if not s.targets('@i'):
                continue
            for lemma in s.lemmas:
                if lemma[:1].isupper():
                    owners.setdefault(tuple(lemma.split('_')), set()).add(s.id)
        names = {}
        for name, ids in owners.items():
            if len(name) > 1 or len(ids) == 1 and name[0].upper() not in self.scowl.lower and len(name[0]) >= 4:
                names[name] = ids
        longest = max(len(n) for n in names)
        cited = {}
        for s in wn.synsets.values():
            words = re.findall(r"[A-Za-z][A-Za-z.'-]*", s.gloss)
            found = set()
            for i, w in enumerate(words):
                if not w[:1].isupper():
                    continue
                for n in range(1, longest + 1):
                    ids = names.get(tuple(words[i:i + n]))
                    if ids:
                        found |= ids
            for t in found - {s.id}:
                cited[t] = cited.get(t, 0) + 1
        return cited

    def evidence(self, synset, lemma, key):
        """Why a capitalised meaning is well known ('class', 'story', ...), or None. lemma is the
        word as the meaning writes it, key its dictionary text; its words must be spellings a solver
        knows (the caller checks). A person's name of several words is only the shortest one the
        meaning lists ('James Thurber', not 'James Grover Thurber')."""
        if key in self.curated:
            return 'curated'
        s = synset
        if s.targets('@i') and lemma != s.lemmas[0] and self.wn.sense_count.get((lemma.lower(), s.id), 0) == 0:
            # another name of a named thing: only a person's full name (the first the meaning lists)
            # or a name SemCor tags ('Britain'), not former names or formal titles ('Siam', 'Kingdom of Norway')
            full = [l for l in s.lemmas if '_' in l and l[:1].isupper()]
            if not (s.lexname == 'noun.person' and full and lemma == full[0]):
                return None
        if s.id in self.class_members:
            return 'class'
        named = bool(s.targets('@i'))
        if (s.id in self.story or _STORY.search(s.gloss)):
            return 'story'
        if s.tagcount > 0:
            return 'corpus'
        if s.id in self.derived:
            return 'derived'
        if len(re.split('[ _-]', lemma)) > 1:
            return None       # a name of several words needs stronger evidence than links or citations
        if self.links.get(s.id, 0) >= 3 and s.lexname in ('noun.location', 'noun.object'):
            return 'linked'
        if self.cited.get(s.id, 0) >= (3 if s.lexname == 'noun.person' else 2):
            return 'cited'
        if not named and s.targets('~', '~i'):
            return 'kinds'
        return None
