// Writing and reading the text of .xwd crossword files.
#include "core/files/xwd_format.h"

#include "core/output/output_options.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/text.h"

namespace qm {

namespace {

constexpr const char* CrLf = "\r\n";
constexpr char AnswerEnd = '\x04';
constexpr char EnumEnd = '\x05';
constexpr int WordLinePrefix = 12;  ///< "%3d", direction, ":", RCTxt (6), ":"
constexpr std::size_t ClueReadLimit = 255;

bool IsBinaryByte(unsigned char ch)
{
    return ch < 0x20 && ch != '\t' && ch != '\n' && ch != '\r' && ch != AnswerEnd && ch != EnumEnd;
}

/// The lines of the file: CR LF (or LF) ends; a file ends with its last line's line end.
std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    // Blank lines after the last word line are forgiven; they hold nothing.
    while (lines.size() > 6 && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string LineRef(std::size_t index) { return "line " + std::to_string(index + 1); }

WordSlot ParseWordLine(std::string_view s, int n, int dimension, std::size_t lineIndex)
{
    const std::string where = LineRef(lineIndex);
    Check(s.size() >= static_cast<std::size_t>(WordLinePrefix),
          where + " is too short to be a word line (it needs at least 12 characters)");
    WordSlot slot;
    slot.Clue = ParseIntOr(Mid(s, 1, 3), 0);
    slot.Dir = s[3] == 'A';
    slot.RCTxt = Mid(s, 6, 6);
    slot.Row = ParseIntOr(Mid(s, 6, 3), 0);
    slot.Col = ParseIntOr(Mid(s, 9, 3), 0);
    Check(slot.Row >= 1 && slot.Row <= dimension && slot.Col >= 1 && slot.Col <= dimension,
          where + ": the start square (row " + std::to_string(slot.Row) + ", column " + std::to_string(slot.Col) +
              ") is outside the " + std::to_string(dimension) + " x " + std::to_string(dimension) + " grid");
    slot.ThemeRef = n - 1;
    const std::size_t p4 = s.find(AnswerEnd);
    const std::size_t p5 = s.find(EnumEnd);
    if (p4 == std::string_view::npos || p5 == std::string_view::npos) return slot;  // a slot without its answer yet
    Check(p4 >= static_cast<std::size_t>(WordLinePrefix) && p5 > p4,
          where + ": the separators after the answer and the enumeration are out of place");
    std::string word(s.substr(WordLinePrefix, p4 - WordLinePrefix));
    Check(word.size() <= decltype(slot.WordTxt)::Capacity,
          where + ": the answer is longer than " + std::to_string(decltype(slot.WordTxt)::Capacity) + " letters");
    for (char& ch : word) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');  // answers are kept in capitals
        Check(ch >= 'A' && ch <= 'Z', [&] { return where + ": the answer \"" + std::string(s.substr(WordLinePrefix, p4 - WordLinePrefix)) + "\" holds characters other than A to Z"; });
    }
    const int end = (slot.Dir ? slot.Col : slot.Row) + static_cast<int>(word.size()) - 1;
    Check(end <= dimension, where + ": the answer " + std::string(word) + " runs past the edge of the grid");
    slot.WordTxt = word;
    slot.EnumTxt = s.substr(p4 + 1, p5 - p4 - 1);
    slot.ClueTxt = s.substr(p5 + 1, ClueReadLimit);
    try {
        slot.DisplayTxt = BuildDisplayTxt(slot.WordTxt.view(), slot.EnumTxt.view());
    } catch (const Failure& e) {
        throw Failure(where + ": " + e.what());
    }
    slot.NumLett = static_cast<std::int32_t>(word.size());
    return slot;
}

}  // namespace

std::string OneLine(std::string_view text)
{
    std::string out(text);
    for (char& ch : out)
        if (static_cast<unsigned char>(ch) < 0x20 && ch != '\t') ch = ' ';
    return out;
}

std::string BuildDisplayTxt(std::string_view wordTxt, std::string_view enumTxt)
{
    if (enumTxt.find(',') == std::string_view::npos) return std::string(wordTxt);
    const std::vector<std::string> parts = Split(enumTxt.substr(0, 12), ",");
    Check(static_cast<int>(parts.size()) <= MaxEnumParts, "the enumeration \"" + std::string(enumTxt) + "\" has more than " +
                                                              std::to_string(MaxEnumParts) + " parts");
    std::string shown;
    std::size_t pos = 0;
    for (const std::string& part : parts) {
        std::int32_t length = 0;
        Check(TryParseInt(part, length) && length >= 0,
              "the enumeration \"" + std::string(enumTxt) + "\" is not a list of whole numbers");
        if (pos < wordTxt.size()) shown += wordTxt.substr(pos, static_cast<std::size_t>(length));
        shown += ' ';
        pos += static_cast<std::size_t>(length);
    }
    return TrimRight(shown);
}

std::string ReadHeaderText(std::string_view line)
{
    const std::size_t eq = line.find('=');
    return std::string(eq == std::string_view::npos ? line : line.substr(eq + 1));
}

std::int32_t ReadHeaderInt(std::string_view line) { return ParseIntOr(ReadHeaderText(line), 0); }

std::string XwdWordLine(const WordSlot& s)
{
    return Format("%3d", s.Clue) + (s.Dir ? "A" : "D") + ":" + MakeRCTxt(s.Row, s.Col) + ":" + s.WordTxt.str() + AnswerEnd +
           s.EnumTxt.str() + EnumEnd + OneLine(s.ClueTxt.view());
}

std::string XwdFileText(const QuillmereState& state)
{
    const Crossword& xw = state.Xw;
    const int letters = state.Fills.Record(state.Fills.CurrentFill).LttCount;
    std::string text;
    text += "Title=" + OneLine(state.Output.Title) + CrLf;
    text += "Font=" + OneLine(state.Output.FontName) + CrLf;
    text += "Blocking=" + std::to_string(state.Output.Blocking) + CrLf;
    text += "Dimension=" + std::to_string(xw.GridSize) + CrLf;
    text += "Word Count=" + std::to_string(xw.WordSlotCount) + CrLf;
    text += "Letter Count=" + std::to_string(letters) + CrLf;
    for (int i = 1; i <= xw.WordSlotCount; ++i) text += XwdWordLine(xw.Slot(i)) + CrLf;
    return text;
}

XwdContents ParseXwd(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        Check(!IsBinaryByte(static_cast<unsigned char>(bytes[i])), [&] {
            return "it holds binary data (byte " + std::to_string(static_cast<unsigned char>(bytes[i])) + " at offset " +
                   std::to_string(i) + "), so it is not a crossword file";
        });
    const std::vector<std::string_view> lines = SplitLines(bytes);
    Check(lines.size() >= 6, "it ends within its six header lines, so it is not a crossword file");
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string_view key = XwdHeaderKeys[i];
        Check(CompareTextCI(lines[i].substr(0, key.size()), key) == 0,
              LineRef(i) + " should begin with \"" + std::string(key) + "\", so it is not a crossword file");
    }
    XwdContents file;
    file.Title = ReadHeaderText(lines[0]);
    file.FontName = ReadHeaderText(lines[1]);
    file.Blocking = ReadHeaderInt(lines[2]);
    file.Dimension = ReadHeaderInt(lines[3]);
    file.WordCount = ReadHeaderInt(lines[4]);
    file.LetterCount = ReadHeaderInt(lines[5]);
    if (file.Blocking < 0 || file.Blocking >= BlockingStyleCount) {
        file.Notices.push_back("the blocking style " + std::to_string(file.Blocking) + " is outside 0.." +
                               std::to_string(BlockingStyleCount - 1) + ", so the default style is used");
        file.Blocking = DefaultBlockingStyle;
    }
    Check(file.Dimension >= MinFileGridSize && file.Dimension <= MaxFileGridSize,
          "the grid size " + std::to_string(file.Dimension) + " is outside " + std::to_string(MinFileGridSize) + ".." +
              std::to_string(MaxFileGridSize));
    const std::size_t words = lines.size() - 6;
    Check(words <= static_cast<std::size_t>(MaxWordSlots),
          "it holds " + std::to_string(words) + " word lines; a crossword holds at most " + std::to_string(MaxWordSlots) + " words");
    for (std::size_t i = 6; i < lines.size(); ++i)
        file.Slots.push_back(ParseWordLine(lines[i], static_cast<int>(i - 5), file.Dimension, i));
    Check(file.WordCount == static_cast<std::int32_t>(words),
          "Inconsistency in File: \"Word Count=" + std::to_string(file.WordCount) + "\" but " + std::to_string(words) +
              " word lines");
    return file;
}

}  // namespace qm
