// The word list source and the freeform run options shared by quillmere-cli's freeform commands.
#include "cli/freeform_options.h"

#include "core/util/failure.h"
#include "core/util/text.h"
#include "core/words/import.h"
#include "resources/builtin_resources.h"

#include <ostream>

namespace qm::cli {

const char* const FreeformRunUsage =
    "(--list FILE | --theme NAME) --size N [--fills N | --quick] [--seed-word W] [--rank 0..3] [--optimal O] "
    "[--variation V] [--dups] [--no-fade] [--improve K] [--max-attempts A] [--scan indexed|plain]";

void ImportWordList(Context& ctx, const std::optional<std::string>& file, const std::optional<std::string>& theme)
{
    QuillmereState& state = ctx.state;
    state.FillSource = FillSourceKind::Freeform;
    ImportOutcome outcome;
    if (theme) {
        const auto bit = FindThemeCategory(*theme);
        if (!bit) {
            std::string names;
            for (const auto& t : ThemeCategoryTable) names += (names.empty() ? "" : ", ") + std::string(t.Name);
            throw UsageError("there is no theme \"" + *theme + "\"; the themes are " + names);
        }
        if (!ReadBuiltInResource("CATEGRES") || !ReadBuiltInResource("CLUESRES"))
            throw Failure("This build carries no subject categories or clues (CATEGRES, CLUESRES): themes cannot be imported");
        ctx.LoadDictionary();
        ctx.LoadBuiltInClues();
        ctx.LoadBuiltInCategories();
        outcome = ImportTheme(state.Imported, *bit, state.Dict, state.BitPatterns, state.Clues);
    } else {
        outcome = ImportWordListFile(state.Imported, *file, FillSourceKind::Freeform, state.Xw.GridSize);
    }
    if (outcome.Message) ctx.err << *outcome.Message << "\n";
}

void ImportWordListOption(Context& ctx)
{
    const auto file = ctx.Option("--list");
    const auto theme = ctx.Option("--theme");
    if (file.has_value() == theme.has_value()) throw UsageError("give either --list FILE or --theme NAME");
    ImportWordList(ctx, file, theme);
}

std::string WithNewlines(const std::string& crlfText)
{
    std::string out;
    for (const std::string& line : Split(crlfText, "\r\n")) out += line + "\n";
    if (out.size() >= 1) out.pop_back();  // the piece after the last CR LF
    return out;
}

FreeformCommandRun RunFreeformCommand(Context& ctx)
{
    QuillmereState& state = ctx.state;
    const auto size = ctx.IntOption("--size", MinFreeformGridSize, MaxFreeformGridSize);
    if (!size) throw UsageError("--size N is required");
    const auto fills = ctx.IntOption("--fills", 1, MaxFreeformRunFills);
    const bool quick = ctx.Flag("--quick");
    if (quick && fills) throw UsageError("give either --fills N or --quick");
    const auto seedWord = ctx.Option("--seed-word");
    const auto rank = ctx.IntOption("--rank", 0, 3);
    const auto optimal = ctx.IntOption("--optimal", 3, 12);
    const auto variation = ctx.IntOption("--variation", 0, 500);
    const bool duplicates = ctx.Flag("--dups");
    const bool noFade = ctx.Flag("--no-fade");
    const auto improve = ctx.IntOption("--improve", 0, 1000);
    const auto maxAttempts = ctx.IntOption("--max-attempts", 1, 100000000);
    const auto scan = ctx.Option("--scan");
    if (scan && *scan != "indexed" && *scan != "plain") throw UsageError("--scan is indexed or plain");

    state.Xw.GridSize = *size;
    InitGrid(state.Xw);
    ImportWordListOption(ctx);
    ctx.Positionals(0, 0);

    ImportedList& list = state.Imported;
    if (optimal) list.OptimalWordLength = *optimal;
    if (variation) list.LengthVariation = *variation;
    FreeformOptions& options = state.Freeform.Options;
    options.AllowDuplicates = duplicates;
    options.ModifyProbability = !noFade;
    if (rank) options.Ranking = static_cast<RankingMethod>(*rank);
    options.Scan = scan && *scan == "plain" ? CandidateScan::Plain : CandidateScan::Indexed;

    FreeformRunRequest request;
    request.Fills = fills.value_or(100);
    if (maxAttempts) request.MaxAttempts = *maxAttempts;
    if (seedWord) {
        const std::string wanted = NormaliseImportWord(*seedWord);
        std::int32_t found = -1;
        for (std::size_t i = 0; i < list.ThemeWords.size() && found < 0; ++i)
            if (CompareTextCI(list.ThemeWords[i], *seedWord) == 0 || list.ThemeWords[i] == wanted) found = static_cast<std::int32_t>(i);
        if (found < 0) throw Failure("The seed word \"" + *seedWord + "\" is not in the word list");
        request.Seed = SeedWordChoice::SelectedWord;
        request.SelectedSeed = found;
    }

    FreeformCommandRun run;
    run.Outcome = quick ? QuickFill(state, request.Seed, request.SelectedSeed, {}) : StartFreeformRun(state, request, {});
    const FreeformRunResult& r = run.Outcome.Run;
    for (const std::string& note : r.Notes) ctx.err << note << "\n";
    ctx.err << "listed " << r.Listed << "/" << (quick ? 1 : request.Fills) << " Av.=" << r.Average << ", " << r.Attempts
            << " attempts" << (r.AttemptLimitReached ? " (attempt limit reached)" : "") << ", "
            << run.Outcome.ElapsedText << "\n";
    if (run.Outcome.Shown) run.SelectedRow = run.Outcome.Shown->SelectedRow;
    for (int i = 0; i < improve.value_or(0) && run.SelectedRow >= 0; ++i) {
        const FreeformAddResult added = ImproveFill(state, run.SelectedRow, {});
        run.ImproveMessages.push_back(added.Message);
        if (added.ListFull) break;
        if (added.Shown) run.SelectedRow = added.Shown->SelectedRow;
    }
    return run;
}

}  // namespace qm::cli
