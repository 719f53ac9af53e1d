// Title case, the extras block and the clue and answer texts of the outputs.
#include "core/output/page_texts.h"

#include "core/output/clipboard_text.h"
#include "core/state.h"
#include "core/util/text.h"

namespace qm {

std::string TitleCase(std::string_view text)
{
    if (text.empty()) return {};
    std::string s = std::string(1, text[0]) + LowerAscii(text.substr(1));
    s = Trim(s);
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i - 1] == ' ' && s[i] >= 'a' && s[i] <= 'z') s[i] = static_cast<char>(s[i] - 'a' + 'A');
    return s;
}

ExtrasTexts BuildExtrasTexts(const QuillmereState& state)
{
    const int n = state.Xw.GridSize;
    const int letters = state.Fills.Record(state.Fills.CurrentFill).LttCount;
    return {{
        {"Filename: " + state.CurrentFileName, std::to_string(n) + "x" + std::to_string(n) + " squares"},
        {"Created: " + FormatDayMonthYear(state.CrosswordDate), std::to_string(state.Xw.WordSlotCount) + " words"},
        {"with 'Quillmere'", std::to_string(letters) + " letters"},
    }};
}

std::string PageClueText(const WordSlot& s)
{
    const std::string_view clue = s.ClueTxt.view();
    if (clue.empty()) return {};
    constexpr std::string_view initials = "(initials)";
    if (clue.size() >= 12 && clue.substr(clue.size() - initials.size()) == initials)
        return std::string(clue.substr(0, clue.size() - 1)) + ", " + s.EnumTxt.str() + ")";
    return std::string(clue) + " (" + s.EnumTxt.str() + ")";
}

std::string AnswerParagraph(const Crossword& xw, int count, bool across, std::string_view heading)
{
    std::string text = std::string(heading) + ":  ";
    for (int i = 1; i <= count; ++i) {
        const WordSlot& s = xw.Slot(i);
        if (s.Dir != across) continue;
        text += std::to_string(s.Clue) + "-" + TitleCase(s.DisplayTxt.view()) + ",  ";
    }
    text = Trim(text);
    text.pop_back();  // the final comma, or the colon when the direction has no words
    return text;
}

}  // namespace qm
