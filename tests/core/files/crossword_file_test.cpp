// Crossword files: byte-exact writing, save -> load -> save round trips, broken files, the load's rebuild.
#include "core/clues/clue_store.h"
#include "core/files/crossword_file.h"
#include "core/freeform/freeform_run.h"
#include "core/output/clipboard_text.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "tests/support/crossword_fixture.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utime.h>

namespace qm {
namespace {

using test::CrosswordOfLetters;

/// A 9 x 9 grid with 180-degree symmetry, as the symmetrical generator makes them.
const std::vector<std::string> SymmetricRows = {
    "STAR#SPIN", "HERO#TAME", "ARMED#ODE", "DEN#BEGAN", "###DIE###",
    "SNAKE#GEM", "ODE#TENOR", "LAIR#ROSE", "ELSE#SEAT",
};

/// The smallest stock grids are 7 x 7: a symmetrical crossword of that size must load again too.
const std::vector<std::string> SmallestStockRows = {
    "STAR#AT", "HERO#TO", "ARMED#N", "#DEN#E#", "O#ANGER", "NA#BEAR", "EN#EDGE",
};

/// A 10 x 10 freeform grid: words crossing one another, every other square blocked.
const std::vector<std::string> FreeformRows = {
    "ICECREAM##", "#A####P###", "#T#DOGMA##", "#S####L###", "####HELLO#",
    "##########", "SUN#######", "####MOON##", "##########", "##########",
};

QuillmereState StateShowing(const std::vector<std::string>& rows)
{
    QuillmereState state;
    test::ShowAsFill(state, CrosswordOfLetters(rows));
    Crossword& xw = state.Xw;
    for (int i = 1; i <= xw.WordSlotCount; ++i) xw.Slot(i).ClueTxt = "Clue " + std::to_string(i) + ": a colon, blanks  and all";
    state.Output.Title = "Weekend Puzzle Special";  // longer than the 14 characters the header once kept
    state.Output.FontName = "Bitstream Vera Sans Mono";
    state.Output.Blocking = 6;
    return state;
}

void MakeIceCreamTwoWords(QuillmereState& state)
{
    WordSlot& s = state.Xw.Slot(1);
    ASSERT_EQ(s.WordTxt.str(), "ICECREAM");
    s.EnumTxt = "3,5";
    s.DisplayTxt = "ICE CREAM";
    s.ClueTxt = "Frozen dessert";
}

TEST(CrosswordFile, WordLinesAreByteExact)
{
    WordSlot s;
    s.Clue = 1;
    s.Dir = true;
    s.Row = 1;
    s.Col = 1;
    s.RCTxt = MakeRCTxt(1, 1);
    s.WordTxt = "ICECREAM";
    s.EnumTxt = "3,5";
    s.ClueTxt = "Frozen dessert";
    EXPECT_EQ(XwdWordLine(s), std::string("  1A:  1  1:ICECREAM\x04") + "3,5\x05" + "Frozen dessert");
    s.Clue = 12;
    s.Dir = false;
    s.Row = 10;
    s.Col = 3;
    s.ClueTxt = "Two\r\nlines";  // a line break would end the word line early
    EXPECT_EQ(XwdWordLine(s), std::string(" 12D: 10  3:ICECREAM\x04") + "3,5\x05" + "Two  lines");
}

TEST(CrosswordFile, FileHasSixHeaderLinesAndCrLfEverywhere)
{
    QuillmereState state = StateShowing(FreeformRows);
    MakeIceCreamTwoWords(state);
    const std::string text = XwdFileText(state);
    const std::string expectedStart = "Title=Weekend Puzzle Special\r\nFont=Bitstream Vera Sans Mono\r\nBlocking=6\r\n"
                                      "Dimension=10\r\nWord Count=" + std::to_string(state.Xw.WordSlotCount) +
                                      "\r\nLetter Count=" + std::to_string(state.Fills.Record(1).LttCount) +
                                      "\r\n  1A:  1  1:ICECREAM\x04" "3,5\x05" "Frozen dessert\r\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);  // no blank line, no trailer
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') {
            ++lines;
            EXPECT_EQ(text[i - 1], '\r') << "at " << i;
        }
    EXPECT_EQ(lines, 6u + static_cast<std::size_t>(state.Xw.WordSlotCount));
}

TEST(CrosswordFile, OnlyACrosswordWithEveryAnswerIsWorthSaving)
{
    const Crossword filled = CrosswordOfLetters(SymmetricRows);
    Crossword oneBlank = filled;
    oneBlank.Slot(3).WordTxt = "";
    const struct {
        const char* name;
        Crossword xw;
        bool worth;
    } cases[] = {{"filled", filled, true}, {"one word without its answer", oneBlank, false}, {"no words", Crossword{}, false}};
    for (const auto& c : cases) EXPECT_EQ(HasEveryAnswer(c.xw), c.worth) << c.name;
}

TEST(CrosswordFile, SaveLoadSaveIsByteIdentical)
{
    test::TempDir dir;
    for (const auto* rows : {&SymmetricRows, &FreeformRows, &SmallestStockRows}) {
        QuillmereState state = StateShowing(*rows);
        if (rows == &FreeformRows) MakeIceCreamTwoWords(state);
        const std::string first = dir.File("first.xwd");
        SaveCrosswordFile(state, first);
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(first, bytes));
        EXPECT_EQ(bytes, XwdFileText(state));

        QuillmereState reloaded;
        LoadCrosswordFile(reloaded, first, nullptr);
        const std::string second = dir.File("second.xwd");
        SaveCrosswordFile(reloaded, second);
        std::string again;
        ASSERT_TRUE(ReadWholeFile(second, again));
        EXPECT_EQ(again, bytes);
        EXPECT_EQ(test::GridRows(reloaded.Xw.Squares), test::GridRows(state.Xw.Squares));
        EXPECT_EQ(reloaded.Output.Title, "Weekend Puzzle Special");
        EXPECT_EQ(reloaded.Output.FontName, "Bitstream Vera Sans Mono");
    }
}

