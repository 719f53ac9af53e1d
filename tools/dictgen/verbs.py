# Verb forms (past, past participle, -ing, third person) with their base verb's clue put into the same form.
"""A verb form gets into the dictionary only with a clue in the same form: the base verb's definition
or synonyms with their leading verb inflected ('Fall as snow' -> 'Fell as snow'; 'Vie, contend' ->
'Vied, contended'). Irregular forms come from WordNet's exception list (verb.exc); regular ones are
made by the usual rules, and SCOWL decides between the spellings they allow (TRAVELLING, VISITING).

The roles of a form: 'S' third person (SINGS), 'ING' (SINGING), 'ED' a form that is both past tense and
past participle (SNOWED, MADE), 'PAST' past tense only (SANG), 'PP' past participle only (SUNG). A
clue is inflected only when the result is certain: a clue verb whose past tense and participle differ
takes the one the answer's role asks for, and a clue whose later verbs might or might not share the
first verb's tense ('make a noise or sound') is not used.
"""
import re

from clues import capitalise

# The auxiliaries, whose forms no rule makes.
_AUXILIARY = {
    'be': {'S': 'is', 'ING': 'being', 'PAST': 'was', 'PP': 'been'},
    'have': {'S': 'has', 'ING': 'having', 'PAST': 'had', 'PP': 'had'},
    'do': {'S': 'does', 'ING': 'doing', 'PAST': 'did', 'PP': 'done'},
}
_VOWELS = 'aeiou'


