// Page layout in millimetres and pixels, and the font sizes of preview and printer.
#include "core/output/page_layout.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(PageLayout, MillimetresForModesAndOptions)
{
    struct Case {
        const char* name;
        int mode;
        bool extras;
        bool title;
        int gridMM;
        int gridInset, gridLeft, titleTop, gridTop, gridGap, clueTop;
    };
    const Case cases[] = {
        {"grid and clues, extras and title", 0, true, true, 105, 42, 52, 22, 34, 6, 145},
        {"completed grid only, 180 mm", 2, true, true, 180, 5, 15, 22, 34, 6, 220},
        {"empty grid only, 60 mm, no extras", 3, false, true, 60, 65, 75, 10, 22, 6, 88},
        {"clue list: 2 mm below the title", 4, true, true, 105, 95, 105, 22, 34, 2, 36},
        {"answers: 2 mm below the extras", 5, true, false, 140, 95, 105, 22, 22, 2, 24},
        {"alphabetical list: at 12 mm", 6, false, false, 140, 95, 105, 10, 10, 2, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OutputOptions o;
        o.ExtrasChecked = c.extras;
        o.TitleChecked = c.title;
        o.GridMM = c.gridMM;
        const PageLayout p = PageLayoutMM(o, OutputModeOf(c.mode));
        EXPECT_EQ(p.GridMM, c.mode <= 3 ? c.gridMM : 0);
        EXPECT_EQ(p.GridInset, c.gridInset);
        EXPECT_EQ(p.GridLeft, c.gridLeft);
        EXPECT_EQ(p.TitleTop, c.titleTop);
        EXPECT_EQ(p.GridTop, c.gridTop);
        EXPECT_EQ(p.GridGap, c.gridGap);
        EXPECT_EQ(p.ClueTop, c.clueTop);
        // The fixed measures.
        EXPECT_EQ(p.PageWidth, 210);
        EXPECT_EQ(p.PageHeight, 297);
        EXPECT_EQ(p.RightEdge, 200);
        EXPECT_EQ(p.ClueColWidth, 82);
        EXPECT_EQ(p.AcrossX, 17);
        EXPECT_EQ(p.DownX, 118);
        EXPECT_EQ(p.ListLeft, 10);
        EXPECT_EQ(p.ListRight, 200);
    }
    OutputOptions emptyTitle;
    emptyTitle.Title = "";
    EXPECT_EQ(PageLayoutMM(emptyTitle, OutputMode::EmptyGridAndClues).TitleHeight, 0);
}

TEST(PageLayout, ClassSheetLinesAndContinuationPages)
{
    struct Case {
        const char* name;
        int mode;
        bool title, nameLine, answersHeading, fitWidth;
        int answersTop, answersHeight, gridTop, gridMM, gridLeft, clueTop, continuedTop;
    };
    const Case cases[] = {
        {"as always", 1, true, false, false, false, 34, 0, 34, 105, 52, 145, 36},
        {"name line under the title", 0, true, true, false, false, 44, 0, 44, 105, 52, 155, 36},
        {"answers heading on the answer sheet", 1, true, false, true, false, 34, 10, 44, 105, 52, 155, 36},
        {"answers heading and name line", 2, true, true, true, false, 44, 10, 54, 105, 52, 165, 36},
        {"no answers heading on the pupils' sheet", 0, true, false, true, false, 34, 0, 34, 105, 52, 145, 36},
        {"grid to the page's width", 3, true, false, false, true, 34, 0, 34, 190, 10, 230, 36},
        {"page width means nothing without a grid", 4, true, false, false, true, 34, 0, 34, 0, 105, 36, 36},
        {"no title: continuation 2 mm below the extras", 0, false, true, false, false, 32, 0, 32, 105, 52, 143, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OutputOptions o;
        o.TitleChecked = c.title;
        o.NameLine = c.nameLine;
        o.AnswersHeading = c.answersHeading;
        o.FitWidth = c.fitWidth;
        const PageLayout p = PageLayoutMM(o, OutputModeOf(c.mode));
        EXPECT_EQ(p.NameLineTop, c.title ? 34 : 22);
        EXPECT_EQ(p.NameLineHeight, c.nameLine ? 10 : 0);
        EXPECT_EQ(p.AnswersTop, c.answersTop);
        EXPECT_EQ(p.AnswersHeight, c.answersHeight);
        EXPECT_EQ(p.GridTop, c.gridTop);
        EXPECT_EQ(p.GridMM, c.gridMM);
        EXPECT_EQ(p.GridLeft, c.gridLeft);
        EXPECT_EQ(p.ClueTop, c.clueTop);
        EXPECT_EQ(p.ContinuedTop, c.continuedTop);
        EXPECT_EQ(p.ClueBottom, 287);  // a 10 mm margin at the foot, as at the head
    }
    // The letters grow with the grid that fits the page: 190 mm for 15 squares.
    OutputOptions wide;
    wide.FitWidth = true;
    EXPECT_DOUBLE_EQ(PageFontSizesFor(PageDevice::Printer, wide, 15, OutputMode::CompletedGridOnly).Letter, 12.0 * 190 / 105);
}

TEST(PageLayout, PixelsOfThePreview)
{
    const PageLayout px = ScaleLayout(PageLayoutMM(OutputOptions{}, OutputMode::EmptyGridAndClues), 435.0 / 210);
    EXPECT_EQ(px.PageWidth, 435);
    EXPECT_EQ(px.PageHeight, 615);
    EXPECT_EQ(px.Margin, 21);     // 20.71
    EXPECT_EQ(px.GridMM, 218);    // 217.5 rounds to even
    EXPECT_EQ(px.AcrossX, 35);    // 35.21
    EXPECT_EQ(px.ClueTop, 300);   // 300.36
}

TEST(PageLayout, FontSizesByDevice)
{
    OutputOptions o;
    for (const int n : {8, 15, 21, 25}) {
        o.GridMM = DefaultGridMM(n);
        SCOPED_TRACE(n);
        // 7 mm a square: R is 1, except where the track bar's 60..180 range holds the size back.
        const double r = (o.GridMM / 105.0) * (15.0 / n);
        EXPECT_DOUBLE_EQ(PageFontSizesFor(PageDevice::Printer, o, n, OutputMode::CompletedGridAndClues).Letter, 12 * r);
        EXPECT_DOUBLE_EQ(PageFontSizesFor(PageDevice::Screen, o, n, OutputMode::CompletedGridAndClues).Letter, 7 * r);
    }
    o.GridMM = 105;
    EXPECT_DOUBLE_EQ(PageFontSizesFor(PageDevice::Printer, o, 15, OutputMode::CompletedGridAndClues).Letter, 12);
    o.GridMM = 120;
    EXPECT_DOUBLE_EQ(PageFontSizesFor(PageDevice::Printer, o, 20, OutputMode::CompletedGridAndClues).Letter,
                     PageFontSizesFor(PageDevice::Printer, o, 10, OutputMode::CompletedGridAndClues).Letter / 2);

    o.GridMM = 105;
    const PageFontSizes printer = PageFontSizesFor(PageDevice::Printer, o, 15, OutputMode::EmptyGridAndClues);
    EXPECT_EQ(printer.Title, 14);
    EXPECT_EQ(printer.Extras, 8);
    EXPECT_EQ(printer.Clue, 9);
    EXPECT_DOUBLE_EQ(printer.Number, 7);                                               // empty grid
    EXPECT_DOUBLE_EQ(PageFontSizesFor(PageDevice::Printer, o, 15, OutputMode::CompletedGridOnly).Number, 5.4);    // letters shown
    EXPECT_DOUBLE_EQ(PageFontSizesFor(PageDevice::Printer, o, 30, OutputMode::CompletedGridOnly).Number, 5);      // never below 5
    const PageFontSizes screen = PageFontSizesFor(PageDevice::Screen, o, 15, OutputMode::EmptyGridAndClues);
    EXPECT_EQ(screen.Title, 9);
    EXPECT_EQ(screen.Extras, 5);
    EXPECT_EQ(screen.Number, 0);
    EXPECT_EQ(screen.Clue, 5);
}

}  // namespace
}  // namespace qm
