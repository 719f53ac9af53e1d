// Bitset index of the dictionary and the imported list, and the plain scans it reproduces.
#include "core/symmetric/word_index.h"

#include "core/grid/pattern.h"

#include <bit>

namespace qm {

namespace {
bool IsIndexedLetter(char c) { return c >= 'A' && c <= 'Z'; }
}  // namespace

void LengthIndex::Build(int length, std::size_t bits)
{
    length_ = length;
    letters_.assign(static_cast<std::size_t>(length) * 26, WordBitset{});
    for (auto& set : letters_) set.Resize(bits);
    eligible_.Resize(bits);
    inUse_.Resize(bits);
}

void LengthIndex::AddWord(std::size_t index, std::string_view text, bool eligible, bool inUse)
{
    if (eligible && text.size() >= static_cast<std::size_t>(length_)) eligible_.Set(index);
    if (inUse) inUse_.Set(index);
    for (int p = 0; p < length_ && static_cast<std::size_t>(p) < text.size(); ++p)
        if (IsIndexedLetter(text[static_cast<std::size_t>(p)]))
            letters_[static_cast<std::size_t>(p * 26 + (text[static_cast<std::size_t>(p)] - 'A'))].Set(index);
}

long LengthIndex::FirstIn(const SetList& sets, std::size_t count, std::size_t from, std::size_t to) const
{
    const std::uint64_t* used = inUse_.Data();
    for (std::size_t w = from >> 6; w <= (to >> 6); ++w) {
        std::uint64_t m = ~used[w];
        for (std::size_t s = 0; s < count && m != 0; ++s) m &= sets[s][w];
        if (w == (from >> 6)) m &= ~std::uint64_t{0} << (from & 63);
        if (w == (to >> 6) && (to & 63) != 63) m &= (std::uint64_t{1} << ((to & 63) + 1)) - 1;
        if (m != 0) return static_cast<long>(w * 64 + static_cast<std::size_t>(std::countr_zero(m)));
    }
    return -1;
}

long LengthIndex::Find(std::string_view pattern, std::size_t lo, std::size_t hi, std::size_t start) const
{
    if (pattern.size() != static_cast<std::size_t>(length_)) return -2;
    if (lo > hi || eligible_.WordCount() == 0 || hi >= eligible_.WordCount() * 64) return -1;
    if (pattern.size() >= MaxIndexedLength) return -2;
    SetList sets{};
    std::size_t count = 0;
    sets[count++] = eligible_.Data();
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        const char c = pattern[p];
        if (c == '?') continue;
        if (!IsIndexedLetter(c)) return -2;
        sets[count++] = letters_[p * 26 + static_cast<std::size_t>(c - 'A')].Data();
    }
    long found = FirstIn(sets, count, start, hi);
    if (found < 0 && start > lo) found = FirstIn(sets, count, lo, start - 1);
    return found;
}

void WordIndex::Build(const Dictionary& dict, const ImportedList& imported)
{
    dict_.assign(MaxWordLength + 1, LengthIndex{});
    dictFlagged_.clear();
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        const auto& words = dict.MainWordArray[static_cast<std::size_t>(L)];
        LengthIndex& index = dict_[static_cast<std::size_t>(L)];
        index.Build(L, words.size());
        for (std::size_t i = 0; i < words.size(); ++i) {
            // The sentinels are never candidates, but a flag set on one is cleared like any other.
            if (i >= 1 && i + 1 < words.size()) index.AddWord(i, words[i].Text, words[i].Selected, words[i].InUse);
            if (words[i].InUse) dictFlagged_.emplace_back(L, static_cast<std::int32_t>(i));
        }
    }
    imported_.assign(imported.ThemeIndex.size(), LengthIndex{});
    for (std::size_t L = 0; L < imported.ThemeIndex.size(); ++L) {
        const auto& entries = imported.ThemeIndex[L];
        LengthIndex& index = imported_[L];
        index.Build(static_cast<int>(L), entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) index.AddWord(i, entries[i].Text, true, entries[i].Used);
    }
}

