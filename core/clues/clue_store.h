// The built-in clue list and the clue lookup of placed words.
#pragma once

#include "core/grid/fill_source.h"
#include "core/grid/grid.h"

#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct Dictionary;
struct ImportedList;

/// Clue lines; a dictionary word's ClueIndex is a line number. Line 0 is empty (no clue).
using ClueList = std::vector<std::string>;

/// Splits the clue text at CR LF into lines, exactly as stored (the text begins with CR LF, so line
/// 0 is empty; the final CR LF ends the last line).
ClueList LoadClueList(std::string_view bytes);

/// Clue line i; throws Failure("List index out of bounds (i)") beyond the list.
const std::string& ClueLine(const ClueList& clues, int i);

/// Gives slot s (whose NumLett and DictOrThemeRef are set) its WordTxt, DisplayTxt, EnumTxt,
/// ThemeRef and ClueTxt from the store its word came from.
void LookUpSlotWord(WordSlot& s, FillSourceKind source, const Dictionary& dict, const ImportedList& imported,
                    const ClueList& clues);

}  // namespace qm
