# Turns WordNet glosses into short crossword definitions and tells whether a clue gives its answer away.
import functools
import os
import re
import unicodedata

CLUE_SOFT = 105      # clues are cut to this length at a word boundary
SHORT_WORDS = 6      # a definition longer than this is cut at a clause break when one leaves a clean clue
LONG_WORDS = 10      # a definition longer than this is cut at a phrase break if no clause break will do
CLUE_HARD = 200      # nothing longer may ever be stored (the slot's clue field holds 200)
MIN_CLUE = 4         # shorter definitions say too little

# Words that may not end a clue that was cut short: a cut must not leave "Frozen dessert containing".
_DANGLING = set('''a an the of to in on at by for from with without and or but nor as than that which who
whom whose where when while if is are was were be been being its it their his her one's this these those
into onto upon over under about such especially usually often typically mainly chiefly sometimes
containing having made consisting used using esp e.g. etc like including either both each any some
more most very not so all other resembling similar called known named during equal equivalent due prior
according relating belonging corresponding'''.split())

# Classes too wide to stand alone as a clue.
GENERIC = set('''person individual someone somebody mortal soul entity thing object whole unit group
abstraction attribute state act action activity event happening matter content message structure
artifact artefact instrumentality device part portion piece kind sort type quality property relation
measure quantity amount change process region location place area point time period people
organism being causal_agent physical_entity'''.split())

_LABEL = re.compile(r'^\(([^()]*)\)\s*')
_PAREN = re.compile(r'\s+\([^()]*\)')
_TOKEN = re.compile(r'[A-Za-z]+')


def to_single_byte(text):
    """Plain ASCII rendering of a gloss: WordNet's `quoted' style becomes 'quoted', accents go."""
    text = re.sub(r"``|''", '"', text)
    text = text.replace('`', "'")
    if not text.isascii():
        text = ''.join(c for c in unicodedata.normalize('NFKD', text) if not unicodedata.combining(c))
        text = text.encode('ascii', 'replace').decode('ascii')
    return text


def first_clause(definition):
    """The definition up to its first ';' outside parentheses."""
    if ';' not in definition:
        return definition
    depth = 0
    for i, ch in enumerate(definition):
        depth += (ch == '(') - (ch == ')')
        if ch == ';' and depth == 0:
            return definition[:i]
    return definition


def trim_tail(text):
    """Drop trailing punctuation and function words left by a cut."""
    while True:
        text = re.sub(r'\s+in such a(?: way)?$', '', text.rstrip(' ,;:-('))
        words = text.rsplit(' ', 1)
        if len(words) == 2 and words[1].lower() in _DANGLING:
            text = words[0]
            continue
        if text.count('(') > text.count(')'):
            text = text[:text.rfind('(')]
            continue
        return text


_CLAUSE_BREAK = re.compile(r',\s|\s(?:that|which|who|whose|where|when|while|although|but|especially|usually|'
                           r'often|typically|used|having|with|in order|so as|so that)\s')
_PHRASE_BREAK = re.compile(r'\s(?:in|of|to|for|from|on|at|by|as|and|or|between|within|into)\s')


def cut(text, limit=CLUE_SOFT):
    """Cut at a word boundary to at most limit characters: before the last clause that starts in time,
    else before the last phrase, so that no phrase is left half said."""
    if len(text) <= limit:
        return text
    head = text[:limit + 1]
    for pattern in (_CLAUSE_BREAK, _PHRASE_BREAK):
        breaks = [m.start() for m in pattern.finditer(head) if m.start() >= 30]
        if breaks:
            text = trim_tail(text[:breaks[-1]])
            break
    else:
        text = trim_tail(head.rsplit(' ', 1)[0])
    words = text.split(' ')
    if len(words) > 2 and re.search(r'(?:ed|ing)$', words[-1]):
        text = trim_tail(' '.join(words[:-1]))
    return text


# Where a long definition may be cut to make a short clue: clause breaks, then a participle that starts
# a clause ('Session of tuition given by a tutor'), then phrase breaks (never ' of ', ' and ' or ' or ').
_SHORT_CLAUSE = re.compile(
    r'[,;:]\s|\s\(|\s(?:that|which|who|whom|whose|where|when|while|although|though|because|since|but|especially|'
    r'usually|often|typically|mainly|chiefly|sometimes|formerly|originally|once|used|using|having|with|without|'
    r'containing|consisting|including|such as|like|in order|so as|so that|known|noted|famous|remembered|'
    r'considered|regarded|born|founded|named|called|located|situated|made|based|characterized|characterised|'
    r'marked|resembling|similar|whereby|in which|by which|of which|on which)\s')