std::int32_t WordIndex::FindDictWord(const Dictionary& dict, int length, std::string_view pattern, std::int32_t lo,
                                     std::int32_t hi, std::int32_t start) const
{
    if (length < 0 || static_cast<std::size_t>(length) >= dict_.size() || lo < 1 || hi < lo || start < lo || start > hi)
        return ScanDictWord(dict, length, pattern, lo, hi, start);
    const long found = dict_[static_cast<std::size_t>(length)].Find(pattern, static_cast<std::size_t>(lo),
                                                                     static_cast<std::size_t>(hi), static_cast<std::size_t>(start));
    if (found == -2) return ScanDictWord(dict, length, pattern, lo, hi, start);
    return found < 0 ? 0 : static_cast<std::int32_t>(found);
}

std::int32_t WordIndex::FindImportedWord(const ImportedList& imported, int length, std::string_view pattern,
                                         std::int32_t start) const
{
    if (length < 0 || static_cast<std::size_t>(length) >= imported_.size()) return ScanImportedWord(imported, length, pattern, start);
    const auto n = static_cast<std::int32_t>(imported.EntriesOf(length).size());
    if (n == 0) return -1;
    if (start < 0 || start >= n) return ScanImportedWord(imported, length, pattern, start);
    const long found = imported_[static_cast<std::size_t>(length)].Find(pattern, 0, static_cast<std::size_t>(n - 1),
                                                                        static_cast<std::size_t>(start));
    if (found == -2) return ScanImportedWord(imported, length, pattern, start);
    return found < 0 ? -1 : static_cast<std::int32_t>(found);
}

void WordIndex::SetDictInUse(Dictionary& dict, int length, std::int32_t i, bool inUse)
{
    dict.MainWordArray.at(static_cast<std::size_t>(length)).at(static_cast<std::size_t>(i)).InUse = inUse;
    LengthIndex& index = dict_.at(static_cast<std::size_t>(length));
    if (inUse) {
        index.InUse().Set(static_cast<std::size_t>(i));
        dictFlagged_.emplace_back(length, i);
    } else {
        index.InUse().Reset(static_cast<std::size_t>(i));
    }
}

void WordIndex::SetImportedUsed(ImportedList& imported, int length, std::int32_t pos, bool used)
{
    imported.ThemeIndex.at(static_cast<std::size_t>(length)).at(static_cast<std::size_t>(pos)).Used = used;
    LengthIndex& index = imported_.at(static_cast<std::size_t>(length));
    if (used)
        index.InUse().Set(static_cast<std::size_t>(pos));
    else
        index.InUse().Reset(static_cast<std::size_t>(pos));
}

void WordIndex::ClearDictInUse(Dictionary& dict)
{
    for (const auto& [L, i] : dictFlagged_) {
        dict.MainWordArray[static_cast<std::size_t>(L)][static_cast<std::size_t>(i)].InUse = false;
        dict_[static_cast<std::size_t>(L)].InUse().Reset(static_cast<std::size_t>(i));
    }
    dictFlagged_.clear();
}

void WordIndex::ClearImportedUsed(ImportedList& imported)
{
    for (auto& entries : imported.ThemeIndex)
        for (ThemeEntry& e : entries) {
            e.Used = false;
            e.Available = true;
        }
    for (LengthIndex& index : imported_) index.InUse().Clear();
}

std::int32_t ScanDictWord(const Dictionary& dict, int length, std::string_view pattern, std::int32_t lo, std::int32_t hi,
                          std::int32_t start)
{
    if (length < 0 || length > MaxWordLength) return 0;
    const auto& words = dict.MainWordArray[static_cast<std::size_t>(length)];
    const std::int32_t n = hi - lo + 1;
    std::int32_t i = start;
    for (std::int32_t k = 0; k < n; ++k) {
        const DictWord& w = words.at(static_cast<std::size_t>(i));
        if (!w.InUse && w.Selected && MatchesPattern(w.Text, pattern)) return i;
        if (++i > hi) i = lo;
    }
    return 0;
}

std::int32_t ScanImportedWord(const ImportedList& imported, int length, std::string_view pattern, std::int32_t start)
{
    const auto& entries = imported.EntriesOf(length);
    const auto n = static_cast<std::int32_t>(entries.size());
    std::int32_t i = start;
    for (std::int32_t k = 0; k < n; ++k) {
        const ThemeEntry& e = entries.at(static_cast<std::size_t>(i));
        if (!e.Used && MatchesPattern(e.Text, pattern)) return i;
        if (++i >= n) i = 0;
    }
    return -1;
}

}  // namespace qm
