// Clue list loading and clue lookup for restored slots.
#include "core/clues/clue_store.h"

#include "core/util/failure.h"
#include "core/util/index.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"
#include "core/words/word_breaks.h"

namespace qm {

ClueList LoadClueList(std::string_view bytes)
{
    ClueList lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(bytes.substr(start));
            break;
        }
        lines.emplace_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

const std::string& ClueLine(const ClueList& clues, int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= clues.size())
        throw Failure("List index out of bounds (" + std::to_string(i) + ")");
    return At(clues, i);
}

namespace {

void TakeImported(WordSlot& s, const ImportedList& imported, bool assertRange)
{
    const int L = s.NumLett;
    if (L == 0) {  // a slot loaded without its answer stays without one
        s.WordTxt.clear();
        s.DisplayTxt.clear();
        s.EnumTxt.clear();
        s.ClueTxt.clear();
        return;
    }
    const auto& entries = imported.EntriesOf(L);
    const int high = static_cast<int>(entries.size()) - 1;
    if (s.DictOrThemeRef < 0 || s.DictOrThemeRef > high) {
        if (assertRange)
            throw Failure("DictOrThemeRef outside range =" + std::to_string(s.DictOrThemeRef) + " (High = " +
                          std::to_string(high) + ")");
        throw Failure(RangeError);
    }
    const ThemeEntry& e = At(entries, s.DictOrThemeRef);
    s.WordTxt = e.Text;
    const auto decoded = DecodeWordBreaks(e.Text, static_cast<std::uint32_t>(e.WordBreaks));
    s.DisplayTxt = decoded.DisplayTxt;
    s.EnumTxt = decoded.EnumTxt;
    s.ThemeRef = e.ThemeRef;
    if (e.ThemeRef < 0 || static_cast<std::size_t>(e.ThemeRef) >= imported.ThemeClues.size())
        throw Failure("List index out of bounds (" + std::to_string(e.ThemeRef) + ")");
    s.ClueTxt = At(imported.ThemeClues, e.ThemeRef);
}

}  // namespace

void LookUpSlotWord(WordSlot& s, FillSourceKind source, const Dictionary& dict, const ImportedList& imported,
                    const ClueList& clues)
{
    if (!UsesDictionary(source)) {
        TakeImported(s, imported, true);
        return;
    }
    if (!s.FromDict) {
        TakeImported(s, imported, false);
        return;
    }
    const int L = s.NumLett;
    if (L < MinWordLength || L > MaxWordLength || s.DictOrThemeRef < 1 || s.DictOrThemeRef > dict.Count(L))
        throw Failure(RangeError);
    const DictWord& w = dict.Word(L, s.DictOrThemeRef);
    s.WordTxt = w.Text;
    const auto decoded = DecodeWordBreaks(w.Text, w.WordBreaks);
    s.DisplayTxt = decoded.DisplayTxt;
    s.EnumTxt = decoded.EnumTxt;
    s.ThemeRef = 0;
    s.ClueTxt = ClueLine(clues, w.ClueIndex);
}

}  // namespace qm
