// Importing word lists: normalising and parsing lines, the imports, the index, tight interlocks, status.
#pragma once

#include "core/clues/clue_store.h"
#include "core/grid/fill_source.h"
#include "core/words/categories.h"
#include "core/words/dictionary.h"
#include "core/words/imported_list.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

/// Characters kept of a normalised word.
constexpr std::size_t MaxImportedWordChars = 40;
/// Characters kept of a clue that runs to the end of its line (and of a theme word's clue).
constexpr std::size_t MaxImportedClueChars = 255;
/// Characters of the last clipboard piece (the text after the last CR LF) that are parsed.
constexpr std::size_t MaxClipboardTailChars = 255;
/// Characters of a word that its letters and word breaks are taken from.
constexpr std::size_t MaxIndexedWordChars = 35;
/// A normalised word keeps at most its blanks plus this many characters.
constexpr std::size_t NormalisedLetterChars = 30;
/// A word with this many blanks (six parts) or more is rejected.
constexpr int MaxImportedBlanks = 5;

/// The message shown when a file has more lines than the list takes.
std::string TruncationMessage();
/// The message of a clipboard that holds no text.
inline constexpr const char* NoClipboardDataMessage = "No data found on Windows clipboard.";

/// A built-in theme: the dictionary words of one subject category.
struct ThemeCategory {
    std::string_view Name;  ///< the item of ThemeCombo
    int Bit = 0;            ///< category bit of WordBitPatterns
};
/// "Animals" 2, "Archaeology" 3, "Food" 23, "Gardening" 24.
extern const std::array<ThemeCategory, 4> ThemeCategoryTable;
/// The category bit of a theme name (compared case-insensitively), or nothing.
std::optional<int> FindThemeCategory(std::string_view name);

/// The word of one line in normalised form (upper case A..Z, blanks and hyphens), or "" when the
/// word is rejected (fewer than two letters A..Z, or five blanks or more).
std::string NormaliseImportWord(std::string_view text);

/// Splits one line into word and clue (a TAB between them) and appends both to the list when the
/// word has at least two characters; sets ThemeWordCount. A clue ends before the line's first colon.
void ParseImportLine(ImportedList& list, std::string_view line);

/// Empties the words, clues, index and tight interlocks (the freeform settings stay).
void ClearImportedList(ImportedList& list);

/// A word's letters (blanks and hyphens removed) and its word breaks (each part's letter count in
/// the next 6 bits, first part lowest), both from its first 35 characters. Runs of blanks or hyphens
/// separate two parts, so the word breaks always decode to all of the letters.
struct IndexedWord {
    std::string Text;
    std::int32_t WordBreaks = 0;
};
IndexedWord IndexWord(std::string_view word);

/// Rebuilds ThemeIndex and MaxLen from ThemeWords: each word's letters (blanks and hyphens removed,
/// from its first 35 characters) and word breaks; letter counts 2..30 are indexed.
void BuildThemeIndex(ImportedList& list);

/// Rebuilds TightInterlocksList ("X:Y:ZZ..": letters Z joining a word ending Y Z to a word beginning
/// Z X). With show, returns the diagnostic listing: the first two letters of each word of four letters
/// or more, a rule, their last two letters, a rule and the entries; otherwise an empty listing.
std::vector<std::string> BuildTightInterlocks(ImportedList& list, bool show);

/// The texts of the list's status bars.
struct ImportStatus {
    std::string WordsText;                   ///< panel 0: " 1,234 words"
    std::optional<std::string> LengthsText;  ///< panel 1: " word lengths: 3 to 12"; none for an empty list
    std::string FreeFillsWordsText;          ///< freeform FreeFillsStatusBar panel 0: " 1234 words"
    bool EnableGeneration = false;           ///< enable Quick Fill and Start (else leave them as they are)
};
ImportStatus MakeImportStatus(const ImportedList& list);

/// What an import reports to the window.
struct ImportOutcome {
    std::optional<std::string> Message;  ///< an information message to show (truncation, empty clipboard)
    /// The status texts to show; none when an import for a symmetrical crossword gave an empty list
    /// (the status bar then keeps its text).
    std::optional<ImportStatus> Status;
    /// For a symmetrical crossword: OptimalWordLength and LengthVariation were reset (the spin edits
    /// must show the new values) and the imported-word options become available.
    bool SettingsReset = false;
};

/// The variation of the optimal length as DeviationSpinEdit's text gives it: 200 when the text is
/// not a number, else the number within 0..500.
std::int32_t ParseLengthVariation(std::string_view text);

/// Turns the bytes of a word list into single-byte (Windows-1252) text. Valid UTF-8 (with or without
/// its byte-order mark) is converted, characters outside Windows-1252 becoming "?"; other text is
/// taken as Windows-1252 already. Data that is not text (NUL bytes, UTF-16, control characters that
/// text does not contain, bytes that Windows-1252 does not define) throws Failure naming what.
std::string DecodeImportText(std::string_view bytes, std::string_view what);

/// UTF-8 text (the clipboard's, as the window gets it) in Windows-1252; "?" for what it cannot show.
std::string Utf8ToWindows1252(std::string_view utf8);

/// Windows-1252 text in UTF-8; the five bytes the code page leaves undefined become "?".
std::string Windows1252ToUtf8(std::string_view text);

/// Imports the lines of a file's bytes (already read): at most 500,000 lines, each trimmed and
/// parsed. On Failure (not text) the list is left exactly as it was. For the freeform type the tight
/// interlocks are rebuilt; for a symmetrical crossword a non-empty list resets the freeform settings
/// (optimal length 60% of gridSize, variation 400).
ImportOutcome ImportWordListBytes(ImportedList& list, std::string_view bytes, std::string_view name,
                                  FillSourceKind source, int gridSize);

/// Reads and imports a text file; a file that cannot be read or is not text throws Failure and leaves
/// the list as it was.
ImportOutcome ImportWordListFile(ImportedList& list, const std::string& path, FillSourceKind source, int gridSize);

/// Imports clipboard text (Windows-1252; nothing when the clipboard holds no text). The list is
/// cleared first; the text is split at CR LF only, the first 500,000 pieces parsed, and the text after
/// the last CR LF (its first 255 characters) parsed as a last line.
ImportOutcome ImportClipboardText(ImportedList& list, const std::optional<std::string>& text);

/// Imports a built-in theme: the dictionary words whose category mask has the bit, shown with their
/// word breaks, each with its clue, sorted case-insensitively. On Failure the list is left as it was.
ImportOutcome ImportTheme(ImportedList& list, int categoryBit, const Dictionary& dict,
                          const WordBitPatterns& patterns, const ClueList& clues);

}  // namespace qm
