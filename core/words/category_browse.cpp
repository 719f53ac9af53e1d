// Builds the word list of one subject category, as the category page and the command-line tool show it.
#include "core/words/category_browse.h"

#include "core/util/text.h"
#include "core/words/word_breaks.h"

namespace qm {

namespace {
constexpr std::uint8_t NounTypes = 0x02 | 0x04;  // common and proper nouns
}

std::string CategoryListRow::Text() const
{
    switch (Of) {
    case Kind::LengthHeader: return "*Words of Length " + std::to_string(Length) + ":";
    case Kind::Word: return Format("%5d%-30s", ClueIndex, Words.c_str());
    case Kind::Plain: return Words;
    }
    return Words;
}

std::vector<CategoryListRow> CategoryWordRows(const Dictionary& dict, const WordBitPatterns& patterns, int bit,
                                              int& wordCount)
{
    std::vector<CategoryListRow> rows;
    wordCount = 0;
    const std::int64_t mask = (bit >= 0 && bit < 64) ? (std::int64_t{1} << bit) : 0;
    for (int L = MinWordLength; L <= MaxWordLength; ++L) {
        rows.push_back({CategoryListRow::Kind::LengthHeader, L, 0, {}});
        const auto& words = dict.WordsOf(L);
        for (std::size_t i = 1; i + 1 < words.size(); ++i) {
            const DictWord& w = words[i];
            if ((w.WordType & NounTypes) == 0 || w.CategPattern >= patterns.size()) continue;
            if ((patterns[w.CategPattern] & mask) == 0) continue;
            rows.push_back({CategoryListRow::Kind::Word, 0, w.ClueIndex, DecodeWordBreaks(w.Text, w.WordBreaks).DisplayTxt});
            ++wordCount;
        }
    }
    return rows;
}

}  // namespace qm
