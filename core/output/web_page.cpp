// The web page to solve: the puzzle's data (answers hidden), escaped texts and the page's own styles
// and script (core/output/web/, compiled in) put together into one HTML file.
#include "core/output/web_page.h"

#include "core/output/export_file.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/words/import.h"

#include "web_page_assets.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

namespace qm {

namespace {

inline constexpr const char* NoWebPageYetMessage =
    "There is no filled crossword to make a web page of yet.\rEvery word of the grid needs its answer first.";

std::string WordName(int number, bool across) { return std::to_string(number) + (across ? " across" : " down"); }

/// xorshift32: the page's script draws the same numbers to turn the answer letters back.
std::uint32_t NextHidingNumber(std::uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

/// FNV-1a, 64 bits.
std::uint64_t HashOf(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char ch : text) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 1099511628211ULL;
    }
    return hash;
}

/// A seed that is never 0 (xorshift would stay at 0), drawn from the puzzle so that the same
/// crossword always gives the same bytes.
std::uint32_t SaltOf(const WebPagePuzzle& puzzle)
{
    const std::uint64_t hash = HashOf(puzzle.Squares + "|" + puzzle.Answer + "|salt");
    const auto salt = static_cast<std::uint32_t>(hash ^ (hash >> 32));
    return salt == 0 ? 1u : salt;
}

/// JSON for inside a script element: only ASCII, and no "<", ">" or "&" that could end the element
/// or open a comment (they stand only inside strings, where \uXXXX means the same character).
std::string ScriptSafeJson(const nlohmann::json& value)
{
    const std::string json = value.dump(-1, ' ', true);
    std::string out;
    out.reserve(json.size());
    for (const char ch : json) {
        if (ch == '<') out += "\\u003c";
        else if (ch == '>') out += "\\u003e";
        else if (ch == '&') out += "\\u0026";
        else out += ch;
    }
    return out;
}

std::string PuzzleData(const WebPagePuzzle& puzzle)
{
    nlohmann::json words = nlohmann::json::array();
    for (const WebPageWord& w : puzzle.Words)
        words.push_back({{"number", w.Number},
                         {"direction", w.Across ? "across" : "down"},
                         {"row", w.Row},
                         {"col", w.Col},
                         {"length", w.Length},
                         {"clue", w.Clue},
                         {"enumeration", w.Enumeration}});
    const std::uint32_t salt = SaltOf(puzzle);
    const nlohmann::json data = {{"size", puzzle.Size},
                                 {"squares", puzzle.Squares},
                                 {"salt", salt},
                                 {"hidden", HideAnswerLetters(puzzle.Answer, salt)},
                                 {"storageKey", WebPageStorageKey(puzzle)},
                                 {"words", words}};
    return ScriptSafeJson(data);
}

/// The template with each {{name}} replaced by its value, in one pass: values are never read again,
/// so nothing inside a value (the script, a clue) can stand for a name.
std::string FillTemplate(std::string_view page, const std::map<std::string, std::string, std::less<>>& values)
{
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = page.find("{{", pos);
        if (open == std::string_view::npos) break;
        const std::size_t close = page.find("}}", open);
        Check(close != std::string_view::npos, "The web page template has an unclosed {{");
        const std::string_view name = page.substr(open + 2, close - open - 2);
        const auto value = values.find(name);
        Check(value != values.end(), [&] { return "The web page template names an unknown part " + std::string(name); });
        out.append(page.substr(pos, open - pos));
        out += value->second;
        pos = close + 2;
    }
    out.append(page.substr(pos));
    return out;
}

}  // namespace