class Inflector:
    def __init__(self, wn, scowl):
        self.wn, self.scowl = wn, scowl
        self.irregular = {}        # base -> inflected forms, from verb.exc
        for (pos, form), bases in sorted(wn.exceptions.items()):
            if pos == 'v' and form.isalpha():
                for b in bases:
                    self.irregular.setdefault(b, []).append(form)

    def is_verb(self, word):
        return word in _AUXILIARY or (word, 'v') in self.wn.index

    def _known(self, candidates):
        """The commonest spelling among candidates that a solver knows (the first listed wins a tie), or
        None."""
        found = [(self.scowl.of(c.upper()), i, c) for i, c in enumerate(candidates) if self.scowl.is_common(c.upper())]
        return min(found)[2] if found else None

    def _regular(self, b, suffix):
        if suffix == 's':
            if re.search(r'(?:s|x|z|ch|sh)$', b):
                cands = [b + 'es']
            elif re.search(r'[^aeiou]y$', b):
                cands = [b[:-1] + 'ies']
            elif re.search(r'[^aeiou]o$', b):
                cands = [b + 'es', b + 's']
            else:
                cands = [b + 's']
            return self._known(cands)
        stem = suffix    # 'ing' or 'ed'
        if b.endswith('ie') and stem == 'ing':
            cands = [b[:-2] + 'ying']
        elif b.endswith('e'):
            cands = [b[:-1] + stem, b + stem] if stem == 'ing' and not re.search(r'(?:ee|oe|ye)$', b) else \
                [b + stem] if stem == 'ing' else [b + 'd']
        elif re.search(r'[^aeiou]y$', b) and stem == 'ed':
            cands = [b[:-1] + 'ied']
        elif len(b) >= 3 and b[-1] in 'bdgklmnprtv' and b[-2] in _VOWELS and b[-3] not in _VOWELS:
            cands = [b + stem, b + b[-1] + stem]
        else:
            cands = [b + stem]
        return self._known(cands)

    def forms(self, b):
        """The forms of a base verb by role ('S', 'ING', 'PAST', 'PP'), each a list best first; a role
        with no certain form is left out."""
        if b in _AUXILIARY:
            return {role: [f] for role, f in _AUXILIARY[b].items()}
        out = {}
        third = self._regular(b, 's')
        if third:
            out['S'] = [third]
        irregular = [f for f in self.irregular.get(b, []) if f != b]
        ing = [f for f in irregular if f.endswith('ing')] or [f for f in [self._regular(b, 'ing')] if f]
        if ing:
            out['ING'] = ing[:1]
        listed_ed = [f for f in irregular if f.endswith('ed')]
        strong = [f for f in irregular if not f.endswith(('ing', 'ed')) and not (f.endswith('s') and f[:-1] in (b, b + 'e'))]
        regular_ed = listed_ed[:1] or [f for f in [self._regular(b, 'ed')] if f]
        if not strong:
            if not listed_ed and b + b[-1:] + 'ing' in irregular:
                out['PAST'] = out['PP'] = [b]                                             # put, set, cut
            elif regular_ed:
                out['PAST'] = out['PP'] = regular_ed
            return out
        if len(strong) == 1:
            f = strong[0]
            if _participle_is_base(b, f):
                out['PAST'], out['PP'] = [f], [b]                                         # ran, run
            elif regular_ed:
                if re.search(r'(?:n|ne)$', f) and not b.endswith('n'):
                    out['PAST'], out['PP'] = regular_ed, regular_ed + [f]                 # sewed, sewn
                else:
                    out['PAST'] = out['PP'] = regular_ed + [f]                            # learned, learnt
            else:
                out['PAST'] = out['PP'] = [f]                                             # made
            return out
        past, pp = [], []
        for f in strong:
            swapped = [g for g in strong if g != f and len(g) == len(f) and _differs_by(f, g, 'a', 'u')]
            if swapped:
                past.append(f)                                                            # sang (sung)
            elif any(len(g) == len(f) and _differs_by(g, f, 'a', 'u') for g in strong if g != f):
                pp.append(f)                                                              # sung
            elif re.search(r'(?:n|ne)$', f):
                pp.append(f)                                                              # fallen, done
            else:
                past.append(f)                                                            # fell, did
        if past:
            out['PAST'] = past
        if pp:
            out['PP'] = pp
        return out

    def form_roles(self, b):
        """(form, role) of every form of a base verb: 'ED' for a form that is both past and participle."""
        f = self.forms(b)
        roles = {}
        for role in ('S', 'ING'):
            for x in f.get(role, [])[:1]:
                roles.setdefault(x, role)
        past, pp = f.get('PAST', []), f.get('PP', [])
        for x in past:
            roles.setdefault(x, 'ED' if x in pp else 'PAST')
        for x in pp:
            roles.setdefault(x, 'PP')
        return sorted((x, r) for x, r in roles.items() if x != b)

    def _inflect_word(self, w, role):
        f = self.forms(w)
        want = {'ED': 'PAST', 'PAST': 'PAST', 'PP': 'PP', 'S': 'S', 'ING': 'ING'}[role]
        if role == 'ED' and 'PAST' not in f:
            want = 'PP'
        got = f.get(want)
        return got[0] if got else None

    def inflect_clue(self, text, role):
        """The clue with its leading verb (and verbs joined to it by 'or', 'and' or a comma) put into
        the role's form, or None when that is not certain."""
        items = text.split(', ')
        if len(items) > 1 and all(self.is_verb(i.split(' ')[0].lower()) for i in items):
            done = [self._inflect_phrase(i, role, lone=True) for i in items]       # 'Vie, contend'
            return capitalise(', '.join(done)) if all(done) else None
        done = self._inflect_phrase(text, role)
        return capitalise(done) if done else None

    def _inflect_phrase(self, text, role, lone=False):
        words = text.split(' ')
        lower = [w.lower() for w in words]
        h = 0
        if lower[0] in ('not', 'never', 'to'):
            return None
        if not self.is_verb(lower[0]) and len(words) > 1 and (lower[0], 'r') in self.wn.index and self.is_verb(lower[1]):
            h = 1                                           # 'Deliberately avoid'
        if not self.is_verb(lower[h]):
            return None
        targets = [h]
        j = h + 1
        while j + 1 < len(words) and lower[j] in ('or', 'and') and self.is_verb(lower[j + 1]):
            targets.append(j + 1)                           # 'Move or cause to move'
            j += 2
        rest = lower[j:]
        for k in range(1, len(rest)):
            if rest[k - 1] == 'to':
                break
            # a later word that may be a verb might share the first one's tense ('give up or abandon',
            # 'make a noise or sound'): unsure, so the clue is not used
            if rest[k - 1] in ('or', 'and') and self.is_verb(rest[k]):
                return None
        for t in targets:
            form = self._inflect_word(lower[t], role)
            if form is None:
                return None
            words[t] = form
        return ' '.join(words)


def _differs_by(a, b, x, y):
    """Whether a has x where b has y and they agree elsewhere (SANG, SUNG)."""
    diffs = [(p, q) for p, q in zip(a, b) if p != q]
    return len(diffs) == 1 and diffs[0] == (x, y)


def _participle_is_base(b, f):
    """RUN, RAN; COME, CAME; BECOME, BECAME: the past tense is the base with one vowel changed to 'a',
    and the participle is the base itself."""
    return len(b) == len(f) and any(_differs_by(f, b, 'a', v) for v in 'uo')
