// Colours of the crossword display, as $00BBGGRR values (blue in the high byte, red in the low byte).
#pragma once

#include <cstdint>

namespace qm {

/// A colour value: $00BBGGRR, or one of the system colours below (high byte $FF).
using Colour = std::uint32_t;

/// The system's window background and text colours, resolved by the window layer.
constexpr Colour ColourWindow = 0xFF000005;
constexpr Colour ColourWindowText = 0xFF000008;
constexpr Colour ColourHighlightText = 0xFF00000E;
constexpr Colour ColourButtonFace = 0xFF00000F;

constexpr Colour ColourSelectedWord = 0x0080FFFF;    ///< squares of the word being edited
constexpr Colour ColourImportedWord = 0x00E1FFFF;    ///< squares of imported words in a hybrid fill
constexpr Colour ColourBlockedSquare = 0x00D0A77F;   ///< blocked squares of the main grid
constexpr Colour ColourSelectedRow = 0x00B08750;     ///< selected row of the owner-drawn lists
constexpr Colour ColourClueNumber = 0x000000FF;      ///< clue numbers in the main grid
constexpr Colour ColourBar = 0x00F27742;             ///< bars of the count tables
constexpr Colour ColourSilver = 0x00C0C0C0;
constexpr Colour ColourPanelGrey = 0x00D8D8D8;
constexpr Colour ColourLinkHover = 0x000080FF;       ///< web-page label under the mouse (orange)
constexpr Colour ColourLink = 0x00FF0000;            ///< web-page label (blue)

constexpr bool IsSystemColour(Colour c) { return (c >> 24) == 0xFF; }
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace qm
