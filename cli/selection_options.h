// The dictionary selection options shared by the commands that fill grids from the dictionary.
#pragma once

#include "cli/cli.h"

#include "core/words/selection.h"

namespace qm::cli {

/// Usage text of the options, for the commands' usage lines.
inline constexpr const char* SelectionUsage = "[--rarity R] [--types MASK] [--categories all|none|LIST] [--no-uncategorised]";

/// Takes --rarity, --types, --categories and --no-uncategorised from the arguments (call it before
/// Positionals); absent options keep the defaults (everything selected).
SelectionOptions SelectionFromArguments(Context& ctx);

}  // namespace qm::cli
