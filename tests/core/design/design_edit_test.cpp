// The grid designer's edits: blocks kept symmetrical in every mode, letters and whole words typed along
// the cursor, Backspace and Delete, the arrows and Tab, and undo and redo that give back every state
// exactly.
#include "core/design/design_edits.h"
#include "core/design/design_history.h"
#include "core/util/failure.h"
#include "core/util/lcg.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace qm {
namespace {

/// A design drawn as rows of '#', '.' and letters.
GridDesign Design(const std::vector<std::string>& rows, DesignSymmetry symmetry = DesignSymmetry::Rotation)
{
    std::string text;
    for (const auto& r : rows) text += r + "\n";
    GridDesign design = DesignFromGridText(text);
    design.SetSymmetry(symmetry);
    return design;
}

std::vector<std::string> Rows(const GridDesign& design)
{
    std::vector<std::string> rows;
    for (int r = 1; r <= design.Size(); ++r) {
        std::string line;
        for (int c = 1; c <= design.Size(); ++c) line += design.At(r, c) == ' ' ? '.' : design.At(r, c);
        rows.push_back(line);
    }
    return rows;
}

void Do(GridDesign& design, const DesignEdit& edit) { design.Apply(edit); }

TEST(DesignEdit, ABlockKeepsTheChosenSymmetry)
{
    const struct {
        const char* name;
        DesignSymmetry symmetry;
        int row, col;
        std::vector<std::string> after;
    } cases[] = {
        {"rotation", DesignSymmetry::Rotation, 1, 2, {".#...", ".....", ".....", ".....", "...#."}},
        {"none", DesignSymmetry::None, 1, 2, {".#...", ".....", ".....", ".....", "....."}},
        {"mirror", DesignSymmetry::Mirror, 1, 2, {".#.#.", ".....", ".....", ".....", "....."}},
        {"both", DesignSymmetry::Both, 1, 2, {".#.#.", ".....", ".....", ".....", ".#.#."}},
        {"centre under both", DesignSymmetry::Both, 3, 3, {".....", ".....", "..#..", ".....", "....."}},
        {"middle column mirrored", DesignSymmetry::Mirror, 2, 3, {".....", "..#..", ".....", ".....", "....."}},
        {"middle row under both", DesignSymmetry::Both, 3, 1, {".....", ".....", "#...#", ".....", "....."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDesign design = Design({".....", ".....", ".....", ".....", "....."}, c.symmetry);
        const DesignEdit block = ToggleBlock(design, c.row, c.col);
        EXPECT_EQ(block.Label, "Block");
        Do(design, block);
        EXPECT_EQ(Rows(design), c.after);
        EXPECT_EQ(design.Cursor().Row, c.row);
        EXPECT_EQ(design.Cursor().Col, c.col);
        // Toggled again, every partner opens.
        const DesignEdit open = ToggleBlock(design, c.row, c.col);
        EXPECT_EQ(open.Label, "Unblock");
        Do(design, open);
        EXPECT_EQ(Rows(design), (std::vector<std::string>{".....", ".....", ".....", ".....", "....."}));
    }
}

TEST(DesignEdit, BlockingOverLettersAndOpeningALopsidedPair)
{
    // The partner holds a letter: blocking takes it, reverting brings it back.
    GridDesign design = Design({"AB...", ".....", ".....", ".....", "...CD"});
    const DesignEdit block = ToggleBlock(design, 1, 2);
    design.Apply(block);
    EXPECT_EQ(Rows(design), (std::vector<std::string>{"A#...", ".....", ".....", ".....", "...#D"}));
    design.Revert(block);
    EXPECT_EQ(Rows(design), (std::vector<std::string>{"AB...", ".....", ".....", ".....", "...CD"}));

    // A block whose partner is open (a grid drawn without symmetry): opening it leaves the partner's
    // letter alone; blocking again blocks both.
    GridDesign lopsided = Design({"#....", ".....", ".....", ".....", "....E"});
    const DesignEdit open = ToggleBlock(lopsided, 1, 1);
    ASSERT_EQ(open.Changes.size(), 1u);
    lopsided.Apply(open);
    EXPECT_EQ(Rows(lopsided).back(), "....E");
    lopsided.Apply(ToggleBlock(lopsided, 1, 1));
    EXPECT_EQ(Rows(lopsided).front(), "#....");
    EXPECT_EQ(Rows(lopsided).back(), "....#");
}

TEST(DesignEdit, LettersGoAlongTheCursorAndBackspaceComesBack)
{
    GridDesign design = Design({"...#.", ".....", ".....", ".....", ".#..."});
    design.SetCursor({1, 1, true});
    for (const char c : std::string("cat")) Do(design, TypeLetter(design, c));
    EXPECT_EQ(Rows(design).front(), "CAT#.");
    // At the block the cursor stays on the last letter.
    EXPECT_EQ(design.Cursor(), (DesignCursor{1, 3, true}));
    Do(design, TypeLetter(design, 'r'));
    EXPECT_EQ(Rows(design).front(), "CAR#.");

    // Down from row 3 of column 2: the block in row 5 stops it.
    design.SetCursor({3, 2, false});
    Do(design, TypeLetter(design, 'o'));
    Do(design, TypeLetter(design, 'x'));
    EXPECT_EQ(design.Cursor(), (DesignCursor{4, 2, false}));
    EXPECT_EQ(design.At(3, 2), 'O');
    EXPECT_EQ(design.At(4, 2), 'X');

    // Backspace clears the letter under the cursor, then steps back and clears.
    const struct {
        const char* name;
        DesignCursor start;
        std::vector<std::string> after;
        DesignCursor cursor;
    } cases[] = {
        {"letter under the cursor", {1, 3, true}, {"CA.#.", ".....", ".O...", ".X...", ".#..."}, {1, 3, true}},
        {"a block behind holds it", {1, 5, true}, {"CAR#.", ".....", ".O...", ".X...", ".#..."}, {1, 5, true}},
        {"steps back over an empty square", {2, 2, false}, {"C.R#.", ".....", ".O...", ".X...", ".#..."}, {1, 2, false}},
        {"the edge holds it", {2, 1, true}, {"CAR#.", ".....", ".O...", ".X...", ".#..."}, {2, 1, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDesign d = design;
        d.SetCursor(c.start);
        DesignHistory history;
        history.Do(d, Backspace(d));
        EXPECT_EQ(Rows(d), c.after);
        EXPECT_EQ(d.Cursor(), c.cursor);
    }

    // Delete clears where the cursor is and stays; on an empty square it changes nothing.
    design.SetCursor({3, 2, true});
    const DesignEdit del = DeleteLetter(design);
    Do(design, del);
    EXPECT_EQ(design.At(3, 2), ' ');
    EXPECT_EQ(design.Cursor(), (DesignCursor{3, 2, true}));
    EXPECT_FALSE(DeleteLetter(design).ChangesSquares());

    EXPECT_THROW(TypeLetter(design, '3'), Failure);
    EXPECT_THROW(TypeLetter(design, ' '), Failure);
}

TEST(DesignEdit, ALetterTypedOnABlockOpensItWithItsPartners)
{
    GridDesign design = Design({"#....", ".....", ".....", ".....", "....#"});
    design.SetCursor({1, 1, true});
    const DesignEdit edit = TypeLetter(design, 'q');
    Do(design, edit);
    EXPECT_EQ(Rows(design).front(), "Q....");
    EXPECT_EQ(Rows(design).back(), ".....");
    EXPECT_EQ(design.Cursor(), (DesignCursor{1, 2, true}));
    design.Revert(edit);
    EXPECT_EQ(Rows(design).front(), "#....");
    EXPECT_EQ(Rows(design).back(), "....#");
    EXPECT_EQ(design.Cursor(), (DesignCursor{1, 1, true}));
}

TEST(DesignEdit, AWholeWordGoesIntoTheSelectedSlot)
{
    GridDesign design = Design({"#.....", "......", "...#..", "..#...", "......", ".....#"});
    design.SetCursor({2, 4, true});
    const DesignEdit edit = PlaceWord(design, "pi-ano S");
    EXPECT_EQ(edit.Label, "Place Word");
    Do(design, edit);
    EXPECT_EQ(Rows(design)[1], "PIANOS");
    EXPECT_EQ(design.Cursor(), (DesignCursor{2, 1, true}));
    // Down through a placed letter: the word's letters replace what is there.
    design.SetCursor({4, 2, false});
    Do(design, PlaceWord(design, "RIVETS"));
    EXPECT_EQ(Rows(design), (std::vector<std::string>{"#R....", "PIANOS", ".V.#..", ".E#...", ".T....", ".S...#"}));

    const struct {
        const char* name;
        DesignCursor cursor;
        const char* word;
        const char* message;
    } refusals[] = {
        {"wrong length", {2, 1, true}, "PIANO", "PIANO has 5 letters; 5 Across has 6"},
        {"a digit", {2, 1, true}, "PIAN0S", "made of letters A-Z; \"PIAN0S\" is not"},
        {"nothing typed", {2, 1, true}, " - ", "Type the word to place"},
        {"a block", {1, 1, true}, "ABC", "row 1, column 1 is in no across word"},
        {"a run too short", {3, 5, true}, "AB", "row 3, column 5 is in no across word"},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.name);
        GridDesign d = design;
        d.SetCursor(r.cursor);
        try {
            PlaceWord(d, r.word);
            ADD_FAILURE() << "placed";
        } catch (const Failure& e) {
            EXPECT_NE(std::string(e.what()).find(r.message), std::string::npos) << e.what();
        }
    }
}

TEST(DesignEdit, ArrowsTurnThenMoveAndTabVisitsTheWordsInOrder)
{
    GridDesign design = Design({"...#.", ".....", ".#.#.", ".....", ".#..."});
    design.SetCursor({1, 1, true});
    const struct {
        Arrow arrow;
        DesignCursor after;
    } arrows[] = {
        {Arrow::Right, {1, 2, true}}, {Arrow::Right, {1, 3, true}}, {Arrow::Right, {1, 4, true}},  // onto the block
        {Arrow::Down, {1, 4, false}},                                                            // turns first
        {Arrow::Up, {1, 4, false}},                                                              // the edge holds it
        {Arrow::Down, {2, 4, false}}, {Arrow::Left, {2, 4, true}}, {Arrow::Left, {2, 3, true}},
    };
    for (const auto& a : arrows) {
        design.SetCursor(ArrowMove(design, a.arrow));
        EXPECT_EQ(design.Cursor(), a.after);
    }

    // The words: 1 Across (1,1) 3; 1 Down (1,1) 5; 2 Down (1,3) 5; 3 Down (1,5) 5; 4 Across (2,1) 5;
    // 5 Across (4,1) 5; 6 Across (5,3) 3.
    std::vector<DesignSlot> expected{{1, 1, 1, true, 3},  {1, 1, 1, false, 5}, {2, 1, 3, false, 5}, {3, 1, 5, false, 5},
                                     {4, 2, 1, true, 5},  {5, 4, 1, true, 5},  {6, 5, 3, true, 3}};
    EXPECT_EQ(design.Slots(), expected);
    design.SetCursor({1, 2, true});
    std::vector<DesignCursor> visited;
    for (int i = 0; i < 8; ++i) {
        design.SetCursor(NextSlotCursor(design));
        visited.push_back(design.Cursor());
    }
    EXPECT_EQ(visited, (std::vector<DesignCursor>{{2, 1, true}, {4, 1, true}, {5, 3, true}, {1, 1, false}, {1, 3, false},
                                                  {1, 5, false}, {1, 1, true}, {2, 1, true}}));
    design.SetCursor(NextSlotCursor(design, true));
    EXPECT_EQ(design.Cursor(), (DesignCursor{1, 1, true}));
    design.SetCursor(NextSlotCursor(design, true));
    EXPECT_EQ(design.Cursor(), (DesignCursor{1, 5, false}));

    // From a square in no word of its direction: the next word of that direction after it.
    design.SetCursor({3, 2, true});  // a block
    EXPECT_EQ(NextSlotCursor(design), (DesignCursor{4, 1, true}));
    design.SetCursor({5, 2, true});
    EXPECT_EQ(NextSlotCursor(design), (DesignCursor{5, 3, true}));
    design.SetCursor({5, 4, false});  // no down word starts after it: on to the across words
    EXPECT_EQ(NextSlotCursor(design), (DesignCursor{1, 1, true}));
    EXPECT_EQ(NextSlotCursor(design, true), (DesignCursor{1, 5, false}));

    // A click moves the cursor; a click on it turns the direction.
    design.SetCursor({2, 2, true});
    EXPECT_EQ(ClickCursor(design, 4, 4), (DesignCursor{4, 4, true}));
    EXPECT_EQ(ClickCursor(design, 2, 2), (DesignCursor{2, 2, false}));
    EXPECT_THROW(ClickCursor(design, 6, 1), Failure);
    EXPECT_THROW(design.SetCursor({0, 1, true}), Failure);
}

/// One random edit of the kinds the window makes.
DesignEdit RandomEdit(GridDesign& design, std::mt19937& random)
{
    const int n = design.Size();
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    design.SetCursor({pick(1, n), pick(1, n), pick(0, 1) == 1});
    switch (pick(0, 5)) {
    case 0:
    case 1:
        return ToggleBlock(design, pick(1, n), pick(1, n));
    case 2:
        return TypeLetter(design, static_cast<char>('A' + pick(0, 25)));
    case 3:
        return Backspace(design);
    case 4:
        return DeleteLetter(design);
    default:
        if (const auto slot = design.SelectedSlot()) {
            std::string word;
            for (int k = 0; k < slot->Length; ++k) word += static_cast<char>('A' + pick(0, 25));
            return PlaceWord(design, word);
        }
        return ToggleBlock(design, pick(1, n), pick(1, n));
    }
}

TEST(DesignHistory, UndoAndRedoGiveBackEveryStateExactly)
{
    for (const DesignSymmetry symmetry : {DesignSymmetry::Rotation, DesignSymmetry::None, DesignSymmetry::Mirror, DesignSymmetry::Both}) {
        SCOPED_TRACE(std::string(SymmetryName(symmetry)));
        std::mt19937 random(static_cast<unsigned>(symmetry) + 7);
        GridDesign design(7);
        design.SetSymmetry(symmetry);
        DesignHistory history;
        std::vector<std::string> texts{DesignGridText(design)};
        std::vector<DesignCursor> cursors{design.Cursor()};
        for (int i = 0; i < 300; ++i) {
            GridDesign probe = design;
            const DesignEdit edit = RandomEdit(probe, random);
            if (!edit.ChangesSquares()) continue;
            design.SetCursor(edit.CursorBefore);
            cursors.back() = edit.CursorBefore;
            history.Do(design, edit);
            texts.push_back(DesignGridText(design));
            cursors.push_back(design.Cursor());
        }
        ASSERT_GT(texts.size(), 150u);
        ASSERT_EQ(history.Steps(), texts.size() - 1);
        for (std::size_t i = texts.size() - 1; i > 0; --i) {
            ASSERT_TRUE(history.Undo(design));
            ASSERT_EQ(DesignGridText(design), texts[i - 1]) << "undo to step " << i - 1;
            ASSERT_EQ(design.Cursor(), cursors[i - 1]);
        }
        EXPECT_FALSE(history.Undo(design));
        for (std::size_t i = 1; i < texts.size(); ++i) {
            ASSERT_TRUE(history.Redo(design));
            ASSERT_EQ(DesignGridText(design), texts[i]) << "redo to step " << i;
        }
        EXPECT_FALSE(history.Redo(design));
    }
}

TEST(DesignHistory, ANewEditDropsTheStepsUndoneAndTheOldestGoBeyondTheLimit)
{
    GridDesign design(5);
    DesignHistory history;
    history.Do(design, ToggleBlock(design, 1, 1));
    design.SetCursor({2, 2, true});
    history.Do(design, TypeLetter(design, 'A'));
    EXPECT_EQ(history.UndoLabel(), "Letter");
    ASSERT_TRUE(history.Undo(design));
    EXPECT_EQ(history.RedoLabel(), "Letter");
    history.Do(design, TypeLetter(design, 'B'));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Steps(), 2u);
    EXPECT_EQ(design.At(2, 2), 'B');

    // A cursor move is no step.
    history.Do(design, Backspace(GridDesign(5)));
    EXPECT_EQ(history.Steps(), 2u);

    for (int i = 0; i < MaxDesignUndoSteps + 10; ++i) history.Do(design, ToggleBlock(design, 3, 3));
    EXPECT_EQ(history.Steps(), static_cast<std::size_t>(MaxDesignUndoSteps));
    int undone = 0;
    while (history.Undo(design)) ++undone;
    EXPECT_EQ(undone, MaxDesignUndoSteps);
    // The first steps are forgotten: the block at the corner and the letter stay.
    EXPECT_TRUE(design.IsBlock(1, 1));
    EXPECT_EQ(design.At(2, 2), 'B');
}

TEST(DesignHistory, AnEditThatNoLongerFitsChangesNothing)
{
    GridDesign design(5);
    design.SetCursor({1, 1, true});
    const DesignEdit first = TypeLetter(design, 'A');
    const DesignEdit other = TypeLetter(design, 'B');
    design.Apply(first);
    const std::string before = DesignGridText(design);
    EXPECT_THROW(design.Apply(other), Failure);  // made for the blank square
    EXPECT_THROW(design.Revert(other), Failure);
    EXPECT_EQ(DesignGridText(design), before);
    DesignHistory history;
    EXPECT_THROW(history.Do(design, other), Failure);
    EXPECT_EQ(history.Steps(), 0u);
}

TEST(GridDesign, MadeBlankFromAStockGridOrFromAGridText)
{
    EXPECT_EQ(Rows(GridDesign(3)), (std::vector<std::string>{"...", "...", "..."}));
    for (const int size : {2, 31, 0, -4}) EXPECT_THROW((void)GridDesign(size), Failure) << size;
    EXPECT_EQ(Rows(DesignFromGridText("a#c\n...\nc#a\n")), (std::vector<std::string>{"A#C", "...", "C#A"}));
    EXPECT_THROW(DesignFromGridText("..\n..\n"), Failure);
    EXPECT_THROW(DesignFromGridText("...\n.?.\n...\n"), Failure);
    // An unfinished grid is read as it is: a lone open square is no error here.
    EXPECT_EQ(Rows(DesignFromGridText("###\n#.#\n###\n")), (std::vector<std::string>{"###", "#.#", "###"}));

    StockGridLibrary library;
    LoadStockGrids(library, WriteStockGrids({test::StockGridFromRows({"......", ".#..#.", "......", "......", ".#..#.", "......"})}));
    const GridDesign stock = DesignOfStockGrid(library, 1);
    EXPECT_EQ(Rows(stock), (std::vector<std::string>{"......", ".#..#.", "......", "......", ".#..#.", "......"}));
    EXPECT_EQ(stock.Symmetry(), DesignSymmetry::Rotation);
    EXPECT_THROW(DesignOfStockGrid(library, 2), Failure);

    for (const DesignSymmetry s : {DesignSymmetry::Rotation, DesignSymmetry::None, DesignSymmetry::Mirror, DesignSymmetry::Both})
        EXPECT_EQ(SymmetryFromName(SymmetryName(s)), s);
    EXPECT_EQ(SymmetryFromName("MIRROR"), DesignSymmetry::Mirror);
    EXPECT_FALSE(SymmetryFromName("diagonal").has_value());
}

}  // namespace
}  // namespace qm
