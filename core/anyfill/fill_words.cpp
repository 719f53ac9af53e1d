// Gathering the candidate words of a fill of any grid from the dictionary and the imported list.
#include "core/anyfill/fill_words.h"

#include <algorithm>
#include <string>

namespace qm {

namespace {
/// The highest Rarity that orders the dictionary's candidates; any above counts as this.
constexpr int MaxRarity = 20;

/// One candidate before it is stored: its text and where it came from.
struct Candidate {
    std::string_view Text;
    WordOrigin Origin;
};

/// Bytes rounded up to whole cache lines, so that each table of a length starts on its own line.
std::size_t Aligned(std::size_t bytes) { return (bytes + 63) & ~std::size_t{63}; }

/// Bytes of the length x 26 bitsets over n candidates.
std::size_t SetBytes(int length, std::size_t n)
{
    return static_cast<std::size_t>(length) * 26 * ((n + 63) / 64) * sizeof(std::uint64_t);
}

/// 0 for the commonest dictionary words (Rarity 20 and above) up to 20 for Rarity 0.
std::size_t RankOf(const DictWord& w) { return static_cast<std::size_t>(MaxRarity - std::min<int>(w.Rarity, MaxRarity)); }

bool LettersOnly(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

/// A dictionary in alphabetical order (as the tools write it) holds a repeated word in a run: the
/// commonest selected word of the run stays, the others are marked in skip (1..count). False, and
/// nothing marked, when the words of this length are not in order.
bool SkipRepeatsInRuns(const std::vector<DictWord>& words, std::int32_t count, std::vector<char>& skip)
{
    for (std::int32_t i = 2; i <= count; ++i)
        if (!(words[i - 1].Text <= words[i].Text)) return false;
    std::int32_t kept = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
        if (!words[i].Selected) continue;
        if (kept > 0 && words[kept].Text == words[i].Text) {
            const bool later = RankOf(words[i]) < RankOf(words[kept]);
            skip[later ? kept : i] = 1;
            if (later) kept = i;
            continue;
        }
        kept = i;
    }
    return true;
}

/// Appends the selected dictionary words not skipped: the commonest first (Rarity 20 down to 0), in
/// file order within one rarity.
void AppendDictionaryWords(const std::vector<DictWord>& words, std::int32_t count, const std::vector<char>& skip,
                           std::vector<Candidate>& candidates)
{
    const std::size_t before = candidates.size();
    std::array<std::size_t, MaxRarity + 2> starts{};
    for (std::int32_t i = 1; i <= count; ++i)
        if (words[i].Selected && !skip[i]) ++starts[RankOf(words[i]) + 1];
    for (std::size_t r = 1; r < starts.size(); ++r) starts[r] += starts[r - 1];
    candidates.resize(before + starts.back());
    for (std::int32_t i = 1; i <= count; ++i)
        if (words[i].Selected && !skip[i]) candidates[before + starts[RankOf(words[i])]++] = {words[i].Text, {true, i}};
}

/// Marks in dropped each candidate whose text was met earlier in the list.
void MarkRepeats(const std::vector<Candidate>& candidates, std::vector<char>& dropped)
{
    std::vector<std::int32_t> byText(candidates.size());
    for (std::size_t i = 0; i < byText.size(); ++i) byText[i] = static_cast<std::int32_t>(i);
    std::sort(byText.begin(), byText.end(), [&](std::int32_t a, std::int32_t b) {
        const int order = candidates[a].Text.compare(candidates[b].Text);
        return order != 0 ? order < 0 : a < b;
    });
    for (std::size_t k = 1; k < byText.size(); ++k)
        if (candidates[byText[k]].Text == candidates[byText[k - 1]].Text) dropped[byText[k]] = 1;
}
}  // namespace

NeededLengths LengthsOf(const Crossword& xw)
{
    NeededLengths needed{};
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const int L = xw.Slot(i).NumLett;
        if (L >= 0 && L <= MaxAnyWordLength) needed[L] = true;
    }
    return needed;
}

