// Dictionary selection: which dictionary words a symmetrical fill may use, and the counts shown for it.
#pragma once

#include "core/grid/fill_source.h"
#include "core/words/categories.h"
#include "core/words/category_browse.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

/// Highest position of the rarity slider (0 includes every word with a Rarity above 0).
constexpr int MaxRarityThreshold = 20;

/// The selection controls as plain values (defaults: everything included).
struct SelectionOptions {
    bool POSOther = true;        ///< "  All other parts of speech" (WordType bit 0)
    bool POSNounCommon = true;   ///< "  Common Nouns" (bit 1)
    bool POSNounProper = true;   ///< "  Proper Nouns" (bit 2)
    bool POSInitials = true;     ///< "  Initials / Abbreviations" (bit 3)
    bool AllOther = true;        ///< "  Include all Non-Categorized Words" (category bit 0)
    std::array<bool, CategoryCount> Categories = AllCategories();  ///< item i = category bit i + 1
    int RarityThreshold = 0;     ///< slider position 0..20; a word needs a Rarity above it

    static std::array<bool, CategoryCount> AllCategories()
    {
        std::array<bool, CategoryCount> all{};
        all.fill(true);
        return all;
    }
};

/// The masks and threshold the selection test uses.
struct DictionarySelection {
    std::uint8_t WordTypeMask = 0;
    std::int64_t CategoryMask = 0;
    std::int32_t RarityThreshold = 0;
};

/// Rebuilds the masks and threshold from the options; sets dirty when any of them changed. Returns
/// whether the "Default" button is enabled (not all four word types checked, or a threshold above 0).
/// A threshold outside 0..20 is refused with a clear message and nothing changes.
bool BuildSelectionMasks(DictionarySelection& selection, const SelectionOptions& options, bool& dirty);

/// The selection test of one word. A category pattern beyond the table counts as no category.
bool PassesSelection(const DictWord& word, const WordBitPatterns& patterns, const DictionarySelection& selection);

/// Sets Selected of every dictionary word (and the trailing sentinels, which never pass) and clears
/// dirty.
void ApplySelection(Dictionary& dict, const WordBitPatterns& patterns, const DictionarySelection& selection, bool& dirty);

/// One row of the words-per-length table.
struct SelectionRow {
    int Length = 0;
    std::string LengthText;  ///< "7 letters"
    std::string CountText;   ///< SelectedCount + ImportedCount with thousands separators
    std::string BarText;     ///< bar width in pixels as text ("0" when nothing is counted)
    int BarWidth = 0;
};

/// What CountSelection shows: the table (header "Length", "Words"), the total and the status texts.
struct SelectionCounts {
    std::vector<SelectionRow> Rows;  ///< lengths 3..20
    std::int64_t Total = 0;
    std::string WordsText;       ///< " ###,### words" of the total (panel 0 of the statistics bar)
    std::string DictionaryText;  ///< "Dictionary: ###,###" of the total (panel 0 of the fills bar)
};

/// Recounts SelectedCount (sources 1 and 3, by the test afresh) and ImportedCount (sources 2 and 3
/// with an imported list) per length into dict.WordCounts and builds the table; bars are scaled to
/// barColumnWidth - 30 pixels against the largest dictionary count plus the largest imported count.
SelectionCounts CountSelection(Dictionary& dict, const WordBitPatterns& patterns, const DictionarySelection& selection,
                               FillSourceKind source, const ImportedList& imported, int barColumnWidth);

/// Category bits the per-category counts cover (0..36).
constexpr int CountedCategoryBits = 37;

/// The rows "Cat   Words", then for bits 0..36 the bit, "   " and the number of dictionary words whose
/// category pattern has that bit (all words, no other filter).
std::vector<CategoryListRow> CategoryCountRows(const Dictionary& dict, const WordBitPatterns& patterns);

}  // namespace qm