TEST(CrosswordFile, LoadRebuildsTheCrosswordAsTheOnlyFreeformFill)
{
    test::TempDir dir;
    QuillmereState saved = StateShowing(FreeformRows);
    MakeIceCreamTwoWords(saved);
    const std::string path = dir.File("puzzle.xwd");
    SaveCrosswordFile(saved, path);
    EXPECT_EQ(saved.CurrentFileName, "puzzle.xwd");
    utimbuf times{};
    times.actime = times.modtime = 1700000000;  // 14 Nov 2023, mid-day in every time zone
    ASSERT_EQ(::utime(path.c_str(), &times), 0);

    QuillmereState state;
    state.FillSource = FillSourceKind::Dictionary;
    state.Fills.GridsMax = 7;
    state.Fills.StoredWordCount = 90;
    state.Output.GridMM = 140;
    state.SymmFillsList.Add(FillRow::Symmetric(1, 225, 78, 5000, 0));
    const LoadResult result = LoadCrosswordFile(state, path, nullptr);

    const Crossword& xw = state.Xw;
    EXPECT_EQ(xw.GridSize, 10);
    EXPECT_EQ(xw.WordSlotCount, saved.Xw.WordSlotCount);
    EXPECT_EQ(xw.Slot(1).DisplayTxt.str(), "ICE CREAM");
    EXPECT_EQ(xw.Slot(2).DisplayTxt, xw.Slot(2).WordTxt);  // no "," in its enumeration
    EXPECT_EQ(xw.Slot(3).ThemeRef, 2);
    EXPECT_EQ(xw.Slot(3).NumLett, static_cast<int>(xw.Slot(3).WordTxt.size()));
    EXPECT_EQ(xw.Squares(1, 1).CellNumber, 1);
    EXPECT_EQ(xw.Squares(10, 10).Letter, '#');
    EXPECT_TRUE(xw.ShowCellNumbers);
    EXPECT_EQ(GridText(xw.Squares), GridText(saved.Xw.Squares));

    EXPECT_EQ(state.CurrentFileName, "puzzle.xwd");
    EXPECT_EQ(WindowCaption(state), "Quillmere [puzzle.xwd]");
    EXPECT_EQ(state.CrosswordDate, DateOf(1700000000));
    EXPECT_TRUE(state.LoadedFromFile);
    EXPECT_EQ(state.ImportedFillShown, 2);
    EXPECT_EQ(state.FillSource, FillSourceKind::Freeform);
    EXPECT_EQ(state.Output.GridMM, 70);
    EXPECT_EQ(state.Output.Blocking, 6);

    EXPECT_EQ(state.Fills.GridsMax, 1);
    EXPECT_EQ(state.Fills.CurrentFill, 1);
    EXPECT_TRUE(state.SymmFillsList.Rows.empty());
    EXPECT_EQ(state.Freeform.FreeFillsList.Texts(), std::vector<std::string>{result.Row.Text()});
    EXPECT_EQ(state.Fills.StoredWordCount, xw.WordSlotCount);
    EXPECT_EQ(state.Fills.Record(1).WrdCount, xw.WordSlotCount);
    EXPECT_EQ(state.Fills.Record(1).LttCount, saved.Fills.Record(1).LttCount);
    EXPECT_EQ(state.Fills.Record(1).LastWrd, xw.WordSlotCount);
    EXPECT_EQ(result.Words, xw.WordSlotCount);
    EXPECT_EQ(result.Letters, saved.Fills.Record(1).LttCount);

    const std::string line = result.Row.Text();
    EXPECT_EQ(line.size(), 45u);
    EXPECT_EQ(Mid(line, 5, 6), "     0");
    EXPECT_EQ(Mid(line, 11, 4), "   1");
    EXPECT_EQ(Mid(line, 15, 1), " ");
    EXPECT_EQ(Mid(line, 16, 5), Format("%5d", result.Letters));
    EXPECT_EQ(Mid(line, 21, 7), Format("%7d", result.Words));
    EXPECT_EQ(Mid(line, 39, 6), Format("%6d", result.Score));
    EXPECT_EQ(line.back(), 's');
}

