# Which names a solver knows: well-known places, people, works and events, decided from WordNet's classes,
# topics and derived words, SemCor's counts and SCOWL's lists, plus the team's list of household names.
"""A capitalised meaning (a named place, person, work or event, or a capitalised class such as a
nationality or a language) enters the dictionary only when its words are spellings a solver knows
(SCOWL size 50) and it is well known. The evidence, in order:

  class    a named member of a class every solver knows the members of: countries, national capitals,
           US states, continents, oceans and seas, planets, Roman emperors, the apostles and prophets,
           the books of the Bible
  story    a figure of myth, legend or the Bible (WordNet's gloss or topic says so)
  corpus   SemCor tags the meaning (cntlist.rev): the name turns up in ordinary texts
  derived  WordNet derives other words from it (SHAKESPEAREAN, NEWTONIAN, DARWINISM)
  curated  the team's list of household names (curated/names.txt)

A capitalised class that is not a single named thing (a nationality, a faith, a language) is known only
by 'story', 'corpus' or 'curated'. A named thing goes by its main name (WordNet's first), a person also by the first full
name WordNet lists; another name only when SemCor tags it.
"""
import re

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


class Names:
    def __init__(self, wn, curated_names):
        self.wn = wn
        self.curated = curated_names     # KEYs of the team's household names
        self.class_members = set()
        for lemma, hint in _KNOWN_CLASSES:
            roots = [s.id for s in wn.senses(lemma, 'n') if hint in s.gloss]
            if not roots:
                raise ValueError('names.py: no meaning of %s has %r in its gloss' % (lemma, hint))
            self.class_members |= wn.instances_of(roots)
        topics = {s.id for t in _STORY_TOPICS for s in wn.senses(t, 'n')}
        self.story = set()
        self.derived = set()
        for s in wn.synsets.values():
            if any(sym in (';c', ';r', ';u') and t in topics for sym, t, _, _ in s.pointers):
                self.story.add(s.id)
            for sym, t, _, _ in s.pointers:
                if sym in ('+', '\\'):
                    self.derived.add(t)       # derived from (or pertaining to) the target

    def evidence(self, synset, lemma, key):
        """Why a capitalised meaning is well known ('class', 'story', ...), or None. lemma is the
        word as the meaning writes it, key its dictionary text; its words must be spellings a solver
        knows (the caller checks). A named thing goes by its first name in WordNet, a person also by
        the first full name ('George Orwell', not 'Eric Blair'), and by any other name SemCor tags."""
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
        if s.id in self.story or _STORY.search(s.gloss):
            return 'story'
        if s.tagcount > 0:
            return 'corpus'
        if not named:
            return None       # a capitalised class (a nationality, a faith) needs SemCor's tags
        if s.id in self.derived:
            return 'derived'
        return None
