// Bitset index of the dictionary and the imported list, and the plain scans it reproduces.
#include "core/symmetric/word_index.h"

#include "core/grid/pattern.h"
#include "core/util/index.h"

#include <algorithm>
#include <bit>

namespace qm {

namespace {
bool IsIndexedLetter(char c) { return c >= 'A' && c <= 'Z'; }
}  // namespace

void LengthIndex::Build(int length, std::size_t bits)
{
    length_ = length;
    words_ = (bits + 63) / 64;
    letters_.assign(static_cast<std::size_t>(length) * 26 * words_, 0);
    eligible_.Resize(bits);
    inUse_.Resize(bits);
    available_.Resize(bits);
}

void LengthIndex::SetInUse(std::size_t index, bool inUse)
{
    inUse_.Assign(index, inUse);
    available_.Assign(index, !inUse && eligible_.Test(index));
}

void LengthIndex::ClearInUse()
{
    inUse_.Clear();
    available_ = eligible_;
}

void LengthIndex::AddWord(std::size_t index, std::string_view text, bool eligible, bool inUse)
{
    const bool candidate = eligible && text.size() >= static_cast<std::size_t>(length_);
    if (candidate) eligible_.Set(index);
    if (inUse) inUse_.Set(index);
    if (candidate && !inUse) available_.Set(index);
    const std::uint64_t bit = std::uint64_t{1} << (index & 63);
    const std::size_t word = index >> 6;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(length_));
    for (std::size_t p = 0; p < n; ++p)
        if (IsIndexedLetter(text[p])) letters_[(p * 26 + static_cast<std::size_t>(text[p] - 'A')) * words_ + word] |= bit;
}

long LengthIndex::FirstIn(const SetList& sets, std::size_t count, std::size_t from, std::size_t to) const
{
    for (std::size_t w = from >> 6; w <= (to >> 6); ++w) {
        std::uint64_t m = sets[0][w];
        for (std::size_t s = 1; s < count && m != 0; ++s) m &= sets[s][w];
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
    // The sparse letter sets first, so that a block without candidates is left after a load or two.
    SetList sets;  // only the first `count` are read
    std::size_t count = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        const char c = pattern[p];
        if (c == '?') continue;
        if (!IsIndexedLetter(c)) return -2;
        sets[count++] = LetterSet(p, c - 'A');
    }
    sets[count++] = available_.Data();
    long found = FirstIn(sets, count, start, hi);
    if (found < 0 && start > lo) found = FirstIn(sets, count, lo, start - 1);
    return found;
}

void WordIndex::Build(const Dictionary& dict, const ImportedList& imported)
{
    BuildDictionary(dict);
    BuildImported(imported);
}

void WordIndex::Prepare(const Dictionary& dict, const ImportedList& imported)
{
    if (dict.Version == 0 || dict.Version != dictVersion_ || dict_.empty())
        BuildDictionary(dict);
    else if (!tracked_)
        ReadDictInUse(dict);
    BuildImported(imported);
}

void WordIndex::BuildDictionary(const Dictionary& dict)
{
    dict_.assign(MaxWordLength + 1, LengthIndex{});
    dictFlagged_.clear();
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        const auto& words = dict.WordsOf(L);
        LengthIndex& index = dict_[L];
        index.Build(L, words.size());
        for (std::size_t i = 0; i < words.size(); ++i) {
            // The sentinels are never candidates, but a flag set on one is cleared like any other.
            if (i >= 1 && i + 1 < words.size()) index.AddWord(i, words[i].Text, words[i].Selected, words[i].InUse);
            if (words[i].InUse) dictFlagged_.emplace_back(L, static_cast<std::int32_t>(i));
        }
    }
    dictVersion_ = dict.Version;
    tracked_ = true;
}

void WordIndex::ReadDictInUse(const Dictionary& dict)
{
    dictFlagged_.clear();
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        const auto& words = dict.WordsOf(L);
        LengthIndex& index = dict_[L];
        index.ClearInUse();
        for (std::size_t i = 0; i < words.size(); ++i)
            if (words[i].InUse) {
                index.SetInUse(i, true);
                dictFlagged_.emplace_back(L, static_cast<std::int32_t>(i));
            }
    }
    tracked_ = true;
}

