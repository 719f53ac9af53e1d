// Gathering the candidate words of a fill of any grid from the dictionary and the imported list.
#include "core/anyfill/fill_words.h"

#include <algorithm>
#include <string>
#include <unordered_set>

namespace qm {

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
    for (int L = MinAnyWordLength; L <= MaxAnyWordLength; ++L) {
        if (!lengths[static_cast<std::size_t>(L)]) continue;
        Length& l = lengths_[static_cast<std::size_t>(L)];
        std::unordered_set<std::string_view> taken;
        if (useImported && L < static_cast<int>(imported.ThemeIndex.size())) {
            const auto& entries = imported.ThemeIndex[static_cast<std::size_t>(L)];
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const std::string& text = entries[i].Text;
                if (text.size() != static_cast<std::size_t>(L) || !lettersOnly(text) || !taken.insert(text).second) continue;
                Add(l, L, text, {false, static_cast<std::int32_t>(i)});
            }
        }
        if (source == FillSourceKind::Hybrid) l.Preferred = static_cast<int>(l.Origins.size());
        if (useDictionary) {
            const auto& words = dict.MainWordArray[static_cast<std::size_t>(L)];
            std::vector<std::int32_t> order;
            for (std::int32_t i = 1; i <= dict.Count(L); ++i) {
                const DictWord& w = words[static_cast<std::size_t>(i)];
                if (w.Selected && w.Text.size() == static_cast<std::size_t>(L) && lettersOnly(w.Text) && !taken.count(w.Text))
                    order.push_back(i);
            }
            std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
                return words[static_cast<std::size_t>(a)].Rarity > words[static_cast<std::size_t>(b)].Rarity;
            });
            // A word the dictionary holds twice is a candidate once.
            std::unordered_set<std::string_view> seen;
            for (std::int32_t i : order) {
                const std::string& text = words[static_cast<std::size_t>(i)].Text;
                if (seen.insert(text).second) Add(l, L, text, {true, i});
            }
        }
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
