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

/// One row of a word usage table.
struct UsageRow {
    enum class Kind : std::uint8_t {
        Word,          ///< a word of the list and how often it was used
        LengthHeader,  ///< the grouped list's "* Words of Length L" row above the words of length L
        LengthTotal,   ///< the summary's row of one length
        Total,         ///< the summary's last row
    };
    Kind Of = Kind::Word;
    std::string Word;         ///< Word: the word's letters
    std::int32_t Length = 0;  ///< LengthHeader, LengthTotal: the letter count
    std::int64_t Count = 0;   ///< uses in the stored fills (of the word, the length or all words)
    std::string Share;        ///< LengthTotal, Total: the share of all uses, "%3.1f%" (or "100%", "0%")

    /// The grid's columns: 0 word (or length), 1 count, 2 bar (drawn, no text), 3 the summary's share.
    std::string Cell(int column) const;
    std::array<std::string, 4> Cells() const;
};

struct UsageTable {
    UsageTableKind Kind = UsageTableKind::Alphabetical;
    std::vector<UsageRow> Rows;     ///< the rows with content, from the first row on
    std::int32_t RowCount = 0;      ///< rows of the grid (the list's size; rows after Rows stay empty)
    std::int32_t MaxUsage = 0;      ///< what the bars are scaled by (0: no bars)
};

/// Builds one table from the fill word store. Store entries that do not refer to the current list
/// (dictionary words, or a length or index the list does not have) are not counted.
UsageTable BuildUsageTable(UsageTableKind kind, const ImportedList& list, const FillStore& store);

/// One stored use of a word, as the "Grid Nos." window lists it.
struct FillsOfWordRow {
    std::int32_t Fill = 0;    ///< the fill that holds the word
    std::int32_t Row = 0;     ///< the word's start square; row and column negative for a down word
    std::int32_t Col = 0;
    std::int32_t Length = 0;  ///< the word's letter count

    /// "%4d%3d%3d%2d" of fill, row, column and length.
    std::string Text() const;
    bool Across() const { return Row > 0 && Col > 0; }
};

/// Every stored use of a word (its letters, as the lists show it), in the order of the store.
std::vector<FillsOfWordRow> FillsOfWord(const std::string& word, const ImportedList& list, const FillStore& store);

}  // namespace qm