_SHORT_PARTICIPLE = re.compile(r'\s(?=[a-z]+(?:ed|en) (?:by|in|on|to|for|from|with|at|as|into|over|under|through|'
                               r'during|after|before)\b)')
_SHORT_PHRASE = re.compile(r'\s(?:in|to|for|from|on|at|by|as|between|within|into|during|after|before|under|over|'
                           r'through|against|around|across|along|near|toward|towards)\s')


def _clean_head(text):
    """A cut definition's head as a clue, or None: no dangling word, no relative clause without its
    verb, no bare participle at its end, and not ending on a word too vague to stand ('Person')."""
    head = trim_tail(text)
    relative = list(_RELATIVE.finditer(head))
    if relative and len(head[relative[-1].end():].split(' ')) < 2:
        head = trim_tail(head[:relative[-1].start()])
    words = head.split(' ')
    if len(words) > 2 and re.search(r'(?:ed|ing)$', words[-1]) and words[-1].lower() not in ('thing', 'being'):
        head = trim_tail(' '.join(words[:-1]))
    head = re.sub(r'(?:\s(?:best|well|most|widely|perhaps|chiefly|mainly|largely|now))+$', '', head)
    words = head.split(' ')
    if len(words) < 2 or words[-1].lower() in _DANGLING or re.match(r'(?:used|said|applied|of)\b', head, re.I) and len(words) <= 4:
        return None
    if words[-1].lower() in GENERIC | _VAGUE and (len(words) == 2 or words[-2].lower() in _DANGLING):
        return None       # 'Kind of thing', 'Old person'
    if len(words) <= 3 and words[0].lower() in ('any', 'some', 'each', 'one', 'have', 'has', 'having', 'be', 'being'):
        return None       # 'Any plant' for WEED, 'Have legs' for BOWLEGGED: what was cut off was the point
    return head


def shorten(text):
    """The clue a long definition makes: cut at the last clause break that leaves at most SHORT_WORDS
    words (and at least two), else whole when it has at most LONG_WORDS words, else cut at the last
    clause or phrase break that leaves at most LONG_WORDS ('Roman general who commanded the fleet
    that ...' gives 'Roman general'; 'Volcanic peak in the Cascade Range in northern California'
    gives 'Volcanic peak')."""
    words = len(text.split(' '))
    if words <= SHORT_WORDS:
        return text
    for limit, patterns in ((SHORT_WORDS, (_SHORT_CLAUSE, _SHORT_PARTICIPLE)),
                            (LONG_WORDS, (_SHORT_CLAUSE, _SHORT_PARTICIPLE, _SHORT_PHRASE))):
        if limit == LONG_WORDS and words <= LONG_WORDS:
            return text
        best = None
        for at in sorted({m.start() for p in patterns for m in p.finditer(text)}):
            head = _clean_head(text[:at])
            if head and len(head.split(' ')) <= limit and (best is None or len(head) > len(best)):
                best = head
        if best:
            return best
    return text


def capitalise(text):
    return text[:1].upper() + text[1:]


def british_spelling(text, british):
    """The text with each word respelt by british (a word -> word function)."""
    return re.sub(r'[A-Za-z]+', lambda m: british(m.group()), text)


