// Writing and reading ipuz crossword files; the JSON itself is read and written by nlohmann-json.
#include "core/files/ipuz_format.h"

#include "core/output/export_file.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/text.h"
#include "core/words/import.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>

namespace qm {

namespace {

using Json = nlohmann::ordered_json;

/// A text of the program (Windows-1252) as a JSON string.
std::string JsonText(std::string_view text) { return Json(Windows1252ToUtf8(text)).dump(); }

std::string SquareName(int row, int col) { return "row " + std::to_string(row) + ", column " + std::to_string(col); }

/// The part of a nlohmann-json message after its "[json.exception...] " tag.
std::string JsonMessage(const char* what)
{
    const std::string_view text(what);
    const std::size_t end = text.find("] ");
    return std::string(end == std::string_view::npos ? text : text.substr(end + 2));
}

/// Reads an ipuz document into what the common checks need, noting what it drops.
class IpuzReader {
public:
    ReadInterchange Read(const Json& doc)
    {
        Check(doc.is_object(), "it is not an ipuz file: its JSON is not an object");
        CheckKind(doc);
        const Json* dims = Field(doc, "dimensions");
        Check(dims && dims->is_object(), "it has no \"dimensions\" object");
        const long long width = WholeNumber(Field(*dims, "width"), "\"dimensions\" \"width\"");
        const long long height = WholeNumber(Field(*dims, "height"), "\"dimensions\" \"height\"");
        CheckInterchangeGridSize(width, height);
        n_ = static_cast<int>(width);
        if (const Json* block = Field(doc, "block")) block_ = block->is_string() ? block->get<std::string>() : block->dump();
        if (const Json* empty = Field(doc, "empty")) empty_ = empty->is_string() ? empty->get<std::string>() : empty->dump();

        ReadInterchange out;
        out.Grid.Size = n_;
        out.Grid.Squares.assign(static_cast<std::size_t>(n_ * n_), '#');
        out.GivenNumbers.assign(out.Grid.Squares.size(), 0);
        std::vector<bool> puzzleBlocks(out.Grid.Squares.size(), true);
        const Json& puzzle = Rows(doc, "puzzle");
        const Json* solutionField = Field(doc, "solution");
        Check(solutionField != nullptr, "it has no \"solution\", and the crossword needs its answers");
        const Json& solution = Rows(doc, "solution");
        for (int row = 1; row <= n_; ++row)
            for (int col = 1; col <= n_; ++col) {
                const int at = out.Grid.IndexOf(row, col);
                const Json& cell = puzzle[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
                const std::optional<int> number = PuzzleSquare(cell, row, col);
                puzzleBlocks[at] = !number;
                if (number) out.GivenNumbers[at] = *number;
                const char letter = SolutionSquare(solution[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)], row, col);
                Check((letter == '#') == puzzleBlocks[at], [&] {
                    return "the square at " + SquareName(row, col) + " is " + (puzzleBlocks[at] ? "a block" : "open") +
                           " in the \"puzzle\" but " + (letter == '#' ? "a block" : "a letter") + " in the \"solution\"";
                });
                out.Grid.Squares[at] = letter;
            }
        NoteSaved(doc);
        ReadClues(doc, out.Clues);
        out.Title = Text(doc, "title");
        const std::string author = Text(doc, "author");
        if (!author.empty() && author != DefaultInterchangeAuthor) AddNotice(notices_, "the author \"" + OneLine(author) + "\" was dropped");
        if (!Text(doc, "copyright").empty()) AddNotice(notices_, "the copyright line was dropped");
        for (const auto& [key, what] : {std::pair{"notes", "the notes were dropped"}, std::pair{"intro", "the introduction was dropped"},
                                        std::pair{"explanation", "the explanation was dropped"}})
            if (!Text(doc, key).empty()) AddNotice(notices_, what);
        if (unreadable_) AddNotice(notices_, "characters outside Windows-1252 became \"?\"");
        out.Notices = std::move(notices_);
        return out;
    }

private:
    static const Json* Field(const Json& object, const char* key)
    {
        if (!object.is_object()) return nullptr;
        const auto found = object.find(key);
        return found == object.end() ? nullptr : &*found;
    }

