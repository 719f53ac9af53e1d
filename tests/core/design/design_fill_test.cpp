// Fills of a designed grid: kept in the fill stores and listed as a stock grid's fills are, each one
// keeping the theme word and letters the constructor placed, shown again from the list; a design the
// fill refuses changes nothing.
#include "core/anyfill/any_fill_stores.h"
#include "core/design/design_checks.h"
#include "core/design/design_fill.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"
#include "tests/support/fixtures.h"
#include "tests/support/symmetric_fixtures.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

std::string Row(const Grid& squares, int row)
{
    std::string text;
    for (int col = 1; col <= squares.Size(); ++col) text += squares(col, row).Letter;
    return text;
}

TEST(DesignFill, EveryFillKeepsThePlacedWordAndLetterAndIsShownFromTheList)
{
    const auto vocabulary = test::SmallAlphabetWords(3, 400, 6, 11);
    auto state = test::FillState(vocabulary, 5);
    // 5 x 5 with two corner blocks, a theme word across the middle and a letter placed in row 1.
    GridDesign design = DesignFromGridText("#....\n.....\nBACCA\n.....\n....#\n");
    design.Apply(DesignEdit{"Letter", {{1, 3, ' ', 'C'}}, {}, {}});
    ASSERT_TRUE(CheckDesign(design, {}).CanFill);

    AnyFillRequest request;
    request.Fills = 3;
    request.TimeLimitSeconds = 20;
    std::vector<int> listed;
    const AnyRunResult result =
        RunDesignFills(*state, state->SymmFillsList, design, {}, request, {}, [&](const FillRow& row, int) { listed.push_back(row.Fill); });
    ASSERT_EQ(result.Run.End, AnyFillEnd::AllMade) << result.Run.Message;
    ASSERT_EQ(state->SymmFillsList.Count(), 3);
    EXPECT_EQ(listed, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(state->Fills.GridsMax, 3);
    ASSERT_TRUE(state->AnyFillGrid);
    ASSERT_TRUE(result.Shown.has_value());
    EXPECT_EQ(result.Shown->Fill, state->SymmFillsList.At(0).Fill);

    for (int i = 0; i < 3; ++i) {
        const int n = state->SymmFillsList.At(i).Fill;
        const AnyFill stored = StoredAnyFill(*state, *state->AnyFillGrid, n);
        const ShownFill shown = ShowFill(*state, n);  // the Generate page's path for a clicked row
        EXPECT_EQ(shown.Fill, n);
        EXPECT_EQ(shown.SelectedRow, i);
        const Grid& squares = state->Xw.Squares;
        EXPECT_EQ(Row(squares, 3), "BACCA") << "fill " << n;
        EXPECT_EQ(squares(3, 1).Letter, 'C') << "fill " << n;
        EXPECT_EQ(squares(1, 1).Letter, '#');
        EXPECT_EQ(state->Fills.CurrentFill, n);
        // The crossword on display is the stored fill, slot by slot.
        ASSERT_EQ(state->Xw.WordSlotCount, static_cast<int>(stored.Words.size()));
        for (int k = 1; k <= state->Xw.WordSlotCount; ++k)
            EXPECT_EQ(state->Xw.Slot(k).WordTxt.str(), stored.Words[static_cast<std::size_t>(k - 1)]) << "fill " << n << " slot " << k;
    }
    EXPECT_NE(StoredAnyFill(*state, *state->AnyFillGrid, 1).Words, StoredAnyFill(*state, *state->AnyFillGrid, 2).Words);
}

TEST(DesignFill, ARefusedDesignChangesNothing)
{
    const auto vocabulary = test::SmallAlphabetWords(3, 400, 6, 11);
    auto state = test::FillState(vocabulary, 5);
    AnyFillRequest request;
    request.Fills = 1;
    request.TimeLimitSeconds = 20;
    const GridDesign good(4);
    ASSERT_EQ(RunDesignFills(*state, state->SymmFillsList, good, {}, request).Run.End, AnyFillEnd::AllMade);
    const std::vector<std::string> rowsBefore = state->SymmFillsList.Texts();
    const auto gridBefore = state->AnyFillGrid;
    const std::vector<std::string> shownBefore = test::GridRows(state->Xw.Squares);

    const GridDesign shortRuns = DesignFromGridText("..#..\n.....\n.....\n.....\n.....\n");
    const std::string refusal = CheckDesign(shortRuns, {}).FillRefusal;
    ASSERT_FALSE(refusal.empty());
    try {
        RunDesignFills(*state, state->SymmFillsList, shortRuns, {}, request);
        FAIL() << "the design was filled";
    } catch (const Failure& e) {
        EXPECT_EQ(std::string(e.what()), refusal);
    }
    EXPECT_EQ(state->SymmFillsList.Texts(), rowsBefore);
    EXPECT_EQ(state->AnyFillGrid, gridBefore);
    EXPECT_EQ(test::GridRows(state->Xw.Squares), shownBefore);
    EXPECT_EQ(state->Fills.GridsMax, 1);
}

}  // namespace
}  // namespace qm
