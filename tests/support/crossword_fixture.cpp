// Test fixtures: crosswords from rows of letters, shown as the fill on display.
#include "tests/support/crossword_fixture.h"

#include "core/files/crossword_file.h"
#include "core/state.h"
#include "core/util/failure.h"

#include <gtest/gtest.h>

namespace qm::test {

Crossword CrosswordOfLetters(const std::vector<std::string>& rows)
{
    Crossword xw;
    xw.GridSize = static_cast<int>(rows.size());
    InitGrid(xw);
    const int n = xw.GridSize;
    auto letter = [&](int c, int r) {
        if (c < 1 || r < 1 || c > n || r > n) return '#';
        const char ch = rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
        return (ch >= 'A' && ch <= 'Z') ? ch : '#';
    };
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) xw.Squares(c, r).Letter = letter(c, r);
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (letter(c, r) == '#') continue;
            for (const bool across : {true, false}) {
                const int dc = across ? 1 : 0;
                const int dr = across ? 0 : 1;
                if (letter(c - dc, r - dr) != '#' || letter(c + dc, r + dr) == '#') continue;
                std::string word;
                for (int k = 0; letter(c + k * dc, r + k * dr) != '#'; ++k) word += letter(c + k * dc, r + k * dr);
                WordSlot& s = xw.Slot(++xw.WordSlotCount);
                s = WordSlot{};
                s.Row = r;
                s.Col = c;
                s.Dir = across;
                s.RCTxt = MakeRCTxt(r, c);
                s.NumLett = static_cast<int>(word.size());
                s.WordTxt = word;
                s.DisplayTxt = word;
                s.EnumTxt = std::to_string(word.size());
                s.FromDict = false;
            }
        }
    NumberSlots(xw);
    NumberLetterSquares(xw);
    return xw;
}

void ShowAsFill(QuillmereState& state, const Crossword& xw)
{
    state.Xw = xw;
    ClearListOfGrids(state.Fills);
    state.Fills.GridsMax = 1;
    state.Fills.CurrentFill = 1;
    state.Fills.Record(1).WrdCount = xw.WordSlotCount;
    state.Fills.Record(1).LttCount = CountLetterSquares(xw.Squares);
}

void ExpectLoadRefused(QuillmereState& state, const std::string& path, const std::string& problem)
{
    try {
        LoadCrosswordFile(state, path, nullptr);
        ADD_FAILURE() << "the broken file loaded";
    } catch (const Failure& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(problem), std::string::npos) << message;
        EXPECT_NE(message.find(path), std::string::npos) << message;
    }
}

}  // namespace qm::test
