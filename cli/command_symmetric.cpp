// quillmere-cli grids / analyse / fill: the stock grids, a grid's filling order, and runs of symmetrical fills.
#include "cli/any_fill_output.h"
#include "cli/cli.h"
#include "cli/crossword_out.h"
#include "cli/freeform_options.h"
#include "cli/selection_options.h"

#include "core/anyfill/any_fill.h"
#include "core/grid/stock_grids.h"
#include "core/output/clipboard_text.h"
#include "core/symmetric/analysis.h"
#include "core/symmetric/symmetric_run.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "core/words/import.h"
#include "resources/builtin_resources.h"

#include <limits>
#include <ostream>

namespace qm::cli {
namespace {

/// The built-in stock grids, or those of the file given with --file.
void LoadGrids(Context& ctx, const std::optional<std::string>& file)
{
    std::string bytes;
    if (file) {
        if (!ReadWholeFile(*file, bytes)) throw Failure("File not found: " + *file);
    } else if (const auto builtIn = ReadBuiltInResource("GRIDSRES")) {
        bytes = *builtIn;
    } else {
        throw Failure("This build carries no stock grids (GRIDSRES)");
    }
    LoadStockGrids(ctx.state.Stock, bytes);
}

/// Stock grid K of size N (both from the command line), as an index of the library.
int GridOf(Context& ctx, const std::string& sizeText, const std::string& ordinalText)
{
    std::int32_t size = 0;
    std::int32_t ordinal = 0;
    if (!TryParseInt(sizeText, size)) throw UsageError("SIZE must be a whole number");
    if (!TryParseInt(ordinalText, ordinal)) throw UsageError("K must be a whole number");
    const StockGridSpan span = StockGridsOfSize(ctx.state.Stock, size);
    if (span.Count() == 0) throw Failure("There are no stock grids of size " + sizeText);
    if (ordinal < 1 || ordinal > span.Count())
        throw Failure("There are " + std::to_string(span.Count()) + " stock grids of size " + sizeText + "; K must be 1 to " +
                      std::to_string(span.Count()));
    return span.First + ordinal - 1;
}

int RunGrids(Context& ctx)
{
    const auto file = ctx.Option("--file");
    ctx.Positionals(0, 0);
    LoadGrids(ctx, file);
    for (int size : StockGridSizes(ctx.state.Stock))
        ctx.out << Format("%2d %3d", size, StockGridsOfSize(ctx.state.Stock, size).Count()) << "\n";
    return 0;
}

int RunAnalyse(Context& ctx)
{
    const auto file = ctx.Option("--file");
    const auto args = ctx.Positionals(2, 2);
    LoadGrids(ctx, file);
    const SlotTableDump dump = ChooseStockGrid(ctx.state.Stock, GridOf(ctx, args[0], args[1]), ctx.state.Xw);
    ctx.out << "ORIGINAL SEQUENCE:\n";
    for (const auto& line : dump.OriginalSequence) ctx.out << line << "\n";
    ctx.out << "FILLING SEQUENCE:\n";
    for (const auto& line : dump.FillingSequence) ctx.out << line << "\n";
    return 0;
}

int RunFill(Context& ctx)
{
    const auto file = ctx.Option("--file");
    RunSettings settings;
    settings.Repeats = ctx.IntOption("--fills", 1, MaxRepeats).value_or(10);
    settings.Fill.MaxIterations = ctx.IntOption("--iterations", 1, std::numeric_limits<std::int32_t>::max()).value_or(DefaultMaxIterations);
    const auto show = ctx.IntOption("--show", 1, MaxRepeats);
    const auto listFile = ctx.Option("--list");
    const auto sourceText = ctx.Option("--source");
    const SelectionOptions options = SelectionFromArguments(ctx);
    const auto out = CrosswordOutOption(ctx);
    const auto engine = ctx.Option("--engine");
    const auto timeLimit = TimeLimitOption(ctx);
    const auto args = ctx.Positionals(2, 2);
    if (engine && *engine != "any" && *engine != "stock") throw UsageError("--engine is stock or any");
    const bool anyEngine = engine && *engine == "any";
    if (timeLimit && !anyEngine) throw UsageError("--time-limit needs --engine any");
    // An imported list backs the dictionary up unless it is to be used alone, as after an import.
    FillSourceKind source = listFile ? FillSourceKind::Hybrid : FillSourceKind::Dictionary;
    if (sourceText) {
        if (!listFile) throw UsageError("--source needs --list FILE");
        if (*sourceText == "list")
            source = FillSourceKind::ImportedOnly;
        else if (*sourceText != "both")
            throw UsageError("--source is list or both");
    }

    LoadGrids(ctx, file);
    const int k = GridOf(ctx, args[0], args[1]);
    // Without the category masks no word would pass the selection and every attempt would fail.
    if (!ReadBuiltInResource("CATEGRES")) throw Failure("This build carries no category masks (CATEGRES)");
    ctx.LoadBuiltInCategories();
    ctx.LoadBuiltInClues();
    ctx.LoadDictionary();
    QuillmereState& state = ctx.state;
    ChooseStockGrid(state.Stock, k, state.Xw);
    if (listFile) {
        const ImportOutcome imported = ImportWordListFile(state.Imported, *listFile, source, state.Xw.GridSize);
        if (imported.Message) ctx.err << *imported.Message << "\n";
    }
    state.FillSource = source;
    BuildSelectionMasks(state.Selection, options, state.DictSelectionDirty);
    if (state.DictSelectionDirty) ApplySelection(state.Dict, state.BitPatterns, state.Selection, state.DictSelectionDirty);
    if (anyEngine)
        return FillAndPrint(ctx, AnyGridOfStockGrid(state.Xw), source, settings.Repeats, timeLimit.value_or(DefaultAnyFillSeconds), out);

    RunCallbacks callbacks;
    callbacks.Fill.AddMemoLine = [&](const std::string& line) { ctx.out << line << "\n"; };
    const RunResult result = RunSymmetricFills(state, state.SymmFillsList, settings, callbacks);
    for (const FillRow& row : state.SymmFillsList.Rows) ctx.out << row.Text() << "\n";
    if (result.FillCount == 0) {
        if (out) throw Failure("No fill was made, so " + *out + " was not written.");
        return 0;
    }
    if (show) {
        const int at = FindFillRow(state.SymmFillsList, *show);
        if (state.SymmFillsList.At(at).Fill != *show) throw Failure("There is no fill " + std::to_string(*show) + " in the list");
        ShowFill(state, *show);
    }
    ctx.out << WithNewlines(GridText(state.Xw.Squares));
    ctx.out << WithNewlines(ClueListText(state.Xw, ClueListCount(state.Fills, state.Xw)));
    if (out) SaveShownCrossword(ctx, *out);
    return 0;
}

const Registration grids{{"grids", "[--file GRIDSRES]", "list the stock grids: one line per size, the size and the number of grids", &RunGrids}};
const Registration analyse{{"analyse", "SIZE K [--file GRIDSRES]",
                            "analyse the K-th stock grid of SIZE: the slot table before ordering and in filling order",
                            &RunAnalyse}};
const Registration fill{{"fill",
                         "SIZE K [--fills N] [--iterations M] [--rarity R] [--types MASK] [--categories all|none|LIST] "
                         "[--no-uncategorised] [--show F] [--list FILE [--source list|both]] [--file GRIDSRES] [--out FILE.xwd] "
                         "[--engine stock|any [--time-limit SEC]]",
                         "run N fills (default 10) of the K-th stock grid of SIZE from the dictionary, or from an imported "
                         "word list alone or backed up by the dictionary; print the progress, the fills list, and the grid "
                         "and clues of fill F (default the first listed); --out saves that fill as a crossword file; "
                         "--engine any fills the grid with the engine for any grid instead, printed as fill-grid prints",
                         &RunFill}};

}  // namespace
}  // namespace qm::cli
