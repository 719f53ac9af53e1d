// The list of a subject category's words as the category page shows it: per length, its nouns with clues.
#pragma once

#include "core/words/categories.h"
#include "core/words/dictionary.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

/// One row of the category page's word list: a length header, a noun with its clue, or a row of the
/// counts per category.
struct CategoryListRow {
    enum class Kind : std::uint8_t {
        LengthHeader,  ///< "*Words of Length L:", drawn without its "*" on silver
        Word,          ///< "%5d%-30s" of the clue index and the display text; the index is not drawn
        Plain,         ///< a row of the counts per category, drawn as it is
    };
    Kind Of = Kind::Plain;
    std::int32_t Length = 0;     ///< LengthHeader: the word length
    std::int32_t ClueIndex = 0;  ///< Word: the line of its clue in the clue list (0 none)
    std::string Words;           ///< Word: the display text with word breaks; Plain: the whole row

    std::string Text() const;
};

/// The rows of category bit's word list: for each length 3..20 its header, then one row per common or
/// proper noun (WordType bit 1 or 2) of that length whose category pattern has the bit. Word rows are
/// counted in wordCount. A pattern index beyond the table counts as no category.
std::vector<CategoryListRow> CategoryWordRows(const Dictionary& dict, const WordBitPatterns& patterns, int bit,
                                              int& wordCount);

}  // namespace qm
