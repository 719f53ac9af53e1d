// The grid, numbering and checks shared by the .ipuz and .puz readers and writers.
#include "core/files/interchange.h"

#include "core/files/crossword_file.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/index.h"

#include <algorithm>
#include <map>
#include <utility>

namespace qm {

namespace {

std::string DirectionName(bool across) { return across ? "across" : "down"; }

std::string SquareName(int row, int col) { return "row " + std::to_string(row) + ", column " + std::to_string(col); }

std::string WordName(int number, bool across) { return std::to_string(number) + " " + DirectionName(across); }

int RunLength(const LetterGrid& grid, int row, int col, bool across)
{
    int length = 0;
    while (grid.At(across ? row : row + length, across ? col + length : col) != '#') ++length;
    return length;
}

}  // namespace

char LetterGrid::At(int row, int col) const
{
    if (row < 1 || col < 1 || row > Size || col > Size) return '#';
    return Squares[IndexOf(row, col)];
}

GridNumbering NumberGrid(const LetterGrid& grid)
{
    const int n = grid.Size;
    GridNumbering out;
    out.Numbers.assign(static_cast<std::size_t>(n * n), 0);
    int counter = 0;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            if (grid.At(row, col) == '#') continue;
            const bool across = grid.At(row, col - 1) == '#' && grid.At(row, col + 1) != '#';
            const bool down = grid.At(row - 1, col) == '#' && grid.At(row + 1, col) != '#';
            if (!across && !down) continue;
            out.Numbers[grid.IndexOf(row, col)] = ++counter;
            if (across) out.Words.push_back({counter, true, row, col, RunLength(grid, row, col, true)});
            if (down) out.Words.push_back({counter, false, row, col, RunLength(grid, row, col, false)});
        }
    return out;
}

std::optional<ReadWordBreaks> ReadEnumeration(std::string_view text, std::string_view answer)
{
    std::vector<int> parts;
    std::string separators;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && text[i] == ' ') ++i;
    };
    skipBlanks();
    while (true) {
        int part = 0;
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 3) part = part * 10 + (text[i++] - '0');
        if (i == start || part == 0) return std::nullopt;
        parts.push_back(part);
        skipBlanks();
        if (i == text.size()) break;
        if (text[i] != ',' && text[i] != '-') return std::nullopt;
        separators += text[i++] == ',' ? ' ' : '-';
        skipBlanks();
    }
    int total = 0;
    for (const int part : parts) total += part;
    if (static_cast<int>(parts.size()) > MaxEnumParts || total != static_cast<int>(answer.size())) return std::nullopt;
    ReadWordBreaks out;
    std::size_t pos = 0;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k > 0) {
            out.EnumTxt += ',';
            out.DisplayTxt += separators[k - 1];
        }
        out.EnumTxt += std::to_string(parts[k]);
        out.DisplayTxt += answer.substr(pos, static_cast<std::size_t>(parts[k]));
        pos += static_cast<std::size_t>(parts[k]);
    }
    if (out.EnumTxt.size() > decltype(WordSlot::EnumTxt)::Capacity) return std::nullopt;
    return out;
}

