// The printed pages of the largest crosswords: every clue whole on some page, in order, and the class sheet options.
#include "core/output/clipboard_text.h"
#include "core/output/page_plan.h"
#include "core/output/page_texts.h"
#include "core/output/render_page.h"
#include "core/util/failure.h"
#include "tests/core/output/recording_canvas.h"
#include "tests/support/paged_crossword.h"
#include "tests/support/symmetric_fixtures.h"
#include "tests/support/tiny_crossword.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace qm {
namespace {

using test::RecordingCanvas;

/// A printer page of 1050 pixels, 5 a millimetre: the recording canvas's 9-point lines are then
/// 3.6 mm high and its characters 1.8 mm wide, about what a printer measures.
constexpr double FivePixelsPerMM = 1050;

/// Rows of letters for a pattern of blocks ('#') and open squares: the letters are arbitrary, the
/// pages depend on the slots and their clues only.
std::vector<std::string> Lettered(const std::vector<std::string>& pattern)
{
    std::vector<std::string> rows = pattern;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] != '#') rows[r][c] = static_cast<char>('A' + (r * 7 + c * 3) % 26);
    return rows;
}

/// The first 29 x 29 stock grid of the committed library.
std::vector<std::string> StockPattern29()
{
    auto library = std::make_unique<StockGridLibrary>();
    LoadStockGrids(*library, test::CommittedStockGrids());
    const StockGrid& grid = StockGridAt(*library, StockGridsOfSize(*library, 29).First);
    std::vector<std::string> rows(29, std::string(29, '.'));
    for (int r = 1; r <= 29; ++r)
        for (int c = 1; c <= 29; ++c)
            if (StockSquareBlocked(grid, c, r)) rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] = '#';
    return rows;
}

/// A 21 x 21 American-style pattern of our own (every square in an across and a down word of three
/// letters or more, 180-degree symmetry): 138 words.
const std::vector<std::string> AmericanPattern21 = {
    "#......#....######...", ".......#.............", ".....................", ".....##.............#",
    "#....#.....#.....#...", "...#...##...##.......", "...##.....#...#......", "....#....##....##....",
    "......#...#.....##...", "##...###...##...##...", "#.....#.......#.....#", "...##...##...###...##",
    "...##.....#...#......", "....##....##....#....", "......#...#.....##...", ".......##...##...#...",
    "...#.....#.....#....#", "#.............##.....", ".....................", ".............#.......",
    "...######....#......#",
};

/// The crossword of the pattern on display, each slot clued with test::ClueOfLength(slot, clueLength(slot)).
QuillmereState CluedState(const std::vector<std::string>& pattern, int (*clueLength)(int slot))
{
    QuillmereState state;
    test::ShowAsFill(state, test::CrosswordOfLetters(Lettered(pattern)));
    for (int i = 1; i <= state.Xw.WordSlotCount; ++i) state.Xw.Slot(i).ClueTxt = test::ClueOfLength(i, clueLength(i));
    state.Output.GridMM = DefaultGridMM(state.Xw.GridSize);
    state.Output.Title = "Big One";
    state.CurrentFileName = "big.xwd";
    return state;
}

int DictionaryLengths(int slot) { return 18 + (slot * 37) % 73; }  // 18..90, as the dictionary's clues run
int LongestClues(int) { return 200; }
int SixtyCharacters(int) { return 60; }

/// Every page of a plan measured and drawn on recording canvases of the same size.
struct DrawnPages {
    PagePlan Plan;
    std::vector<RecordingCanvas> Pages;
};

DrawnPages DrawAll(const QuillmereState& state, OutputMode mode, double width = FivePixelsPerMM)
{
    RecordingCanvas measure(width);
    DrawnPages drawn{PlanPages(measure, PageDevice::Printer, mode, state), {}};
    for (std::size_t k = 0; k < drawn.Plan.Pages.size(); ++k) {
        drawn.Pages.emplace_back(width);
        RenderPage(drawn.Pages.back(), PageDevice::Printer, mode, state, drawn.Plan, static_cast<int>(k));
    }
    return drawn;
}