WebPagePuzzle WebPagePuzzleOf(const QuillmereState& state, const std::string& author)
{
    const Crossword& xw = state.Xw;
    Check(xw.WordSlotCount > 0, NoWebPageYetMessage);
    const int n = xw.GridSize;
    WebPagePuzzle out;
    out.Size = n;
    std::string letters(static_cast<std::size_t>(n * n), '#');
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        const int length = static_cast<int>(s.WordTxt.size());
        Check(length > 0, NoWebPageYetMessage);
        const bool inside = s.Row >= 1 && s.Col >= 1 && (s.Dir ? s.Row : s.Col) <= n && (s.Dir ? s.Col : s.Row) + length - 1 <= n;
        Check(inside, [&] { return "The answer " + s.WordTxt.str() + " (" + WordName(s.Clue, s.Dir) + ") does not fit the grid."; });
        for (int k = 0; k < length; ++k) {
            const int row = s.Dir ? s.Row : s.Row + k;
            const int col = s.Dir ? s.Col + k : s.Col;
            char& square = letters[static_cast<std::size_t>((row - 1) * n + (col - 1))];
            const char letter = s.WordTxt[k];
            Check(letter >= 'A' && letter <= 'Z',
                  [&] { return "The answer " + s.WordTxt.str() + " (" + WordName(s.Clue, s.Dir) + ") holds a character that is not a letter."; });
            Check(square == '#' || square == letter, [&] {
                return "The answer " + s.WordTxt.str() + " (" + WordName(s.Clue, s.Dir) + ") clashes with another at row " +
                       std::to_string(row) + ", column " + std::to_string(col) + ".";
            });
            square = letter;
        }
        out.Words.push_back({s.Clue, s.Dir, s.Row, s.Col, length, Windows1252ToUtf8(s.ClueTxt.view()),
                             EnumerationWithBreaks(s)});
    }
    // Across before down, each by number; words that share a number keep the order of the slots.
    std::stable_sort(out.Words.begin(), out.Words.end(), [](const WebPageWord& a, const WebPageWord& b) {
        if (a.Across != b.Across) return a.Across;
        return a.Number < b.Number;
    });
    out.Squares.reserve(letters.size());
    for (const char ch : letters) {
        out.Squares += ch == '#' ? '#' : '.';
        if (ch != '#') out.Answer += ch;
    }
    out.Title = Windows1252ToUtf8(state.Output.TitleShown() ? state.Output.Title : WebPageDefaultTitle);
    out.Author = Windows1252ToUtf8(author);
    return out;
}

std::string HideAnswerLetters(std::string_view letters, std::uint32_t salt)
{
    std::string out;
    out.reserve(letters.size());
    std::uint32_t state = salt == 0 ? 1u : salt;
    for (const char ch : letters) {
        const int shift = static_cast<int>(NextHidingNumber(state) % 26);
        out += static_cast<char>('A' + (ch - 'A' + shift) % 26);
    }
    return out;
}

std::string WebPageStorageKey(const WebPagePuzzle& puzzle)
{
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(HashOf(std::to_string(puzzle.Size) + "|" + puzzle.Squares + "|" + puzzle.Answer)));
    return std::string(WebPageStoragePrefix) + hex;
}

std::string EscapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += ch;
        }
    }
    return out;
}

std::string WebPageDocument(const QuillmereState& state, const std::string& author)
{
    const WebPagePuzzle puzzle = WebPagePuzzleOf(state, author);
    const std::string byline = puzzle.Author.empty() ? "" : "<p class=\"byline\">by " + EscapeHtml(puzzle.Author) + "</p>";
    return FillTemplate(web_assets::PageHtml, {{"title", EscapeHtml(puzzle.Title)},
                                               {"byline", byline},
                                               {"style", std::string(web_assets::PageCss)},
                                               {"print-style", std::string(web_assets::PrintCss)},
                                               {"script", std::string(web_assets::PageJs)},
                                               {"script-hash", std::string(web_assets::PageJsHash)},
                                               {"data", PuzzleData(puzzle)}});
}

void WriteWebPageFile(const std::string& path, const QuillmereState& state, const std::string& author)
{
    WriteExportFile(path, WebPageDocument(state, author));
}

}  // namespace qm
