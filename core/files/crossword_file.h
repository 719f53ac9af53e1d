// Saving the crossword on display as a .xwd file and loading one back as the single freeform fill.
#pragma once

#include "core/files/xwd_format.h"
#include "core/fills/fill_list.h"
#include "core/util/date.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

struct QuillmereState;

/// CurrentFileName before anything was saved or loaded.
inline constexpr const char* UntitledFileName = "untitled";
/// The name the save dialog proposes for an untitled crossword.
inline constexpr const char* ProposedCrosswordFileName = "ZEroz01.xwd";
inline constexpr const char* CrosswordFileExtension = "xwd";
inline constexpr const char* CrosswordSaveFilter = "Crossword files (*.xwd)|*.xwd";
/// Every format the program reads, then each on its own (pairs of description and patterns, "|" between).
inline constexpr const char* CrosswordOpenFilter =
    "Crosswords (*.xwd *.ipuz *.puz)|*.xwd;*.ipuz;*.puz|xwd|*.xwd|ipuz Files (*.ipuz)|*.ipuz|Across Lite Files (*.puz)|*.puz";
/// The largest crossword file read; a bigger file is refused before it is read.
constexpr std::uintmax_t MaxCrosswordFileBytes = 16u << 20;

/// The formats a crossword can be loaded from.
enum class CrosswordFileKind { Xwd, Ipuz, Puz };

/// The format of a file's bytes: a .puz by its mark at offset 2, an ipuz by its JSON object (or
/// "ipuz(" wrapper), else by the extension of path (".puz", ".ipuz"); anything else is taken as .xwd.
CrosswordFileKind CrosswordFileKindOf(std::string_view bytes, const std::string& path);
/// Asked (Yes / No) before a save replaces an existing file.
inline constexpr const char* OverwriteQuestion = "File Exists.  Overwrite?";

/// "Quillmere [" + CurrentFileName + "]".
std::string WindowCaption(const QuillmereState& state);

/// The name the save dialog proposes: CurrentFileName, or "ZEroz01.xwd" while it is "untitled".
std::string ProposedSaveName(const QuillmereState& state);

/// The file keeps the answers, not the squares: a grid whose words have no answers yet (a stock grid
/// chosen but not filled) would come back as nothing. Such a crossword is not saved; this is said.
inline constexpr const char* NothingToSaveMessage =
    "There is no filled crossword to save yet.\rEvery word of the grid needs its answer first.";

/// True when the crossword has words and every one of them has its answer, so that a file saved from
/// it loads back as the same crossword.
bool HasEveryAnswer(const Crossword& xw);

/// True when saving to path would replace a file, so the window asks OverwriteQuestion first.
bool SaveWouldOverwrite(const std::string& path);

/// Writes the crossword on display to path (through a temporary file in the same folder renamed over
/// the target, so a failure never destroys the previous file) and then sets CurrentFileName to the
/// file's name. A failure throws Failure naming the file and the reason; the state is unchanged.
void SaveCrosswordFile(QuillmereState& state, const std::string& path);

/// A crossword file read and checked, with its name and last-write date.
struct LoadedCrosswordFile {
    XwdContents Contents;
    Crossword Xw;          ///< the crossword rebuilt from the word lines: grid letters, blocks, numbers
    std::string Path;      ///< as given
    std::string FileName;  ///< without its folder
    Date Modified;         ///< the file's last-write time, local date
};

/// Reads and checks a crossword file (.xwd, .ipuz or .puz, see CrosswordFileKindOf) and rebuilds its
/// grid, without touching the program's state. Any problem (the file cannot be read or is larger than
/// MaxCrosswordFileBytes, its reader finds it broken, or answers clash in the grid) throws Failure
/// with a message naming the file and the problem.
LoadedCrosswordFile ReadCrosswordFile(const std::string& path);

/// The checking part of ReadCrosswordFile for bytes already read from path.
LoadedCrosswordFile CheckCrosswordFile(std::string_view bytes, const std::string& path, const Date& modified);
/// The same, for a format already known.
LoadedCrosswordFile CheckCrosswordFileAs(CrosswordFileKind kind, std::string_view bytes, const std::string& path,
                                         const Date& modified);

/// The one-line notice of what a load dropped or changed ("" when nothing): the file's name, then
/// the notices of its contents joined by "; ".
std::string LoadNotice(const LoadedCrosswordFile& file);

/// Finds an output font by name among the fonts the window offers (whole name, any case) and gives
/// its spelling there; nullopt keeps the current font.
using FontLookup = std::function<std::optional<std::string>(const std::string& name)>;

/// What the window shows after a load: the freeform fills list's one row and the status line counts.
struct LoadResult {
    FillRow Row;  ///< fill 1, ranked as the ranking method says, with a wide score and an "s" after it
    int Letters = 0;
    int Words = 0;
    int Interlocks = 0;
    int Area = 0;
    int Score = 0;
    std::string Notice;  ///< LoadNotice of the file: what was dropped or changed; "" when nothing
};

/// Makes a read file the crossword on display, as fill 1 of the freeform fill list: grid, slots,
/// title, font (through findFont; an empty function takes the file's name as it is), blocking
/// style (an interchange file holds no font or blocking style: those on display stay),
/// grid size on the page (7 mm per square), date, file name, the fill word store and fill
/// record 1. The freeform fills list then holds its one row and the symmetrical fills list is
/// emptied, since the fills it listed are gone from the store. Everything is built aside first, so a failure leaves the state exactly as it was.
LoadResult ApplyCrosswordFile(QuillmereState& state, const LoadedCrosswordFile& file, const FontLookup& findFont);

/// ReadCrosswordFile, then ApplyCrosswordFile.
LoadResult LoadCrosswordFile(QuillmereState& state, const std::string& path, const FontLookup& findFont);

}  // namespace qm
