// The rich text export: the crossword as an RTF document of tables (extras, grid, clues, answers).
#pragma once

#include "core/output/output_options.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

struct QuillmereState;

/// The list-numbering defaults of the document: nine levels of "{\*\pnseclvl" groups.
extern const std::string_view RtfListNumbering;

/// "\f0" for Times New Roman, "\f1" for Arial, "\f66" for any other font.
std::string RtfFontRef(std::string_view fontName);

/// A grid square's edge in twips: round(gridMM / gridSize / 25.4 x 72 x 20).
int CellTwips(int gridMM, int gridSize);

/// The font table entry of a font from its outline metrics: "{\f66" + family + "\fcharset0" + pitch +
/// "{\*\panose " + 20 hexadecimal digits + "}" + name + ";}". The family comes from the high four
/// bits of pitchAndFamily (1 roman, 2 swiss, 3 modern, 4 script, 5 decorative, else nil), the pitch
/// from its low bit (set: variable, "\fprq2"; clear: fixed, "\fprq1").
std::string FontTableEntryText(std::string_view fontName, const std::array<std::uint8_t, 10>& panose,
                               std::uint8_t pitchAndFamily);

/// The pitch-and-family byte of a font, worked out from its OS/2 table as the Windows font mapper
/// does: the PANOSE family kind, serif style and proportion first, then the IBM font class (the high
/// byte of sFamilyClass). Fixed-pitch text fonts count as modern; the low bit marks variable pitch.
std::uint8_t FontPitchAndFamily(const std::array<std::uint8_t, 10>& panose, std::uint8_t ibmClass, bool fixedPitch);

/// The whole document for a mode. fontTableEntry is the output font's entry from the
/// platform's font metrics (see FontTableEntryText); it is used only when the font is neither Times
/// New Roman nor Arial, and an empty one gives an entry with an all-zero panose.
std::string RtfDocument(const QuillmereState& state, OutputMode mode, std::string_view fontTableEntry);

/// Writes RtfDocument to a file (safely: a failure never leaves a partial file).
void WriteRtfFile(const std::string& path, const QuillmereState& state, OutputMode mode, std::string_view fontTableEntry);

}  // namespace qm