TEST(CrosswordFile, LoadScoresTheFillAndAdoptsItsWords)
{
    // A ring of four words round a 3 x 3 hole: no interlocks (each word is crossed twice), area 9.
    test::TempDir dir;
    QuillmereState saved = StateShowing({"##########", "#ABCDE####", "#F###G####", "#H###I####", "#J###K####",
                                         "#LMNOP####", "##########", "##########", "##########", "##########"});
    SaveCrosswordFile(saved, dir.File("ring.xwd"));

    QuillmereState state;
    state.Imported.ThemeWords = {"EARLIER"};
    state.Imported.ThemeClues = {"Before"};
    const LoadResult result = LoadCrosswordFile(state, dir.File("ring.xwd"), nullptr);
    EXPECT_EQ(result.Letters, 16);
    EXPECT_EQ(result.Words, 4);
    EXPECT_EQ(result.Interlocks, 0);
    EXPECT_EQ(result.Area, 9);
    EXPECT_EQ(result.Score, 113);  // (3 x 16 + 4 + 0 + 9 / 2) x 200 / 100
    EXPECT_EQ(result.Row.Text(), "9886     0   1    16      4     0    9   113s");
    EXPECT_EQ(state.Freeform.FreeFillsList.Texts(), std::vector<std::string>{result.Row.Text()});
    EXPECT_EQ(state.Fills.Record(1).ILockArea, 9);

    state.Freeform.Options.Ranking = RankingMethod::Letters;
    EXPECT_EQ(Mid(LoadCrosswordFile(state, dir.File("ring.xwd"), nullptr).Row.Text(), 1, 4), "9983");  // 9999 - 16

    // The words joined the imported list after what it held, so the fill can be shown again from it.
    EXPECT_EQ(state.Imported.ThemeWords.front(), "EARLIER");
    ASSERT_GE(state.Imported.ThemeWords.size(), 5u);
    const WordSlot& first = state.Xw.Slot(1);
    EXPECT_EQ(state.Imported.ThemeWords[static_cast<std::size_t>(first.ThemeRef)], first.DisplayTxt.str());
    Crossword shown;
    shown.GridSize = 10;
    InitGrid(shown);
    RestoreFill(state.Fills, 1, shown, [&](WordSlot& s) {
        LookUpSlotWord(s, FillSourceKind::Freeform, state.Dict, state.Imported, state.Clues);
    });
    ASSERT_EQ(shown.WordSlotCount, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(shown.Slot(i).WordTxt, state.Xw.Slot(i).WordTxt) << i;
        EXPECT_EQ(shown.Slot(i).ClueTxt, state.Xw.Slot(i).ClueTxt) << i;
    }
}

