// Word usage statistics: counting the stored uses of the imported words and laying out the four tables.
#include "core/stats/word_usage.h"

#include "core/util/index.h"
#include "core/util/text.h"

#include <algorithm>
#include <utility>

namespace qm {

namespace {

/// The stored words that refer to an entry of the current imported list.
bool RefersToList(const StoredWord& w, const ImportedList& list)
{
    return w.FromDict == 0 && w.NumLett >= MinImportedLength && w.NumLett <= list.MaxLen &&
           w.DictOrThemeRef < list.EntriesOf(w.NumLett).size();
}

/// The stored words 1..StoredWordCount.
template <class Visit>
void ForEachStoredWord(const FillStore& store, Visit visit)
{
    const auto last = std::min<std::size_t>(static_cast<std::size_t>(std::max(store.StoredWordCount, 0)), store.Words.size() - 1);
    for (std::size_t j = 1; j <= last; ++j) visit(static_cast<std::int32_t>(j), store.Words[j]);
}

/// The count column as the list has always shown it: four characters (a count of five digits shows
/// its first four).
std::string CountCell(std::int64_t count) { return Format("%4lld", static_cast<long long>(count)).substr(0, 4); }

UsageRow LengthTotalRow(int length, std::int64_t count, std::int64_t total)
{
    UsageRow row;
    row.Of = UsageRow::Kind::LengthTotal;
    row.Length = length;
    row.Count = count;
    // With nothing stored yet every share is 0 rather than a division by zero.
    const double share = total > 0 ? static_cast<double>(count) * 100.0 / static_cast<double>(total) : 0.0;
    row.Share = Format("%3.1f", share) + "%";
    return row;
}

/// The text a list row is sorted on (case-insensitively): the word, its count and, for the ranked and
/// grouped lists, the rank or the length before it, at the widths of the longest word of the list.
std::string SortKey(UsageTableKind kind, const UsageRow& row, int width)
{
    const auto count = static_cast<int>(row.Count);
    if (row.Of == UsageRow::Kind::LengthHeader) return Format("%2d", row.Length);
    switch (kind) {
    case UsageTableKind::Alphabetical: return Format("%-*s%4d", width, row.Word.c_str(), count);
    case UsageTableKind::Ranked: return Format("%4d%4d%-*s", 9999 - count, count, width, row.Word.c_str());
    default: return Format("%2d%-*s%4d", row.Length, width, row.Word.c_str(), count);
    }
}

UsageTable BuildSummary(const ImportedList& list, const FillStore& store)
{
    const int maxLen = list.MaxLen;
    std::vector<std::int64_t> totals(static_cast<std::size_t>(maxLen) + 1, 0);
    ForEachStoredWord(store, [&](std::int32_t, const StoredWord& w) {
        if (RefersToList(w, list)) ++totals[w.NumLett];
    });
    std::int64_t total = 0;
    UsageTable table;
    table.Kind = UsageTableKind::Summary;
    for (int L = MinImportedLength; L <= maxLen; ++L) {
        total += At(totals, L);
        table.MaxUsage = static_cast<std::int32_t>(std::max<std::int64_t>(table.MaxUsage, At(totals, L)));
    }
    for (int L = MinImportedLength; L <= maxLen; ++L) table.Rows.push_back(LengthTotalRow(L, At(totals, L), total));
    UsageRow all;
    all.Of = UsageRow::Kind::Total;
    all.Count = total;
    all.Share = total > 0 ? "100%" : "0%";
    table.Rows.push_back(all);
    table.RowCount = maxLen;
    return table;
}

}  // namespace

UsageTable BuildUsageTable(UsageTableKind kind, const ImportedList& list, const FillStore& store)
{
    if (kind == UsageTableKind::Summary) return BuildSummary(list, store);
    const int W = list.MaxLen;
    std::vector<std::vector<std::int32_t>> counts(static_cast<std::size_t>(W) + 1);
    for (int L = MinImportedLength; L <= W; ++L) At(counts, L).assign(list.EntriesOf(L).size(), 0);
    ForEachStoredWord(store, [&](std::int32_t, const StoredWord& w) {
        if (RefersToList(w, list)) ++counts[w.NumLett][w.DictOrThemeRef];
    });

    UsageTable table;
    table.Kind = kind;
    std::vector<std::pair<std::string, UsageRow>> rows;
    for (int L = MinImportedLength; L <= W; ++L) {
        const auto& entries = list.EntriesOf(L);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            UsageRow row;
            row.Word = entries[i].Text;
            row.Length = static_cast<std::int32_t>(entries[i].Text.size());
            row.Count = At(At(counts, L), i);
            table.MaxUsage = std::max(table.MaxUsage, static_cast<std::int32_t>(row.Count));
            rows.emplace_back(SortKey(kind, row, W), std::move(row));
        }
        if (kind == UsageTableKind::Grouped) {
            UsageRow header;
            header.Of = UsageRow::Kind::LengthHeader;
            header.Length = L;
            rows.emplace_back(SortKey(kind, header, W), std::move(header));
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return CompareTextCI(a.first, b.first) < 0; });
    for (auto& [key, row] : rows) table.Rows.push_back(std::move(row));
    table.RowCount = list.ThemeWordCount + (kind == UsageTableKind::Grouped ? W : 0);
    return table;
}

std::string UsageRow::Cell(int column) const
{
    switch (column) {
    case 0:
        switch (Of) {
        case Kind::Word: return Word;
        case Kind::LengthHeader: return "* Words of Length " + Format("%2d", Length);
        case Kind::LengthTotal: return std::to_string(Length) + " letters";
        case Kind::Total: return "Total";
        }
        return {};
    case 1:
        if (Of == Kind::LengthHeader) return {};
        return Of == Kind::Word ? CountCell(Count) : std::to_string(Count);
    case 3: return Share;
    default: return {};
    }
}

std::array<std::string, 4> UsageRow::Cells() const { return {Cell(0), Cell(1), Cell(2), Cell(3)}; }

std::string FillsOfWordRow::Text() const { return Format("%4d%3d%3d%2d", Fill, Row, Col, Length); }

std::vector<FillsOfWordRow> FillsOfWord(const std::string& word, const ImportedList& list, const FillStore& store)
{
    std::vector<FillsOfWordRow> rows;
    const int L = static_cast<int>(word.size());
    const auto& entries = list.EntriesOf(L);
    const auto at = std::find_if(entries.begin(), entries.end(), [&](const ThemeEntry& e) { return e.Text == word; });
    if (at == entries.end() || store.GridsMax <= 0) return rows;
    const auto index = static_cast<std::uint16_t>(at - entries.begin());
    ForEachStoredWord(store, [&](std::int32_t j, const StoredWord& w) {
        if (w.FromDict != 0 || w.NumLett != L || w.DictOrThemeRef != index) return;
        std::int32_t fill = store.GridsMax;
        for (int f = 1; f <= store.GridsMax - 1; ++f)
            if (j <= store.Record(f).LastWrd) {
                fill = f;
                break;
            }
        rows.push_back(FillsOfWordRow{fill, w.Row, w.Col, L});
    });
    return rows;
}

}  // namespace qm