/// The texts of one column of the clue area on a page, from the top: its headings (bold) or the rest.
std::vector<RecordingCanvas::Text> ColumnTexts(const RecordingCanvas& page, int left, int clueTop, bool headings = false)
{
    std::vector<RecordingCanvas::Text> texts;
    for (const auto& t : page.Texts)
        if (t.Box.Left == left && t.Box.Top >= clueTop && t.Bold == headings) texts.push_back(t);
    std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.Box.Top < b.Box.Top; });
    return texts;
}

/// Checks one column across the pages: its texts in order are `expected`, each whole (its box as
/// tall as its lines), none over another, none above the clue area or past its foot; each page it
/// is on has its heading above it ("... (continued)" after the first page it is on).
void ExpectColumn(const DrawnPages& drawn, const PageLayout& px, int textLeft, int headingLeft, const std::string& heading,
                  const std::vector<std::string>& expected)
{
    std::vector<std::string> seen;
    bool started = false;
    for (std::size_t k = 0; k < drawn.Pages.size(); ++k) {
        SCOPED_TRACE("page " + std::to_string(k + 1));
        const int top = k == 0 ? px.ClueTop : px.ContinuedTop;
        const auto texts = ColumnTexts(drawn.Pages[k], textLeft, top);
        const auto headings = ColumnTexts(drawn.Pages[k], headingLeft, top, true);
        int previousBottom = top;
        for (const auto& t : texts) {
            EXPECT_LE(t.Height, t.Box.Bottom - t.Box.Top) << "cut off: " << t.Value;
            EXPECT_GE(t.Box.Top, previousBottom) << "over the text before: " << t.Value;
            EXPECT_LE(t.Box.Top + t.Height, px.ClueBottom) << "past the foot: " << t.Value;
            previousBottom = t.Box.Top + t.Height;
            seen.push_back(t.Value);
        }
        if (!texts.empty()) {
            ASSERT_EQ(headings.size(), 1u) << heading;
            const auto& h = headings.front();
            EXPECT_TRUE(h.Underline);
            EXPECT_EQ(h.Value, started ? heading + " (continued)" : heading);
            EXPECT_LT(h.Box.Top, texts.front().Box.Top);
            started = true;
        }
    }
    EXPECT_EQ(seen, expected);
}

