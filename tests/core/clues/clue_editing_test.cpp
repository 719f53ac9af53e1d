// Clue editing and word replacement: list lines, the selected word's squares, alternatives, replacing, removing.
#include "core/clues/clue_editing.h"
#include "core/grid/fill_writer.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/text.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(ClueRows, FieldsAtTheirPlacesInTheLineAndTheCaption)
{
    const ClueRow row{7, MakeRCTxt(12, 3), 14, "ICE CREAM"};
    EXPECT_EQ(row.Text(), "  7 12  3 14 :  ICE CREAM");
    EXPECT_EQ(CluePanelCaption(row), "Clue for ICE CREAM:");
}

TEST(ClueRows, TheRowOfASlotFallsBackToTheLastRow)
{
    const std::vector<ClueRow> rows = {{1, MakeRCTxt(1, 1), 1, "CAT"}, {4, MakeRCTxt(3, 1), 3, "DOG"}, {9, MakeRCTxt(5, 1), 5, "EEL"}};
    struct Case {
        const char* name;
        int slot;
        int expected;
    };
    for (const Case& c : {Case{"first", 1, 0}, Case{"middle", 4, 1}, Case{"last", 9, 2}, Case{"absent gives last", 5, 2}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindSlotRow(rows, c.slot), c.expected);
    }
    EXPECT_EQ(FindSlotRow({}, 1), -1);
}

TEST(ClueEdits, OnlyAChangedClueIsStoredAndLongCluesAreCut)
{
    WordSlot s;
    s.ClueTxt = "Feline";
    EXPECT_FALSE(StoreEditedClue(s, "Feline"));
    EXPECT_TRUE(StoreEditedClue(s, "Pet that purrs"));
    EXPECT_EQ(s.ClueTxt.view(), "Pet that purrs");
    EXPECT_TRUE(StoreEditedClue(s, std::string(250, 'x')));
    EXPECT_EQ(s.ClueTxt.size(), 200u);
}

// A 5 x 5 symmetrical-style grid:
//   C A T # .      slot 1  CAT across (1,1)    slot 2  COD down (1,1)
//   O # O # .      slot 3  TOE down (1,3)      slot 4  DYE across (3,1)
//   D Y E # .
// plus the crossing word EEL across row 5 that crosses nothing (slot 5).
struct SmallFill : ::testing::Test {
    QuillmereState state;

    SmallFill()
    {
        state.Dict = test::MakeDictionary({test::Word("CAT", 10, 2, 3, 0, 1), test::Word("COT", 10, 2, 3, 0, 2),
                                           test::Word("CUT", 10, 2, 3, 0, 0), test::Word("COD"), test::Word("TOE"),
                                           test::Word("TIE"), test::Word("DYE"), test::Word("EEL"), test::Word("ELK"),
                                           test::Word("DOG")});
        state.Clues = LoadClueList("\r\nFeline\r\nBaby's bed\r\n");
        state.FillSource = FillSourceKind::Dictionary;
        Crossword& xw = state.Xw;
        xw.GridSize = 5;
        InitGrid(xw);
        for (int c = 1; c <= 5; ++c)
            for (int r = 1; r <= 5; ++r) xw.Squares(c, r).Letter = '#';
        Add(1, 1, true, "CAT");
        Add(1, 1, false, "COD");
        Add(1, 3, false, "TOE");
        Add(3, 1, true, "DYE");
        Add(5, 1, true, "EEL");
        for (int k = 1; k <= xw.WordSlotCount; ++k)
            for (int i = 1; i <= xw.Slot(k).NumLett; ++i) xw.SquareOf(xw.Slot(k), i).Letter = ' ';
        WriteFillToGrid(xw, state.FillSource);
        // The fill is stored as fill 1, in an order of its own as a run would have left it.
        Crossword runOrder = xw;
        std::swap(runOrder.Slot(1), runOrder.Slot(4));
        SaveFillWords(state.Fills, runOrder, state.FillSource, true, 0);
        state.Fills.Record(1).LastWrd = state.Fills.StoredWordCount;
        state.Fills.GridsMax = 1;
        state.Fills.CurrentFill = 1;
    }

    void Add(int row, int col, bool across, const std::string& word)
    {
        const int k = test::AddSlot(state.Xw, row, col, across, word);
        const auto& words = state.Dict.MainWordArray[word.size()];
        for (int i = 1; i <= state.Dict.Count(static_cast<int>(word.size())); ++i)
            if (words[static_cast<std::size_t>(i)].Text == word) state.Xw.Slot(k).DictOrThemeRef = i;
        state.Xw.Slot(k).ClueTxt = "clue of " + word;
    }

