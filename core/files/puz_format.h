// The Across Lite .puz format (version 1.3, Latin-1 texts, four checksums): writing the crossword
// on display and reading one back.
#pragma once

#include "core/files/interchange.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

struct QuillmereState;

inline constexpr const char* PuzFileExtension = "puz";
inline constexpr const char* PuzFileFilter = "Across Lite Files (*.puz)|*.puz";
/// The mark at offset 2: "ACROSS&DOWN" and its NUL.
inline constexpr std::string_view PuzMagic{"ACROSS&DOWN\0", 12};
inline constexpr std::string_view PuzVersion{"1.3\0", 4};
/// The fixed header before the two grids.
constexpr std::size_t PuzHeaderSize = 0x34;
/// The longest text written (title, author, copyright, a clue with its enumeration): the format's
/// own solving program fails on clues longer than 505 characters, so a longer text is cut.
constexpr std::size_t PuzMaxTextLength = 500;

/// The format's checksum of a run of bytes: for each byte, rotate the sum right by one bit, then add
/// the byte (16 bits, wrapping).
std::uint16_t PuzChecksum(std::string_view bytes, std::uint16_t start = 0);

/// A text of the program (Windows-1252) as the format holds it: Latin-1, its Windows-1252
/// punctuation in plain form (curly quotes straight, a dash "-", an ellipsis "..."), control
/// characters as blanks, cut to at most `limit` bytes.
std::string PuzText(std::string_view text, std::size_t limit = PuzMaxTextLength);

/// The whole file for the crossword on display: header (version 1.3, the four checksums), solution
/// ('.' for blocks), an empty solver's grid ('-'), title, author, an empty copyright, the clues in
/// the standard order (by number, across before down) each followed by its enumeration as " (3,5)",
/// and empty notes. Throws Failure as InterchangeView does.
std::string PuzFileBytes(const QuillmereState& state, const std::string& author = DefaultInterchangeAuthor);

/// Writes PuzFileBytes to a file safely (a failure never leaves a partial file).
void WritePuzFile(const std::string& path, const QuillmereState& state, const std::string& author = DefaultInterchangeAuthor);

/// Reads and checks a .puz crossword. Refuses a short or unmarked header, a scrambled (locked)
/// crossword, a grid that is not square or outside 3..30, sizes and counts that disagree with the file
/// length, any wrong checksum, squares other than letters, rebus squares, and a clue count that
/// differs from the grid's words. A clue ending in an enumeration that fits its answer, such as
/// " (3,5)", gives the slot that enumeration. Circles, the solver's entries and timer, notes and
/// other extra sections are dropped with a notice.
XwdContents ParsePuz(std::string_view bytes);

/// Writes the four checksums of a file whose parts can be found (header, grids, texts) over what it
/// holds, and those of the extra sections after them; false, leaving the bytes as they are, when the
/// parts cannot be found. The writer's last step, and the fuzzing's way past the checksums.
bool RecomputePuzChecksums(std::string& bytes);

}  // namespace qm
