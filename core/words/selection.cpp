// The selection masks, the selection test, marking the selected words and the counts per length.
#include "core/words/selection.h"

#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/util/text.h"

#include <algorithm>

namespace qm {

namespace {

std::int64_t PatternOf(const DictWord& word, const WordBitPatterns& patterns)
{
    return word.CategPattern < patterns.size() ? patterns[word.CategPattern] : 0;
}

}  // namespace

bool BuildSelectionMasks(DictionarySelection& selection, const SelectionOptions& options, bool& dirty)
{
    if (options.RarityThreshold < 0 || options.RarityThreshold > MaxRarityThreshold)
        throw Failure("The rarity threshold must be 0 to " + std::to_string(MaxRarityThreshold) + ", not " +
                      std::to_string(options.RarityThreshold));
    std::uint8_t types = 0;
    if (options.POSOther) types |= 1u;
    if (options.POSNounCommon) types |= 2u;
    if (options.POSNounProper) types |= 4u;
    if (options.POSInitials) types |= 8u;
    std::int64_t categories = options.AllOther ? 1 : 0;
    for (int i = 0; i < CategoryCount; ++i)
        if (At(options.Categories, i)) categories |= std::int64_t{1} << (i + 1);
    if (types != selection.WordTypeMask || categories != selection.CategoryMask ||
        options.RarityThreshold != selection.RarityThreshold)
        dirty = true;
    selection.WordTypeMask = types;
    selection.CategoryMask = categories;
    selection.RarityThreshold = options.RarityThreshold;
    return types != 0x0F || options.RarityThreshold != 0;
}

bool PassesSelection(const DictWord& word, const WordBitPatterns& patterns, const DictionarySelection& selection)
{
    return (word.WordType & selection.WordTypeMask) != 0 && (PatternOf(word, patterns) & selection.CategoryMask) > 0 &&
           word.Rarity > selection.RarityThreshold;
}

void ApplySelection(Dictionary& dict, const WordBitPatterns& patterns, const DictionarySelection& selection, bool& dirty)
{
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        auto& words = dict.WordsOf(L);
        for (std::size_t i = 1; i < words.size(); ++i) words[i].Selected = PassesSelection(words[i], patterns, selection);
    }
    dict.Version = NewDictionaryVersion();
    dirty = false;
}

SelectionCounts CountSelection(Dictionary& dict, const WordBitPatterns& patterns, const DictionarySelection& selection,
                               FillSourceKind source, const ImportedList& imported, int barColumnWidth)
{
    for (auto& c : dict.WordCounts) c.ImportedCount = 0;
    std::int64_t selectedSum = 0;
    std::int64_t maxCount = 0;
    if (UsesDictionary(source)) {
        for (int L = MinWordLength; L <= MaxWordLength; ++L) {
            const auto& words = dict.WordsOf(L);
            std::int32_t n = 0;
            for (std::size_t i = 1; i < words.size(); ++i) n += PassesSelection(words[i], patterns, selection);
            WordCount& wc = At(dict.WordCounts, L);
            wc.SelectedCount = n;
            selectedSum += n;
            maxCount = std::max<std::int64_t>(maxCount, wc.DictCount);
        }
    }
    std::int64_t importedSum = 0;
    std::int64_t maxImported = 0;
    if (UsesImportedInSymmetric(source) && !imported.Empty()) {
        for (int L = MinWordLength; L <= MaxWordLength; ++L) {
            const auto n = static_cast<std::int32_t>(imported.EntriesOf(L).size());
            At(dict.WordCounts, L).ImportedCount = n;
            importedSum += n;
            maxImported = std::max<std::int64_t>(maxImported, n);
        }
    }
    SelectionCounts out;
    out.Total = selectedSum + importedSum;
    const std::int64_t scale = maxCount + maxImported;
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        const WordCount& wc = At(dict.WordCounts, L);
        const std::int64_t count = static_cast<std::int64_t>(wc.SelectedCount) + wc.ImportedCount;
        SelectionRow row;
        row.Length = L;
        row.LengthText = std::to_string(L) + " letters";
        row.CountText = FormatThousands(count);
        if (out.Total != 0 && scale != 0)
            row.BarWidth = static_cast<int>(
                RoundHalfEven(static_cast<double>(barColumnWidth - 30) * static_cast<double>(count) / static_cast<double>(scale)));
        row.BarText = std::to_string(row.BarWidth);
        out.Rows.push_back(std::move(row));
    }
    const std::string total = FormatHashThousands(out.Total);
    out.WordsText.append(" ").append(total).append(" words");
    out.DictionaryText.append("Dictionary: ").append(total);
    return out;
}

std::vector<CategoryListRow> CategoryCountRows(const Dictionary& dict, const WordBitPatterns& patterns)
{
    std::vector<CategoryListRow> rows{{CategoryListRow::Kind::Plain, 0, 0, "Cat   Words"}};
    for (int bit = 0; bit < CountedCategoryBits; ++bit) {
        const std::int64_t mask = std::int64_t{1} << bit;
        int count = 0;
        for (int L = MinWordLength; L <= MaxWordLength; ++L) {
            const auto& words = dict.WordsOf(L);
            for (std::size_t i = 1; i + 1 < words.size(); ++i) count += (PatternOf(words[i], patterns) & mask) != 0;
        }
        rows.push_back({CategoryListRow::Kind::Plain, 0, 0, std::to_string(bit) + "   " + std::to_string(count)});
    }
    return rows;
}

}  // namespace qm