TEST(CrosswordFile, HeaderLinesAreReadWhole)
{
    EXPECT_EQ(ReadHeaderText("Title=Twenty characters!"), "Twenty characters!");
    EXPECT_EQ(ReadHeaderText("Font=Times New Roman"), "Times New Roman");
    EXPECT_EQ(ReadHeaderText("Font=Bitstream Vera Sans Mono"), "Bitstream Vera Sans Mono");
    EXPECT_EQ(ReadHeaderText("Title=a=b"), "a=b");
    EXPECT_EQ(ReadHeaderText("no key"), "no key");
    EXPECT_EQ(ReadHeaderInt("Word Count=1234"), 1234);
    EXPECT_EQ(ReadHeaderInt("Blocking=x"), 0);
    EXPECT_EQ(ReadHeaderInt("Dimension="), 0);
}

TEST(CrosswordFile, BuildDisplayTxt)
{
    struct Case {
        const char* word;
        const char* enumeration;
        const char* shown;
    };
    for (const Case& c : {Case{"ICECREAM", "3,5", "ICE CREAM"}, Case{"ICECREAM", "8", "ICECREAM"},
                          Case{"JACKINTHEBOX", "4,2,3,3", "JACK IN THE BOX"}, Case{"ABC", "2,5", "AB C"},
                          Case{"ABCDEF", "1,1,1,1,1,1", "A B C D E F"}, Case{"ABC", "", "ABC"}})
        EXPECT_EQ(BuildDisplayTxt(c.word, c.enumeration), c.shown) << c.word << " " << c.enumeration;
    EXPECT_THROW(BuildDisplayTxt("ABCDEFG", "1,1,1,1,1,1,1"), Failure);
    EXPECT_THROW(BuildDisplayTxt("ABC", "1,x"), Failure);
    EXPECT_THROW(BuildDisplayTxt("ABC", "-1,4"), Failure);
}

TEST(CrosswordFile, SaveProposesANameAndNeverLeavesAHalfWrittenFile)
{
    test::TempDir dir;
    QuillmereState state = StateShowing(FreeformRows);
    EXPECT_EQ(ProposedSaveName(state), "ZEroz01.xwd");
    const std::string path = dir.File("ZEroz01.xwd");
    EXPECT_FALSE(SaveWouldOverwrite(path));
    SaveCrosswordFile(state, path);
    EXPECT_TRUE(SaveWouldOverwrite(path));
    EXPECT_EQ(ProposedSaveName(state), "ZEroz01.xwd");
    state.CurrentFileName = "mine.xwd";
    EXPECT_EQ(ProposedSaveName(state), "mine.xwd");

    try {
        SaveCrosswordFile(state, dir.File("missing/folder/x.xwd"));
        FAIL() << "saving into a missing folder succeeded";
    } catch (const Failure& e) {
        EXPECT_NE(std::string(e.what()).find("missing/folder/x.xwd"), std::string::npos) << e.what();
    }
    EXPECT_EQ(state.CurrentFileName, "mine.xwd");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);  // no temporary file left
}

TEST(CrosswordFile, LoadTakesTheFontSpellingOfTheFontList)
{
    test::TempDir dir;
    QuillmereState saved = StateShowing(SymmetricRows);
    saved.Output.FontName = "times new roman";
    SaveCrosswordFile(saved, dir.File("a.xwd"));
    const FontLookup fonts = [](const std::string& name) -> std::optional<std::string> {
        if (CompareTextCI(name, "Times New Roman") == 0) return "Times New Roman";
        return std::nullopt;
    };
    QuillmereState state;
    state.Output.FontName = "Liberation Sans";
    LoadCrosswordFile(state, dir.File("a.xwd"), fonts);
    EXPECT_EQ(state.Output.FontName, "Times New Roman");

    saved.Output.FontName = "No Such Font";
    SaveCrosswordFile(saved, dir.File("b.xwd"));
    LoadCrosswordFile(state, dir.File("b.xwd"), fonts);
    EXPECT_EQ(state.Output.FontName, "Times New Roman");  // an unknown font keeps the one chosen
}

// ---- Broken files: each gives a message naming the file and the problem and changes nothing. ----

struct BrokenFile {
    const char* name;
    std::string bytes;
    const char* problem;
};

std::string GoodFile() { return XwdFileText(StateShowing(FreeformRows)); }

