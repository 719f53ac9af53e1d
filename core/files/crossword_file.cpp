// Saving and loading crossword files, and rebuilding a loaded crossword as fill 1 of the freeform list.
#include "core/files/crossword_file.h"

#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/freeform/placement.h"
#include "core/freeform/scoring.h"
#include "core/grid/fill_writer.h"
#include "core/state.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/index.h"
#include "core/util/text.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

namespace qm {

namespace {

std::string LoadFailure(const std::string& path, const std::string& problem)
{
    return "Could not load \"" + path + "\": " + problem + ".\nThe crossword on screen is unchanged.";
}

std::string SlotName(const WordSlot& s)
{
    return "the answer " + s.WordTxt.str() + " (" + std::to_string(s.Clue) + (s.Dir ? " across" : " down") + ")";
}

/// Letter k of slot i did not stay in the grid: names the slot that wrote over it, with a letter of its
/// own or with the block that must end it.
std::string ClashMessage(const Crossword& xw, int i, int k)
{
    const WordSlot& s = xw.Slot(i);
    const int col = s.Dir ? s.Col + k - 1 : s.Col;
    const int row = s.Dir ? s.Row : s.Row + k - 1;
    const std::string square = "row " + std::to_string(row) + ", column " + std::to_string(col);
    const char mine = s.WordTxt[k - 1];
    for (int j = 1; j <= xw.WordSlotCount; ++j) {
        const WordSlot& t = xw.Slot(j);
        const int length = static_cast<int>(t.WordTxt.size());
        if (j == i || length == 0) continue;
        const int along = t.Dir ? col - t.Col : row - t.Row;
        const bool inLine = t.Dir ? row == t.Row : col == t.Col;
        if (!inLine) continue;
        if (along >= 0 && along < length && t.WordTxt[along] != mine)
            return SlotName(s) + " clashes with " + SlotName(t) + " at " + square + ": " + std::string(1, mine) + " against " +
                   std::string(1, t.WordTxt[along]);
        if (along == -1 || along == length)
            return SlotName(s) + " clashes with " + SlotName(t) + ": the square at " + square + " holds " + std::string(1, mine) +
                   ", but must stay empty " + (along == -1 ? "just before " : "just after ") + t.WordTxt.str();
    }
    return SlotName(s) + " clashes with another answer in the grid";
}

/// The crossword of a file: its slots in file order, every answer written into a fresh grid, the
/// squares no answer uses blocked and the squares numbered. Each answer must still stand in the grid
/// afterwards: crossing answers agree, and no answer runs into another one's end.
Crossword RebuildCrossword(const XwdContents& in)
{
    Crossword xw;
    xw.GridSize = in.Dimension;
    InitGrid(xw);
    ResetCellColours(xw.Squares);
    for (const WordSlot& s : in.Slots) xw.Slot(++xw.WordSlotCount) = s;
    WriteFillToGrid(xw, FillSourceKind::Freeform);
    for (int i = 1; i <= xw.WordSlotCount; ++i) {
        const WordSlot& s = xw.Slot(i);
        for (int k = 1; k <= static_cast<int>(s.WordTxt.size()); ++k)
            Check(xw.SquareOf(s, k).Letter == At(s.WordTxt, k - 1), [&] { return ClashMessage(xw, i, k); });
    }
    BlockEmptySquares(xw.Squares);
    NumberLetterSquares(xw);
    return xw;
}

}  // namespace

std::string WindowCaption(const QuillmereState& state) { return "Quillmere [" + state.CurrentFileName + "]"; }

std::string ProposedSaveName(const QuillmereState& state)
{
    return state.CurrentFileName == UntitledFileName ? ProposedCrosswordFileName : state.CurrentFileName;
}

bool HasEveryAnswer(const Crossword& xw)
{
    if (xw.WordSlotCount < 1) return false;
    for (int i = 1; i <= xw.WordSlotCount; ++i)
        if (xw.Slot(i).WordTxt.empty()) return false;
    return true;
}

bool SaveWouldOverwrite(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

void SaveCrosswordFile(QuillmereState& state, const std::string& path)
{
    WriteFileSafely(path, XwdFileText(state));
    state.CurrentFileName = FileNameOf(path);
}

CrosswordFileKind CrosswordFileKindOf(std::string_view bytes, const std::string& path)
{
    if (bytes.size() >= 2 + PuzMagic.size() && bytes.substr(2, PuzMagic.size()) == PuzMagic) return CrosswordFileKind::Puz;
    std::string_view start = bytes.substr(0, 64);
    if (start.substr(0, 3) == "\xEF\xBB\xBF") start.remove_prefix(3);
    while (!start.empty() && (start.front() == ' ' || start.front() == '\t' || start.front() == '\r' || start.front() == '\n'))
        start.remove_prefix(1);
    if (start.substr(0, 1) == "{" || start.substr(0, 5) == "ipuz(") return CrosswordFileKind::Ipuz;
    const std::size_t dot = path.rfind('.');
    const std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
    if (CompareTextCI(extension, PuzFileExtension) == 0) return CrosswordFileKind::Puz;
    if (CompareTextCI(extension, IpuzFileExtension) == 0) return CrosswordFileKind::Ipuz;
    return CrosswordFileKind::Xwd;
}

LoadedCrosswordFile ReadCrosswordFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) throw Failure(LoadFailure(path, std::strerror(errno)));
    if (!S_ISREG(info.st_mode)) throw Failure(LoadFailure(path, "it is not a file"));
    if (static_cast<std::uintmax_t>(info.st_size) > MaxCrosswordFileBytes)
        throw Failure(LoadFailure(path, "it holds " + std::to_string(info.st_size) + " bytes, more than the " +
                                            std::to_string(MaxCrosswordFileBytes >> 20) + " MB a crossword file may have"));
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw Failure(LoadFailure(path, "it cannot be read"));
    return CheckCrosswordFile(bytes, path, DateOf(info.st_mtime));
}

