// Saving the fill on display from the command line.
#include "cli/crossword_out.h"

#include "core/files/crossword_file.h"
#include "core/util/failure.h"

#include <ostream>

namespace qm::cli {

std::optional<std::string> CrosswordOutOption(Context& ctx) { return ctx.Option("--out"); }

void SaveShownCrossword(Context& ctx, const std::string& path)
{
    Check(ctx.state.Fills.CurrentFill >= 1 && ctx.state.Xw.WordSlotCount > 0, "There is no fill on display to save.");
    SaveCrosswordFile(ctx.state, path);
    ctx.out << "saved " << path << "\n";
}

}  // namespace qm::cli
