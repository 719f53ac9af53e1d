// The page renderer through a recording canvas: page, extras, title, grid, clue columns and lists.
#include "core/output/page_texts.h"
#include "core/output/render_page.h"
#include "core/util/failure.h"
#include "tests/core/output/recording_canvas.h"
#include "tests/support/tiny_crossword.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qm {
namespace {

using test::RecordingCanvas;

constexpr double TenPixelsPerMM = 2100;  // a printer page of 2100 pixels: 10 pixels a millimetre

TEST(RenderPage, PreviewIsAWhitePageWithABorderAndNothingMoreWithoutWords)
{
    QuillmereState state;
    RecordingCanvas canvas(PreviewWidthPixels);
    RenderPage(canvas, PageDevice::Screen, OutputMode::EmptyGridAndClues, state);
    ASSERT_EQ(canvas.Rects.size(), 1u);
    EXPECT_EQ(canvas.Rects[0].Box, (PixelRect{0, 0, 435, 615}));
    EXPECT_EQ(canvas.Rects[0].Pen, 0x000000u);
    EXPECT_EQ(canvas.Rects[0].Fill, 0xFFFFFFu);
    EXPECT_TRUE(canvas.Texts.empty());
}

TEST(RenderPage, ExtrasAndTitle)
{
    const QuillmereState state = test::TinyCrosswordState();
    RecordingCanvas canvas(TenPixelsPerMM);
    RenderPage(canvas, PageDevice::Printer, OutputMode::ClueListOnly, state);
    // Extras at 8 points (lines 16 pixels high) from 10 mm down, clipped at TitleTop (22 mm) + h.
    const char* left[] = {"Filename: tiny.xwd", "Created: 7 Mar 2024", "with 'Quillmere'"};
    const char* right[] = {"3x3 squares", "6 words", "7 letters"};
    for (int k = 0; k < 3; ++k) {
        const auto* l = canvas.Find(left[k]);
        const auto* r = canvas.Find(right[k]);
        ASSERT_TRUE(l && r) << k;
        EXPECT_EQ(l->Box, (PixelRect{100, 100 + 16 * k, 2000, 236}));
        EXPECT_EQ(r->Box, l->Box);
        EXPECT_EQ(l->Flags, TextLeft);
        EXPECT_EQ(r->Flags, TextRight);
        EXPECT_EQ(l->Points, 8);
    }
    const auto* title = canvas.Find("Tiny");
    ASSERT_TRUE(title);
    EXPECT_EQ(title->Box, (PixelRect{100, 220, 2000, 276}));  // two 14-point lines high
    EXPECT_EQ(title->Flags, TextHCenter);
    EXPECT_EQ(title->Points, 14);
    EXPECT_TRUE(std::all_of(canvas.Families.begin(), canvas.Families.end(), [](const auto& f) { return f == "Arial"; }));
}

TEST(RenderPage, GridSquaresNumbersLettersAndFrame)
{
    QuillmereState state = test::TinyCrosswordState();  // 60 mm grid at 75 mm from the left, 34 mm down
    RecordingCanvas canvas(TenPixelsPerMM);
    RenderPage(canvas, PageDevice::Printer, OutputMode::CompletedGridAndClues, state);
    ASSERT_EQ(canvas.Rects.size(), 1u + 7u + 1u);  // background, seven letter squares, frame
    EXPECT_EQ(canvas.Rects[0].Box, (PixelRect{750, 340, 1350, 940}));
    EXPECT_EQ(canvas.Rects[0].Fill, 0xAFAFAFu);
    EXPECT_EQ(canvas.Rects[0].Brush, BrushStyle::Solid);
    const auto& square = canvas.Rects[1];  // column 2, row 1: the A
    EXPECT_EQ(square.Box, (PixelRect{949, 339, 1150, 540}));
    EXPECT_EQ(square.Fill, 0xFFFFFFu);
    EXPECT_EQ(square.PenWidth, 3);
    EXPECT_EQ(canvas.Rects.back().Box, (PixelRect{749, 339, 1350, 940}));
    EXPECT_EQ(canvas.Rects.back().Brush, BrushStyle::Clear);

    // R = 60/105 x 15/3: letters 34.3 points, numbers 5.4 R = 15.4 points, letters moved by 10 pixels.
    const auto* number = canvas.Find(" 3");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->Box, (PixelRect{749, 539, 950, 740}));
    EXPECT_EQ(number->Points, 15);
    const auto* letter = canvas.Find("O");
    ASSERT_TRUE(letter);
    EXPECT_EQ(letter->Box, (PixelRect{759, 549, 960, 750}));
    EXPECT_EQ(letter->Flags, TextHCenter | TextVCenter);
    EXPECT_EQ(letter->Points, 34);

