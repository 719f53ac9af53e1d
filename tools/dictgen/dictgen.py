# Builds the built-in English dictionary (words.tsv, CLUESRES, CATEGRES, report.json) from WordNet and SCOWL.
"""Dictionary generator.

    python3 tools/dictgen/dictgen.py --out DIR

Reads the Debian packages wordnet-base (/usr/share/wordnet) and scowl (/usr/share/dict/scowl) and the
team's curated lists beside this script, and writes into DIR:

  words.tsv   TEXT, Rarity, WordType, WordBreaks, CategPattern, ClueIndex (TAB-separated, one word a line)
  CLUESRES    the clue lines, Windows-1252, CR LF after every line, line 0 empty
  CATEGRES    41 little-endian int64 values, entry k = 2**k
  report.json the figures of the run

The output is the same byte for byte on every run: every walk over a set is sorted, the sample uses a
fixed seed, and the script re-runs itself with a fixed string-hash seed in case one is not.
"""
import argparse
import json
import math
import os
import random
import re
import struct
import sys
import time

if os.environ.get('PYTHONHASHSEED') != '0':
    os.environ['PYTHONHASHSEED'] = '0'
    os.execv(sys.executable, [sys.executable] + sys.argv)

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import categories                           # noqa: E402
import clues                                # noqa: E402
from curated import Curated, CuratedError, WORD_TYPES, key_of   # noqa: E402
from names import Names                     # noqa: E402
from plurals import COUNT_HEADS, Plurals    # noqa: E402
from verbs import Inflector                 # noqa: E402
from scowl import Scowl, ABSENT             # noqa: E402
from wordnet import WordNet, sid            # noqa: E402

MIN_LEN, MAX_LEN = 3, 20
MAX_PER_LENGTH = 9150          # the program's dictionary holds at most this many words of one length
MAX_CLUE_LINES = 65535         # ClueIndex is 16-bit; line 0 is the empty line
MAX_PARTS = 5                  # a word-break code has room for five groups
RARITY_BANDS = 20
USE = 3                        # the first USE fields of a sense's preference say how much it is used
# Clue qualities (see clue_for) that count alike when meanings are ranked: any definition or synonyms of a
# meaning beat the meanings ranked below it; a derived word, an opposite or a wider class only stand in.
QUALITY_CLASS = (0, 0, 0, 1, 1, 2, 2)

# Kinds of meaning that are things one can count, whatever their definition says.
COUNT_LEXNAMES = {'noun.artifact', 'noun.person', 'noun.animal', 'noun.plant', 'noun.object', 'noun.body',
                  'noun.location', 'noun.shape'}

# WordType bits
OTHER, NOUN, PROPER, ABBREV = 1, 2, 4, 8

OFFENSIVE_DOMAINS = {sid('n', 7124340), sid('n', 6718862), sid('n', 6717170)}  # obscenity, ethnic_slur, disparagement
ARCHAISM = sid('n', 7073447)
TAXONOMIC_GROUP = sid('n', 7992450)
# Definitions of offensive terms, and definitions of indelicate matters (kept only for whitelisted words).
OFFENSIVE_GLOSS = re.compile(
    r'\((?:vulgar|obscene|offensive|ethnic slur)\b[^)]*\)|'
    r'\b(?:offensive|obscene|vulgar|derogatory|disparaging|contemptuous)\s+(?:slang\s+)?(?:term|name|word|expression|slang)\b|'
    r'\bethnic slur\b|^(?:obscene|vulgar)\b', re.I)
INDELICATE_GLOSS = re.compile(
    r'\bsex(?:ual)? (?:pleasure|gratification|intercourse|relations|favou?r|partner|desire|appeal|arousal|'
    r'excitement|activity|act|behaviou?r|practice|love|relationship|impropriety|allure|attraction|union|'
    r'stimulation|organs?)|\bsexually (?:arous|attract|excit|active|explicit|promiscuous|transmitted)|'
    r'\b(?:fulfill?|stimulate|assaults? others|mated) sexually|\barouse sexual|\bsexy|\bsadis|\bmasochis|'
    r'\bfetish|\bperversion|\blecher|\blust(?:ful|y)?\b|\bseduc|\baphrodis|\bvoyeur|\bporn|'
    r'\berotic|\bcoitus|\bcopulat|\borgasm|\bgenitals?\b|\bgenitalia|\bmasturbat|\bfellatio|\bcunnilingus|'
    r'\bprostitut|\bwhores?\b|\bbrothel|\bexcrement|\bfa?eces\b|\bdefecat|\bpenis\b|\bvagina\b|'
    r'\bclitoris|\bvulva|\bscrotum|\btesticles?\b', re.I)
SLANG_DOMAINS = {sid('n', 7157273), sid('n', 7075172)}     # slang, colloquialism
SLANG_GLOSS = re.compile(r'\bstreet names?\b|\bslang\b|\binformal (?:terms?|names?)\b', re.I)
ARCHAIC_GLOSS = re.compile(r'\b(?:archaic|obsolete|archaism)\b', re.I)
TAXON_GLOSS = re.compile(r'^(?:a |any )?(?:small |large |widely distributed )?(?:genus|family|order|class|suborder|'
                         r'subfamily|phylum|subphylum|subclass|superfamily|superorder|division|subdivision|tribe|'
                         r'subgenus|kingdom|subkingdom) of ', re.I)
SEPARATOR = re.compile('[ -]')
PHRASE = re.compile(r'[A-Za-z]+(?:[ -][A-Za-z]+)*')

# Score of a spelling by its SCOWL level: commoner lists score higher.
LEVEL_SCORE = {10: 100, 20: 92, 35: 84, 40: 78, 50: 70, 55: 64, 60: 58, 70: 48, 80: 34, 95: 18, ABSENT: 0}


class Sense:
    """One meaning of a candidate word: a lemma of a synset."""
    __slots__ = ('synset', 'lemma', 'display', 'count', 'rank')

    def __init__(self, synset, lemma, display, count, rank):
        self.synset, self.lemma, self.display, self.count, self.rank = synset, lemma, display, count, rank