InterchangeCrossword InterchangeView(const QuillmereState& state, std::string_view formatName)
{
    const Crossword& xw = state.Xw;
    Check(HasEveryAnswer(xw), NothingToExportMessage);
    const auto cannot = [&](const std::string& why) {
        return Failure("The crossword cannot be written as " + std::string(formatName) + " file: " + why + ".");
    };
    const int n = xw.GridSize;
    InterchangeCrossword out;
    out.Grid.Size = n;
    out.Grid.Squares.assign(static_cast<std::size_t>(n * n), '#');
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        const int length = static_cast<int>(s.WordTxt.size());
        if (s.Row < 1 || s.Col < 1 || (s.Dir ? s.Col : s.Row) + length - 1 > n || (s.Dir ? s.Row : s.Col) > n)
            throw cannot("the answer " + s.WordTxt.str() + " (" + WordName(s.Clue, s.Dir) + ") does not fit the grid");
        for (int k = 0; k < length; ++k) {
            const int row = s.Dir ? s.Row : s.Row + k;
            const int col = s.Dir ? s.Col + k : s.Col;
            char& square = out.Grid.Squares[out.Grid.IndexOf(row, col)];
            const char letter = s.WordTxt[k];
            if (square != '#' && square != letter)
                throw cannot("the answer " + s.WordTxt.str() + " (" + WordName(s.Clue, s.Dir) + ") clashes with another at " +
                             SquareName(row, col));
            square = letter;
        }
    }
    out.Numbering = NumberGrid(out.Grid);
    // Both formats number every run of two or more letters themselves: the slots must be exactly those runs.
    std::map<std::pair<std::pair<int, int>, bool>, const WordSlot*> slots;
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        slots[{{s.Row, s.Col}, s.Dir}] = &s;
    }
    for (const GridWord& w : out.Numbering.Words) {
        const auto found = slots.find({{w.Row, w.Col}, w.Across});
        if (found == slots.end() || static_cast<int>(found->second->WordTxt.size()) != w.Length)
            throw cannot("the " + std::to_string(w.Length) + " letters " + DirectionName(w.Across) + " from " +
                         SquareName(w.Row, w.Col) + " are not one of its words, but the format would make them one");
        const WordSlot& s = *found->second;
        if (s.Clue != w.Number)
            throw cannot("the word " + s.WordTxt.str() + " is numbered " + std::to_string(s.Clue) + ", where its grid numbers it " +
                         std::to_string(w.Number));
        out.Clues.push_back({w.Number, w.Across, s.WordTxt.str(), EnumerationWithBreaks(s), s.ClueTxt.str()});
    }
    if (static_cast<int>(out.Numbering.Words.size()) != xw.WordSlotCount)
        throw cannot("a word of the crossword is only part of a longer run of letters in its grid");
    out.Title = state.Output.Title;
    out.CrosswordDate = state.CrosswordDate;
    return out;
}

void CheckInterchangeGridSize(long long width, long long height)
{
    const auto size = [](long long w, long long h) { return std::to_string(w) + " x " + std::to_string(h); };
    Check(width == height, [&] { return "the grid is " + size(width, height) + "; a crossword grid here is square"; });
    Check(width >= MinInterchangeGridSize && width <= MaxInterchangeGridSize, [&] {
        return "the grid is " + size(width, height) + "; a crossword grid is " +
               size(MinInterchangeGridSize, MinInterchangeGridSize) + " to " + size(MaxInterchangeGridSize, MaxInterchangeGridSize);
    });
}

void AddNotice(std::vector<std::string>& notices, std::string notice)
{
    if (std::find(notices.begin(), notices.end(), notice) == notices.end()) notices.push_back(std::move(notice));
}

namespace {

/// Refuses square numbers given in the file that differ from the numbering its blocks give.
void CheckGivenNumbers(const ReadInterchange& in, const GridNumbering& numbering)
{
    const int n = in.Grid.Size;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const int given = At(in.GivenNumbers, in.Grid.IndexOf(row, col));
            const int expected = At(numbering.Numbers, in.Grid.IndexOf(row, col));
            Check(given == expected, [&] {
                const std::string shows = given == 0 ? "shows no number" : "shows the number " + std::to_string(given);
                const std::string gives = expected == 0 ? "starts no word" : "starts word " + std::to_string(expected);
                return "the numbers disagree with the blocks: the square at " + SquareName(row, col) + " " + shows +
                       ", but by its blocks it " + gives;
            });
        }
}

/// The clue of each word of the numbering, in its order; refuses a clue without a word and a word's second clue.
std::vector<const ReadClue*> CluesOfWords(const std::vector<ReadClue>& clues, const GridNumbering& numbering)
{
    std::map<std::pair<int, bool>, std::size_t> wordOf;
    for (std::size_t i = 0; i < numbering.Words.size(); ++i) wordOf[{numbering.Words[i].Number, numbering.Words[i].Across}] = i;
    std::vector<const ReadClue*> clueOf(numbering.Words.size(), nullptr);
    for (const ReadClue& clue : clues) {
        const auto found = wordOf.find({clue.Number, clue.Across});
        Check(found != wordOf.end(), [&] {
            return "the clue " + WordName(clue.Number, clue.Across) + " has no word: by its blocks the grid has no " +
                   DirectionName(clue.Across) + " word numbered " + std::to_string(clue.Number);
        });
        Check(clueOf[found->second] == nullptr, [&] { return "there are two clues for " + WordName(clue.Number, clue.Across); });
        clueOf[found->second] = &clue;
    }
    return clueOf;
}

