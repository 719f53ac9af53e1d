// Word usage statistics: counting the stored uses of the imported words and laying out the four tables.
#include "core/stats/word_usage.h"

#include "core/util/text.h"

#include <algorithm>

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
        total += totals[static_cast<std::size_t>(L)];
        table.MaxUsage = static_cast<std::int32_t>(std::max<std::int64_t>(table.MaxUsage, totals[static_cast<std::size_t>(L)]));
    }
    for (int L = MinImportedLength; L <= maxLen; ++L) {
        const auto t = totals[static_cast<std::size_t>(L)];
        // With nothing stored yet every share is 0 rather than a division by zero.
        const double share = total > 0 ? static_cast<double>(t) * 100.0 / static_cast<double>(total) : 0.0;
        table.Rows.push_back({std::to_string(L) + " letters", std::to_string(t), "", Format("%3.1f", share) + "%"});
    }
    table.Rows.push_back({"Total", std::to_string(total), "", total > 0 ? "100%" : "0%"});
    table.RowCount = maxLen;
    return table;
}

}  // namespace

UsageTable BuildUsageTable(UsageTableKind kind, const ImportedList& list, const FillStore& store)
{
    if (kind == UsageTableKind::Summary) return BuildSummary(list, store);
    const int W = list.MaxLen;
    std::vector<std::vector<std::int32_t>> counts(static_cast<std::size_t>(W) + 1);
    for (int L = MinImportedLength; L <= W; ++L) counts[static_cast<std::size_t>(L)].assign(list.EntriesOf(L).size(), 0);
    ForEachStoredWord(store, [&](std::int32_t, const StoredWord& w) {
        if (RefersToList(w, list)) ++counts[w.NumLett][w.DictOrThemeRef];
    });

    UsageTable table;
    table.Kind = kind;
    std::vector<std::string> lines;
    for (int L = MinImportedLength; L <= W; ++L) {
        const auto& entries = list.EntriesOf(L);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::int32_t count = counts[static_cast<std::size_t>(L)][i];
            table.MaxUsage = std::max(table.MaxUsage, count);
            const char* text = entries[i].Text.c_str();
            switch (kind) {
            case UsageTableKind::Alphabetical: lines.push_back(Format("%-*s%4d", W, text, count)); break;
            case UsageTableKind::Ranked: lines.push_back(Format("%4d%4d%-*s", 9999 - count, count, W, text)); break;
            default: lines.push_back(Format("%2d%-*s%4d", static_cast<int>(entries[i].Text.size()), W, text, count)); break;
            }
        }
        if (kind == UsageTableKind::Grouped) lines.push_back(Format("%2d", L));
    }
    SortTextsCI(lines);

    const auto w = static_cast<std::size_t>(W);
    for (const std::string& line : lines) {
        UsageRow row;
        switch (kind) {
        case UsageTableKind::Alphabetical:
            row[0] = TrimRight(Mid(line, 1, w));
            row[1] = std::string(Mid(line, w + 1, 4));
            break;
        case UsageTableKind::Ranked:
            row[0] = Trim(Mid(line, 9, w));
            row[1] = std::string(Mid(line, 5, 4));
            break;
        default:
            if (line.size() <= 2) {
                row[0] = std::string(1, UsageGroupHeaderMark) + " Words of Length " + line;
            } else {
                row[0] = Trim(Mid(line, 3, w));
                row[1] = std::string(Mid(line, 3 + w, 4));
            }
            break;
        }
        table.Rows.push_back(std::move(row));
    }
    table.RowCount = list.ThemeWordCount + (kind == UsageTableKind::Grouped ? W : 0);
    return table;
}

std::vector<std::string> GridNumberLines(const std::string& word, const ImportedList& list, const FillStore& store)
{
    std::vector<std::string> lines;
    const int L = static_cast<int>(word.size());
    const auto& entries = list.EntriesOf(L);
    const auto at = std::find_if(entries.begin(), entries.end(), [&](const ThemeEntry& e) { return e.Text == word; });
    if (at == entries.end() || store.GridsMax <= 0) return lines;
    const auto index = static_cast<std::uint16_t>(at - entries.begin());
    ForEachStoredWord(store, [&](std::int32_t j, const StoredWord& w) {
        if (w.FromDict != 0 || w.NumLett != L || w.DictOrThemeRef != index) return;
        std::int32_t fill = store.GridsMax;
        for (int f = 1; f <= store.GridsMax - 1; ++f)
            if (j <= store.Record(f).LastWrd) {
                fill = f;
                break;
            }
        lines.push_back(Format("%4d%3d%3d%2d", fill, w.Row, w.Col, L));
    });
    return lines;
}

}  // namespace qm