    RecordingCanvas empty(TenPixelsPerMM);
    RenderPage(empty, PageDevice::Printer, OutputMode::EmptyGridOnly, state);
    EXPECT_FALSE(empty.Find("O"));
    ASSERT_TRUE(empty.Find(" 3"));
    EXPECT_EQ(empty.Find(" 3")->Points, 20);  // 7 R in the empty-grid modes

    RecordingCanvas preview(PreviewWidthPixels);
    RenderPage(preview, PageDevice::Screen, OutputMode::CompletedGridOnly, state);
    EXPECT_FALSE(preview.Find(" 3"));  // no numbers on the preview
    EXPECT_TRUE(preview.Find("O"));
    EXPECT_EQ(preview.Rects[1].PenWidth, 1);

    state.Output.Blocking = 0;  // white: no background and no frame
    RecordingCanvas white(TenPixelsPerMM);
    RenderPage(white, PageDevice::Printer, OutputMode::EmptyGridOnly, state);
    EXPECT_EQ(white.Rects.size(), 7u);
    state.Output.Blocking = 7;
    RecordingCanvas hatched(TenPixelsPerMM);
    RenderPage(hatched, PageDevice::Printer, OutputMode::EmptyGridOnly, state);
    EXPECT_EQ(hatched.Rects[0].Brush, BrushStyle::Cross);
    EXPECT_EQ(hatched.Rects[0].Fill, 0x000000u);
}

TEST(RenderPage, ClueColumnsStartTogetherAndWrapOnlyOnThePrinter)
{
    QuillmereState state = test::TinyCrosswordState();
    state.Xw.Slot(1).ClueTxt = std::string(120, 'x');  // 9 points a character: 1080 pixels, two lines in 820
    RecordingCanvas canvas(TenPixelsPerMM);
    RenderPage(canvas, PageDevice::Printer, OutputMode::ClueListOnly, state);
    // Clue area from 36 mm; 9-point lines are 18 pixels; headings bold and underlined.
    const auto* across = canvas.Find("Across");
    const auto* down = canvas.Find("Down");
    ASSERT_TRUE(across && down);
    EXPECT_TRUE(across->Out && across->Bold && across->Underline);
    EXPECT_EQ(across->Box.Left, 100);
    EXPECT_EQ(down->Box.Left, 1110);
    EXPECT_EQ(across->Box.Top, 360);
    EXPECT_EQ(down->Box.Top, 360);

    // Across: 1 (two lines), 3, 4; each number at the column's left, the clue 70 pixels in.
    const std::string longClue = std::string(120, 'x') + " (2)";
    const auto* first = canvas.Find(longClue);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Box, (PixelRect{170, 387, 990, 441}));
    EXPECT_EQ(first->Flags, TextLeft | TextWordWrap);
    EXPECT_FALSE(first->Bold);
    const auto* second = canvas.Find("Poem (2,1)");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Box, (PixelRect{170, 423, 990, 423 + 3 * 36}));
    const auto* third = canvas.Find("Us (2)");
    ASSERT_TRUE(third);
    EXPECT_EQ(third->Box.Top, 441);
    const auto* downFirst = canvas.Find("Drink (3)");
    ASSERT_TRUE(downFirst);
    EXPECT_EQ(downFirst->Box, (PixelRect{1180, 387, 2000, 441}));

    RecordingCanvas preview(PreviewWidthPixels);
    RenderPage(preview, PageDevice::Screen, OutputMode::EmptyGridAndClues, state);
    ASSERT_TRUE(preview.Find(longClue));
    EXPECT_EQ(preview.Find(longClue)->Flags, TextLeft);  // one line on the preview
}

