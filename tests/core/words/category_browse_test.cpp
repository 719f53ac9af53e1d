// The word list of a subject category: headers per length, nouns only, clue numbers and word breaks.
#include "core/words/category_browse.h"

#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using test::Word;

TEST(CategoryBrowse, ListsTheNounsOfTheCategoryByLength)
{
    WordBitPatterns patterns{};
    for (int k = 0; k <= CategoryCount; ++k) patterns[static_cast<std::size_t>(k)] = std::int64_t{1} << k;
    patterns[41] = (std::int64_t{1} << 2) | (std::int64_t{1} << 23);  // a word in two categories
    const Dictionary dict = test::MakeDictionary({
        Word("DOG", 20, 2, 3, 2, 7),              // common noun, Animals
        Word("RUN", 20, 1, 3, 2, 8),              // a verb: never listed
        Word("NERO", 9, 4, 4, 36, 9),             // proper noun, another category
        Word("EMU", 15, 3, 3, 41, 10),            // verb and noun, in two categories
        Word("BLACKBEAR", 12, 2, 5 | 4 << 6, 2, 65535),
        Word("PATTERN", 12, 2, 7, 300, 11),       // a pattern index with no categories
    });
    int count = -1;
    std::vector<std::string> lines;
    for (const CategoryListRow& row : CategoryWordRows(dict, patterns, 2, count)) lines.push_back(row.Text());
    const std::vector<std::string> expected = {
        "*Words of Length 3:",
        "    7DOG                           ",
        "   10EMU                           ",
        "*Words of Length 4:", "*Words of Length 5:", "*Words of Length 6:", "*Words of Length 7:",
        "*Words of Length 8:", "*Words of Length 9:",
        "65535BLACK BEAR                    ",
        "*Words of Length 10:", "*Words of Length 11:", "*Words of Length 12:", "*Words of Length 13:",
        "*Words of Length 14:", "*Words of Length 15:", "*Words of Length 16:", "*Words of Length 17:",
        "*Words of Length 18:", "*Words of Length 19:", "*Words of Length 20:"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(count, 3);

    CategoryWordRows(dict, patterns, 39, count);
    EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace qm