    static long long WholeNumber(const Json* value, const std::string& what)
    {
        Check(value && (value->is_number_integer() || value->is_number_unsigned()), "its " + what + " is not a whole number");
        if (value->is_number_unsigned()) return static_cast<long long>(std::min<std::uint64_t>(value->get<std::uint64_t>(), 1u << 20));
        return value->get<long long>();
    }

    /// The single-byte text of a JSON string.
    std::string Convert(const std::string& utf8)
    {
        std::string text = Utf8ToWindows1252(utf8);
        if (std::count(text.begin(), text.end(), '?') > std::count(utf8.begin(), utf8.end(), '?')) unreadable_ = true;
        return text;
    }

    /// A text field; "" when it is missing or null.
    std::string Text(const Json& object, const char* key)
    {
        const Json* value = Field(object, key);
        if (!value || value->is_null()) return "";
        if (value->is_number()) return value->dump();
        Check(value->is_string(), [&] { return "its \"" + std::string(key) + "\" is not a text"; });
        return Convert(value->get<std::string>());
    }

    void CheckKind(const Json& doc)
    {
        const Json* version = Field(doc, "version");
        Check(version && version->is_string() && version->get<std::string>().rfind("http://ipuz.org/v", 0) == 0,
              "it is not an ipuz file: it has no \"version\" of the form http://ipuz.org/v2");
        const Json* kind = Field(doc, "kind");
        Check(kind && kind->is_array(), "it is not an ipuz file: it has no \"kind\" list");
        for (const Json& k : *kind)
            if (k.is_string() && k.get<std::string>().rfind("http://ipuz.org/crossword", 0) == 0) return;
        throw Failure("it is an ipuz file but not a crossword (its \"kind\" is " + Convert(kind->dump()).substr(0, 200) + ")");
    }

    /// A "puzzle" or "solution" field: an array of n rows of n squares each.
    const Json& Rows(const Json& doc, const char* key) const
    {
        const Json* rows = Field(doc, key);
        Check(rows && rows->is_array(), "it has no \"" + std::string(key) + "\" grid");
        Check(rows->size() == static_cast<std::size_t>(n_), [&] {
            return "its \"" + std::string(key) + "\" has " + std::to_string(rows->size()) + " rows where \"dimensions\" give " +
                   std::to_string(n_);
        });
        for (std::size_t r = 0; r < rows->size(); ++r)
            Check((*rows)[r].is_array() && (*rows)[r].size() == static_cast<std::size_t>(n_), [&] {
                return "row " + std::to_string(r + 1) + " of its \"" + std::string(key) + "\" does not have the " + std::to_string(n_) +
                       " squares \"dimensions\" give";
            });
        return *rows;
    }

    /// A square of "puzzle": nullopt for a block, else its number (0 none).
    std::optional<int> PuzzleSquare(const Json& cell, int row, int col)
    {
        if (cell.is_null()) {
            AddNotice(notices_, "squares outside the grid's shape became blocks");
            return std::nullopt;
        }
        if (cell.is_object()) {
            if (const Json* style = Field(cell, "style"); style && !style->is_null() && !(style->is_object() && style->empty())) {
                const Json* shape = Field(*style, "shapebg");
                AddNotice(notices_, shape && shape->is_string() && shape->get<std::string>() == "circle" ? "the circles were dropped"
                                                                                                          : "square styles were dropped");
            }
            if (const Json* value = Field(cell, "value"); value && !value->is_null() && *value != "")
                AddNotice(notices_, "letters given to the solver were dropped");
            const Json* inner = Field(cell, "cell");
            return inner ? PuzzleSquare(*inner, row, col) : std::optional<int>(0);
        }
        if (cell.is_string()) {
            const std::string text = cell.get<std::string>();
            if (text == block_) return std::nullopt;
            if (text == empty_ || text.empty()) return 0;
            std::int32_t number = 0;
            Check(text.size() <= 4 && TryParseInt(text, number) && number >= 0, [&] {
                return "the square at " + SquareName(row, col) + " is labelled \"" + Convert(text) + "\", not numbered";
            });
            return number;
        }
        if (cell.is_number_integer() || cell.is_number_unsigned()) {
            if (cell.dump() == empty_) return 0;
            const long long number = WholeNumber(&cell, "square at " + SquareName(row, col));
            Check(number >= 0 && number <= 9999,
                  [&] { return "the square at " + SquareName(row, col) + " has the number " + std::to_string(number); });
            return static_cast<int>(number);
        }
        throw Failure("the square at " + SquareName(row, col) + " of its \"puzzle\" is " + cell.dump(-1, ' ', true));
    }

