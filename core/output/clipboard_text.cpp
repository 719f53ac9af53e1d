// The clipboard texts of a crossword: grid, clue list and alphabetical answer/clue list.
#include "core/output/clipboard_text.h"

#include "core/output/output_options.h"
#include "core/util/text.h"

#include <algorithm>

namespace qm {

namespace {
constexpr const char* CrLf = "\r\n";
}

int ClueListCount(const FillStore& fills, const Crossword& xw)
{
    if (fills.CurrentFill < 1 || fills.CurrentFill > MaxFillRecords) return xw.WordSlotCount;
    return std::clamp(fills.Record(fills.CurrentFill).WrdCount, 0, xw.WordSlotCount);
}

std::string GridText(const Grid& grid)
{
    std::string text;
    const int n = grid.Size();
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            const char letter = grid(c, r).Letter;
            text += (letter >= 'A' && letter <= 'Z') ? letter : ' ';
            if (c < n) text += '\t';
        }
        text += CrLf;
    }
    return text;
}

std::string AppendClueLines(std::string text, const Crossword& xw, int count, bool across)
{
    for (int i = 1; i <= count; ++i) {
        const WordSlot& s = xw.Slot(i);
        if (s.Dir != across) continue;
        text += std::to_string(s.Clue) + ":  " + s.ClueTxt.str() + " (" + s.EnumTxt.str() + ")" + CrLf;
    }
    return text;
}

std::string ClueListText(const Crossword& xw, int count)
{
    std::string text = std::string("Across") + CrLf;
    text = AppendClueLines(std::move(text), xw, count, true);
    text += std::string("Down") + CrLf;
    return AppendClueLines(std::move(text), xw, count, false);
}

std::vector<int> AlphabeticalSlots(const Crossword& xw, int count)
{
    std::vector<std::pair<std::string, int>> keys;
    for (int i = 1; i <= count; ++i) keys.emplace_back(xw.Slot(i).DisplayTxt.str() + "\t" + std::to_string(i), i);
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return CompareTextCI(a.first, b.first) < 0; });
    std::vector<int> order;
    for (const auto& k : keys) order.push_back(k.second);
    return order;
}

std::string AnswerClueLine(const WordSlot& s)
{
    return s.DisplayTxt.str() + " - " + s.ClueTxt.str() + "  (" + std::to_string(s.Clue) + (s.Dir ? "A)" : "D)");
}

std::string AnswerClueListText(const Crossword& xw, int count)
{
    std::string text = std::string("Answers (alphabetical) and Clues") + CrLf;
    for (int i : AlphabeticalSlots(xw, count)) text += AnswerClueLine(xw.Slot(i)) + CrLf;
    return text;
}

ClipboardExport ClipboardTextForMode(OutputMode mode, const Crossword& xw, int count)
{
    switch (mode) {
    case OutputMode::CompletedGridOnly:
        return {true, GridText(xw.Squares), "Grid copied to clipboard"};
    case OutputMode::ClueListOnly:
        return {true, ClueListText(xw, count), "Clue list copied to clipboard"};
    case OutputMode::AnswerClueListAlpha:
        return {true, AnswerClueListText(xw, count), "Answer/Clue list copied to clipboard"};
    default:
        return {false, {}, ClipboardModeWarning};
    }
}

}  // namespace qm
