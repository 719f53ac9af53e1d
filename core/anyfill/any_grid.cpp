// Reading and checking a grid text, and finding and numbering the word slots of a grid of any pattern.
#include "core/anyfill/any_grid.h"

#include "core/util/failure.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace qm {

namespace {

bool IsOpen(const Grid& g, int col, int row) { return g.Inside(col, row) && g(col, row).Letter != '#'; }

/// Open squares in a line through (col, row), counting the square itself.
int RunLength(const Grid& g, int col, int row, bool across)
{
    const int dc = across ? 1 : 0;
    const int dr = across ? 0 : 1;
    int n = 1;
    for (int c = col - dc, r = row - dr; IsOpen(g, c, r); c -= dc, r -= dr) ++n;
    for (int c = col + dc, r = row + dr; IsOpen(g, c, r); c += dc, r += dr) ++n;
    return n;
}

/// The lines of a grid text without their line ends and trailing blanks; blank lines at the end dropped.
std::vector<std::string_view> GridLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

void CheckSquares(const Grid& g, const GridCheckOptions& options, int& unchecked)
{
    const GridSurvey survey = SurveyGrid(g);
    if (auto problem = FirstGridProblem(survey, options)) throw Failure(std::move(*problem));
    unchecked = static_cast<int>(survey.Unchecked.size());
}

void AddSlot(Crossword& xw, int row, int col, bool across, int length)
{
    WordSlot& s = xw.Slot(++xw.WordSlotCount);
    s = WordSlot{};
    s.Row = row;
    s.Col = col;
    s.Dir = across;
    s.NumLett = length;
    s.RCTxt = MakeRCTxt(row, col);
    s.EnumTxt = std::to_string(length);
}

}  // namespace

Grid ReadGridSquares(std::string_view text)
{
    Check(text.size() <= MaxGridTextChars, [&] {
        return "The grid text has " + std::to_string(text.size()) + " characters; a grid of " + std::to_string(MaxAnyGridSize) +
               " x " + std::to_string(MaxAnyGridSize) + " squares needs far fewer";
    });
    const std::vector<std::string_view> lines = GridLines(text);
    const int n = static_cast<int>(lines.size());
    Check(n >= MinAnyGridSize && n <= MaxAnyGridSize, [&] {
        return "The grid has " + std::to_string(n) + " rows; a grid has " + std::to_string(MinAnyGridSize) + " to " +
               std::to_string(MaxAnyGridSize) + " rows and as many columns";
    });
    Grid squares(n);
    for (int row = 1; row <= n; ++row) {
        const std::string_view line = lines[row - 1];
        Check(static_cast<int>(line.size()) == n, [&] {
            return "Row " + std::to_string(row) + " has " + std::to_string(line.size()) + " squares; the grid has " +
                   std::to_string(n) + " rows, so every row needs " + std::to_string(n) + " squares";
        });
        for (int col = 1; col <= n; ++col) {
            const char c = line[col - 1];
            char& letter = squares(col, row).Letter;
            if (c == '#')
                letter = '#';
            else if (c == '.')
                letter = ' ';
            else if (c >= 'A' && c <= 'Z')
                letter = c;
            else if (c >= 'a' && c <= 'z')
                letter = static_cast<char>(c - 'a' + 'A');
            else
                throw Failure("The square at " + SquareRef(row, col) + " is \"" + std::string(1, c) +
                              "\"; a square is '#' (a block), '.' (open) or a letter A-Z");
        }
    }
    return squares;
}

AnyGrid ReadGridText(std::string_view text, const GridCheckOptions& options)
{
    return AnalyseAnyGrid(ReadGridSquares(text), options);
}

AnyGrid AnalyseAnyGrid(const Grid& squares, const GridCheckOptions& options)
{
    const int n = squares.Size();
    Check(n >= MinAnyGridSize && n <= MaxAnyGridSize, [&] {
        return "The grid is " + std::to_string(n) + " squares wide; a grid has " + std::to_string(MinAnyGridSize) + " to " +
               std::to_string(MaxAnyGridSize);
    });
    auto grid = std::make_unique<AnyGrid>();
    CheckSquares(squares, options, grid->UncheckedSquares);
    Crossword& xw = grid->Xw;
    xw.GridSize = n;
    xw.Squares = squares;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            if (!IsOpen(squares, col, row)) continue;
            const int across = RunLength(squares, col, row, true);
            const int down = RunLength(squares, col, row, false);
            if (across >= MinAnyWordLength && !IsOpen(squares, col - 1, row)) AddSlot(xw, row, col, true, across);
            if (down >= MinAnyWordLength && !IsOpen(squares, col, row - 1)) AddSlot(xw, row, col, false, down);
        }
    NumberSlots(xw);
    PutClueNumbers(xw);
    return std::move(*grid);
}

AnyGrid AnyGridOfStockGrid(const Crossword& analysed)
{
    Check(analysed.WordSlotCount > 0, "Choose a stock grid first");
    auto grid = std::make_unique<AnyGrid>();
    Crossword& xw = grid->Xw;
    xw = analysed;
    for (int c = 1; c <= xw.Squares.Size(); ++c)
        for (int r = 1; r <= xw.Squares.Size(); ++r)
            if (xw.Squares(c, r).Letter != '#') xw.Squares(c, r).Letter = ' ';
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        WordSlot& s = xw.Slot(i);
        s.RCTxt = MakeRCTxt(s.Row, s.Col);
        s.EnumTxt = std::to_string(s.NumLett);
        s.WordTxt.clear();
        s.DisplayTxt.clear();
        s.ClueTxt.clear();
    }
    // Position order as a grid text gives it: an across slot before a down one from the same square.
    std::stable_sort(xw.WordSlots.begin() + 1, xw.WordSlots.begin() + 1 + xw.WordSlotCount, [](const WordSlot& a, const WordSlot& b) {
        return a.RCTxt.view() != b.RCTxt.view() ? a.RCTxt.view() < b.RCTxt.view() : a.Dir && !b.Dir;
    });
    NumberSlots(xw);
    PutClueNumbers(xw);
    for (int c = 1; c <= xw.Squares.Size(); ++c)
        for (int r = 1; r <= xw.Squares.Size(); ++r)
            if (xw.Squares(c, r).Letter != '#' && xw.Squares(c, r).WrdCnt == 1) ++grid->UncheckedSquares;
    return std::move(*grid);
}

std::string GridTextOf(const Grid& squares)
{
    std::string text;
    const int n = squares.Size();
    text.reserve(static_cast<std::size_t>(n * (n + 1)));
    for (int row = 1; row <= n; ++row) {
        for (int col = 1; col <= n; ++col) {
            const char c = squares(col, row).Letter;
            text += c == '#' ? '#' : (c >= 'A' && c <= 'Z') ? c : '.';
        }
        text += '\n';
    }
    return text;
}

std::string SlotName(const WordSlot& slot) { return std::to_string(slot.Clue) + (slot.Dir ? " Across" : " Down"); }

}  // namespace qm