    /// A square of "solution": '#' for a block, else its letter A..Z.
    char SolutionSquare(const Json& cell, int row, int col)
    {
        if (cell.is_null()) return '#';
        if (cell.is_object()) {
            const Json* value = Field(cell, "value");
            return value ? SolutionSquare(*value, row, col) : '#';
        }
        Check(cell.is_string(), [&] {
            return "the square at " + SquareName(row, col) + " of its \"solution\" is " + cell.dump(-1, ' ', true) + ", not a letter";
        });
        const std::string text = cell.get<std::string>();
        if (text == block_) return '#';
        Check(!text.empty() && text != empty_,
              [&] { return "the square at " + SquareName(row, col) + " has no letter in the \"solution\""; });
        Check(text.size() == 1 || Utf8ToWindows1252(text).size() == 1, [&] {
            return "the square at " + SquareName(row, col) + " holds \"" + Convert(text) +
                   "\" (a rebus); a square of the crossword holds one letter";
        });
        const char letter = static_cast<char>(ToUpperAscii(Convert(text)[0]));
        Check(letter >= 'A' && letter <= 'Z', [&] {
            return "the square at " + SquareName(row, col) + " holds \"" + Convert(text) + "\"; a square holds a letter A to Z";
        });
        return letter;
    }

    static int ToUpperAscii(char ch) { return ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch; }

    void NoteSaved(const Json& doc)
    {
        const Json* saved = Field(doc, "saved");
        if (!saved || !saved->is_array()) return;
        for (const Json& row : *saved) {
            if (!row.is_array()) continue;
            for (const Json& cell : row)
                if (cell.is_string() && !cell.get<std::string>().empty() && cell.get<std::string>() != block_ &&
                    cell.get<std::string>() != empty_) {
                    AddNotice(notices_, "the solver's entries were dropped");
                    return;
                }
        }
    }

    void ReadClues(const Json& doc, std::vector<ReadClue>& clues)
    {
        const Json* lists = Field(doc, "clues");
        Check(lists && lists->is_object(), "it has no \"clues\"");
        for (const auto& item : lists->items()) {
            const std::string& key = item.key();
            const Json& list = item.value();
            const std::string direction = key.substr(0, key.find(':'));
            const bool across = CompareTextCI(direction, "Across") == 0;
            Check(across || CompareTextCI(direction, "Down") == 0, [&] {
                return "it has clues in the direction \"" + Convert(key) + "\"; a crossword here has only Across and Down";
            });
            Check(list.is_array(), [&] { return "its \"" + Convert(key) + "\" clues are not a list"; });
            for (const Json& clue : list) clues.push_back(ReadOneClue(clue, across));
        }
    }

    ReadClue ReadOneClue(const Json& clue, bool across)
    {
        ReadClue out;
        out.Across = across;
        const Json* number = nullptr;
        if (clue.is_array() && clue.size() == 2) {
            number = &clue[0];
            Check(clue[1].is_string(), [&] { return "a clue of its \"clues\" has no text: " + clue.dump(-1, ' ', true); });
            out.Clue = Convert(clue[1].get<std::string>());
        } else if (clue.is_object()) {
            number = Field(clue, "number");
            out.Clue = Text(clue, "clue");
            if (const Json* enumeration = Field(clue, "enumeration"); enumeration && !enumeration->is_null())
                out.Enumeration = enumeration->is_string() ? Convert(enumeration->get<std::string>()) : enumeration->dump();
            for (const auto& [key, what] : {std::pair{"explanation", "clue explanations were dropped"}, std::pair{"hints", "clue hints were dropped"},
                                            std::pair{"image", "clue images were dropped"},
                                            std::pair{"continued", "links between the parts of clues were dropped"}})
                if (Field(clue, key)) AddNotice(notices_, what);
        }
        std::int32_t value = 0;
        const bool numbered = number && ((number->is_number_integer() && number->get<long long>() >= 1 && number->get<long long>() <= 9999) ||
                                         (number->is_string() && number->get<std::string>().size() <= 4 &&
                                          TryParseInt(number->get<std::string>(), value) && value >= 1));
        Check(numbered, [&] { return "the clue " + clue.dump(-1, ' ', true).substr(0, 80) + " has no number the grid can show"; });
        out.Number = number->is_string() ? value : static_cast<int>(number->get<long long>());
        return out;
    }