class Entry:
    """A word on its way into the dictionary."""
    __slots__ = ('key', 'senses', 'score', 'display', 'clue', 'sense', 'category', 'wordtype', 'rarity',
                 'source', 'forced', 'fixed_clue', 'ranked')

    def __init__(self, key, source):
        self.key, self.source = key, source
        self.senses = []
        self.score = 0.0
        self.display = None
        self.clue = None          # the clue text
        self.sense = None         # the Sense that supplied the clue
        self.category = 0
        self.wordtype = 0
        self.rarity = 0
        self.forced = None        # curated category assignment: (category bit, gloss words)
        self.ranked = None        # [(preference, Sense)] best first, once the senses are final
        self.fixed_clue = None    # team-written clue


def _comparison_forms(b):
    """The spellings an adjective's comparative and superlative may have by rule (the caller keeps the
    ones SCOWL knows): DEEPER, NICER, HAPPIER, BIGGER."""
    if b.endswith('e'):
        return [b + 'r', b + 'st']
    if re.search(r'[^aeiou]y$', b):
        return [b[:-1] + 'ier', b[:-1] + 'iest']
    out = [b + 'er', b + 'est']
    if re.search(r'[^aeiou][aeiou][bdgmnpt]$', b):
        out += [b + b[-1] + 'er', b + b[-1] + 'est']
    return out


def word_breaks(display):
    """The packed enumeration of a display text: a single word is its length; a phrase packs each part
    as 5 bits of letter count and a separator bit (1 = followed by a hyphen), lowest group first."""
    parts = re.split(r'([ -])', display)
    if len(parts) == 1:
        return len(display)
    code = 0
    for g, i in enumerate(range(0, len(parts), 2)):
        hyphen = i + 1 < len(parts) and parts[i + 1] == '-'
        code |= (len(parts[i]) | (32 if hyphen else 0)) << (6 * g)
    return code


