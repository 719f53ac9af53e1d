// quillmere-cli fill-grid / selected-words: fills a grid of the user's own from its grid text, and writes
// the dictionary words a selection passes (the same words a fill from the dictionary may use).
#include "cli/any_fill_output.h"
#include "cli/crossword_out.h"
#include "cli/freeform_options.h"
#include "cli/selection_options.h"

#include "core/anyfill/any_fill.h"
#include "core/clues/clue_lines.h"
#include "core/clues/clue_store.h"
#include "core/files/xwd_format.h"
#include "core/output/clipboard_text.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "core/words/import.h"
#include "resources/builtin_resources.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace qm::cli {

// --out saves any fill a grid text can give.
static_assert(MinFileGridSize <= MinAnyGridSize && MaxFileGridSize >= MaxAnyGridSize,
              "a crossword file must hold every grid size a grid text may have");

std::optional<double> TimeLimitOption(Context& ctx)
{
    const auto text = ctx.Option("--time-limit");
    if (!text) return std::nullopt;
    char* end = nullptr;
    const double seconds = std::strtod(text->c_str(), &end);
    if (text->empty() || end != text->c_str() + text->size() || !std::isfinite(seconds) || seconds <= 0 || seconds > 1e6)
        throw UsageError("--time-limit needs a number of seconds above 0 (at most 1000000)");
    return seconds;
}

int FillAndPrint(Context& ctx, const AnyGrid& grid, FillSourceKind source, int fills, double timeLimitSeconds,
                 const std::optional<std::string>& out, bool progress)
{
    QuillmereState& state = ctx.state;
    const auto started = std::chrono::steady_clock::now();
    const FillWords words(state.Dict, state.Imported, source, LengthsOf(grid.Xw));
    AnyFillRequest request;
    request.Fills = fills;
    request.TimeLimitSeconds = timeLimitSeconds;
    // The clues of the words placed: from the clue list when it is loaded, else read in place.
    std::optional<ClueLines> clueLines;
    ClueLookup clueOf = [&](int i) { return ClueLine(state.Clues, i); };
    if (state.Clues.size() <= 1)
        if (const auto text = BuiltInResourceView("CLUESRES")) {
            clueLines.emplace(*text);
            clueOf = [&](int i) { return std::string(clueLines->Line(i)); };
        }
    AnyFillCallbacks callbacks;
    int shown = 0;
    callbacks.FillMade = [&](const AnyFill& fill) {
        const auto xw = std::make_unique<Crossword>(FilledCrossword(grid, fill, state.Dict, state.Imported, clueOf));
        if (++shown > 1) ctx.out << "\n";
        ctx.out << GridTextOf(xw->Squares);
        ctx.out << WithNewlines(ClueListText(*xw, xw->WordSlotCount));
    };
    double nextLine = 1;
    auto report = [&](const AnyFillProgress& p) {
        ctx.err << Format("%.1f s: %lld words tried, %lld dead ends, %d restarts; %d of %d slots filled (at most %d)\n",
                          p.Seconds, static_cast<long long>(p.Placements), static_cast<long long>(p.DeadEnds), p.Restarts,
                          p.SlotsFilled, grid.Xw.WordSlotCount, p.MostSlotsFilled);
    };
    if (progress)
        callbacks.Progress = [&](const AnyFillProgress& p) {
            if (p.Seconds < nextLine) return;
            nextLine = p.Seconds + 1;
            report(p);
        };
    const AnyFillResult result = RunAnyFill(grid, words, request, state.Random, callbacks);
    if (progress) report(result.Totals);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count();
    if (!result.Message.empty()) ctx.out << result.Message << "\n";
    ctx.out << "filled " << result.Fills.size() << " of " << fills << " in " << ms << " ms\n";
    if (result.Fills.empty()) {
        if (out) ctx.err << "No fill was made, so " << *out << " was not written.\n";
        return NoFillExitCode;
    }
    if (out) {
        state.Xw = FilledCrossword(grid, result.Fills.front(), state.Dict, state.Imported, clueOf);
        ClearListOfGrids(state.Fills);
        FillRecord& record = state.Fills.Record(1);
        record.LttCount = OpenSquareCount(state.Xw.Squares);
        record.WrdCount = state.Xw.WordSlotCount;
        state.Fills.GridsMax = 1;
        state.Fills.CurrentFill = 1;
        SaveShownCrossword(ctx, *out);
    }
    return 0;
}

