// Filling a grid with the engine for any grid and printing its fills: shared by fill-grid and fill --engine any.
#pragma once

#include "cli/cli.h"

#include "core/anyfill/any_grid.h"
#include "core/grid/fill_source.h"

#include <optional>
#include <string>

namespace qm::cli {

/// Exit code when no fill was made: none exists, or the time ran out or Stop came first.
constexpr int NoFillExitCode = 4;

/// Usage text of --time-limit.
inline constexpr const char* TimeLimitUsage = "[--time-limit SEC]";

/// Takes "--time-limit SEC" from the arguments (a number of seconds above 0, fractions allowed).
std::optional<double> TimeLimitOption(Context& ctx);

/// Fills the grid from the stores of ctx.state (the dictionary as selected, the imported list, or both,
/// as the source says) and prints each fill as it is made: the grid in the grid text format and the
/// clues. Then, when fewer fills were made than asked for, why; then "filled N of M in T ms". With out,
/// the first fill is saved as a crossword file; with progress, a line on the error output every second
/// says how the search goes. Returns 0 when a fill was made, else NoFillExitCode.
int FillAndPrint(Context& ctx, const AnyGrid& grid, FillSourceKind source, int fills, double timeLimitSeconds,
                 const std::optional<std::string>& out, bool progress = false);

}  // namespace qm::cli