class Generator:
    def __init__(self):
        self.t0 = time.time()
        self.wn = WordNet()
        self.scowl = Scowl()
        self.curated = Curated()
        self.names = Names(self.wn, self.curated.names)
        self.assigned = {key_of(display) for display, _, _, _ in self.curated.assign}
        self.phrase_tags = {}     # lower-case WordNet lemma -> SemCor tags over all its meanings
        for (lemma, _), count in sorted(self.wn.sense_count.items()):
            self.phrase_tags[lemma] = self.phrase_tags.get(lemma, 0) + count
        self.stats = {'dropped': {}}
        self.dropped = []   # (KEY, reason) of every candidate left out
        self.british_cache = {}
        self.clue_cache = {}
        self.touchy = set()  # words with an offensive meaning: no plural is made of them
        self.irregular = {}
        for (pos, form), bases in sorted(self.wn.exceptions.items()):
            for b in bases:
                f, b = key_of(form), key_of(b)
                self.irregular.setdefault(b, set()).add(f)
                self.irregular.setdefault(f, set()).add(b)

    def drop(self, reason, key):
        self.stats['dropped'][reason] = self.stats['dropped'].get(reason, 0) + 1
        self.dropped.append((key, reason))

    # -------------------------------------------------------------- meanings to leave out or play down

    def mark_synsets(self):
        wn = self.wn
        self.offensive = {}       # synset id -> set of lemma positions (0 = the whole synset)
        self.archaic = set()
        self.indelicate = set()
        self.slangy = set()       # meanings marked as slang or colloquial: a plain meaning comes first
        for s in wn.synsets.values():
            for sym, target, src, _ in s.pointers:
                if sym == ';u' and target in OFFENSIVE_DOMAINS:
                    self.offensive.setdefault(s.id, set()).add(src)
                if sym == ';u' and target == ARCHAISM:
                    self.archaic.add(s.id)
                if sym == ';u' and target in SLANG_DOMAINS:
                    self.slangy.add(s.id)
            if OFFENSIVE_GLOSS.search(s.definition()):
                self.offensive.setdefault(s.id, set()).add(0)
            if ARCHAIC_GLOSS.search(s.definition()):
                self.archaic.add(s.id)
            if SLANG_GLOSS.search(s.definition()):
                self.slangy.add(s.id)
            if INDELICATE_GLOSS.search(s.definition()):
                self.indelicate.add(s.id)
        self.taxa = wn.closure([TAXONOMIC_GROUP], ('~', '~i'))
        for s in wn.synsets.values():
            if s.lexname in ('noun.animal', 'noun.plant', 'noun.group') and TAXON_GLOSS.match(s.gloss):
                self.taxa.add(s.id)
        self.genus_names = set()
        for t in self.taxa:
            for lemma in wn.synsets[t].lemmas:
                words = lemma.lower().split('_')
                if len(words) == 1 or len(words) == 2 and words[0] in ('genus', 'family', 'order', 'class'):
                    self.genus_names.add(words[-1])

    def is_offensive(self, synset, lemma_pos):
        marks = self.offensive.get(synset, ())
        return 0 in marks or lemma_pos + 1 in marks

    def is_latin(self, sense):
        """A scientific name given as a synonym of an organism ('Canis familiaris')."""
        parts = re.split('[ -]', sense.display)
        return (len(parts) >= 2 and sense.synset.lexname in ('noun.animal', 'noun.plant')
                and parts[0][:1].isupper() and parts[0].lower() in self.genus_names)

    def is_blocked(self, display):
        parts = [key_of(p) for p in SEPARATOR.split(display)] + [key_of(display)]
        return any(p not in self.curated.allowed and (p in self.curated.blocked or p.startswith(self.curated.blocked_stems))
                   for p in parts)

    # -------------------------------------------------------------- candidates

    def collect(self):
        wn, sc = self.wn, self.scowl
        found = {}
        for synset_id in sorted(wn.synsets):
            s = wn.synsets[synset_id]
            for i, lemma in enumerate(s.lemmas):
                display = lemma.replace('_', ' ')
                if not PHRASE.fullmatch(display):
                    continue
                key = key_of(display)
                if not MIN_LEN <= len(key) <= MAX_LEN or len(re.split('[ -]', display)) > MAX_PARTS:
                    continue
                senses = wn.index.get((lemma.lower(), s.pos), [])
                rank = senses.index(synset_id) if synset_id in senses else 99
                count = wn.sense_count.get((lemma.lower(), synset_id), 0)
                e = found.get(key)
                if e is None:
                    e = found[key] = Entry(key, 'wordnet')
                e.senses.append(Sense(s, i, display, count, rank))
        self.stats['wordnet_candidates'] = len(found)
        errors = ['names.txt: %s is not a name in WordNet' % k for k in sorted(self.curated.names)
                  if not any(x.display[:1].isupper() for x in found.get(k, Entry(k, '')).senses)]
        errors += ['phrases.txt: %s is not a phrase in WordNet' % k for k in sorted(self.curated.phrases)
                   if not any(SEPARATOR.search(x.display) for x in found.get(k, Entry(k, '')).senses)]
        if errors:
            raise CuratedError('\n'.join(errors))
        entries = {}
        for key, e in found.items():
            if any(self.is_blocked(d) for d in sorted({x.display for x in e.senses})):
                self.drop('curated blocklist', key)
                continue
            kept = [x for x in e.senses if x.synset.id not in self.taxa and not self.is_latin(x)]
            if not kept:
                self.drop('taxonomic name', key)
                continue
            e.senses = kept
            offensive = [self.is_offensive(x.synset.id, x.lemma) for x in kept]
            if any(offensive):
                self.touchy.add(key)
            if key in self.curated.allowed:
                hint = self.curated.allowed[key]
                kept = [x for x in kept if hint in x.synset.gloss.lower()]
                if not kept:
                    raise CuratedError('whitelist.tsv: no meaning of %s has %r in its gloss' % (key, hint))
            else:
                main = min(kept, key=self.sense_preference(e)) if any(offensive) else None
                if main is not None and self.is_offensive(main.synset.id, main.lemma):
                    self.drop('main meaning offensive (WordNet usage marker or gloss)', key)
                    continue
                kept = [x for x, off in zip(kept, offensive) if not off and x.synset.id not in self.indelicate]
            if not kept:
                self.drop('offensive or indelicate meanings only', key)
                continue
            e.senses = kept
            # a word the team put into a category (assign.tsv) is one of the curated additions
            verdicts = [(None if key in self.assigned else self.unknown_reason(x), x) for x in kept]
            kept = [x for why, x in verdicts if why is None]
            if not kept:
                self.drop(min(why for why, _ in verdicts)[1], key)
                continue
            e.senses = kept
            if sc.is_us_only(key) and self.has_british_synonym(e):
                self.drop('American spelling of a British word', key)
                continue
            entries[key] = e
        self.entries = entries

    # Why a meaning is left out, as (priority, reason): the reason with the lowest priority among a
    # word's meanings is the one reported.
    INITIALS = (0, 'initials or abbreviation (not on the curated list)')
    SPELLING = (1, 'not a standard British spelling at SCOWL size 50')
    NAME = (2, 'name not well known')
    PHRASE = (3, 'phrase not attested (no SemCor tag, not on the curated list)')

    def is_abbreviation(self, x):
        """A shortened form: SCOWL lists it only as an abbreviation, or it is a short mixed-case unit (kHz),
        or a capitalised word that begins another name of its meaning (Apr of April, Tues of Tuesday,
        Mrs of Mrs.)."""
        lemma = x.synset.lemmas[x.lemma]
        if key_of(x.display) in self.scowl.abbrev or len(lemma) <= 4 and any(c.isupper() for c in lemma[1:]):
            return True
        return lemma[:1].isupper() and any(o != lemma and '_' not in o and o.lower().startswith(lemma.lower().rstrip('.'))
                                           for o in x.synset.lemmas)

    def unknown_reason(self, x):
        """None when a solver knows this meaning's word: a single word is a standard British spelling
        at SCOWL size 50 or commoner; a phrase's words (of three or more letters) are too, and the
        phrase itself is attested (SemCor tags it, or it is on the curated list of common expressions)
        unless it names something well known; a name (a capitalised meaning) must be well known;
        initials come only from the curated list."""
        if self.type_bit(x) == ABBREV or self.is_abbreviation(x):
            return self.INITIALS
        parts = [key_of(p) for p in SEPARATOR.split(x.display)]
        words = [p for p in parts if len(p) >= 3] or [key_of(x.display)]
        if not all(self.scowl.is_common(p) for p in words):
            return self.SPELLING
        capital = x.display[:1].isupper()
        named = bool(x.synset.targets('@i'))
        if len(parts) > 1 and not (named and capital):
            lemma = x.synset.lemmas[x.lemma].lower()
            if not self.phrase_tags.get(lemma) and key_of(x.display) not in self.curated.phrases:
                return self.PHRASE
            return None
        if capital and not self.names.evidence(x.synset, x.synset.lemmas[x.lemma], key_of(x.display)):
            return self.NAME
        return None

    def has_british_synonym(self, e):
        for x in e.senses:
            for lemma in x.synset.lemmas:
                k = key_of(lemma.replace('_', ' '))
                if k != e.key and not self.scowl.is_us_only(k) and k in self.scowl.level:
                    return True
        return False

    # -------------------------------------------------------------- team-written entries

    def add_curated(self):
        cur = self.curated
        for key, (display, kind, clue) in sorted(cur.clues.items()):
            if kind != 'abbrev' and not self.scowl.attested(key):
                raise CuratedError('clues.tsv: %s is not a SCOWL spelling' % display)
            if kind == 'abbrev' and key in self.entries:
                raise CuratedError('initials.tsv: %s would replace the word %s' % (display, self.entries[key].senses[0].display))
            e = Entry(key, 'curated clue')
            e.display, e.fixed_clue = display, clue
            if key in self.entries:
                e.senses = self.entries[key].senses   # WordNet's meanings still place it in a category
            e.wordtype = 1 << WORD_TYPES.index(kind)
            self.entries[key] = e
        for display, bit, clue in cur.additions:
            key = key_of(display)
            e = Entry(key, 'curated addition')
            e.display, e.fixed_clue, e.category = display, clue, bit
            e.wordtype = PROPER if display[0].isupper() else NOUN
            e.forced = (bit, None)
            self.entries[key] = e
        errors = []
        for key in sorted(self.entries):
            e = self.entries[key]
            if e.fixed_clue:
                parts = [key_of(p) for p in re.split('[ -]', e.display)] if re.search('[ -]', e.display) else []
                check = clues.GiveAway(key, parts, lambda w: self.irregular.get(w, ()))
                if check.first(e.fixed_clue) is not None or not e.fixed_clue[:1].isupper():
                    errors.append('%s: the clue of %s gives it away or lacks a capital: %r'
                                  % (e.source, e.display, e.fixed_clue))
        for display, bit, hint, line in cur.assign:
            e = self.entries.get(key_of(display))
            if e is None or not e.senses:
                errors.append('assign.tsv:%d: %s is not a WordNet entry of the dictionary' % (line, display))
            elif not any(hint.lower() in x.synset.gloss.lower() for x in e.senses):
                errors.append('assign.tsv:%d: no meaning of %s has %r in its gloss' % (line, display, hint))
            else:
                e.forced = (bit, hint.lower())
        if errors:
            raise CuratedError('\n'.join(errors))

    def add_plurals(self):
        """Plurals of common nouns and attested noun phrases whose main use is a noun (CAR PARKS), each
        with its singular's definition made plural (see plurals.py) or else with its singular's
        synonyms made plural ('Matadors, toreros'), meaning by meaning in order of preference."""
        maker = Plurals(self.wn, self.scowl)
        irregular = lambda w: self.irregular.get(w, ())
        added = {}
        for key in sorted(self.entries):
            e = self.entries[key]
            if e.source != 'wordnet' or key in self.touchy:
                continue
            ranked = self.ranked_senses(e)
            x = ranked[0][1]
            words = SEPARATOR.split(x.display)
            if x.synset.pos != 'n' or not all(w.isalpha() and w.islower() for w in words) or \
                    any(w in ('of', 'and', 'or', 'a', 'an', 'the', 'in', 'on', 'to', 'for', 'at') for w in words):
                continue          # the main use is a noun, a common word or a compound (not BROTH OF A BOY)
            last = maker.plural(words[-1])
            if last is None:
                continue
            plural = x.display[:len(x.display) - len(words[-1])] + last       # CAR PARKS
            pkey = key_of(plural)
            parts = [key_of(p) for p in SEPARATOR.split(plural)] if len(words) > 1 else []
            if (pkey in added or len(pkey) > MAX_LEN or not self.scowl.is_common(last.upper()) or self.is_blocked(plural)
                    or pkey in self.entries and self.clue_options(self.entries[pkey])):
                continue
            check = clues.GiveAway(pkey, parts, irregular)
            text = None
            for _, y in ranked[:4]:
                if y.synset.pos != 'n' or y.display != x.display:
                    continue
                text = self.plural_clue(e, y, maker, check)
                if text:
                    x = y
                    break
            if text is None:
                continue
            p = added[pkey] = Entry(pkey, 'plural')
            p.display, p.fixed_clue, p.wordtype = plural, text, NOUN
            p.category = self.category_of.get(x.synset.id, 0)
            p.score = (0.7 * self.level_score(pkey) if not parts else e.score) \
                + 0.2 * min(100.0, 25 * math.log10(1 + x.count)) - 3
        self.entries.update(added)

    def plural_clue(self, e, x, maker, check):
        """A plural clue from one meaning of a singular noun, or None: the definition made plural,
        else the meaning's one-word common synonyms made plural. Only a meaning defined as 'a ...' or
        naming a thing, a living being or a place is surely countable (not PEACE OF MIND, not REPOSE)."""
        countable = x.synset.lexname in COUNT_LEXNAMES
        if not countable and not re.match(r'(?:a|an) ', x.synset.definition()):
            return None
        texts = self.synset_clues(x.synset)
        if texts:
            genus = set(COUNT_HEADS)
            for h in self.wn.hypernym_chain(x.synset.id) - {x.synset.id}:
                genus.update(l.lower().split('_')[-1] for l in self.wn.synsets[h].lemmas)
            text = maker.clue(x.synset.definition(), texts[0], genus, countable)
            if text and check.first(text, strict=True) is None:
                return text
        others = []
        for i, l in enumerate(x.synset.lemmas):
            if i == x.lemma or not l.isalpha() or not l.islower() or not self.scowl.is_common(l.upper()):
                continue
            p = maker.plural(l)
            if p and self.scowl.is_common(p.upper()) and check.first(p, strict=True) is None \
                    and not clues.spelling_variants(p.upper(), check.key):
                others.append(p)
        return clues.capitalise(', '.join(others[:2])) if others else None

    def add_verb_forms(self):
        """The past tense, past participle, -ing and third-person forms of common verbs (a base and a form
        a solver knows, and attested phrasal verbs: GAVE UP), each with its verb's clue put into the same
        form (see verbs.py). A form replaces a word of the same letters that found no clue."""
        inflector = Inflector(self.wn, self.scowl)
        added = {}
        for key in sorted(self.entries):
            e = self.entries[key]
            if e.source != 'wordnet' or key in self.touchy:
                continue
            senses = [(p, x) for p, x in self.ranked_senses(e) if x.synset.pos == 'v' and x.display.islower()]
            if not senses:
                continue
            display = senses[0][1].display
            words = SEPARATOR.split(display)
            if not inflector.is_verb(words[0]):
                continue          # ROLLER SKATE is a verb, but ROLLER is not
            tags = sum(x.count for _, x in senses)
            for form, role in inflector.form_roles(words[0]):
                shown = form + display[len(words[0]):]
                fkey = key_of(shown)
                parts = [key_of(p) for p in SEPARATOR.split(shown)] if len(words) > 1 else []
                if (fkey in added or len(fkey) > MAX_LEN or not self.scowl.is_common(form.upper()) or self.is_blocked(shown)
                        or fkey in self.entries and self.clue_options(self.entries[fkey])):
                    continue
                check = clues.GiveAway(fkey, parts, lambda w: self.irregular.get(w, ()))
                text = self.verb_form_clue(e, senses, role, check, inflector)
                if text is None:
                    continue
                f = added[fkey] = Entry(fkey, 'verb form')
                f.display, f.fixed_clue, f.wordtype = shown, text, OTHER   # a verb form is no member of a category
                f.score = 0.7 * self.level_score(form.upper() if not parts else e.key) \
                    + 0.2 * min(100.0, 25 * math.log10(1 + tags)) - 3 - (15 if parts else 0)
        self.entries.update(added)

    def verb_form_clue(self, e, senses, role, check, inflector):
        """The clue of a verb form: the first of its verb's definitions or synonyms, meaning by meaning,
        that can be put into the form's role and then gives nothing away; None if there is none."""
        for _, x in senses:
            texts = list(self.synset_clues(x.synset))
            others = self.synonym_clue(e, x, check, common=True)
            if others:
                long = texts and len(texts[0].split(' ')) > clues.SHORT_WORDS
                texts = [others] + texts if long else texts + [others]
            for text in texts:
                inflected = inflector.inflect_clue(text, role)
                if inflected and len(inflected) <= clues.CLUE_SOFT and check.first(inflected, strict=True) is None:
                    return inflected
        return None

    def add_comparisons(self):
        """Comparatives and superlatives of adjectives (DEEPER, FIERCEST) that a solver knows, clued
        'More ...' or 'Most ...' with another adjective of the same meaning: a synonym, or the adjective a
        satellite meaning is similar to ('More malicious' for CATTIER)."""
        irregular = {}
        for (pos, form), bases in sorted(self.wn.exceptions.items()):
            if pos == 'a':
                for b in bases:
                    irregular.setdefault(b, []).append(form)
        added = {}
        for key in sorted(self.entries):
            e = self.entries[key]
            if e.source != 'wordnet' or key in self.touchy or not key.isalpha():
                continue
            senses = [x for _, x in self.ranked_senses(e)[:4] if x.synset.pos == 'a' and x.display.islower()
                      and x.display.isalpha()]
            if not senses:
                continue
            b = senses[0].display
            for form in sorted(set(irregular.get(b, [])) | set(_comparison_forms(b))):
                fkey = form.upper()
                if (fkey in added or len(fkey) > MAX_LEN or not self.scowl.is_common(fkey) or self.is_blocked(form)
                        or fkey in self.entries and self.clue_options(self.entries[fkey])):
                    continue
                check = clues.GiveAway(fkey, [], lambda w: self.irregular.get(w, ()))
                degree = 'Most' if form.endswith('st') else 'More'
                text = None
                for x in senses:
                    words = [l for i, l in enumerate(x.synset.lemmas) if i != x.lemma]
                    words += [l for h in x.synset.targets('&') for l in self.wn.synsets[h].lemmas]
                    words = [w for w in words if w.isalpha() and w.islower() and len(w) >= 4 and
                             self.scowl.is_common(w.upper()) and not clues.spelling_variants(w.upper(), b.upper())]
                    for w in words:
                        t = '%s %s' % (degree, w)
                        if check.first(t, strict=True) is None:
                            text = t
                            break
                    if text:
                        break
                if text:
                    f = added[fkey] = Entry(fkey, 'comparison')
                    f.display, f.fixed_clue, f.wordtype = form, text, OTHER
                    f.score = 0.7 * self.level_score(fkey) + 0.2 * min(100.0, 25 * math.log10(1 + senses[0].count)) - 3
        self.entries.update(added)

    def add_adverbs(self):
        """Adverbs in -LY that a solver knows but WordNet does not list (DEFINITIVELY), clued 'In a ...
        manner' with another adjective of their adjective's main meaning."""
        added = {}
        for key in sorted(self.scowl.common):
            if not key.endswith('LY') or key in self.entries or len(key) > MAX_LEN or not MIN_LEN <= len(key):
                continue
            w = key.lower()
            bases = [w[:-2], w[:-3] + 'y', w[:-1] + 'e', w[:-4] if w.endswith('ally') else None]
            base = next((self.entries[b.upper()] for b in bases if b and b.upper() in self.entries
                         and self.entries[b.upper()].source == 'wordnet'), None)
            if base is None or base.key in self.touchy or self.is_blocked(w):
                continue
            senses = [x for _, x in self.ranked_senses(base)[:2] if x.synset.pos == 'a' and x.display.islower()]
            if not senses:
                continue
            check = clues.GiveAway(key, [], lambda k: self.irregular.get(k, ()))
            x = senses[0]
            words = list(x.synset.lemmas) + [l for h in x.synset.targets('&') for l in self.wn.synsets[h].lemmas]
            word = next((v for v in words if v.isalpha() and v.islower() and self.scowl.is_common(v.upper())
                         and check.first(v, strict=True) is None), None)
            if word:
                a = added[key] = Entry(key, 'adverb')
                a.display, a.wordtype = w, OTHER
                a.fixed_clue = 'In %s %s manner' % ('an' if word[0] in 'aeiou' else 'a', word)
                a.score = 0.7 * self.level_score(key) + 0.2 * min(100.0, 25 * math.log10(1 + x.count)) - 5
        self.entries.update(added)

    # -------------------------------------------------------------- commonness

    def level_score(self, key):
        sc = self.scowl
        if key in sc.level:
            return LEVEL_SCORE[sc.level[key]]
        if key in sc.variant_level:
            return LEVEL_SCORE[sc.variant_level[key]] - 20
        if key in sc.us_level:
            return 0
        return 0

    def inflects_another_lemma(self, key):
        """Whether the word is also an inflection of another WordNet word (STOPS of STOP, DRIED of DRY)."""
        bases = set(self.irregular.get(key, ()))
        for suffix, repl in (('S', ''), ('ES', ''), ('IES', 'Y'), ('ED', ''), ('ED', 'E'), ('IED', 'Y'),
                             ('ING', ''), ('ING', 'E'), ('ER', ''), ('EST', '')):
            base = key[:len(key) - len(suffix)] + repl
            if key.endswith(suffix) and len(base) >= 3:
                bases.add(base)
                if len(base) > 2 and base[-1] == base[-2]:
                    bases.add(base[:-1])       # STOPPED, STOPPING
        return any((b.lower(), pos) in self.wn.index for b in bases if b != key for pos in 'nvar')

    def score(self, e):
        if e.source == 'curated clue' and e.wordtype == ABBREV:
            return 0.7 * LEVEL_SCORE[20] + 5    # the household initialisms: as common as SCOWL's commonest words
        displays = sorted({x.display for x in e.senses}) or [e.display]
        solid = [d for d in displays if not re.search('[ -]', d) and self.scowl.attested(e.key)]
        tag = sum(x.count for x in e.senses)
        tag_score = min(100.0, 25 * math.log10(1 + tag))
        spread = 1.5 * math.log2(1 + len(e.senses))
        if solid or len(displays) == 1 and not re.search('[ -]', displays[0]):
            level = self.level_score(e.key)
            if tag < 5 and self.inflects_another_lemma(e.key):
                level = min(level, LEVEL_SCORE[60])   # SCOWL ranks STOPS as the verb form, not the card game
            if all(x.display[:1].isupper() for x in e.senses):
                level = min(level, LEVEL_SCORE[60])   # a name's level counts every bearer of the name
            s = 0.7 * level + 0.2 * tag_score + spread
        else:
            parts = [p.upper() for p in re.split('[ -]', displays[0]) if len(p) >= 3] or [e.key]
            levels = [self.level_score(p) for p in parts]
            # a phrase is far rarer than its parts: only SemCor tags of the phrase itself lift it
            s = 0.45 * min(levels) + 0.15 * sum(levels) / len(levels) + 0.4 * tag_score + spread - 15 \
                - 5 * max(0, len(parts) - 2)
        if e.senses and all(x.synset.id in self.archaic for x in e.senses):
            s -= 15
        if self.scowl.is_us_only(e.key):
            s = min(s, 1.0)          # American-only spelling with no British twin: rarest band
        if e.source == 'curated clue':
            s += 5                   # function words: the commonest words of all
        return s

    # -------------------------------------------------------------- clues

    def giveaway(self, e):
        """The give-away finder of one answer (see clues.GiveAway); the parts of every way of writing
        it count ('sick bag' as well as 'sickbag')."""
        parts = sorted({key_of(p) for x in e.senses for p in re.split('[ -]', x.display) if re.search('[ -]', x.display)})
        return clues.GiveAway(e.key, parts, lambda w: self.irregular.get(w, ()))

    def synset_clues(self, s):
        cache = self.clue_cache.get(s.id)
        if cache is None:
            d = s.definition()
            texts = []
            t = clues.definition_clue(d, drop_article=s.pos == 'n', respell=self.scowl.british)
            if t:
                texts.append(t)
            cache = self.clue_cache[s.id] = texts
        return cache

    def clue_for(self, e, sense, check):
        """The best clue for a word from one of its meanings that gives nothing away, with its quality
        (lower is better), or (None, None):
          0  the definition
          1  the definition cut short before a give-away
          2  the meaning's other words ('Vie, contend' for COMPETE)
          3, 4  the definition, whole or cut, with a derived word of the answer in it
          5  the opposite ('Opposite of lesser' for GREATER)
          6  the name of the wider class ('Farm' for DAIRY)
        check is the word's give-away finder."""
        s = sense.synset
        cut = None
        for text in self.synset_clues(s):
            at = check.first(text, strict=True)
            if at is None:
                if len(text.split(' ')) > clues.SHORT_WORDS:
                    # a long definition: a short list of common synonyms reads better ('Unutterable')
                    others = self.synonym_clue(e, sense, check, common=True)
                    if others and len(others.split(' ')) < len(text.split(' ')):
                        return others, 0
                return text, 0
            shorter = clues.cut_before(text, at) if at > 0 else None
            if shorter and check.first(shorter, strict=True) is None:
                cut = cut or shorter
        if cut:
            return cut, 1
        if s.pos == 'r':
            text = self.adverb_clue(sense, check)
            if text:
                return text, 1
        others = self.synonym_clue(e, sense, check)
        if others:
            return others, 2
        for text in self.synset_clues(s):
            at = check.first(text)
            if at is None:
                return text, 3
            shorter = clues.cut_before(text, at) if at > 0 else None
            if shorter and check.first(shorter) is None:
                cut = cut or shorter
        if cut:
            return cut, 4
        for sym, target, src, tgt in s.pointers:
            if sym == '!' and src == sense.lemma + 1 and tgt:
                opposite = clues.to_single_byte(self.wn.synsets[target].lemmas[tgt - 1].replace('_', ' '))
                text = 'Opposite of ' + opposite
                if check.first(text, strict=True) is None:
                    return text, 5
        if ' ' in sense.display or '-' in sense.display:
            return None, None
        for h in s.targets('@', '@i'):
            lemma = self.wn.synsets[h].lemmas[0].replace('_', ' ')
            text = clues.capitalise(clues.to_single_byte(lemma))
            if len(text) >= 4 and lemma.lower() not in clues.GENERIC and check.first(text, strict=True) is None and h not in self.taxa:
                return text, 6
        return None, None

    def adverb_clue(self, sense, check):
        """'In a demure manner' for COYLY, whose definition 'In a coy manner' gives it away: the
        adjective the adverb comes from, replaced by another adjective of its meaning (a synonym, or
        the adjective a satellite meaning is similar to), or None."""
        for sym, target, src, _ in sense.synset.pointers:
            if sym != '\\' or src not in (0, sense.lemma + 1):
                continue
            adjective = self.wn.synsets[target]
            words = list(adjective.lemmas) + [l for h in adjective.targets('&') for l in self.wn.synsets[h].lemmas]
            for w in words:
                if w.isalpha() and w.islower() and self.scowl.is_common(w.upper()) and check.first(w, strict=True) is None:
                    return 'In %s %s manner' % ('an' if w[0] in 'aeiou' else 'a', w)
        return None

    def synonym_clue(self, e, sense, check, common=False):
        """The meaning's other words as a clue ('Vie, contend' for COMPETE), at most three, none giving the
        answer away; with common, only words a solver knows, at most two. None for a name."""
        if sense.display[:1].isupper():
            return None
        chosen = []
        for i, l in enumerate(sense.synset.lemmas):
            o = clues.british_spelling(clues.to_single_byte(l.replace('_', ' ')), self.scowl.british)
            if (i != sense.lemma and len(l) >= 3 and not o[:1].isupper() and PHRASE.fullmatch(o) and key_of(o) not in e.key
                    and (not common or all(len(p) < 3 or self.scowl.is_common(key_of(p)) for p in SEPARATOR.split(o)))
                    and check.first(o, strict=True) is None and not clues.spelling_variants(key_of(o), e.key)
                    and not any(clues.spelling_variants(o, c) for c in chosen)):
                chosen.append(o)
        chosen = chosen[:2 if common else 3]
        return clues.capitalise(', '.join(chosen)) if chosen else None

    def british_lemmas(self, s):
        """Keys of the synset's single-word lemmas that only the British lists hold."""
        found = self.british_cache.get(s.id)
        if found is None:
            found = self.british_cache[s.id] = [k for k in (key_of(l) for l in s.lemmas if '_' not in l)
                                                if k in self.scowl.british_only]
        return found

    def ranked_senses(self, e):
        """The word's final senses with their preference keys, best first."""
        if e.ranked is None:
            pref = self.sense_preference(e)
            e.ranked = sorted(((pref(x), x) for x in e.senses), key=lambda px: px[0])
        return e.ranked

    def sense_preference(self, e):
        """Sort key of a word's senses, best first: a meaning spelt the British way (TIRE is to weary,
        the wheel's hoop being a 'tyre'); for a common word, a meaning written as it is (the sob of
        weeping before the initials SOB, BARBER the hairdresser before Samuel Barber); tagged use in the
        corpus (a single tag is noise) -- these first USE fields say how much a meaning is used; then
        the part of speech the word is used in most, or has most meanings in; a meaning not marked as
        slang (SCOOP the ladle, not a street name of a drug); a meaning with kinds of
        its own (the hand tool HAMMER, not the part of a gunlock); a meaning with more names and links
        (CAIRO in Egypt, not in Illinois; SHY the timid, not the short); a meaning the word heads (it is
        the synset's first lemma); a plain meaning before an archaic one; then WordNet's order."""
        sc = self.scowl
        common = e.key in sc.lower
        pos_use, pos_senses = {}, {}
        for x in e.senses:
            pos_use[x.synset.pos] = pos_use.get(x.synset.pos, 0) + x.count
            pos_senses[x.synset.pos] = pos_senses.get(x.synset.pos, 0) + 1

        def american(x):
            """The meaning has a British-only spelling of its own (TIRE the wheel's hoop: 'tyre')."""
            return e.key not in sc.british_only and any(k != e.key for k in self.british_lemmas(x.synset))

        def pref(x):
            proper = x.display[:1].isupper() and common
            kinds = min(3, len(x.synset.targets('~', '~i')))
            links = min(12, len(x.synset.lemmas) + len(x.synset.pointers))
            evidence = int(math.log2(1 + x.count / 2))
            return (american(x), proper, -evidence, -pos_use[x.synset.pos], -pos_senses[x.synset.pos],
                    x.synset.id in self.slangy, -kinds, -links,
                    x.lemma != 0, 'nvar'.index(x.synset.pos), x.synset.id in self.archaic, x.rank, x.synset.id)
        return pref

    def clue_options(self, e, everything=False):
        """A word's possible clues as (text, sense), best first. Meanings are taken in order of
        preference, the clue's quality class counting right after the meaning's corpus use; unless
        everything is asked for, the search stops at the first group of equally used meanings that
        has a clue."""
        if e.fixed_clue:
            return [(e.fixed_clue, None)]
        check = self.giveaway(e)
        senses = [(p, x) for p, x in self.ranked_senses(e) if not e.forced or e.forced[1] in x.synset.gloss.lower()]
        ranked = []
        for i, (p, x) in enumerate(senses):
            if ranked and not everything and p[:USE] != senses[i - 1][0][:USE]:
                break
            text, quality = self.clue_for(e, x, check)
            if text:
                ranked.append((p[:USE] + (QUALITY_CLASS[quality],) + p[USE:] + (quality,), text, x))
        return [(text, x) for _, text, x in sorted(ranked, key=lambda r: r[0])]

    def assign_clues(self, chosen):
        """Gives every word a clue line, most common words first, while lines last."""
        lines, index = [''], {'': 0}
        accepted = []
        counts = {}
        for e in chosen:
            if counts.get(len(e.key), 0) >= MAX_PER_LENGTH:
                self.drop('over the per-length cap', e.key)
                continue
            options = self.clue_options(e)
            if not options:
                self.drop('no clue without a give-away', e.key)
                continue
            text, sense = options[0]
            if text not in index and len(lines) >= MAX_CLUE_LINES:
                shared = [o for o in self.clue_options(e, everything=True) if o[0] in index]
                if not shared:
                    self.drop('clue lines used up', e.key)
                    continue
                text, sense = shared[0]
            if text not in index:
                index[text] = len(lines)
                lines.append(text)
            e.clue, e.sense = text, sense
            accepted.append(e)
            counts[len(e.key)] = counts.get(len(e.key), 0) + 1
        self.lines, self.line_of = lines, index
        return accepted

    # -------------------------------------------------------------- the rest of a word's record

    def finish(self, e):
        if e.sense is not None:
            x = e.sense
            same = [y for y in e.senses if y.synset.id == x.synset.id]
            solid = [y for y in same if not re.search('[ -]', y.display) and self.scowl.attested(e.key)]
            e.display = (solid or sorted(same, key=lambda y: (-y.count, y.lemma)))[0].display
            e.wordtype = 0
            for y in e.senses:
                e.wordtype |= self.type_bit(y)
            e.category = self.category_of.get(x.synset.id, 0)
        if e.forced:
            e.category = e.forced[0]

    def type_bit(self, x):
        if x.synset.pos != 'n':
            return OTHER
        letters = re.sub('[^A-Za-z]', '', x.display)
        if len(letters) >= 2 and letters.isupper():
            return ABBREV
        for other in x.synset.lemmas:
            words = [w for w in re.split('[_ -]', other) if w]
            if len(words) >= 2 and ''.join(w[0] for w in words).upper() == letters.upper():
                return ABBREV
        words = [w for w in re.split('[ -]', x.display) if len(w) >= 3] or [x.display]
        return PROPER if x.display[:1].isupper() and words[-1][:1].isupper() else NOUN

    # -------------------------------------------------------------- the whole run

    def run(self):
        self.mark_synsets()
        qualifying = categories.build(self.wn)
        self.category_of = categories.assign(qualifying)
        self.collect()
        self.add_curated()
        for e in self.entries.values():
            e.score = self.score(e)
        self.add_plurals()
        self.add_verb_forms()
        self.add_comparisons()
        self.add_adverbs()
        ranked = sorted(self.entries.values(), key=lambda e: (e.forced is None, -e.score, e.key))
        words = self.assign_clues(ranked)
        for e in words:
            self.finish(e)
        by_score = sorted(words, key=lambda e: (e.score, e.key))
        for i, e in enumerate(by_score):
            e.rarity = 1 + RARITY_BANDS * i // len(by_score)
        self.words = sorted(words, key=lambda e: (len(e.key), e.key))
        return self

    # -------------------------------------------------------------- output

    def write(self, out):
        os.makedirs(out, exist_ok=True)
        with open(os.path.join(out, 'words.tsv'), 'w', encoding='ascii', newline='\n') as f:
            for e in self.words:
                f.write('%s\t%d\t%d\t%d\t%d\t%d\n' % (e.key, e.rarity, e.wordtype, word_breaks(e.display),
                                                       e.category, self.line_of[e.clue]))
        with open(os.path.join(out, 'CLUESRES'), 'wb') as f:
            f.write(b''.join(line.encode('cp1252') + b'\r\n' for line in self.lines))
        with open(os.path.join(out, 'CATEGRES'), 'wb') as f:
            f.write(b''.join(struct.pack('<q', 1 << k) for k in range(41)))
        with open(os.path.join(out, 'dropped.tsv'), 'w', encoding='ascii', newline='\n') as f:
            for key, reason in sorted(self.dropped):
                f.write('%s\t%s\n' % (key, reason))
        self.write_report(out)

    def names_by_evidence(self, words):
        """How many words that are only names entered on each kind of evidence (see names.py)."""
        counts = {}
        for e in words:
            if e.wordtype == PROPER:
                x = e.sense
                why = 'curated' if x is None else self.names.evidence(x.synset, x.synset.lemmas[x.lemma], e.key) or 'assigned'
                counts[why] = counts.get(why, 0) + 1
        return dict(sorted(counts.items()))

    def write_report(self, out):
        words = self.words
        per_len = {L: sum(1 for e in words if len(e.key) == L) for L in range(MIN_LEN, MAX_LEN + 1)}
        per_cat = {'0 (none)': sum(1 for e in words if e.category == 0)}
        for name in categories.NAMES:
            bit = categories.BIT[name]
            per_cat['%d %s' % (bit, name)] = sum(1 for e in words if e.category == bit)
        rng = random.Random(20240901)
        sample = []
        for e in sorted(rng.sample(words, 20), key=lambda e: (len(e.key), e.key)):
            sample.append('%s (%s) r%d t%d c%d: %s' % (e.display, e.key, e.rarity, e.wordtype, e.category, e.clue))
        report = {
            'words_total': len(words),
            'words_per_length': per_len,
            'clue_lines': len(self.lines),
            'words_per_category': per_cat,
            'rarity_bands': {r: sum(1 for e in words if e.rarity == r) for r in range(1, RARITY_BANDS + 1)},
            'word_types': {name: sum(1 for e in words if e.wordtype & bit)
                           for name, bit in (('other', OTHER), ('noun', NOUN), ('proper', PROPER), ('abbrev', ABBREV))},
            'phrases': sum(1 for e in words if re.search('[ -]', e.display)),
            'sources': {s: sum(1 for e in words if e.source == s)
                        for s in ('wordnet', 'curated clue', 'curated addition', 'plural', 'verb form', 'comparison', 'adverb')},
            'names_by_evidence': self.names_by_evidence(words),
            'dropped': dict(sorted(self.stats['dropped'].items())),
            'wordnet_candidates': self.stats['wordnet_candidates'],
            'sample': sample,
            'seconds': round(time.time() - self.t0, 1),
        }
        with open(os.path.join(out, 'report.json'), 'w', encoding='ascii', newline='\n') as f:
            json.dump(report, f, indent=1)
            f.write('\n')
        self.report = report


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    ap.add_argument('--out', required=True, help='output directory')
    args = ap.parse_args()
    try:
        g = Generator().run()
    except CuratedError as err:
        sys.exit('dictgen: %s' % err)
    g.write(args.out)
    r = g.report
    print('dictgen: %d words, %d clue lines, %.1f s' % (r['words_total'], r['clue_lines'], time.time() - g.t0))


if __name__ == '__main__':
    main()