namespace {

/// The word source of --list FILE and --source list|both: the dictionary without a list; with one, the
/// list backed up by the dictionary unless it is to be used alone.
FillSourceKind SourceFromArguments(const std::optional<std::string>& listFile, const std::optional<std::string>& sourceText)
{
    if (!sourceText) return listFile ? FillSourceKind::Hybrid : FillSourceKind::Dictionary;
    if (!listFile) throw UsageError("--source needs --list FILE");
    if (*sourceText == "list") return FillSourceKind::ImportedOnly;
    if (*sourceText == "both") return FillSourceKind::Hybrid;
    throw UsageError("--source is list or both");
}

/// The dictionary with the selection applied, and the clues of its words.
void LoadSelectedDictionary(Context& ctx, const SelectionOptions& options)
{
    // Without the category masks no word would pass the selection.
    if (!ReadBuiltInResource("CATEGRES")) throw Failure("This build carries no category masks (CATEGRES)");
    ctx.LoadBuiltInCategories();
    ctx.LoadDictionary();
    QuillmereState& state = ctx.state;
    BuildSelectionMasks(state.Selection, options, state.DictSelectionDirty);
    if (state.DictSelectionDirty) ApplySelection(state.Dict, state.BitPatterns, state.Selection, state.DictSelectionDirty);
}

std::string ReadGridFile(const std::string& path)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) throw Failure("File not found: " + path);
    Check(size <= MaxGridTextChars, [&] {
        return path + " has " + std::to_string(size) + " bytes; a grid text of " + std::to_string(MaxAnyGridSize) + " x " +
               std::to_string(MaxAnyGridSize) + " squares needs far fewer, so it is not a grid";
    });
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw Failure("File not found: " + path);
    return bytes;
}

int RunFillGrid(Context& ctx)
{
    const int fills = ctx.IntOption("--fills", 1, MaxAnyFills).value_or(1);
    const double timeLimit = TimeLimitOption(ctx).value_or(DefaultAnyFillSeconds);
    const auto listFile = ctx.Option("--list");
    const auto sourceText = ctx.Option("--source");
    GridCheckOptions checks;
    checks.AllowUnchecked = ctx.Flag("--allow-unchecked");
    const bool progress = ctx.Flag("--progress");
    const SelectionOptions options = SelectionFromArguments(ctx);
    const auto out = CrosswordOutOption(ctx);
    const auto args = ctx.Positionals(1, 1);
    const FillSourceKind source = SourceFromArguments(listFile, sourceText);

    const AnyGrid grid = ReadGridText(ReadGridFile(args[0]), checks);
    QuillmereState& state = ctx.state;
    // Only what the fill needs is loaded: the dictionary when it takes part (its clues are read as the
    // fills are printed, a few at a time).
    if (UsesDictionary(source)) {
        LoadSelectedDictionary(ctx, options);
        if (!BuiltInResourceView("CLUESRES")) ctx.LoadBuiltInClues();
    }
    if (listFile) {
        const ImportOutcome imported = ImportWordListFile(state.Imported, *listFile, source, grid.Xw.GridSize);
        if (imported.Message) ctx.err << *imported.Message << "\n";
    }
    state.FillSource = source;
    return FillAndPrint(ctx, grid, source, fills, timeLimit, out, progress);
}

int RunSelectedWords(Context& ctx)
{
    const SelectionOptions options = SelectionFromArguments(ctx);
    ctx.Positionals(0, 0);
    LoadSelectedDictionary(ctx, options);
    const Dictionary& dict = ctx.state.Dict;
    for (int L = MinWordLength; L <= MaxWordLength; ++L)
        for (std::int32_t i = 1; i <= dict.Count(L); ++i) {
            const DictWord& w = dict.MainWordArray[static_cast<std::size_t>(L)][static_cast<std::size_t>(i)];
            if (w.Selected) ctx.out << w.Text << "\n";
        }
    return 0;
}

const Registration fillGrid{{"fill-grid",
                             "GRID.txt [--fills N] [--time-limit SEC] [--allow-unchecked] [--progress] [--rarity R] [--types MASK] "
                             "[--categories all|none|LIST] [--no-uncategorised] [--list FILE [--source list|both]] [--out FILE.xwd]",
                             "fill a grid of your own: one line per row, '#' a block, '.' an open square, A-Z a letter placed "
                             "first; make N different fills (default 1) within SEC seconds (default 60) from the dictionary, or "
                             "from an imported word list alone or backed up by the dictionary; print each fill and its clues, "
                             "then \"filled N of M in T ms\" (exit 4 when no fill was made); --allow-unchecked accepts squares "
                             "in one word only; --progress reports the search on the error output every second; --out saves the "
                             "first fill as a crossword file",
                             &RunFillGrid}};
const Registration selectedWords{{"selected-words", SelectionUsage,
                                  "write the dictionary words that pass the selection, one per line", &RunSelectedWords}};

}  // namespace
}  // namespace qm::cli
