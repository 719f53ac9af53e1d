// Word usage statistics: the four tables of how often each imported word occurs, and the Grid Nos. lines.
#pragma once

#include "core/fills/fill_store.h"
#include "core/words/imported_list.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

enum class UsageTableKind : std::uint8_t {
    Alphabetical,  ///< AlphaRadio "  List - alphabetical"
    Ranked,        ///< RankedRadio "  List - ranked"
    Grouped,       ///< GroupedRadio "  List - grouped by word length"
    Summary,       ///< SummarisedRadio "  Word length summary"
};

/// One row of WordUsageStringGrid: column 0 word (or length), 1 count, 2 bar (drawn, no text),
/// 3 the percentage in the summary (hidden in the lists).
using UsageRow = std::array<std::string, 4>;

struct UsageTable {
    UsageTableKind Kind = UsageTableKind::Alphabetical;
    std::vector<UsageRow> Rows;     ///< the rows with content, from the first row on
    std::int32_t RowCount = 0;      ///< rows of the grid (the list's size; rows after Rows stay empty)
    std::int32_t MaxUsage = 0;      ///< what the bars are scaled by (0: no bars)
};

/// Column 0 of a group header row of the grouped list starts with this character.
inline constexpr char UsageGroupHeaderMark = '*';

/// Builds one table from the fill word store. Store entries that do not refer to the current list
/// (dictionary words, or a length or index the list does not have) are not counted.
UsageTable BuildUsageTable(UsageTableKind kind, const ImportedList& list, const FillStore& store);

/// The "Grid Nos." lines ("%4d%3d%3d%2d": fill, row, column, length; row and column negative for a
/// down word) of every stored use of a word (its letters, as the lists show it).
std::vector<std::string> GridNumberLines(const std::string& word, const ImportedList& list, const FillStore& store);

}  // namespace qm