void WordIndex::BuildImported(const ImportedList& imported)
{
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
    if (length < 0 || length >= dict_.Size() || lo < 1 || hi < lo || start < lo || start > hi)
        return ScanDictWord(dict, length, pattern, lo, hi, start);
    // lo, hi and start are at least 1 here.
    const long found = dict_[length].Find(pattern, static_cast<std::size_t>(lo), static_cast<std::size_t>(hi), static_cast<std::size_t>(start));
    if (found == -2) return ScanDictWord(dict, length, pattern, lo, hi, start);
    return found < 0 ? 0 : static_cast<std::int32_t>(found);
}

std::int32_t WordIndex::FindImportedWord(const ImportedList& imported, int length, std::string_view pattern,
                                         std::int32_t start) const
{
    if (length < 0 || length >= imported_.Size()) return ScanImportedWord(imported, length, pattern, start);
    const auto n = static_cast<std::int32_t>(imported.EntriesOf(length).size());
    if (n == 0) return -1;
    if (start < 0 || start >= n) return ScanImportedWord(imported, length, pattern, start);
    const long found = imported_[length].Find(pattern, 0, static_cast<std::size_t>(n - 1), static_cast<std::size_t>(start));
    if (found == -2) return ScanImportedWord(imported, length, pattern, start);
    return found < 0 ? -1 : static_cast<std::int32_t>(found);
}

void WordIndex::SetDictInUse(Dictionary& dict, int length, std::int32_t i, bool inUse)
{
    dict.Word(length, i).InUse = inUse;
    At(dict_, length).SetInUse(static_cast<std::size_t>(i), inUse);
    if (inUse) dictFlagged_.emplace_back(length, i);
}

void WordIndex::SetImportedUsed(ImportedList& imported, int length, std::int32_t pos, bool used)
{
    imported.Entry(length, pos).Used = used;
    At(imported_, length).SetInUse(static_cast<std::size_t>(pos), used);
}

void WordIndex::ClearDictInUse(Dictionary& dict)
{
    for (const auto& [L, i] : dictFlagged_) {
        dict.Word(L, i).InUse = false;
        dict_[L].SetInUse(static_cast<std::size_t>(i), false);
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
    for (LengthIndex& index : imported_) index.ClearInUse();
}

std::int32_t ScanDictWord(const Dictionary& dict, int length, std::string_view pattern, std::int32_t lo, std::int32_t hi,
                          std::int32_t start)
{
    if (length < 0 || length > MaxWordLength) return 0;
    const auto& words = dict.WordsOf(length);
    const std::int32_t n = hi - lo + 1;
    if (n <= 0) return 0;
    // Every index read below is start or lies in lo..hi, so one check before the loop keeps the reads
    // inside the store (a check per word slowed the scan by a quarter).
    Check(std::min(start, lo) >= 0 && static_cast<std::size_t>(std::max(start, hi)) < words.size(), RangeError);
    std::int32_t i = start;
    for (std::int32_t k = 0; k < n; ++k) {
        const DictWord& w = words[static_cast<std::size_t>(i)];
        if (!w.InUse && w.Selected && MatchesPattern(w.Text, pattern)) return i;
        if (++i > hi) i = lo;
    }
    return 0;
}

std::int32_t ScanImportedWord(const ImportedList& imported, int length, std::string_view pattern, std::int32_t start)
{
    const auto& entries = imported.EntriesOf(length);
    const auto n = static_cast<std::int32_t>(entries.size());
    if (n == 0) return -1;
    Check(start >= 0 && start < n, RangeError);  // then every index read lies in 0..n-1
    std::int32_t i = start;
    for (std::int32_t k = 0; k < n; ++k) {
        const ThemeEntry& e = entries[static_cast<std::size_t>(i)];
        if (!e.Used && MatchesPattern(e.Text, pattern)) return i;
        if (++i >= n) i = 0;
    }
    return -1;
}

}  // namespace qm
