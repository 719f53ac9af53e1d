// Grid display: square and font sizes by grid size, and the fill status texts.
#include "core/grid/display.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(GridDisplay, SquareAndFontSizes)
{
    const struct {
        int n, cell, letter, number;
    } cases[] = {{15, 22, 12, 7}, {25, 22, 12, 7}, {29, 19, 9, 5}, {30, 18, 8, 5}, {7, 22, 12, 7}};
    for (const auto& c : cases) {
        const auto layout = LayOutMainGrid(c.n);
        EXPECT_EQ(layout.CellPixels, c.cell) << c.n;
        EXPECT_EQ(layout.LetterFontSize, c.letter) << c.n;
        EXPECT_EQ(layout.NumberFontSize, c.number) << c.n;
        EXPECT_EQ(layout.BorderWidth, (GridPanelWidth - (c.n * (c.cell + 1) + 2)) / 2) << c.n;
    }
}

TEST(GridDisplay, FillStatusTexts)
{
    auto plain = MakeFillStatus(12, 100, 0, 15, 0, 20);
    EXPECT_EQ(plain.Words, "words 12");
    EXPECT_EQ(plain.Letters, "letters 100");
    EXPECT_EQ(plain.Density, "density 44.4%");
    EXPECT_FALSE(plain.Interlocks.has_value());

    auto imported = MakeFillStatus(12, 100, 5, 15, 1, 20);
    EXPECT_EQ(imported.Words, "words 12/20 (60%)");
    EXPECT_EQ(imported.Interlocks.value_or(""), "interlocks 5");

    // A loaded file (2) shows the plain count; an empty list never divides by zero.
    EXPECT_EQ(MakeFillStatus(12, 100, 0, 15, 2, 20).Words, "words 12");
    EXPECT_EQ(MakeFillStatus(12, 100, 0, 15, 1, 0).Words, "words 12");
}

}  // namespace
}  // namespace qm
