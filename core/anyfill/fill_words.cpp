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

void FillWords::Add(Length& l, int length, std::string_view text, WordOrigin origin)
{
    l.Letters.insert(l.Letters.end(), text.begin(), text.begin() + length);
    l.Origins.push_back(origin);
}

void FillWords::Index(Length& l, int length)
{
    const std::size_t count = l.Origins.size();
    l.Blocks = (count + 63) / 64;
    l.Sets.assign(static_cast<std::size_t>(length) * 26 * l.Blocks, 0);
    for (std::size_t i = 0; i < count; ++i)
        for (int p = 0; p < length; ++p) {
            const int letter = l.Letters[i * static_cast<std::size_t>(length) + static_cast<std::size_t>(p)] - 'A';
            l.Sets[(static_cast<std::size_t>(p) * 26 + static_cast<std::size_t>(letter)) * l.Blocks + (i >> 6)] |=
                std::uint64_t{1} << (i & 63);
        }
}

FillWords::FillWords(const Dictionary& dict, const ImportedList& imported, FillSourceKind source, const NeededLengths& lengths)
{
    const bool useImported = source == FillSourceKind::ImportedOnly || source == FillSourceKind::Hybrid;
    const bool useDictionary = UsesDictionary(source);
    auto lettersOnly = [](std::string_view text) {
        return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    };
    struct Candidate {
        std::string_view Text;
        WordOrigin Origin;
    };
    std::vector<Candidate> candidates;
    std::vector<std::int32_t> byText;
    std::vector<char> dropped;
    for (int L = MinAnyWordLength; L <= MaxAnyWordLength; ++L) {
        if (!lengths[static_cast<std::size_t>(L)]) continue;
        Length& l = lengths_[static_cast<std::size_t>(L)];
        candidates.clear();
        if (useImported && L < static_cast<int>(imported.ThemeIndex.size())) {
            const auto& entries = imported.ThemeIndex[static_cast<std::size_t>(L)];
            for (std::size_t i = 0; i < entries.size(); ++i)
                if (entries[i].Text.size() == static_cast<std::size_t>(L) && lettersOnly(entries[i].Text))
                    candidates.push_back({entries[i].Text, {false, static_cast<std::int32_t>(i)}});
        }
        const std::size_t importedCount = candidates.size();
        if (useDictionary) {
            // The commonest first (Rarity 20 down to 0), in file order within one rarity.
            const auto& words = dict.MainWordArray[static_cast<std::size_t>(L)];
            std::array<std::size_t, 22> starts{};
            for (std::int32_t i = 1; i <= dict.Count(L); ++i) {
                const DictWord& w = words[static_cast<std::size_t>(i)];
                if (w.Selected) ++starts[static_cast<std::size_t>(MaxRarity - std::min<int>(w.Rarity, MaxRarity)) + 1];
            }
            for (std::size_t r = 1; r < starts.size(); ++r) starts[r] += starts[r - 1];
            candidates.resize(importedCount + starts.back());
            for (std::int32_t i = 1; i <= dict.Count(L); ++i) {
                const DictWord& w = words[static_cast<std::size_t>(i)];
                if (!w.Selected) continue;
                std::size_t& at = starts[static_cast<std::size_t>(MaxRarity - std::min<int>(w.Rarity, MaxRarity))];
                candidates[importedCount + at++] = {w.Text, {true, i}};
            }
        }
        // A text met again later (in the list, the dictionary, or both) is dropped.
        byText.resize(candidates.size());
        for (std::size_t i = 0; i < byText.size(); ++i) byText[i] = static_cast<std::int32_t>(i);
        std::sort(byText.begin(), byText.end(), [&](std::int32_t a, std::int32_t b) {
            const int order = candidates[static_cast<std::size_t>(a)].Text.compare(candidates[static_cast<std::size_t>(b)].Text);
            return order != 0 ? order < 0 : a < b;
        });
        dropped.assign(candidates.size(), 0);
        for (std::size_t k = 1; k < byText.size(); ++k)
            if (candidates[static_cast<std::size_t>(byText[k])].Text == candidates[static_cast<std::size_t>(byText[k - 1])].Text)
                dropped[static_cast<std::size_t>(byText[k])] = 1;
        l.Letters.reserve(candidates.size() * static_cast<std::size_t>(L));
        l.Origins.reserve(candidates.size());
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const Candidate& c = candidates[i];
            if (dropped[i] || c.Text.size() != static_cast<std::size_t>(L) || !lettersOnly(c.Text)) continue;
            if (i == importedCount && source == FillSourceKind::Hybrid) l.Preferred = static_cast<int>(l.Origins.size());
            Add(l, L, c.Text, c.Origin);
        }
        if (source == FillSourceKind::Hybrid && importedCount == candidates.size()) l.Preferred = static_cast<int>(l.Origins.size());
        Index(l, L);
    }
}

int FillWords::Find(int length, std::string_view text) const
{
    if (length < MinAnyWordLength || length > MaxAnyWordLength || text.size() != static_cast<std::size_t>(length)) return -1;
    for (int i = 0; i < Count(length); ++i)
        if (Text(length, i) == text) return i;
    return -1;
}

std::size_t FillWords::MemoryBytes() const
{
    std::size_t bytes = 0;
    for (const Length& l : lengths_)
        bytes += l.Letters.capacity() + l.Origins.capacity() * sizeof(WordOrigin) + l.Sets.capacity() * sizeof(std::uint64_t);
    return bytes;
}

}  // namespace qm
