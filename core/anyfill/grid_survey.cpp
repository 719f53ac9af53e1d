// Surveying a grid's runs, words and areas, and the first problem that keeps it from being filled.
#include "core/anyfill/grid_survey.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace qm {

std::string SquareRef(int row, int col) { return "row " + std::to_string(row) + ", column " + std::to_string(col); }

namespace {

bool IsOpen(const Grid& g, int col, int row) { return g.Inside(col, row) && g(col, row).Letter != '#'; }

/// Measures the runs of one direction, writing each run's length into its squares and listing the
/// runs too short or too long.
void MeasureRuns(const Grid& g, bool across, GridSurvey& survey)
{
    const int n = g.Size();
    std::vector<int>& lengths = across ? survey.AcrossRun : survey.DownRun;
    for (int line = 1; line <= n; ++line) {
        int k = 1;
        while (k <= n) {
            const int col = across ? k : line;
            const int row = across ? line : k;
            if (!IsOpen(g, col, row)) {
                ++k;
                continue;
            }
            int length = 0;
            while (k + length <= n && IsOpen(g, across ? k + length : line, across ? line : k + length)) ++length;
            for (int i = 0; i < length; ++i)
                lengths[survey.At(across ? row : row + i, across ? col + i : col)] = length;
            const SquareRun run{row, col, across, length};
            if (length >= MinAnyWordLength) ++survey.Words;
            if (length > MaxAnyWordLength) survey.LongRuns.push_back(run);
            if (length >= 2 && length < MinAnyWordLength) survey.ShortRuns.push_back(run);
            k += length;
        }
    }
}

/// Numbers the areas of joined open squares in the order of their first squares, row by row.
void MarkAreas(const Grid& g, GridSurvey& survey)
{
    const int n = g.Size();
    std::vector<std::pair<int, int>> stack;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            if (!IsOpen(g, col, row) || survey.Area[survey.At(row, col)] != 0) continue;
            const int area = ++survey.AreaCount;
            survey.Area[survey.At(row, col)] = area;
            stack.emplace_back(col, row);
            while (!stack.empty()) {
                const auto [c0, r0] = stack.back();
                stack.pop_back();
                const std::pair<int, int> next[4] = {{c0 + 1, r0}, {c0 - 1, r0}, {c0, r0 + 1}, {c0, r0 - 1}};
                for (const auto& [c, r] : next)
                    if (IsOpen(g, c, r) && survey.Area[survey.At(r, c)] == 0) {
                        survey.Area[survey.At(r, c)] = area;
                        stack.emplace_back(c, r);
                    }
            }
        }
}

}  // namespace

GridSurvey SurveyGrid(const Grid& g)
{
    GridSurvey survey;
    const int n = g.Size();
    survey.Size = n;
    const auto squares = static_cast<std::size_t>(n * n);
    survey.AcrossRun.assign(squares, 0);
    survey.DownRun.assign(squares, 0);
    survey.Area.assign(squares, 0);
    MeasureRuns(g, true, survey);
    MeasureRuns(g, false, survey);
    MarkAreas(g, survey);
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const char letter = g(col, row).Letter;
            if (letter != '#' && letter != ' ' && !(letter >= 'A' && letter <= 'Z')) survey.BadSquares.push_back({row, col});
            if (letter == '#') {
                ++survey.Blocks;
                continue;
            }
            ++survey.OpenSquares;
            if (letter >= 'A' && letter <= 'Z') ++survey.Letters;
            const bool inAcross = survey.AcrossRun[survey.At(row, col)] >= MinAnyWordLength;
            const bool inDown = survey.DownRun[survey.At(row, col)] >= MinAnyWordLength;
            if (!inAcross && !inDown) survey.NotInWord.push_back({row, col});
            if (inAcross != inDown) survey.Unchecked.push_back({row, col});
        }
    return survey;
}

std::optional<std::string> FirstGridProblem(const GridSurvey& s, const GridCheckOptions& options)
{
    // The problems of single squares, in the order a row-by-row reading meets them.
    enum Kind { BadCharacter, LongAcross, LongDown, InNoWord, InOneWord };
    std::optional<std::tuple<int, int, Kind>> first;
    auto consider = [&first](int row, int col, Kind kind) {
        const std::tuple<int, int, Kind> problem{row, col, kind};
        if (!first || problem < *first) first = problem;
    };
    if (!s.BadSquares.empty()) consider(s.BadSquares.front().Row, s.BadSquares.front().Col, BadCharacter);
    for (const SquareRun& run : s.LongRuns) consider(run.Row, run.Col, run.Across ? LongAcross : LongDown);
    if (!s.NotInWord.empty()) consider(s.NotInWord.front().Row, s.NotInWord.front().Col, InNoWord);
    if (!options.AllowUnchecked && !s.Unchecked.empty()) consider(s.Unchecked.front().Row, s.Unchecked.front().Col, InOneWord);
    if (first) {
        const auto [row, col, kind] = *first;
        const int across = s.AcrossRun[s.At(row, col)];
        const int down = s.DownRun[s.At(row, col)];
        const std::string where = "the square at " + SquareRef(row, col);
        switch (kind) {
        case BadCharacter:
            return "The square at " + SquareRef(row, col) + " holds a character that is not a block, an open square or a letter";
        case LongAcross:
        case LongDown: {
            const bool isAcross = kind == LongAcross;
            return std::string("The ") + (isAcross ? "across" : "down") + " word through " + where + " has " +
                   std::to_string(isAcross ? across : down) + " letters; a word has " + std::to_string(MinAnyWordLength) + " to " +
                   std::to_string(MaxAnyWordLength) + " letters";
        }
        case InNoWord:
            return "The square at " + SquareRef(row, col) + " is in no word: its open run is " + std::to_string(across) +
                   " across and " + std::to_string(down) + " down, and a word has at least " + std::to_string(MinAnyWordLength) +
                   " letters";
        case InOneWord: {
            const bool inAcross = across >= MinAnyWordLength;
            const int run = inAcross ? down : across;
            return "The square at " + SquareRef(row, col) + " is in only one word (its run " + (inAcross ? "down" : "across") +
                   " has " + std::to_string(run) + (run == 1 ? " square" : " squares") +
                   "); allow unchecked squares to fill such a grid";
        }
        }
    }
    if (s.OpenSquares == 0) return "The grid has no open squares";
    if (s.Words > MaxWordSlots)
        return "The grid has " + std::to_string(s.Words) + " words; a crossword holds at most " + std::to_string(MaxWordSlots);
    if (s.AreaCount > 1) {
        SquarePos firstOpen;
        SquarePos apart;
        for (int row = s.Size; row >= 1; --row)
            for (int col = s.Size; col >= 1; --col) {
                const int area = s.Area[s.At(row, col)];
                if (area == 1) firstOpen = {row, col};
                if (area > 1) apart = {row, col};
            }
        return "The grid falls apart: the square at " + SquareRef(apart.Row, apart.Col) + " is not joined to the square at " +
               SquareRef(firstOpen.Row, firstOpen.Col);
    }
    return std::nullopt;
}

}  // namespace qm
