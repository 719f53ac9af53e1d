// Gathering the candidate words of a fill of any grid from the dictionary and the imported list.
#include "core/anyfill/fill_words.h"

#include <algorithm>
#include <string>

namespace qm {

namespace {
/// The highest Rarity that orders the dictionary's candidates; any above counts as this.
constexpr int MaxRarity = 20;
}  // namespace

NeededLengths LengthsOf(const Crossword& xw)
{
    NeededLengths needed{};
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const int L = xw.Slot(i).NumLett;
        if (L >= 0 && L <= MaxAnyWordLength) needed[static_cast<std::size_t>(L)] = true;
    }
    return needed;
}

FillWords::FillWords(const Dictionary& dict, const ImportedList& imported, FillSourceKind source, const NeededLengths& lengths)
{
    const bool useImported = source == FillSourceKind::ImportedOnly || source == FillSourceKind::Hybrid;
    const bool useDictionary = UsesDictionary(source);
    auto lettersOnly = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    };
    auto importedOf = [&](int L) -> const std::vector<ThemeEntry>* {
        return useImported && L < static_cast<int>(imported.ThemeIndex.size()) ? &imported.ThemeIndex[static_cast<std::size_t>(L)] : nullptr;
    };

    // Room for every candidate the stores could give, in one block: letters, origins, bitsets.
    std::array<std::size_t, MaxAnyWordLength + 1> bound{};
    std::size_t bytes = 0;
    auto align = [](std::size_t n) { return (n + 63) & ~std::size_t{63}; };
    for (int L = MinAnyWordLength; L <= MaxAnyWordLength; ++L) {
        if (!lengths[static_cast<std::size_t>(L)]) continue;
        const auto* entries = importedOf(L);
        std::size_t& n = bound[static_cast<std::size_t>(L)];
        n = (entries ? entries->size() : 0) + (useDictionary ? static_cast<std::size_t>(dict.Count(L)) : 0);
        bytes += align(n * static_cast<std::size_t>(L)) + align(n * sizeof(WordOrigin)) +
                 align(static_cast<std::size_t>(L) * 26 * ((n + 63) / 64) * sizeof(std::uint64_t));
    }
    block_ = LargeBlock(bytes);
    auto* next = static_cast<char*>(block_.Data());

    struct Candidate {
        std::string_view Text;
        WordOrigin Origin;
    };
    std::vector<Candidate> candidates;
    std::vector<std::int32_t> byText;
    std::vector<char> dropped;
    std::vector<char> skip;
    for (int L = MinAnyWordLength; L <= MaxAnyWordLength; ++L) {
        if (!lengths[static_cast<std::size_t>(L)]) continue;
        const std::size_t n = bound[static_cast<std::size_t>(L)];
        Length& l = lengths_[static_cast<std::size_t>(L)];
        l.Letters = next;
        next += align(n * static_cast<std::size_t>(L));
        l.Origins = reinterpret_cast<WordOrigin*>(next);
        next += align(n * sizeof(WordOrigin));
        l.Sets = reinterpret_cast<std::uint64_t*>(next);
        next += align(static_cast<std::size_t>(L) * 26 * ((n + 63) / 64) * sizeof(std::uint64_t));

        candidates.clear();
        if (const auto* entries = importedOf(L))
            for (std::size_t i = 0; i < entries->size(); ++i)
                candidates.push_back({(*entries)[i].Text, {false, static_cast<std::int32_t>(i)}});
        const std::size_t importedCount = candidates.size();
        bool repeatsDropped = false;
        if (useDictionary) {
            const auto& words = dict.MainWordArray[static_cast<std::size_t>(L)];
            const std::int32_t count = dict.Count(L);
            auto rank = [&](std::int32_t i) {
                return static_cast<std::size_t>(MaxRarity - std::min<int>(words[static_cast<std::size_t>(i)].Rarity, MaxRarity));
            };
            // A dictionary in alphabetical order (as the tools write it) holds a repeated word in a run:
            // the commonest of the run stays. Otherwise, or with imported words, repeats are found below.
            bool sorted = true;
            for (std::int32_t i = 2; i <= count && sorted; ++i)
                sorted = words[static_cast<std::size_t>(i - 1)].Text <= words[static_cast<std::size_t>(i)].Text;
            skip.assign(static_cast<std::size_t>(count) + 1, 0);
            if (sorted && importedCount == 0) {
                repeatsDropped = true;
                std::int32_t kept = 0;
                for (std::int32_t i = 1; i <= count; ++i) {
                    if (!words[static_cast<std::size_t>(i)].Selected) continue;
                    if (kept > 0 && words[static_cast<std::size_t>(kept)].Text == words[static_cast<std::size_t>(i)].Text) {
                        const bool later = rank(i) < rank(kept);
                        skip[static_cast<std::size_t>(later ? kept : i)] = 1;
                        if (later) kept = i;
                        continue;
                    }
                    kept = i;
                }
            }
            // The commonest first (Rarity 20 down to 0), in file order within one rarity.
            std::array<std::size_t, MaxRarity + 2> starts{};
            for (std::int32_t i = 1; i <= count; ++i)
                if (words[static_cast<std::size_t>(i)].Selected && !skip[static_cast<std::size_t>(i)]) ++starts[rank(i) + 1];
            for (std::size_t r = 1; r < starts.size(); ++r) starts[r] += starts[r - 1];
            candidates.resize(importedCount + starts.back());
            for (std::int32_t i = 1; i <= count; ++i)
                if (words[static_cast<std::size_t>(i)].Selected && !skip[static_cast<std::size_t>(i)])
                    candidates[importedCount + starts[rank(i)]++] = {words[static_cast<std::size_t>(i)].Text, {true, i}};
        }
        dropped.assign(candidates.size(), 0);
        if (!repeatsDropped) {
            // A text met again later (in the list, the dictionary, or both) is dropped.
            byText.resize(candidates.size());
            for (std::size_t i = 0; i < byText.size(); ++i) byText[i] = static_cast<std::int32_t>(i);
            std::sort(byText.begin(), byText.end(), [&](std::int32_t a, std::int32_t b) {
                const int order = candidates[static_cast<std::size_t>(a)].Text.compare(candidates[static_cast<std::size_t>(b)].Text);
                return order != 0 ? order < 0 : a < b;
            });
            for (std::size_t k = 1; k < byText.size(); ++k)
                if (candidates[static_cast<std::size_t>(byText[k])].Text == candidates[static_cast<std::size_t>(byText[k - 1])].Text)
                    dropped[static_cast<std::size_t>(byText[k])] = 1;
        }
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            if (i == importedCount && source == FillSourceKind::Hybrid) l.Preferred = l.Count;
            const Candidate& c = candidates[i];
            if (dropped[i] || c.Text.size() != static_cast<std::size_t>(L) || !lettersOnly(c.Text)) continue;
            std::copy(c.Text.begin(), c.Text.end(), l.Letters + static_cast<std::size_t>(l.Count) * static_cast<std::size_t>(L));
            l.Origins[l.Count++] = c.Origin;
        }
        if (source == FillSourceKind::Hybrid && importedCount == candidates.size()) l.Preferred = l.Count;
        l.Blocks = (static_cast<std::size_t>(l.Count) + 63) / 64;
        for (int i = 0; i < l.Count; ++i)
            for (int p = 0; p < L; ++p) {
                const int letter = l.Letters[static_cast<std::size_t>(i) * static_cast<std::size_t>(L) + static_cast<std::size_t>(p)] - 'A';
                l.Sets[(static_cast<std::size_t>(p) * 26 + static_cast<std::size_t>(letter)) * l.Blocks + (static_cast<std::size_t>(i) >> 6)] |=
                    std::uint64_t{1} << (i & 63);
            }
    }
}

int FillWords::Find(int length, std::string_view text) const
{
    if (length < MinAnyWordLength || length > MaxAnyWordLength || text.size() != static_cast<std::size_t>(length)) return -1;
    for (int i = 0; i < Count(length); ++i)
        if (Text(length, i) == text) return i;
    return -1;
}

}  // namespace qm