def definition_clue(definition, drop_article=True, respell=lambda word: word):
    """A crossword-style clue from a WordNet definition, or None when nothing usable is left.

    The first clause is kept; a leading subject label such as '(Greek mythology)' moves to the end;
    asides in parentheses go when the clue is long; a leading article goes for nouns."""
    d = british_spelling(to_single_byte(first_clause(definition)).strip(), respell)
    head, colon, _ = d.partition(': ')
    if colon and len(head) >= 8:
        d = head
    label = None
    m = _LABEL.match(d)
    if m:
        label, d = m.group(1).strip(), d[m.end():]
    d = _PAREN.sub('', d).strip()
    d = re.sub(r'\s+', ' ', d).strip(' ,;:')
    if drop_article:
        d = re.sub(r'^(?:a|an|the)\s+', '', d, flags=re.I)
    d = re.sub(r'\bUnited States\b', 'US', d)
    d = shorten(cut(d))
    if label and not label.lower().startswith(('usually', 'often', 'followed', 'preceded', 'of ', 'with ', 'sometimes', 'used')) \
            and len(d) + len(label) + 3 <= CLUE_SOFT and len(label) < 30 and len((d + ' ' + label).split(' ')) <= SHORT_WORDS + 1:
        d = '%s (%s)' % (d, label)
    d = d.strip(' ,;:')
    if not d[:1].isalnum():
        d = re.sub(r'^[^A-Za-z0-9\'"]+', '', d)
    if re.match(r'(?:of|for|in|on|as|with) \S+(?: \S+){0,2}$', d, re.I):
        return None       # only a qualifier such as '(of legislation)' is left
    if len(d) < MIN_CLUE or not d[:1].isalnum() or not re.search('[A-Za-z]{2}', d):
        return None
    return capitalise(d)


# Clause breaks where a definition may be cut short; never ' of ' ('Kind and number of teeth' must not
# become 'Kind and number').
_BOUNDARY = re.compile(r'[,:]\s|\s(?:that|which|who|whose|where|when|with|without|containing|consisting|'
                       r'used|made|having|especially|usually|often|such as|including|like|between|along|around|'
                       r'across|beneath|below|above|near)\s')


def _lone_word_ok(text):
    """A single word may stand as a clue when it is a substantial noun-like word ('Beverage')."""
    return len(text) >= 5 and text.lower() not in GENERIC and not re.search(r'(?:ed|ing|ly|s)$', text)


_RELATIVE = re.compile(r'\s(?:that|which|who|whom|whose|where|when)\s')
_VAGUE = {'cause', 'instance', 'condition', 'form', 'one', 'ones', 'something', 'anything', 'manner', 'way', 'means', 'use',
          'variety', 'species', 'genus', 'member', 'branch', 'level', 'side', 'surface', 'edge', 'end',
          'abbreviation', 'term', 'terms', 'name', 'word', 'expression', 'synonym', 'slang'}


def cut_before(clue, start):
    """The clue cut at the last clause break before character position start, or None when too little
    of it would remain ('Frozen dessert containing cream' gives 'Frozen dessert')."""
    breaks = [m.start() for m in _BOUNDARY.finditer(clue[:start + 1]) if m.start() < start]
    if not breaks:
        return None
    head = clue[:breaks[-1]]
    relative = list(_RELATIVE.finditer(head))
    if relative:
        head = head[:relative[-1].start()]   # no relative clause left without its verb
    head = trim_tail(head)
    words = head.split(' ')
    if len(words) > 1 and re.search(r'(?:ed|ing)$', words[-1]):
        head = trim_tail(' '.join(words[:-1]))
    head = head.strip()
    words = head.split(' ')
    if words[-1].lower() in GENERIC | _VAGUE or 1 < len(words) < 2 + sum(w.lower() in _DANGLING for w in words):
        return None
    if ' ' in head and len(head) >= 10 or ' ' not in head and _lone_word_ok(head):
        return capitalise(head)
    return None


# ------------------------------------------------------------------ give-away checks

VOWELS = set('AEIOU')


def inflections(word, irregular=()):
    """An upper-case word with its obvious inflections (and the bases it may be an inflection of)."""
    w = word
    out = {w, w + 'S', w + 'ES', w + 'ED', w + 'ING', w + 'ER', w + 'ERS', w + 'EST', w + 'LY'}
    if w.endswith('E'):
        out |= {w + 'D', w + 'R', w + 'RS', w + 'ST', w[:-1] + 'ING'}
    if len(w) > 2 and w.endswith('Y') and w[-2] not in VOWELS:
        out |= {w[:-1] + s for s in ('IES', 'IED', 'IER', 'IEST', 'ILY')}
    if len(w) >= 3 and w[-1] not in VOWELS and w[-1] not in 'WXY' and w[-2] in VOWELS and w[-3] not in VOWELS:
        out |= {w + w[-1] + s for s in ('ED', 'ING', 'ER', 'EST')}
    # the answer may itself be an inflected form: its base counts as a give-away too
    for suffix, repl in (('IES', 'Y'), ('IED', 'Y'), ('ES', ''), ('S', ''), ('ED', ''), ('ED', 'E'),
                         ('ING', ''), ('ING', 'E'), ('ER', ''), ('EST', '')):
        if w.endswith(suffix) and len(w) - len(suffix) >= 3:
            base = w[:len(w) - len(suffix)] + repl
            out.add(base)
            if len(base) >= 4 and base[-1] == base[-2] and not repl:
                out.add(base[:-1])
    out |= set(irregular)
    return out


