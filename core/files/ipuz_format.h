// The ipuz crossword format (open JSON, version 2): writing the crossword on display, reading one back.
#pragma once

#include "core/files/interchange.h"

#include <string>
#include <string_view>

namespace qm {

struct QuillmereState;

inline constexpr const char* IpuzVersion = "http://ipuz.org/v2";
inline constexpr const char* IpuzCrosswordKind = "http://ipuz.org/crossword#1";
inline constexpr const char* IpuzFileExtension = "ipuz";
inline constexpr const char* IpuzFileFilter = "ipuz Files (*.ipuz)|*.ipuz";
/// The origin written into the files.
inline constexpr const char* IpuzOrigin = "Quillmere";
/// How deeply the JSON of a file read may nest; a crossword needs six levels.
constexpr int MaxIpuzNesting = 32;

/// The whole file (UTF-8 JSON, LF line ends) for the crossword on display: "version", "kind",
/// "dimensions", "puzzle" (clue numbers, "#" for blocks, 0 for the other squares), "solution",
/// "clues" ("Across" and "Down": objects with "number", "clue" and "enumeration" when the slot has
/// one), "title", "author", "date" (mm/dd/yyyy) and "origin". Throws Failure as InterchangeView does.
std::string IpuzFileText(const QuillmereState& state, const std::string& author = DefaultInterchangeAuthor);

/// Writes IpuzFileText to a file safely (a failure never leaves a partial file).
void WriteIpuzFile(const std::string& path, const QuillmereState& state, const std::string& author = DefaultInterchangeAuthor);

/// Reads and checks an ipuz crossword (also wrapped as JSONP "ipuz(...)"). Refuses what is not valid
/// JSON, not an ipuz crossword, a grid that is not square or outside 3..30, a missing or broken
/// "puzzle" or "solution", squares holding more than one letter (rebus) or anything but a letter,
/// numbers that disagree with the blocks, and clues that do not match the words one to one. Drops
/// circles, styles, the solver's entries, notes and clue extras with a notice.
XwdContents ParseIpuz(std::string_view bytes);

}  // namespace qm
