// The list of a subject category's words as the category page shows it: per length, its nouns with clues.
#pragma once

#include "core/words/categories.h"
#include "core/words/dictionary.h"

#include <string>
#include <vector>

namespace qm {

/// The lines of category bit's word list: for each length 3..20 the header "*Words of Length L:",
/// then one line per common or proper noun (WordType bit 1 or 2) of that length whose category
/// pattern has the bit, formatted "%5d%-30s" from its ClueIndex and its display text with word
/// breaks. Word lines are counted in wordCount. A pattern index beyond the table counts as no category.
std::vector<std::string> CategoryWordLines(const Dictionary& dict, const WordBitPatterns& patterns, int bit,
                                           int& wordCount);

}  // namespace qm