    int IndexOf(const std::string& word) const
    {
        const auto& words = state.Dict.MainWordArray[word.size()];
        for (int i = 1; i <= state.Dict.Count(static_cast<int>(word.size())); ++i)
            if (words[static_cast<std::size_t>(i)].Text == word) return i;
        return 0;
    }
};

TEST_F(SmallFill, AlternativesKeepTheLettersSharedWithCrossingWords)
{
    struct Case {
        const char* name;
        int slot;
        const char* pattern;
        std::vector<std::string> words;  // in dictionary order, "*" marks the current word
        const char* footerA;
        const char* footerB;
    };
    const Case cases[] = {
        {"first and last letters crossed", 1, "C?T", {"*CAT", " COT", " CUT"}, "2 alternative(s) available,", "click to select"},
        {"first and last letters crossed, down", 3, "T?E", {" TIE", "*TOE"}, "1 alternative(s) available,", "click to select"},
        {"only the current word fits", 4, "D?E", {"*DYE"}, "No alternatives available", ""},
        {"a word crossing nothing is free", 5, "???", {" CAT", " COD", " COT", " CUT", " DOG", " DYE", "*EEL", " ELK", " TIE", " TOE"},
         "9 alternative(s) available,", "click to select"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Alternatives alt = FindAlternatives(state.Xw, c.slot, state.Dict);
        EXPECT_EQ(alt.Pattern, c.pattern);
        std::vector<std::string> expected;
        for (const std::string& w : c.words)
            expected.push_back(Format("%3d%4d%1s%-20s", c.slot, IndexOf(w.substr(1)), w.substr(0, 1).c_str(), w.substr(1).c_str()));
        std::vector<std::string> lines;
        for (const ReplacementChoice& r : alt.Rows) lines.push_back(r.Text());
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(alt.FooterA, c.footerA);
        EXPECT_EQ(alt.FooterB, c.footerB);
    }
}

TEST_F(SmallFill, ReplacementRowsCarryTheirFields)
{
    const Alternatives alt = FindAlternatives(state.Xw, 1, state.Dict);
    const ReplacementChoice& choice = alt.Rows.at(0);
    EXPECT_EQ(choice.Slot, 1);
    EXPECT_EQ(choice.WordIndex, IndexOf("CAT"));
    EXPECT_TRUE(choice.Current);
    EXPECT_EQ(choice.DisplayTxt, "CAT");
    EXPECT_EQ(choice.Text(), Format("%3d%4d*%-20s", 1, IndexOf("CAT"), "CAT"));
}

TEST_F(SmallFill, ReplacingAWordChangesItsSquaresClueAndStoredFillButKeepsOtherEditedClues)
{
    ASSERT_TRUE(StoreEditedClue(state.Xw.Slot(3), "My own clue"));
    ASSERT_TRUE(StoreEditedClue(state.Xw.Slot(1), "Kept for CAT"));
    state.ClueEdits.Keep(1, state.Xw.Slot(1));
    ReplaceSlotWord(state, {1, IndexOf("COT"), false, "COT"});

    const WordSlot& s = state.Xw.Slot(1);
    EXPECT_EQ(s.WordTxt.view(), "COT");
    EXPECT_EQ(s.DisplayTxt.view(), "COT");
    EXPECT_EQ(s.EnumTxt.view(), "3");
    EXPECT_EQ(s.ClueTxt.view(), "Baby's bed");
    EXPECT_EQ(state.Xw.Slot(3).ClueTxt.view(), "My own clue");
    EXPECT_EQ(test::GridRows(state.Xw.Squares)[0], "COT##");
    EXPECT_EQ(state.Xw.Squares(1, 1).SlotRef, 1);

    Crossword again;
    RestoreFill(state.Fills, 1, again, nullptr);
    EXPECT_EQ(again.Slot(4).DictOrThemeRef, IndexOf("COT")) << "showing the fill again brings the new word";
    EXPECT_EQ(again.Slot(4).Row, 1);
    EXPECT_EQ(again.Slot(1).DictOrThemeRef, IndexOf("DYE")) << "the other entries keep their place";
    EXPECT_EQ(again.Slot(1).Row, 3);
    EXPECT_TRUE(state.ClueEdits.Empty()) << "the clue edited for the old word is not brought back";
}

TEST_F(SmallFill, ChoosingTheWordAlreadyThereKeepsItsEditedClue)
{
    ASSERT_TRUE(StoreEditedClue(state.Xw.Slot(1), "My own clue"));
    ReplaceSlotWord(state, {1, IndexOf("CAT"), true, "CAT"});
    EXPECT_EQ(state.Xw.Slot(1).ClueTxt.view(), "My own clue");
}

TEST_F(SmallFill, ALoadedCrosswordIsNotWrittenIntoTheFillStore)
{
    state.LoadedFromFile = true;
    const StoredWord before = state.Fills.Words[1];
    ReplaceSlotWord(state, {1, IndexOf("CUT"), false, "CUT"});
    EXPECT_EQ(state.Xw.Slot(1).WordTxt.view(), "CUT");
    EXPECT_EQ(state.Fills.Words[1].DictOrThemeRef, before.DictOrThemeRef);
}

TEST_F(SmallFill, AReplacementThatCannotBeMadeChangesNothing)
{
    const auto rows = test::GridRows(state.Xw.Squares);
    EXPECT_THROW(ReplaceSlotWord(state, {9, 1, false, "CAT"}), Failure);
    EXPECT_THROW(ReplaceSlotWord(state, {1, 99, false, "CAT"}), Failure);
    state.Fills.CurrentFill = 2;  // a fill the store does not hold
    EXPECT_THROW(ReplaceSlotWord(state, {1, IndexOf("COT"), false, "COT"}), Failure);
    state.Fills.CurrentFill = 1;
    state.FillSource = FillSourceKind::Freeform;
    EXPECT_THROW(ReplaceSlotWord(state, {1, IndexOf("COT"), false, "COT"}), Failure);
    EXPECT_EQ(state.Xw.Slot(1).WordTxt.view(), "CAT");
    EXPECT_EQ(state.Xw.Slot(1).ClueTxt.view(), "clue of CAT");
    EXPECT_EQ(test::GridRows(state.Xw.Squares), rows);
}

TEST_F(SmallFill, TheSelectedWordIsHighlightedAndImportedWordsStayYellowInTheHybridSource)
{
    HighlightClueWord(state.Xw, FillSourceKind::Dictionary, 3);
    EXPECT_EQ(state.Xw.Squares(3, 1).CellColour, ColourSelectedWord);
    EXPECT_EQ(state.Xw.Squares(3, 3).CellColour, ColourSelectedWord);
    EXPECT_EQ(state.Xw.Squares(1, 1).CellColour, ColourWindow);

    state.Xw.Slot(5).FromDict = false;
    HighlightClueWord(state.Xw, FillSourceKind::Hybrid, 1);
    EXPECT_EQ(state.Xw.Squares(3, 1).CellColour, ColourSelectedWord) << "the earlier selection is gone";
    EXPECT_EQ(state.Xw.Squares(2, 1).CellColour, ColourSelectedWord);
    EXPECT_EQ(state.Xw.Squares(3, 3).CellColour, ColourWindow);
    EXPECT_EQ(state.Xw.Squares(2, 5).CellColour, ColourImportedWord);
}

TEST(RemoveSlot, LaterWordsMoveDownAndTheGridIsRebuilt)
{
    Crossword xw;
    xw.GridSize = 5;
    InitGrid(xw);
    test::AddSlot(xw, 1, 1, true, "CAT");
    test::AddSlot(xw, 1, 1, false, "COD");
    test::AddSlot(xw, 1, 3, false, "TOE");
    test::AddSlot(xw, 3, 1, true, "DYE");
    NumberSlots(xw);
    WriteFillToGrid(xw, FillSourceKind::Freeform);
    BlockEmptySquares(xw.Squares);
    NumberLetterSquares(xw);

    RemoveSlot(xw, 3, FillSourceKind::Freeform);
    ASSERT_EQ(xw.WordSlotCount, 3);
    EXPECT_EQ(xw.Slot(3).WordTxt.view(), "DYE");
    EXPECT_EQ(xw.Slot(3).Clue, 2);
    EXPECT_EQ(xw.Slot(4).WordTxt.view(), "");
    EXPECT_EQ(test::GridRows(xw.Squares), (std::vector<std::string>{"CAT##", "O####", "DYE##", "#####", "#####"}));
    EXPECT_EQ(xw.Squares(1, 3).CellNumber, 2);
    EXPECT_EQ(xw.Squares(3, 1).CellNumber, 0);
    EXPECT_THROW(RemoveSlot(xw, 4, FillSourceKind::Freeform), Failure);
}

}  // namespace
}  // namespace qm
