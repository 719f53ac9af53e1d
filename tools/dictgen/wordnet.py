# Reader for the WordNet 3.0 database files (data.*, index.*, *.exc, cntlist.rev) as Debian installs them.
"""WordNet 3.0 reader (standard library only).

A synset is identified by an integer: POS_BASE[pos] + byte offset in its data file, so sorting synset
ids sorts by part of speech, then by file position, which keeps every walk over them deterministic.
Adjective satellites ('s') live in data.adj and are reported with pos 'a'.
"""
import os
import re

WORDNET_DIR = '/usr/share/wordnet'

LEXNAMES = (
    'adj.all adj.pert adv.all noun.Tops noun.act noun.animal noun.artifact noun.attribute noun.body '
    'noun.cognition noun.communication noun.event noun.feeling noun.food noun.group noun.location '
    'noun.motive noun.object noun.person noun.phenomenon noun.plant noun.possession noun.process '
    'noun.quantity noun.relation noun.shape noun.state noun.substance noun.time verb.body verb.change '
    'verb.cognition verb.communication verb.competition verb.consumption verb.contact verb.creation '
    'verb.emotion verb.motion verb.perception verb.possession verb.social verb.stative verb.weather '
    'adj.ppl').split()

FILES = (('n', 'noun'), ('v', 'verb'), ('a', 'adj'), ('r', 'adv'))
POS_BASE = {'n': 100_000_000, 'v': 200_000_000, 'a': 300_000_000, 'r': 400_000_000}
_ADJ_MARKER = re.compile(r'\((a|p|ip)\)$')


def sid(pos, offset):
    """Synset id of a (pos, offset) pair; satellites ('s') count as adjectives."""
    return POS_BASE['a' if pos == 's' else pos] + offset


def pos_of(synset_id):
    return 'nvar'[synset_id // 100_000_000 - 1]


class Synset:
    """One meaning: its lemmas (in file order), pointers and gloss."""
    __slots__ = ('id', 'lexname', 'satellite', 'lemmas', 'pointers', 'gloss', 'tagcount')

    def __init__(self, synset_id, lexname, satellite, lemmas, pointers, gloss):
        self.id = synset_id
        self.lexname = lexname
        self.satellite = satellite
        self.lemmas = lemmas        # lemma strings as written in WordNet ('Canis_familiaris')
        self.pointers = pointers    # (symbol, target id, source word no., target word no.); 0 = whole synset
        self.gloss = gloss
        self.tagcount = 0           # SemCor tag count summed over the synset's lemmas

    @property
    def pos(self):
        return pos_of(self.id)

    def targets(self, *symbols):
        return [t for s, t, _, _ in self.pointers if s in symbols]

    def definition(self):
        """The gloss without its quoted examples."""
        return self.gloss.split('; "')[0].split(' "')[0].strip()

    def __repr__(self):
        return '%s%08d[%s] %s | %s' % (self.pos, self.id % 100_000_000, self.lexname,
                                       ','.join(self.lemmas), self.gloss[:70])


class WordNet:
    def __init__(self, directory=WORDNET_DIR):
        self.synsets = {}     # id -> Synset
        self.index = {}       # (lower-case lemma, pos) -> synset ids in WordNet's sense order
        self.sense_count = {}  # (lower-case lemma, synset id) -> SemCor tag count
        self.exceptions = {}  # (pos, inflected form) -> base forms, from the *.exc files
        for pos, name in FILES:
            self._read_data(os.path.join(directory, 'data.' + name), pos)
            self._read_index(os.path.join(directory, 'index.' + name), pos)
            self._read_exceptions(os.path.join(directory, name + '.exc'), pos)
        self._read_counts(os.path.join(directory, 'cntlist.rev'))

    def _read_data(self, path, pos):
        with open(path, encoding='latin-1') as f:
            for line in f:
                if line.startswith('  '):
                    continue
                data, _, gloss = line.partition(' | ')
                t = data.split()
                lexname = LEXNAMES[int(t[1])]
                count = int(t[3], 16)
                lemmas = [_ADJ_MARKER.sub('', t[4 + 2 * k]) for k in range(count)]
                i = 4 + 2 * count
                pointers = []
                for _ in range(int(t[i])):
                    st = t[i + 4]
                    pointers.append((t[i + 1], sid(t[i + 3], int(t[i + 2])), int(st[:2], 16), int(st[2:], 16)))
                    i += 4
                synset_id = sid(pos, int(t[0]))
                self.synsets[synset_id] = Synset(synset_id, lexname, t[2] == 's', lemmas, pointers, gloss.strip())

    def _read_index(self, path, pos):
        with open(path, encoding='latin-1') as f:
            for line in f:
                if line.startswith('  '):
                    continue
                t = line.split()
                n_ptr = int(t[3])
                self.index[(t[0], pos)] = [sid(pos, int(o)) for o in t[6 + n_ptr:]]

    def _read_exceptions(self, path, pos):
        with open(path, encoding='latin-1') as f:
            for line in f:
                t = line.split()
                self.exceptions.setdefault((pos, t[0]), []).extend(t[1:])

    def _read_counts(self, path):
        ss_pos = {'1': 'n', '2': 'v', '3': 'a', '4': 'r', '5': 'a'}
        with open(path, encoding='latin-1') as f:
            for line in f:
                key, number, count = line.split()
                lemma, _, rest = key.partition('%')
                senses = self.index.get((lemma, ss_pos[rest[0]]))
                number = int(number)
                if senses and number <= len(senses):
                    s = senses[number - 1]
                    self.sense_count[(lemma, s)] = self.sense_count.get((lemma, s), 0) + int(count)
                    self.synsets[s].tagcount += int(count)

    def senses(self, lemma, pos):
        return [self.synsets[s] for s in self.index.get((lemma.lower(), pos), [])]

    def closure(self, roots, symbols=('~', '~i')):
        """Ids reachable from roots (included) along the given pointer symbols."""
        seen, stack = set(), list(roots)
        while stack:
            s = stack.pop()
            if s in seen:
                continue
            seen.add(s)
            stack.extend(self.synsets[s].targets(*symbols))
        return seen

    def instances_of(self, roots):
        """Named instances of the roots or of any of their hyponyms, with those instances' own trees."""
        found = set()
        for c in sorted(self.closure(roots, ('~',))):
            found |= self.closure(self.synsets[c].targets('~i'), ('~', '~i'))
        return found

    def hypernym_chain(self, synset_id):
        """Every ancestor along hypernym and instance-hypernym pointers."""
        return self.closure([synset_id], ('@', '@i'))
