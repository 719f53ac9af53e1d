// Building the per-length letter bitsets of the imported list and copying the entries' flags into them.
#include "core/freeform/candidate_index.h"

#include <algorithm>

namespace qm {

namespace {

bool Matches(const CandidateIndex& index, const ImportedList& list)
{
    if (index.Version != list.IndexVersion || index.ByLength.size() != list.ThemeIndex.size()) return false;
    for (std::size_t L = 0; L < list.ThemeIndex.size(); ++L)
        if (index.ByLength[L].Count != static_cast<std::int32_t>(list.ThemeIndex[L].size())) return false;
    return true;
}

constexpr std::size_t Pairs = 26 * 26;

/// The pair of letters at text[at], text[at + 1]; -1 when either is not A..Z.
int PairOf(const std::string& text, std::size_t at)
{
    if (text.size() < at + 2) return -1;
    const char a = text[at], b = text[at + 1];
    if (a < 'A' || a > 'Z' || b < 'A' || b > 'Z') return -1;
    return (a - 'A') * 26 + (b - 'A');
}

/// Groups the entries by a pair of their letters, keeping index order within each group.
void GroupByPair(const std::vector<ThemeEntry>& entries, bool atStart, std::vector<std::int32_t>& starts,
                 std::vector<std::int32_t>& indexes)
{
    std::vector<int> keys(entries.size());
    starts.assign(Pairs + 1, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string& t = entries[i].Text;
        keys[i] = t.size() < 2 ? -1 : PairOf(t, atStart ? 0 : t.size() - 2);
        if (keys[i] >= 0) ++starts[static_cast<std::size_t>(keys[i]) + 1];
    }
    for (std::size_t k = 0; k < Pairs; ++k) starts[k + 1] += starts[k];
    indexes.assign(static_cast<std::size_t>(starts[Pairs]), 0);
    std::vector<std::int32_t> next(starts.begin(), starts.end() - 1);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (keys[i] >= 0) indexes[static_cast<std::size_t>(next[static_cast<std::size_t>(keys[i])]++)] = static_cast<std::int32_t>(i);
}

}  // namespace

void RefreshCandidateIndex(CandidateIndex& index, const ImportedList& list)
{
    if (Matches(index, list)) return;
    index.ByLength.assign(list.ThemeIndex.size(), {});
    for (std::size_t L = 0; L < list.ThemeIndex.size(); ++L) {
        const auto& entries = list.ThemeIndex[L];
        LengthBits& bits = index.ByLength[L];
        bits.Count = static_cast<std::int32_t>(entries.size());
        bits.Words = (entries.size() + 63) / 64;
        bits.Letters.assign(L * 26 * bits.Words, 0);
        bits.Available.assign(bits.Words, 0);
        bits.SelectWeight.assign(entries.size(), 1.0f);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string& text = entries[i].Text;
            for (std::size_t p = 0; p < L && p < text.size(); ++p) {
                const char c = text[p];
                if (c < 'A' || c > 'Z') continue;  // such a position matches no letter of the grid
                bits.Letters[(p * 26 + static_cast<std::size_t>(c - 'A')) * bits.Words + (i >> 6)] |= std::uint64_t{1} << (i & 63);
            }
        }
        GroupByPair(entries, true, bits.BeginStarts, bits.BeginIndexes);
        GroupByPair(entries, false, bits.EndStarts, bits.EndIndexes);
    }
    index.Version = list.IndexVersion;
    SyncCandidateFlags(index, list);
}

void SyncCandidateFlags(CandidateIndex& index, const ImportedList& list)
{
    for (std::size_t L = 0; L < list.ThemeIndex.size() && L < index.ByLength.size(); ++L) {
        const auto& entries = list.ThemeIndex[L];
        LengthBits& bits = index.ByLength[L];
        std::fill(bits.Available.begin(), bits.Available.end(), 0);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].Available) bits.Available[i >> 6] |= std::uint64_t{1} << (i & 63);
            bits.SelectWeight[i] = entries[i].SelectWeight;
        }
    }
}

}  // namespace qm