    int n_ = 0;
    std::string block_ = "#";
    std::string empty_ = "0";
    bool unreadable_ = false;
    std::vector<std::string> notices_;
};

}  // namespace

std::string IpuzFileText(const QuillmereState& state, const std::string& author)
{
    const InterchangeCrossword xw = InterchangeView(state, "an ipuz");
    const int n = xw.Grid.Size;
    std::string puzzle;
    std::string solution;
    for (int row = 1; row <= n; ++row) {
        std::string numbers;
        std::string letters;
        for (int col = 1; col <= n; ++col) {
            const char square = xw.Grid.At(row, col);
            const int number = xw.Numbering.Numbers[static_cast<std::size_t>((row - 1) * n + (col - 1))];
            if (col > 1) {
                numbers += ", ";
                letters += ", ";
            }
            numbers += square == '#' ? "\"#\"" : std::to_string(number);
            letters += {'"', square, '"'};
        }
        const char* end = row < n ? "],\n" : "]\n";
        puzzle += "    [" + numbers + end;
        solution += "    [" + letters + end;
    }
    std::string across;
    std::string down;
    for (const InterchangeClue& c : xw.Clues) {
        std::string clue = "{\"number\": " + std::to_string(c.Number) + ", \"clue\": " + JsonText(c.Clue);
        if (!c.Enumeration.empty()) clue += ", \"enumeration\": " + JsonText(c.Enumeration);
        std::string& list = c.Across ? across : down;
        list += (list.empty() ? "      " : ",\n      ") + clue + "}";
    }
    const Date& date = xw.CrosswordDate;
    std::string text = "{\n";
    text += "  \"version\": " + JsonText(IpuzVersion) + ",\n";
    text += "  \"kind\": [" + JsonText(IpuzCrosswordKind) + "],\n";
    text += "  \"dimensions\": {\"width\": " + std::to_string(n) + ", \"height\": " + std::to_string(n) + "},\n";
    text += "  \"puzzle\": [\n" + puzzle + "  ],\n";
    text += "  \"solution\": [\n" + solution + "  ],\n";
    text += "  \"clues\": {\n    \"Across\": [\n" + across + "\n    ],\n    \"Down\": [\n" + down + "\n    ]\n  },\n";
    text += "  \"title\": " + JsonText(xw.Title) + ",\n";
    text += "  \"author\": " + JsonText(author) + ",\n";
    text += "  \"date\": " + JsonText(Format("%02d/%02d/%04d", date.Month, date.Day, date.Year)) + ",\n";
    text += "  \"origin\": " + JsonText(IpuzOrigin) + "\n";
    text += "}\n";
    return text;
}

void WriteIpuzFile(const std::string& path, const QuillmereState& state, const std::string& author)
{
    WriteExportFile(path, IpuzFileText(state, author));
}

XwdContents ParseIpuz(std::string_view bytes)
{
    std::string_view body = bytes;
    if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
    const auto trim = [](std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n')) s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n')) s.remove_suffix(1);
        return s;
    };
    body = trim(body);
    // The JSONP form wraps the object as ipuz({...}) for web pages.
    if (body.substr(0, 5) == "ipuz(") {
        body.remove_prefix(5);
        if (!body.empty() && body.back() == ';') body.remove_suffix(1);
        if (!body.empty() && body.back() == ')') body.remove_suffix(1);
    }
    Json doc;
    try {
        doc = Json::parse(body, [](int depth, Json::parse_event_t, Json&) {
            Check(depth <= MaxIpuzNesting, "its JSON nests more than " + std::to_string(MaxIpuzNesting) + " levels deep");
            return true;
        });
    } catch (const Json::exception& e) {
        throw Failure("it is not valid JSON (" + JsonMessage(e.what()) + ")");
    }
    try {
        IpuzReader reader;
        return ContentsOfInterchange(reader.Read(doc));
    } catch (const Json::exception& e) {
        throw Failure("it is not an ipuz crossword the program can read (" + JsonMessage(e.what()) + ")");
    }
}

}  // namespace qm