std::string Header(int dimension, int words, int blocking = 3)
{
    return "Title=T\r\nFont=Arial\r\nBlocking=" + std::to_string(blocking) + "\r\nDimension=" + std::to_string(dimension) +
           "\r\nWord Count=" + std::to_string(words) + "\r\nLetter Count=3\r\n";
}

std::string Line(const std::string& prefix, const std::string& word, const std::string& enumeration)
{
    return prefix + word + "\x04" + enumeration + "\x05" + "clue\r\n";
}

std::vector<BrokenFile> BrokenFiles()
{
    std::string manyWords = Header(30, 161);
    for (int i = 0; i < 161; ++i) manyWords += Line("  1A:  1  1:", "CAT", "3");
    std::string oneMore = GoodFile();
    oneMore.replace(oneMore.find("Word Count=") + 11, 1, std::string(1, static_cast<char>(oneMore[oneMore.find("Word Count=") + 11] + 1)));
    return {
        {"word count one higher", oneMore, "Inconsistency in File"},
        {"short word line", Header(8, 1) + "  1A:\r\n", "line 7 is too short"},
        {"empty word line", Header(8, 2) + Line("  1A:  1  1:", "CAT", "3") + "\r\n" + Line("  2A:  3  1:", "DOG", "3"),
         "line 8 is too short"},
        {"more than 160 words", manyWords, "at most 160 words"},
        {"enumeration not a number", Header(8, 1) + Line("  1A:  1  1:", "CAT", "2,x"), "not a list of whole numbers"},
        {"seven enumeration parts", Header(8, 1) + Line("  1A:  1  1:", "ABCDEFG", "1,1,1,1,1,1,1"), "more than 6 parts"},
        {"dimension too large", Header(31, 1) + Line("  1A:  1  1:", "CAT", "3"), "grid size 31 is outside 3..30"},
        {"dimension too small", Header(2, 1) + Line("  1A:  1  1:", "CA", "2"), "grid size 2 is outside 3..30"},
        {"dimension not a number", "Title=T\r\nFont=Arial\r\nBlocking=3\r\nDimension=ten\r\nWord Count=0\r\nLetter Count=0\r\n",
         "grid size 0 is outside 3..30"},
        {"binary file", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "binary data"},
        {"empty file", "", "ends within its six header lines"},
        {"not a crossword", "Hello=1\r\nFont=Arial\r\nBlocking=3\r\nDimension=8\r\nWord Count=0\r\nLetter Count=0\r\n",
         "line 1 should begin with \"Title=\""},
        {"start outside the grid", Header(8, 1) + Line("  1A:  9  1:", "CAT", "3"), "outside the 8 x 8 grid"},
        {"answer past the edge", Header(8, 1) + Line("  1A:  1  7:", "CAT", "3"), "runs past the edge"},
        {"answer not letters", Header(8, 1) + Line("  1A:  1  1:", "C4t", "3"), "the answer \"C4t\" holds characters other than A to Z"},
        {"answers clash", Header(8, 2) + Line("  1A:  1  1:", "CAT", "3") + Line("  1D:  1  1:", "DOG", "3"),
         "the answer CAT (1 across) clashes with the answer DOG (1 down) at row 1, column 1: C against D"},
        {"answer runs into another", Header(8, 2) + Line("  1A:  1  1:", "CAT", "3") + Line("  2A:  1  4:", "DOG", "3"),
         "the answer CAT (1 across) clashes with the answer DOG (2 across): the square at row 1, column 3 holds T, but must "
         "stay empty just before DOG"},
        {"separators swapped", Header(8, 1) + "  1A:  1  1:CAT\x05" "3\x04" "clue\r\n", "out of place"},
    };
}