TEST(PagePlan, EveryClueOfTheLargestCrosswordsIsPrintedWholeOnSomePage)
{
    struct Case {
        const char* name;
        std::vector<std::string> pattern;
        int (*clueLength)(int);
    };
    const Case cases[] = {
        {"29 x 29 stock grid", StockPattern29(), DictionaryLengths},
        {"21 x 21 American-style grid", AmericanPattern21, DictionaryLengths},
        {"29 x 29 stock grid, clues of 200 characters", StockPattern29(), LongestClues},
        {"21 x 21 American-style grid, clues of 200 characters", AmericanPattern21, LongestClues},
    };
    for (const Case& c : cases) {
        const QuillmereState state = CluedState(c.pattern, c.clueLength);
        const Crossword& xw = state.Xw;
        ASSERT_GT(xw.WordSlotCount, 90) << c.name;
        for (const OutputMode mode : {OutputMode::EmptyGridAndClues, OutputMode::CompletedGridAndClues, OutputMode::ClueListOnly,
                                      OutputMode::AnswerClueListAlpha}) {
            SCOPED_TRACE(std::string(c.name) + ", mode " + std::to_string(static_cast<int>(mode)));
            const DrawnPages drawn = DrawAll(state, mode);
            const PageLayout px = ScaleLayout(PageLayoutMM(state.Output, mode), 5);
            if (ModeShowsGrid(mode)) {
                EXPECT_GE(drawn.Pages.size(), 2u);  // the grid leaves no room for all the clues
            }
            if (mode == OutputMode::AnswerClueListAlpha) {
                std::vector<std::string> lines;
                for (const int i : AlphabeticalSlots(xw, xw.WordSlotCount)) lines.push_back(AnswerClueLine(xw.Slot(i)));
                ExpectColumn(drawn, px, px.ListLeft, px.ListLeft, "Answers (alphabetical) and Clues", lines);
                continue;
            }
            for (const bool across : {true, false}) {
                std::vector<std::string> clues;
                std::vector<std::string> numbers;
                for (int i = 1; i <= xw.WordSlotCount; ++i)
                    if (xw.Slot(i).Dir == across) {
                        clues.push_back(PageClueText(xw.Slot(i)));
                        numbers.push_back(std::to_string(xw.Slot(i).Clue));
                    }
                const int x = across ? px.AcrossX : px.DownX;
                ExpectColumn(drawn, px, x, x - px.NumberIndent, across ? "Across" : "Down", clues);
                // Each clue's number beside it, on its line.
                std::vector<std::string> numbersSeen;
                for (std::size_t k = 0; k < drawn.Pages.size(); ++k) {
                    const int top = k == 0 ? px.ClueTop : px.ContinuedTop;
                    const auto texts = ColumnTexts(drawn.Pages[k], x, top);
                    for (const auto& t : ColumnTexts(drawn.Pages[k], x - px.NumberIndent, top)) {
                        numbersSeen.push_back(t.Value);
                        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const auto& clue) { return clue.Box.Top == t.Box.Top; }))
                            << t.Value;
                    }
                }
                EXPECT_EQ(numbersSeen, numbers);
            }
            // A continuation page is headed like the first: the extras block and the title, and no grid.
            for (std::size_t k = 1; k < drawn.Pages.size(); ++k) {
                EXPECT_TRUE(drawn.Pages[k].Find("Filename: big.xwd")) << k;
                EXPECT_TRUE(drawn.Pages[k].Find("Big One")) << k;
                EXPECT_TRUE(drawn.Pages[k].Rects.empty()) << k;
            }
        }
    }
}

TEST(PagePlan, AnswerParagraphsOfTheLargestCrosswordAreNeverCutOff)
{
    const QuillmereState state = CluedState(AmericanPattern21, DictionaryLengths);
    const DrawnPages drawn = DrawAll(state, OutputMode::AnswerListOnly);
    ASSERT_EQ(drawn.Pages.size(), 1u);
    std::vector<std::string> paragraphs;
    for (const auto& t : drawn.Pages[0].Texts)
        if (t.Flags & TextWordWrap) {
            paragraphs.push_back(t.Value);
            // Seventy answers a direction wrap to more lines than the five the box once had.
            EXPECT_GT(t.Height, 5 * 18);
            EXPECT_LE(t.Height, t.Box.Bottom - t.Box.Top);
        }
    EXPECT_EQ(paragraphs, (std::vector<std::string>{AnswerParagraph(state.Xw, state.Xw.WordSlotCount, true, "Across"),
                                                     AnswerParagraph(state.Xw, state.Xw.WordSlotCount, false, "Down")}));
}