TEST(RenderPage, AnswerParagraphsAndAlphabeticalList)
{
    const QuillmereState state = test::TinyCrosswordState();
    RecordingCanvas answers(TenPixelsPerMM);
    RenderPage(answers, PageDevice::Printer, OutputMode::AnswerListOnly, state);
    const auto* heading = answers.Find("Answers");
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->Box.Left, 100);
    EXPECT_EQ(heading->Box.Top, 360);
    const auto* across = answers.Find("Across:  1-At,  3-Od E,  4-We");
    const auto* down = answers.Find("Down:  1-Ade,  2-Te,  3-Ow");
    ASSERT_TRUE(across && down);
    EXPECT_EQ(across->Box, (PixelRect{100, 387, 2000, 387 + 5 * 18}));
    EXPECT_EQ(across->Flags & TextWordWrap, TextWordWrap);
    EXPECT_EQ(down->Box.Top, 387 + 18 + 18);  // one empty line between the paragraphs

    RecordingCanvas list(TenPixelsPerMM);
    RenderPage(list, PageDevice::Printer, OutputMode::AnswerClueListAlpha, state);
    std::vector<std::string> lines;
    for (const auto& t : list.Texts)
        if (!t.Out && t.Points == 9) lines.push_back(t.Value);
    EXPECT_EQ(lines, (std::vector<std::string>{"ADE - Drink  (1D)", "AT - Located  (1A)", "OD E - Poem  (3A)", "OW - Ouch  (3D)",
                                               "TE - Do re mi & <so>  (2D)", "WE - Us  (4A)"}));
    ASSERT_TRUE(list.Find("Answers (alphabetical) and Clues"));
    EXPECT_TRUE(list.Rects.empty());  // no grid in the list modes
}

TEST(RenderPage, RefusesOptionsOutsideTheirRanges)
{
    QuillmereState state = test::TinyCrosswordState();
    RecordingCanvas canvas(TenPixelsPerMM);
    EXPECT_THROW(RenderPage(canvas, PageDevice::Printer, OutputModeOf(7), state), Failure);
    state.Output.Blocking = 9;
    EXPECT_THROW(RenderPage(canvas, PageDevice::Printer, OutputMode::EmptyGridAndClues, state), Failure);
    state.Output.Blocking = 3;
    state.Output.GridMM = 200;
    EXPECT_THROW(RenderPage(canvas, PageDevice::Printer, OutputMode::EmptyGridAndClues, state), Failure);
    EXPECT_TRUE(canvas.Texts.empty());
}

TEST(PageTexts, TitleCaseAndClueTexts)
{
    EXPECT_EQ(TitleCase("ICE CREAM"), "Ice Cream");
    EXPECT_EQ(TitleCase("iCE"), "ice");  // the first character is kept as it is
    EXPECT_EQ(TitleCase(" TWO  WORDS "), "two  Words");
    EXPECT_EQ(TitleCase("JACK-IN-THE-BOX"), "Jack-in-the-box");
    EXPECT_EQ(TitleCase(""), "");

    WordSlot s;
    s.EnumTxt = "3";
    struct Case {
        const char* clue;
        const char* shown;
    };
    for (const Case& c : {Case{"Broadcaster (initials)", "Broadcaster (initials, 3)"}, Case{"A (initials)", "A (initials, 3)"},
                          Case{"X(initials)", "X(initials) (3)"}, Case{"Plain clue", "Plain clue (3)"}, Case{"", ""}}) {
        s.ClueTxt = c.clue;
        EXPECT_EQ(PageClueText(s), c.shown) << c.clue;
    }
}

}  // namespace
}  // namespace qm
