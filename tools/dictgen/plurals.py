# Plural nouns with clues of their own: the singular's definition turned into the plural, where that is safe.
"""A plural gets into the dictionary only with a clue that is itself plural. The singular's definition
is turned round only when it is plainly a count noun ('a hand tool with a heavy rigid head') and the
change touches one word: the head noun of its first noun phrase. A relative clause is dropped first,
since its verb would have to agree ('Member of the genus Canis that has been domesticated...' gives
'Members of the genus Canis'), and at least three words must be left then ('Person who ...' would
give 'Persons'). A definition with any other verb of being or having, or a head noun joined to another
by 'or' or 'and', is left alone, and so are nouns whose plural is the singular (aircraft, sheep).
"""
import re

from clues import CLUE_SOFT, capitalise, trim_tail

# Words that end the first noun phrase of a definition: its head noun is the word before.
_PHRASE_END = set('''of with without for in on at from to by into onto under over between among among
used usually especially often typically sometimes having made consisting containing found growing living
bearing worn resembling such like as than formerly originally mainly chiefly esp'''.split())
# Count words that may head a definition whatever its wider class: 'piece of furniture'.
COUNT_HEADS = {'member', 'piece', 'kind', 'type', 'sort', 'variety', 'form', 'unit', 'item', 'article'}
_NOT_HEADS = set('one any each every either neither some someone something anything everything nothing'.split())
_RELATIVE = re.compile(r',?\s(?:that|which|who|whom|whose|where|when)\s')
_SAME_IN_PLURAL = re.compile(r'(?:craft|sheep|fish|deer|series|species|offspring|moose|swine|aircraft)$')
_AGREEING_VERB = re.compile(r'\b(?:is|are|was|were|has|have|does|do)\b', re.I)


class Plurals:
    def __init__(self, wn, scowl):
        self.wn, self.scowl = wn, scowl
        self.irregular = {}        # singular -> plural forms, from WordNet's noun exceptions
        for (pos, form), bases in sorted(wn.exceptions.items()):
            if pos == 'n':
                for b in bases:
                    self.irregular.setdefault(b, []).append(form)

    def is_noun(self, word):
        return (word, 'n') in self.wn.index

    def looks_plural(self, word):
        return ('n', word) in self.wn.exceptions or word.endswith('s') and self.is_noun(word[:-1])

    def plural(self, word):
        """The plural of a lower-case singular noun, spelt as a SCOWL word; None when unsure."""
        if not self.is_noun(word) or self.looks_plural(word) or _SAME_IN_PLURAL.search(word):
            return None
        forms = self.irregular.get(word)
        if not forms:
            if re.search(r'(?:s|x|z|ch|sh)$', word):
                forms = [word + 'es']
            elif re.search(r'[^aeiou]y$', word):
                forms = [word[:-1] + 'ies']
            else:
                forms = [word + 's']
        known = sorted((self.scowl.of(f.upper()), f) for f in forms if self.scowl.attested(f.upper()))
        return known[0][1] if known else None

    def clue(self, definition, text, genus, countable=False):
        """The plural of a clue made from definition (text is the singular clue), or None. genus holds
        the words the head noun may be: a definition names its wider class ('drama set to music' is
        rejected for OPERA, whose wider class is a composition, so that 'set' is not made plural).
        Unless the caller knows the noun is countable, its definition must say 'a ...'."""
        if not countable and not re.match(r'(?:a|an) ', definition):
            return None               # only a definition that says 'a ...' is surely of a count noun
        t = trim_tail(_RELATIVE.split(text)[0])
        words = t.split(' ')
        if words[0].lower() in ('either', 'neither', 'both', 'any', 'one', 'each'):
            return None               # 'Either a design or ...': no single head noun to make plural
        if _AGREEING_VERB.search(t) or t != text and len(words) < 3:
            return None               # a verb to agree, or too little left once the clause is gone
        # the phrase ends before a preposition or the like, or before a participle ('domesticated since')
        end = next((i for i, w in enumerate(words) if i > 0 and (w.lower() in _PHRASE_END or i > 1 and w.endswith('ed')
                                                                 and '-' not in w and not self.is_noun(w.lower()))),
                   len(words))
        phrase = words[:end]
        head = phrase[-1]
        # the head must name the wider class, unless the clue is nothing but a noun phrase about a thing
        # or a living being ('Solid-hoofed herbivorous quadruped')
        named = head.lower() in genus or countable and end == len(words) and self.is_noun(head.lower())
        if any(w.lower() in ('or', 'and') or w.endswith(',') for w in phrase) or head.lower() in _NOT_HEADS or not named:
            return None
        plural = self.plural(head.lower())
        if plural is None:
            return None
        words[end - 1] = capitalise(plural) if head[:1].isupper() else plural
        result = capitalise(' '.join(words))
        return result if len(result) <= CLUE_SOFT else None