LoadedCrosswordFile CheckCrosswordFile(std::string_view bytes, const std::string& path, const Date& modified)
{
    return CheckCrosswordFileAs(CrosswordFileKindOf(bytes, path), bytes, path, modified);
}

LoadedCrosswordFile CheckCrosswordFileAs(CrosswordFileKind kind, std::string_view bytes, const std::string& path,
                                         const Date& modified)
{
    LoadedCrosswordFile file;
    try {
        file.Contents = kind == CrosswordFileKind::Ipuz ? ParseIpuz(bytes) : kind == CrosswordFileKind::Puz ? ParsePuz(bytes) : ParseXwd(bytes);
        file.Xw = RebuildCrossword(file.Contents);
    } catch (const Failure& e) {
        throw Failure(LoadFailure(path, e.what()));
    }
    file.Path = path;
    file.FileName = FileNameOf(path);
    file.Modified = modified;
    return file;
}

std::string LoadNotice(const LoadedCrosswordFile& file)
{
    const std::vector<std::string>& notices = file.Contents.Notices;
    if (notices.empty()) return "";
    std::string text = "Loaded " + file.FileName + ", but " + notices.front();
    for (std::size_t i = 1; i < notices.size(); ++i) text += "; " + notices[i];
    return text + ".";
}

LoadResult ApplyCrosswordFile(QuillmereState& state, const LoadedCrosswordFile& file, const FontLookup& findFont)
{
    const XwdContents& in = file.Contents;

    // The new crossword, word list, word store and options are built aside; the state changes only
    // at the end, so a failure on the way leaves everything as it was.
    Crossword xw = file.Xw;
    ImportedList imported = state.Imported;
    for (auto& entries : imported.ThemeIndex)
        for (ThemeEntry& e : entries) e.SelectWeight = 1.0f;
    try {
        AdoptGridWords(xw, imported, state.Freeform.Options.AllowDuplicates);
    } catch (const Failure& e) {
        throw Failure(LoadFailure(file.Path, e.what()));
    }

    FillStore fills = state.Fills;
    ClearListOfGrids(fills);  // the fills listed before are gone with their stored words
    fills.StoredWordCount = 0;
    SaveFillWords(fills, xw, FillSourceKind::Freeform, true, 0);
    fills.GridsMax = 1;
    fills.CurrentFill = 1;
    ClearFillRecord(fills, 1);
    FillRecord& record = fills.Record(1);
    FillCounts counts;
    counts.Letters = in.LetterCount;
    counts.Words = in.WordCount;
    counts.Interlocks = CountInterlocks(xw);
    counts.Area = InterlockArea(xw.Squares);
    record.LttCount = counts.Letters;
    record.WrdCount = counts.Words;
    record.LastWrd = fills.StoredWordCount;
    record.ILockCount = counts.Interlocks;
    record.ILockArea = counts.Area;

    LoadResult result;
    result.Letters = counts.Letters;
    result.Words = counts.Words;
    result.Interlocks = counts.Interlocks;
    result.Area = counts.Area;
    result.Score = FreeformScore(counts.Letters, counts.Words, counts.Interlocks, counts.Area, xw.GridSize);
    const int key = RankKey(state.Freeform.Options.Ranking, counts, result.Score);
    result.Notice = LoadNotice(file);
    result.Row = FillRow::Freeform(key, 0, 1, FillOrigin::Plain, result.Letters, result.Words, result.Interlocks, result.Area,
                                   result.Score);
    result.Row.Loaded = true;
    FillList freeFills;
    freeFills.Add(result.Row);

    OutputOptions output = state.Output;
    output.Title = in.Title;
    if (in.HasOutputStyle) {
        if (!findFont) {
            output.FontName = in.FontName;
        } else if (const auto found = findFont(in.FontName)) {
            output.FontName = *found;
        }
        output.Blocking = in.Blocking;
    }
    output.GridMM = DefaultGridMM(in.Dimension);

    state.Xw = std::move(xw);
    state.Imported = std::move(imported);
    state.Fills = std::move(fills);
    state.Freeform.FreeFillsList = std::move(freeFills);
    state.SymmFillsList.Clear();  // its fills were in the word store the load has just replaced
    state.AnyFillGrid.reset();
    state.Output = std::move(output);
    state.FillSource = FillSourceKind::Freeform;
    state.LoadedFromFile = true;
    state.ImportedFillShown = 2;
    state.CrosswordDate = file.Modified;
    state.CurrentFileName = file.FileName;
    return result;
}

LoadResult LoadCrosswordFile(QuillmereState& state, const std::string& path, const FontLookup& findFont)
{
    return ApplyCrosswordFile(state, ReadCrosswordFile(path), findFont);
}

}  // namespace qm
