# The 40 subject categories: their names and bit numbers, the WordNet rule behind each, and the priority
# that picks one category when a meaning qualifies for several.
"""Subject categories over WordNet 3.0 synsets.

Each rule yields a set of synset ids. Anchors are WordNet 3.0 noun offsets, with the anchor's first
lemma in the comment beside it. A word belongs to the category of the meaning that supplies its clue.
"""
import re

from wordnet import sid

NAMES = ["Anatomy", "Animals", "Archaeology", "Architectural terms", "Art", "Astronomy", "Authors",
         "Battles", "Boat types", "Building terms", "Business terms", "Capital cities", "Clothes",
         "Composers", "Computing", "Countries", "Drink", "Domestic items", "British Isles geography",
         "Significant events", "Famous people", "Flowers", "Food", "Gardening terms", "Historians",
         "Islands", "Military terms, weapons etc", "Motoring terms", "Mountains", "Movies and movie stars",
         "Novels", "Photographic terms", "Plants", "Pop music artists", "Rivers", "Roman emperors",
         "Sports personalities", "Time-related terms", "US states", "Water (seas, lakes)"]
BIT = {name: i for i, name in enumerate(NAMES, start=1)}   # category name -> bit number 1..40

# When a meaning qualifies for several categories the first of these wins: named things before kinds
# of things, the narrower class before the wider (a capital city is also in a country's geography,
# a composer is also a famous person, a flower is also a plant).
PRIORITY = ["Roman emperors", "Capital cities", "US states", "Countries", "Rivers", "Mountains", "Islands",
            "Water (seas, lakes)", "British Isles geography", "Composers", "Historians", "Authors",
            "Pop music artists", "Sports personalities", "Movies and movie stars", "Novels", "Famous people",
            "Battles", "Significant events", "Archaeology", "Boat types", "Flowers",
            "Gardening terms", "Plants", "Animals", "Drink", "Food", "Clothes", "Anatomy", "Astronomy",
            "Photographic terms", "Computing", "Motoring terms", "Military terms, weapons etc",
            "Architectural terms", "Building terms", "Domestic items", "Art", "Business terms",
            "Time-related terms"]
assert sorted(PRIORITY) == sorted(NAMES)

THEMES = ("Animals", "Archaeology", "Food", "Gardening terms")   # the built-in themes of the word list page


def _n(*offsets):
    return [sid('n', o) for o in offsets]


class Rules:
    def __init__(self, wn):
        self.wn = wn
        self._lex = {}
        for s in wn.synsets.values():
            self._lex.setdefault(s.lexname, set()).add(s.id)

    def lex(self, name):
        return set(self._lex[name])

    def tree(self, *offsets):
        """Anchors with their hyponyms and named instances."""
        return self.wn.closure(_n(*offsets), ('~', '~i'))

    def kinds(self, *offsets):
        """Anchors with their hyponyms, no named instances (kinds of boat, not named ships)."""
        return self.wn.closure(_n(*offsets), ('~',))

    def named(self, *offsets):
        """Named instances of the anchors or of their hyponyms."""
        return self.wn.instances_of(_n(*offsets))

    def domain(self, *names, limit=25):
        """Members of the topic domains called names (and of their hyponyms), with each member's
        own hyponym tree when that tree is small: a broad member such as 'record' must not bring in
        every kind of record."""
        wn = self.wn
        roots = [s.id for s in wn.synsets.values() if s.pos == 'n' and s.targets('-c')
                 and any(l.lower() in names for l in s.lemmas)]
        members = set()
        for d in sorted(wn.closure(roots, ('~',))):
            members.update(wn.synsets[d].targets('-c'))
        out = set()
        for m in sorted(members):
            t = wn.closure([m], ('~', '~i'))
            out |= t if len(t) <= limit else {m}
        return out

    def gloss(self, pattern, lexnames):
        r = re.compile(pattern, re.I)
        return {s.id for s in self.wn.synsets.values() if s.lexname in lexnames and r.search(s.definition())}

    def lemma_senses(self, pairs):
        """Synsets picked by (lemma, words of the gloss) pairs."""
        out = set()
        for lemma, hint in pairs:
            out |= {s.id for s in self.wn.senses(lemma, 'n') if hint in s.gloss}
        return out

    def instances_with_gloss(self, lexname, pattern):
        r = re.compile(pattern, re.I)
        return {s.id for s in self.wn.synsets.values()
                if s.lexname == lexname and s.targets('@i') and r.search(s.definition())}