FillWords::FillWords(const Dictionary& dict, const ImportedList& imported, FillSourceKind source, const NeededLengths& lengths)
{
    const bool useImported = source == FillSourceKind::ImportedOnly || source == FillSourceKind::Hybrid;
    const bool useDictionary = UsesDictionary(source);
    auto importedOf = [&](int L) -> const std::vector<ThemeEntry>* {
        return useImported && L < static_cast<int>(imported.ThemeIndex.size()) ? &imported.ThemeIndex[L] : nullptr;
    };

    // Room for every candidate the stores could give, in one block: letters, origins, bitsets.
    std::array<std::size_t, MaxAnyWordLength + 1> bound{};
    std::size_t bytes = 0;
    for (int L = MinAnyWordLength; L <= MaxAnyWordLength; ++L) {
        if (!lengths[L]) continue;
        const auto* entries = importedOf(L);
        const std::size_t n = (entries ? entries->size() : 0) + (useDictionary ? static_cast<std::size_t>(dict.Count(L)) : 0);
        bound[L] = n;
        bytes += Aligned(n * static_cast<std::size_t>(L)) + Aligned(n * sizeof(WordOrigin)) + Aligned(SetBytes(L, n));
    }
    block_ = LargeBlock(bytes);
    auto* next = static_cast<char*>(block_.Data());

    std::vector<Candidate> candidates;
    std::vector<char> dropped;
    std::vector<char> skip;
    for (int L = MinAnyWordLength; L <= MaxAnyWordLength; ++L) {
        if (!lengths[L]) continue;
        Length& l = lengths_[L];
        next = l.Carve(next, L, bound[L]);

        candidates.clear();
        if (const auto* entries = importedOf(L))
            for (std::size_t i = 0; i < entries->size(); ++i)
                candidates.push_back({(*entries)[i].Text, {false, static_cast<std::int32_t>(i)}});
        const std::size_t importedCount = candidates.size();
        bool repeatsDropped = false;
        if (useDictionary) {
            const std::vector<DictWord>& words = dict.WordsOf(L);
            const std::int32_t count = dict.Count(L);
            skip.assign(static_cast<std::size_t>(count) + 1, 0);
            // Repeats among imported words, or in a dictionary out of order, are found by MarkRepeats below.
            repeatsDropped = importedCount == 0 && SkipRepeatsInRuns(words, count, skip);
            AppendDictionaryWords(words, count, skip, candidates);
        }
        dropped.assign(candidates.size(), 0);
        if (!repeatsDropped) MarkRepeats(candidates, dropped);
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            if (i == importedCount && source == FillSourceKind::Hybrid) l.Preferred = l.Count;
            const Candidate& c = candidates[i];
            if (dropped[i] || c.Text.size() != static_cast<std::size_t>(L) || !LettersOnly(c.Text)) continue;
            std::copy(c.Text.begin(), c.Text.end(), l.WordAt(l.Count, L));
            l.Origins[l.Count++] = c.Origin;
        }
        if (source == FillSourceKind::Hybrid && importedCount == candidates.size()) l.Preferred = l.Count;
        l.MakeLetterSets(L);
    }
}

char* FillWords::Length::Carve(char* next, int length, std::size_t bound)
{
    Letters = next;
    next += Aligned(bound * static_cast<std::size_t>(length));
    Origins = reinterpret_cast<WordOrigin*>(next);
    next += Aligned(bound * sizeof(WordOrigin));
    Sets = reinterpret_cast<std::uint64_t*>(next);
    return next + Aligned(SetBytes(length, bound));
}

void FillWords::Length::MakeLetterSets(int length)
{
    Blocks = (static_cast<std::size_t>(Count) + 63) / 64;
    for (int i = 0; i < Count; ++i)
        for (int p = 0; p < length; ++p) LetterSetAt(p, WordAt(i, length)[p] - 'A')[i >> 6] |= std::uint64_t{1} << (i & 63);
}

int FillWords::Find(int length, std::string_view text) const
{
    if (length < MinAnyWordLength || length > MaxAnyWordLength || text.size() != static_cast<std::size_t>(length)) return -1;
    for (int i = 0; i < Count(length); ++i)
        if (Text(length, i) == text) return i;
    return -1;
}

}  // namespace qm
