// The .xwd crossword file format: six header lines and one word line per slot, CR LF line ends.
#pragma once

#include "core/grid/grid.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct QuillmereState;

/// Grid sizes a crossword file may hold: the freeform sizes 8..30, the smallest stock grids (7 x 7)
/// and the smallest crosswords loaded from interchange files (3 x 3), so that every crossword the
/// program saves can be loaded again.
constexpr int MinFileGridSize = 3;
constexpr int MaxFileGridSize = 30;
/// Parts of an enumeration ("3,5" has two).
constexpr int MaxEnumParts = 6;

/// The six header keys, in their order.
inline constexpr const char* XwdHeaderKeys[6] = {"Title=", "Font=", "Blocking=", "Dimension=", "Word Count=", "Letter Count="};

/// The answer as shown, with its word breaks: ICECREAM with "3,5" gives "ICE CREAM". Without a ","
/// in the enumeration the answer comes back unchanged. Throws Failure when a part is not a whole
/// number of zero or more, or there are more than six parts.
std::string BuildDisplayTxt(std::string_view wordTxt, std::string_view enumTxt);

/// A text that must stay on its own line: line breaks and other control characters become blanks.
std::string OneLine(std::string_view text);

/// The value of a header line: the whole text after its first "=" (the whole line without one).
std::string ReadHeaderText(std::string_view line);
/// The number after the first "=" of a header line; 0 when it is not a whole number.
std::int32_t ReadHeaderInt(std::string_view line);

/// The word line of a slot without its line end: "%3d" clue number, "A" or "D", ":", RCTxt, ":",
/// answer, 0x04, enumeration, 0x05, clue.
std::string XwdWordLine(const WordSlot& s);

/// The whole file for the crossword on display, with its title, font and blocking style.
std::string XwdFileText(const QuillmereState& state);

/// A crossword file read and checked, not yet applied to the program's state.
struct XwdContents {
    std::string Title;
    std::string FontName;
    std::int32_t Blocking = 0;     ///< 0..8
    std::int32_t Dimension = 0;    ///< grid size, 3..30
    std::int32_t WordCount = 0;    ///< as the header says (equal to Slots.size())
    std::int32_t LetterCount = 0;  ///< as the header says
    std::vector<WordSlot> Slots;   ///< Clue, Dir, RCTxt, Row, Col, WordTxt, EnumTxt, ClueTxt, DisplayTxt, ThemeRef, NumLett
    bool HasOutputStyle = true;    ///< false: the file holds no font or blocking style, so those on display stay
    std::vector<std::string> Notices;  ///< what the load dropped or changed, one phrase each
};

/// Reads and checks the text of a crossword file. Every problem throws Failure with a message
/// naming the line: binary data, missing or misnamed header lines, a grid size outside 3..30, a
/// short or malformed word line, a start square outside the grid, an answer that is not 0..30
/// letters A..Z (small letters are taken as capitals) or does not fit the grid, a bad enumeration,
/// more than 160 words, or a word count that differs from the header ("Inconsistency in File"). A
/// word line without the separators after its position is a slot without its answer. A blocking
/// style outside 0..8 becomes the default style, with a notice.
XwdContents ParseXwd(std::string_view bytes);

}  // namespace qm