def build(wn):
    """Category name -> set of synset ids that qualify for it (before the priority is applied)."""
    r = Rules(wn)
    c = {}
    c["Anatomy"] = r.lex('noun.body')
    c["Animals"] = r.lex('noun.animal')
    c["Archaeology"] = r.domain('archeology', 'archaeology') | wn.closure(sorted(r.gloss(
        r'archaeolog|archeolog|megalith|prehistoric|stone age|bronze age|iron age|paleolithic|mesolithic|neolithic|'
        r'burial mound|hieroglyph',
        ('noun.artifact', 'noun.time', 'noun.location', 'noun.cognition', 'noun.group', 'noun.act'))), ('~',))
    c["Architectural terms"] = r.domain('architecture') | r.kinds(
        2734423,   # architectural_ornament
        5841351,   # architectural_style
        3073977,   # column (architecture)
        2733524,   # arch
        3780392)   # molding
    c["Art"] = r.domain('art', 'fine_arts', 'fine_art', 'painting', 'sculpture', 'graphic_art') | r.kinds(
        4601690,   # work_of_art
        3876519,   # painting
        4157320,   # sculpture
        8466643)   # art_movement
    c["Astronomy"] = r.domain('astronomy', 'cosmology', 'astrophysics') | r.tree(
        9239740,   # celestial_body
        9252970)   # constellation
    c["Authors"] = r.named(10794014)   # writer
    c["Battles"] = r.named(953559, 1075117)   # battle, siege
    c["Boat types"] = r.kinds(4530566, 2858304)   # vessel, boat
    c["Building terms"] = r.kinds(14786479, 4341414) | r.kinds(*[s % 100_000_000 for s in r.lemma_senses([
        ('roof', 'protective covering'), ('wall', 'architectural partition'), ('floor', 'inside lower horizontal'),
        ('window', 'framework of wood or metal'), ('door', 'swinging or sliding barrier'), ('stairs', 'steps'),
        ('brick', 'rectangular block'), ('beam', 'long thick piece of wood'), ('foundation', 'lowest load-bearing')])]) \
        | r.domain('construction', 'masonry', 'building', 'carpentry')
    c["Business terms"] = r.domain('commerce', 'commercial_enterprise', 'business', 'economics', 'finance',
                                   'accounting', 'stock_exchange', 'corporation', 'tax', 'banking', 'auction',
                                   'industry', 'marketing')
    c["Capital cities"] = r.named(8691669)   # national_capital
    c["Clothes"] = r.kinds(3051540, 3419014, 3380867, 3381126, 3502509)   # clothing, garment, footwear x2, headdress
    c["Composers"] = r.named(9947232)   # composer
    c["Computing"] = r.domain('computer_science', 'computer', 'programming', 'computing', 'internet') | r.kinds(
        3082979,   # computer
        6566077) | r.kinds(*[s % 100_000_000 for s in r.lemma_senses([
            ('computer_memory', ''), ('peripheral', ''), ('program', 'computer')])])
    c["Countries"] = r.named(8544813, 8168978)   # country, state/nation
    c["Drink"] = r.kinds(7881800)   # beverage
    c["Domestic items"] = r.kinds(
        3528263, 3405725, 4381994, 3621049, 3621377,   # home_appliance, furniture, tableware, kitchen_utensil, kitchenware
        3101986, 3133538, 2820210, 4580298, 3405265)   # cookware, crockery, bedclothes, household_linen, furnishing
    parts = wn.closure(_n(8860123, 8871007, 8890097, 8894456, 8887841,   # UK, England, Scotland, Wales, N. Ireland
                          8888676, 8859173, 8858942, 8858248), ('%p',))    # Irish Republic, Ireland, Great Britain, British Isles
    c["British Isles geography"] = {p for p in parts if wn.synsets[p].lexname in ('noun.location', 'noun.object')}
    events = {s.id for s in wn.synsets.values() if s.lexname in ('noun.act', 'noun.event') and s.targets('@i')}
    c["Significant events"] = events - c["Battles"]
    c["Famous people"] = {s.id for s in wn.synsets.values() if s.lexname == 'noun.person' and s.targets('@i')}
    c["Flowers"] = r.kinds(11669921)   # flower (plant cultivated for its blooms)
    c["Food"] = r.lex('noun.food') - c["Drink"]
    c["Gardening terms"] = r.domain('gardening', 'horticulture') | r.kinds(
        3418242,   # garden_tool
        3417345,   # garden
        14859344) | r.kinds(*[s % 100_000_000 for s in r.lemma_senses([
            ('lawn', ''), ('hedge', 'fence formed'), ('mulch', ''), ('compost', ''), ('greenhouse', ''),
            ('flowerbed', ''), ('weed', 'plant'), ('seedling', ''), ('cutting', 'plant'), ('graft', 'plant')])])
    c["Historians"] = r.named(10177150)   # historian
    c["Islands"] = r.named(9316454, 9203827)   # island, archipelago
    c["Military terms, weapons etc"] = r.domain('military', 'armed_forces', 'war', 'army', 'navy', 'air_force') \
        | r.kinds(4565375)   # weapon
    c["Motoring terms"] = r.kinds(3791235, 2762044) | wn.closure(_n(2958343), ('%p',)) \
        | r.domain('driving', 'car', 'motor_vehicle', 'auto_racing', 'automobile')   # motor_vehicle, auto_part; car
    c["Mountains"] = r.named(9359803, 9472597, 9403734, 8617963)   # mountain, volcano, mountain_range, peak
    c["Movies and movie stars"] = r.named(9765278, 10088390, 9940146, 10089484) \
        | r.domain('movie', 'film', 'cinema', 'cinematography') | r.kinds(6613686)   # actor, film_maker, comedian, film_star; movie
    c["Novels"] = r.kinds(6367879) | r.named(9587565) \
        | r.instances_with_gloss('noun.person', r'character in .*novel|hero of .*novel|novel by')   # novel; fictional_character
    c["Photographic terms"] = r.domain('photography') | r.kinds(2942699, 3926148, 3338821) \
        | r.kinds(*[s % 100_000_000 for s in r.lemma_senses([('photograph', '')])])   # camera, photographic_equipment, film
    c["Plants"] = r.lex('noun.plant')
    singers = r.named(10599806, 10536416, 8250501, 8246613)   # singer, rock_star, rock_group, musical_group
    c["Pop music artists"] = {s for s in singers if not re.search(
        r'opera|soprano|tenor|baritone|contralto|bass|classical', wn.synsets[s].gloss)} - c["Composers"]
    c["Rivers"] = r.named(9411430)   # river
    c["Roman emperors"] = r.named(10537240) | r.instances_with_gloss(
        'noun.person', r'^(?:the )?(?:Roman Emperor|emperor of Rome)')   # Roman_Emperor
    c["Sports personalities"] = r.named(9820263, 10439851, 10502576, 9870208, 10223177)   # athlete, player, racer, boxer, jockey
    c["Time-related terms"] = r.lex('noun.time')
    c["US states"] = r.named(8655464)   # American_state
    c["Water (seas, lakes)"] = r.named(9426788, 9376198, 9328904, 9215664, 9296121, 9446115)   # sea, ocean, lake, bay, gulf, strait
    assert sorted(c) == sorted(NAMES)
    return c


def assign(qualifying):
    """Synset id -> the bit number of its highest-priority category."""
    best = {}
    for name in reversed(PRIORITY):
        for s in qualifying[name]:
            best[s] = BIT[name]
    return best