def _edits(a, b):
    """Levenshtein distance of two words."""
    row = list(range(len(b) + 1))
    for i, ca in enumerate(a, start=1):
        prev, row[0] = row[0], i
        for j, cb in enumerate(b, start=1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (ca != cb))
    return row[-1]


@functools.lru_cache(maxsize=None)
def spelling_variants(a, b):
    """Whether two words look like spellings of one word ('kinesthesis', 'kinaesthesis', 'dacoity',
    'dakoity')."""
    a, b = a.lower(), b.lower()
    if min(len(a), len(b)) >= 5 and _edits(a, b) <= min(len(a), len(b)) // 4:
        return True
    head = len(os.path.commonprefix([a, b]))
    tail = len(os.path.commonprefix([a[::-1], b[::-1]]))
    return head >= 3 and tail >= 2 and head + tail >= min(len(a), len(b)) - 2


_TOKENS = {}   # clue text -> its words: (start, end, upper-case letters, joined to the next by ' ' or '-')


def _tokens(clue):
    toks = _TOKENS.get(clue)
    if toks is None:
        found = [(m.start(), m.end(), m.group().upper()) for m in _TOKEN.finditer(clue)]
        toks = _TOKENS[clue] = [(a, b, t, i + 1 < len(found) and clue[b:found[i + 1][0]] in (' ', '-'))
                                for i, (a, b, t) in enumerate(found)]
    return toks


class GiveAway:
    """Finds a clue's give-aways for one answer: the answer, an inflection of it, or (for a phrase)
    any of its parts of three or more letters, also when written as several words ('ice cream',
    'ice-cream' for ICECREAM, 'razor fish' for the part RAZORFISH of PEARLY RAZORFISH).

    A strict search also catches derived words: a clue word that starts with the answer ('amendments'
    for AMEND) or a long piece of the answer ('opportune' for INOPPORTUNE)."""

    def __init__(self, key, parts, irregular=lambda w: ()):
        self.key = key
        self.whole = inflections(key, irregular(key))
        self.single = set(self.whole)
        self.stems = sorted(f for f in self.whole if 4 <= len(f) <= len(key))   # the answer and its bases
        for p in parts:
            if len(p) >= 3:
                self.single |= inflections(p, irregular(p))
                if len(p) >= 4:
                    self.stems.append(p)
        self.heads = {s[:3] for s in self.stems} | {key[:3]}
        self.longest = max(len(f) for f in self.single)

    def _derived(self, t):
        if len(t) < 4 or t[:3] not in self.heads and t[:-1] not in self.key:
            return False      # shares no beginning with the answer and is no piece of it
        if any(t.startswith(s) for s in self.stems):
            return True
        stem = t[:-1] if t.endswith('S') and len(t) > 4 else t
        if len(stem) >= 4 and 2 * len(stem) >= len(self.key) and (self.key.startswith(stem) or self.key.endswith(stem)):
            return True       # CLOUD(S) in a clue for CLOUDLESS
        shared = len(os.path.commonprefix([t, self.key]))
        if shared >= 5 and shared >= len(self.key) - 3 and shared >= len(t) - 3:
            return True       # IRREVOCABLE in a clue for IRREVOCABLY
        if spelling_variants(t, self.key):
            return True       # another spelling: SYMBOLATRY for SYMBOLOLATRY
        return len(t) >= 5 and 2 * len(t) >= len(self.key) and t in self.key

    def first(self, clue, strict=False):
        """Character position where the first give-away starts, or None."""
        toks = _tokens(clue)
        for i, (a, _, t, joined) in enumerate(toks):
            if t in self.single or strict and self._derived(t):
                return a
            acc = t
            j = i
            while joined and j < i + 4:
                j += 1
                acc += toks[j][2]
                if len(acc) > self.longest:
                    break
                if acc in self.single:
                    return a
                joined = toks[j][3]
        return None
