// Texts shared by the printed page and the exports: title case, the extras block, clue and answer lines.
#pragma once

#include "core/grid/grid.h"

#include <array>
#include <string>
#include <string_view>

namespace qm {

struct QuillmereState;

/// First character kept, the rest lower case, trimmed; then every character after a blank upper
/// case: ICE CREAM gives Ice Cream.
std::string TitleCase(std::string_view text);

/// The class sheet's line for a pupil's name and the date, under the title.
inline constexpr std::string_view NameLineText = "Name: ______________________________    Date: ______________";
/// The heading of a sheet that shows the solution, under the title.
inline constexpr std::string_view AnswersHeadingText = "Answers";

/// One line of the extras block: a text at the left margin and one at the right edge.
struct ExtrasLine {
    std::string Left;
    std::string Right;
};
using ExtrasTexts = std::array<ExtrasLine, 3>;

/// "Filename: NAME" / "NxN squares", "Created: d mmm yyyy" / "W words", "with 'Quillmere'" / "L letters"
/// (the letters of the fill on display).
ExtrasTexts BuildExtrasTexts(const QuillmereState& state);

/// The clue as the page's clue columns show it: "clue (enumeration)", or, for a clue of at least 12
/// characters ending in "(initials)", "clue (initials, enumeration)"; empty for an empty clue.
std::string PageClueText(const WordSlot& s);

/// "Across:  1-Ice Cream,  5-Dog" (heading "Down" for down): the heading, ":  ", then for each slot
/// of that direction among slots 1..count its number, "-" and its title-cased answer, separated by
/// ",  ". The heading is passed in so that the HTML page can underline it.
std::string AnswerParagraph(const Crossword& xw, int count, bool across, std::string_view heading);

}  // namespace qm
