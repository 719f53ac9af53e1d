// Clue lines read in place agree with the clue list split from the same text.
#include "core/clues/clue_lines.h"
#include "core/clues/clue_store.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(ClueLines, GiveTheLinesOfTheClueListReadInPlace)
{
    const char* texts[] = {"", "\r\n", "\r\nFirst clue\r\nSecond\r\n", "\r\nA\r\n\r\nC", "no line end", "\r\r\n\n\r\nX\r\n\r\n"};
    for (const char* text : texts) {
        const ClueList list = LoadClueList(text);
        ClueLines lines(text);
        ASSERT_EQ(lines.Count(), static_cast<int>(list.size())) << "\"" << text << "\"";
        for (int i = 0; i < lines.Count(); ++i) EXPECT_EQ(lines.Line(i), list[static_cast<std::size_t>(i)]) << i << " of \"" << text << "\"";
        EXPECT_EQ(lines.Line(lines.Count()), "");
        EXPECT_EQ(lines.Line(-1), "");
    }
}

}  // namespace
}  // namespace qm