TEST(PagePlan, APlanDrawsScaledOnAnotherDeviceAndRefusesAPageItDoesNotHave)
{
    const QuillmereState state = CluedState(StockPattern29(), DictionaryLengths);
    RecordingCanvas measure(FivePixelsPerMM);
    const PagePlan plan = PlanPages(measure, PageDevice::Printer, OutputMode::ClueListOnly, state);
    ASSERT_GE(plan.Pages.size(), 2u);
    EXPECT_EQ(plan.PixelsPerMM, 5);
    // Drawn on a page twice as many pixels wide, as the preview draws the PDF file's plan on its own.
    RecordingCanvas twice(2 * FivePixelsPerMM);
    RenderPage(twice, PageDevice::Screen, OutputMode::ClueListOnly, state, plan, 1);
    const PlannedText& first = plan.Pages[1].Texts.front();
    ASSERT_EQ(first.Style, PlannedStyle::Heading);
    const auto* heading = twice.Find(first.Value);
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->Box, (PixelRect{2 * first.Box.Left, 2 * first.Box.Top, 0, 0}));
    EXPECT_TRUE(heading->Bold && heading->Underline);
    // The preview draws the clues where the plan put them, one line each (as it always has), in its own font.
    int lines = 0;
    for (const PlannedText& t : plan.Pages[1].Texts) {
        if (t.Style != PlannedStyle::Line) continue;
        const auto* line = twice.Find(t.Value);
        ASSERT_TRUE(line) << t.Value;
        EXPECT_EQ(line->Box, (PixelRect{2 * t.Box.Left, 2 * t.Box.Top, 2 * t.Box.Right, 2 * t.Box.Bottom})) << t.Value;
        EXPECT_EQ(line->Flags, TextLeft);
        EXPECT_EQ(line->Points, 5);
        ++lines;
    }
    EXPECT_GT(lines, 0);
    EXPECT_THROW(RenderPage(twice, PageDevice::Printer, OutputMode::ClueListOnly, state, plan, static_cast<int>(plan.Pages.size())),
                 Failure);
    EXPECT_THROW(RenderPage(twice, PageDevice::Printer, OutputMode::ClueListOnly, state, plan, -1), Failure);
}

TEST(PagePlan, ClassSheetOptionsAreOffByDefaultAndEachShowsWhereItBelongs)
{
    struct Case {
        const char* name;
        OutputMode mode;
        bool nameLine, wordBank, fitWidth, answersHeading;
        bool expectNameLine, expectWordBank, expectAnswers;
    };
    const Case cases[] = {
        {"defaults, pupils' sheet", OutputMode::EmptyGridAndClues, false, false, false, false, false, false, false},
        {"defaults, answer sheet", OutputMode::CompletedGridAndClues, false, false, false, false, false, false, false},
        {"all, pupils' sheet", OutputMode::EmptyGridAndClues, true, true, true, true, true, true, false},
        {"all, clue list", OutputMode::ClueListOnly, true, true, true, true, true, true, false},
        {"all, answer sheet: no word bank", OutputMode::CompletedGridAndClues, true, true, true, true, true, false, true},
        {"all, completed grid only", OutputMode::CompletedGridOnly, true, true, true, true, true, false, true},
        {"all, empty grid only: no clues, no word bank", OutputMode::EmptyGridOnly, true, true, true, true, true, false, false},
        {"answer heading alone, answer list (its own heading)", OutputMode::AnswerListOnly, false, false, false, true, false, false, false},
    };
    const std::vector<std::string> answers = {"ADE", "AT", "OD E", "OW", "TE", "WE"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QuillmereState state = test::TinyCrosswordState();
        state.Output.NameLine = c.nameLine;
        state.Output.WordBank = c.wordBank;
        state.Output.FitWidth = c.fitWidth;
        state.Output.AnswersHeading = c.answersHeading;
        const DrawnPages drawn = DrawAll(state, c.mode, 2100);
        ASSERT_EQ(drawn.Pages.size(), 1u);
        const RecordingCanvas& page = drawn.Pages[0];
        const PageLayout px = ScaleLayout(PageLayoutMM(state.Output, c.mode), 10);

        const auto* nameLine = page.Find(std::string(NameLineText));
        ASSERT_EQ(nameLine != nullptr, c.expectNameLine);
        if (nameLine) {
            // Under the title (22 + 12 mm down), 11 points; the grid or the clues move down by 10 mm.
            EXPECT_EQ(nameLine->Box, (PixelRect{100, 340, 2000, 440}));
            EXPECT_EQ(nameLine->Points, 11);
        }
        const auto* heading = page.Find(std::string(AnswersHeadingText));
        const bool answersHeading = heading && heading->Flags == TextHCenter && heading->Bold;
        EXPECT_EQ(answersHeading, c.expectAnswers);
        if (answersHeading) {
            EXPECT_EQ(heading->Box.Top, c.expectNameLine ? 440 : 340);
        }
        EXPECT_EQ(px.GridTop, 340 + (c.expectNameLine ? 100 : 0) + (c.expectAnswers ? 100 : 0));

        const auto* bank = page.Find("Word bank");
        ASSERT_EQ(bank != nullptr, c.expectWordBank);
        if (bank) {
            EXPECT_TRUE(bank->Bold && bank->Underline);
            // One empty line under the longer clue column (Across: three clues from ClueTop + 27).
            EXPECT_EQ(bank->Box.Top, px.ClueTop + 27 + 3 * 18 + 18);
            std::vector<std::string> words;
            std::vector<PixelRect> boxes;
            for (const auto& t : page.Texts)
                if (t.Out && t.Box.Top > bank->Box.Top) {
                    words.push_back(t.Value);
                    boxes.push_back(t.Box);
                }
            EXPECT_EQ(words, answers);  // alphabetical, as shown (with the word break of OD E)
            // Six words as wide as 4 characters (36 pixels) and a 70-pixel gap take six columns on one line.
            for (std::size_t k = 0; k < boxes.size(); ++k) {
                EXPECT_EQ(boxes[k].Top, bank->Box.Top + 27);
                EXPECT_EQ(boxes[k].Left, 100 + static_cast<int>(k) * (1900 / 6));
            }
        }
        if (ModeShowsGrid(c.mode)) {
            // The grid's background: 190 mm wide from the left margin with the option, else 60 mm centred.
            ASSERT_FALSE(page.Rects.empty());
            const PixelRect expected = c.fitWidth ? PixelRect{100, px.GridTop, 2000, px.GridTop + 1900}
                                                  : PixelRect{750, px.GridTop, 1350, px.GridTop + 600};
            EXPECT_EQ(page.Rects[0].Box, expected);
        }
    }
}

