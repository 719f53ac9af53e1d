// The web page to solve: the crossword as one self-contained HTML file that plays in a browser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct QuillmereState;

inline constexpr const char* WebPageFileFilter = "Web Pages (*.html)|*.html";
inline constexpr const char* WebPageFileExtension = "html";
/// The heading of a page whose title is left out or empty.
inline constexpr const char* WebPageDefaultTitle = "Crossword";
/// The start of every key under which a page keeps the solver's progress in the browser's storage.
inline constexpr const char* WebPageStoragePrefix = "quillmere-solve:";

/// One word as the page plays it.
struct WebPageWord {
    int Number = 0;           ///< clue number
    bool Across = true;
    int Row = 0;              ///< first letter, 1-based
    int Col = 0;              ///< first letter, 1-based
    int Length = 0;
    std::string Clue;         ///< UTF-8
    std::string Enumeration;  ///< as the crossword shows it: "5", "3,5", "4-5"; "" when it has none
};

/// The crossword as the page plays it. Squares is N x N, row by row: '#' a block (a square of no
/// word), '.' an open square; Answer holds the letter of each open square, in the same order.
struct WebPagePuzzle {
    int Size = 0;
    std::string Squares;
    std::string Answer;
    std::vector<WebPageWord> Words;  ///< across words by number, then down words by number
    std::string Title;               ///< UTF-8; WebPageDefaultTitle when the title is left out
    std::string Author;              ///< UTF-8; "" for none
};

/// The crossword on display for the page: its words (every one needs its answer, else Failure with
/// the interchange files' message), the title when the Output page's options show it, and author.
/// Throws Failure when a word leaves the grid or two words disagree on a square's letter.
WebPagePuzzle WebPagePuzzleOf(const QuillmereState& state, const std::string& author);

/// The answer letters as the page carries them: each letter moved along the alphabet by a number
/// drawn from a generator seeded with salt, so that the answers are not readable in the page's source.
/// This hides them from a glance; it does not secure them (the page itself turns them back).
std::string HideAnswerLetters(std::string_view letters, std::uint32_t salt);

/// The key under which the page keeps progress: WebPageStoragePrefix and a hash of grid and answers.
std::string WebPageStorageKey(const WebPagePuzzle& puzzle);

/// Text for HTML element content and attribute values: & < > " ' as character references.
std::string EscapeHtml(std::string_view text);

/// The whole page (UTF-8, LF line ends): styles, script and the puzzle's data inline, no reference
/// to anything outside the file. Crossword texts reach the page only as escaped text.
std::string WebPageDocument(const QuillmereState& state, const std::string& author = "");

/// Writes WebPageDocument to a file safely (a failure never leaves a partial file).
void WriteWebPageFile(const std::string& path, const QuillmereState& state, const std::string& author = "");

}  // namespace qm