/// The slot of word `index` of the grid with its clue; marks its squares in inWord and adds a notice
/// when the clue's enumeration or length had to change.
WordSlot SlotOfWord(const LetterGrid& grid, const GridWord& w, int index, const ReadClue& clue, std::vector<bool>& inWord,
                    std::vector<std::string>& notices)
{
    WordSlot s;
    s.Clue = w.Number;
    s.Dir = w.Across;
    s.Row = w.Row;
    s.Col = w.Col;
    s.RCTxt = MakeRCTxt(w.Row, w.Col);
    std::string answer;
    for (int k = 0; k < w.Length; ++k) {
        const int row = w.Across ? w.Row : w.Row + k;
        const int col = w.Across ? w.Col + k : w.Col;
        answer += grid.At(row, col);
        At(inWord, grid.IndexOf(row, col)) = true;
    }
    s.WordTxt = answer;
    s.NumLett = w.Length;
    s.ThemeRef = index;
    std::optional<ReadWordBreaks> breaks;
    if (!clue.Enumeration.empty()) {
        breaks = ReadEnumeration(clue.Enumeration, answer);
        if (!breaks) AddNotice(notices, "enumerations that do not fit their answers were replaced by the answers' lengths");
    }
    s.EnumTxt = breaks ? breaks->EnumTxt : std::to_string(w.Length);
    s.DisplayTxt = breaks ? breaks->DisplayTxt : answer;
    const std::string clueText = OneLine(clue.Clue);
    if (clueText.size() > decltype(s.ClueTxt)::Capacity)
        AddNotice(notices, "clues longer than " + std::to_string(decltype(s.ClueTxt)::Capacity) + " characters were cut");
    s.ClueTxt = clueText;
    return s;
}

}  // namespace

XwdContents ContentsOfInterchange(ReadInterchange in)
{
    const LetterGrid& grid = in.Grid;
    const int n = grid.Size;
    CheckInterchangeGridSize(n, n);
    Check(grid.Squares.size() == static_cast<std::size_t>(n * n), RangeError);
    const GridNumbering numbering = NumberGrid(grid);
    Check(numbering.Words.size() <= static_cast<std::size_t>(MaxWordSlots), [&] {
        return "its grid has " + std::to_string(numbering.Words.size()) + " words; a crossword holds at most " +
               std::to_string(MaxWordSlots);
    });
    if (!in.GivenNumbers.empty()) CheckGivenNumbers(in, numbering);
    // Every word gets exactly one clue, and every clue has its word.
    const std::vector<const ReadClue*> clueOf = CluesOfWords(in.Clues, numbering);

    XwdContents out;
    out.Title = OneLine(in.Title);
    out.Dimension = n;
    out.HasOutputStyle = false;
    out.Notices = std::move(in.Notices);
    std::vector<bool> inWord(grid.Squares.size(), false);
    for (std::size_t i = 0; i < numbering.Words.size(); ++i) {
        const GridWord& w = numbering.Words[i];
        Check(clueOf[i] != nullptr, [&] {
            return "the word " + WordName(w.Number, w.Across) + " (at " + SquareName(w.Row, w.Col) + ") has no clue";
        });
        out.Slots.push_back(SlotOfWord(grid, w, static_cast<int>(i), *clueOf[i], inWord, out.Notices));
    }
    int lone = 0;
    for (std::size_t at = 0; at < grid.Squares.size(); ++at) {
        if (grid.Squares[at] == '#') continue;
        ++(inWord[at] ? out.LetterCount : lone);
    }
    if (lone > 0)
        AddNotice(out.Notices, std::to_string(lone) + (lone == 1 ? " letter square that belongs" : " letter squares that belong") +
                                   " to no word became " + (lone == 1 ? "a block" : "blocks"));
    out.WordCount = static_cast<std::int32_t>(out.Slots.size());
    return out;
}

}  // namespace qm
