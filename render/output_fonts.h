// The output font as the platform knows it: installed names, TrueType check and the RTF font table entry.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qm::render {

/// The installed font families, sorted, as the font list offers them.
std::vector<std::string> InstalledFontNames();

/// The installed family whose name equals name in any case, in its own spelling; nullopt when none
/// does. (Usable as the FontLookup of a crossword file load.)
std::optional<std::string> FindInstalledFont(const std::string& name);

/// True when the family is installed and its font has TrueType outlines.
bool IsTrueTypeFont(const std::string& name);

/// The RTF font table entry of an installed font, from the PANOSE bytes, family class and pitch of
/// its OS/2 table; empty when the font is not installed or has no such table (the RTF writer then
/// uses an all-zero panose).
std::string FontTableEntry(const std::string& name);

}  // namespace qm::render