TEST(PagePlan, TheWordBankGoesDownEachColumnAndOnToTheNextPage)
{
    // 138 answers of up to 21 letters: the bank takes as many columns as the widest answer allows,
    // fills them down one after the other, and goes on under "Word bank (continued)".
    QuillmereState state = CluedState(AmericanPattern21, SixtyCharacters);
    state.Output.WordBank = true;
    const DrawnPages drawn = DrawAll(state, OutputMode::EmptyGridAndClues);
    const PageLayout px = ScaleLayout(PageLayoutMM(state.Output, OutputMode::EmptyGridAndClues), 5);
    std::vector<std::string> expected;
    std::size_t widest = 0;
    for (const int i : AlphabeticalSlots(state.Xw, state.Xw.WordSlotCount)) {
        expected.push_back(state.Xw.Slot(i).DisplayTxt.str());
        widest = std::max(widest, expected.back().size());
    }
    const int columns = std::min<int>(MaxWordBankColumns, (950 + 35) / (static_cast<int>(widest) * 9 + 35));
    std::vector<std::string> seen;
    std::vector<std::string> headings;
    for (std::size_t k = 0; k < drawn.Pages.size(); ++k) {
        const RecordingCanvas& page = drawn.Pages[k];
        int bankTop = -1;
        for (const auto& t : page.Texts)
            if (t.Bold && t.Value.rfind("Word bank", 0) == 0) {
                headings.push_back(t.Value);
                bankTop = t.Box.Top;
            }
        if (bankTop < 0) continue;
        std::map<int, std::vector<std::pair<int, std::string>>> byColumn;  // left -> (top, word)
        for (const auto& t : page.Texts)
            if (t.Out && !t.Bold && t.Box.Top > bankTop) {
                byColumn[t.Box.Left].push_back({t.Box.Top, t.Value});
                EXPECT_LE(t.Box.Top + t.Height, px.ClueBottom) << t.Value;
            }
        EXPECT_LE(static_cast<int>(byColumn.size()), columns);
        for (auto& [left, words] : byColumn) {
            std::sort(words.begin(), words.end());
            for (const auto& [top, word] : words) seen.push_back(word);
        }
    }
    EXPECT_EQ(seen, expected);
    ASSERT_EQ(headings.size(), 2u);
    EXPECT_EQ(headings, (std::vector<std::string>{"Word bank", "Word bank (continued)"}));
}

}  // namespace
}  // namespace qm