TEST(CrosswordFile, BrokenFilesLeaveEverythingAsItWas)
{
    test::TempDir dir;
    for (const BrokenFile& broken : BrokenFiles()) {
        SCOPED_TRACE(broken.name);
        const std::string path = dir.File("broken.xwd");
        test::WriteFile(path, broken.bytes);
        QuillmereState state = StateShowing(SymmetricRows);
        state.CurrentFileName = "before.xwd";
        state.Output.GridMM = 140;
        state.Imported.ThemeWords = {"CAT"};
        state.SymmFillsList.Add(FillRow::Symmetric(1, 10, 3, 20, 0));
        const std::string before = XwdFileText(state);
        const auto rowsBefore = test::GridRows(state.Xw.Squares);
        test::ExpectLoadRefused(state, path, broken.problem);
        EXPECT_EQ(XwdFileText(state), before);
        EXPECT_EQ(test::GridRows(state.Xw.Squares), rowsBefore);
        EXPECT_EQ(state.CurrentFileName, "before.xwd");
        EXPECT_EQ(state.Output.GridMM, 140);
        EXPECT_EQ(state.Fills.GridsMax, 1);
        EXPECT_EQ(state.Imported.ThemeWords.size(), 1u);
        EXPECT_EQ(state.SymmFillsList.Rows.size(), 1u);
        EXPECT_FALSE(state.LoadedFromFile);
    }
}

TEST(CrosswordFile, ReadsWhatTheFormatAllowsWithoutRefusing)
{
    test::TempDir dir;
    // A word line with its number, direction and position but no separators is a slot without its
    // answer: the crossing answer keeps its square.
    test::WriteFile(dir.File("open.xwd"), Header(8, 2) + Line("  1A:  1  1:", "CAT", "3") + "  1D:  1  1:\r\n");
    QuillmereState state;
    LoadResult loaded = LoadCrosswordFile(state, dir.File("open.xwd"), nullptr);
    ASSERT_EQ(state.Xw.WordSlotCount, 2);
    EXPECT_EQ(state.Xw.Slot(2).Clue, 1);
    EXPECT_FALSE(state.Xw.Slot(2).Dir);
    EXPECT_TRUE(state.Xw.Slot(2).WordTxt.empty());
    EXPECT_EQ(test::GridRows(state.Xw.Squares)[0], "CAT#####");
    EXPECT_EQ(loaded.Notice, "");
    EXPECT_EQ(XwdFileText(state).substr(XwdFileText(state).size() - 16), std::string("  1D:  1  1:\x04\x05\r\n"));
    ShowFreeformFill(state, 1);  // shown again from the freeform list, as a click on its line does
    ASSERT_EQ(state.Xw.WordSlotCount, 2);
    EXPECT_TRUE(state.Xw.Slot(2).WordTxt.empty());
    EXPECT_EQ(test::GridRows(state.Xw.Squares)[0], "CAT#####");

    // Small letters are taken as capitals.
    test::WriteFile(dir.File("small.xwd"), Header(8, 2) + Line("  1A:  1  1:", "cat", "3") + Line("  1D:  1  1:", "Cow", "3"));
    LoadCrosswordFile(state, dir.File("small.xwd"), nullptr);
    EXPECT_EQ(state.Xw.Slot(1).WordTxt.str(), "CAT");
    EXPECT_EQ(state.Xw.Slot(2).DisplayTxt.str(), "COW");

    // A blocking style the program does not have becomes the default one, with a notice.
    for (const int style : {9, -1, 12}) {
        test::WriteFile(dir.File("style.xwd"), Header(8, 1, style) + Line("  1A:  1  1:", "CAT", "3"));
        state.Output.Blocking = 6;
        loaded = LoadCrosswordFile(state, dir.File("style.xwd"), nullptr);
        EXPECT_EQ(state.Output.Blocking, DefaultBlockingStyle) << style;
        EXPECT_EQ(loaded.Notice, "Loaded style.xwd, but the blocking style " + std::to_string(style) +
                                     " is outside 0..8, so the default style is used.");
    }
}

TEST(CrosswordFile, MissingFileIsNamed)
{
    QuillmereState state;
    try {
        LoadCrosswordFile(state, "/nonexistent/puzzle.xwd", nullptr);
        FAIL() << "a missing file loaded";
    } catch (const Failure& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent/puzzle.xwd"), std::string::npos) << e.what();
    }
    EXPECT_EQ(state.CurrentFileName, "untitled");
}

TEST(CrosswordFile, ForgivesLineFeedsAndTrailingBlankLines)
{
    test::TempDir dir;
    const std::string good = GoodFile();
    std::string unix;
    for (const char ch : good)
        if (ch != '\r') unix += ch;
    test::WriteFile(dir.File("lf.xwd"), unix + "\n\n");
    QuillmereState state;
    LoadCrosswordFile(state, dir.File("lf.xwd"), nullptr);
    EXPECT_EQ(XwdFileText(state), good);
}

}  // namespace
}  // namespace qm
