// quillmere-cli freeform: runs freeform fills from a word list and prints the fill list and one fill.
#include "cli/cli.h"
#include "cli/crossword_out.h"
#include "cli/freeform_options.h"

#include "core/freeform/freeform_run.h"
#include "core/output/clipboard_text.h"
#include "core/util/failure.h"

#include <ostream>
#include <string>

namespace qm::cli {
namespace {

int Run(Context& ctx)
{
    const auto show = ctx.IntOption("--show", 1, MaxFillRecords);
    const auto out = CrosswordOutOption(ctx);
    const FreeformCommandRun run = RunFreeformCommand(ctx);
    QuillmereState& state = ctx.state;
    for (const std::string& message : run.ImproveMessages) ctx.out << "Improve: " << message << "\n";
    for (const FillRow& row : state.Freeform.FreeFillsList.Rows) ctx.out << row.Text() << "\n";
    if (state.Fills.GridsMax == 0) {
        ctx.out << "no fill was listed\n";
        return 0;
    }
    const std::int32_t fill = show.value_or(state.Fills.CurrentFill);
    const ShownFill shown = ShowFreeformFill(state, fill);
    ctx.out << "\nFill " << fill << "\n";
    ctx.out << WithNewlines(GridText(state.Xw.Squares));
    ctx.out << WithNewlines(ClueListText(state.Xw, ClueListCount(state.Fills, state.Xw)));
    ctx.out << "letters " << shown.Counts.Letters << " words " << shown.Counts.Words << " interlocks "
            << shown.Counts.Interlocks << " area " << shown.Counts.Area << " score " << shown.Score << "\n";
    if (out) SaveShownCrossword(ctx, *out);
    return 0;
}

const Registration reg{{"freeform", std::string(FreeformRunUsage) + " [--show F] " + CrosswordOutUsage,
                        "run freeform fills (best first) and print the fill list, then fill F (the best) as grid, "
                        "clues and counts; --out saves that fill as a crossword file",
                        &Run}};

}  // namespace
}  // namespace qm::cli
