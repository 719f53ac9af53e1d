// The --out FILE.xwd option shared by the commands that make crosswords: saving the fill on display.
#pragma once

#include "cli/cli.h"

#include <optional>
#include <string>

namespace qm::cli {

/// Usage text of the option, for the commands' usage lines.
inline constexpr const char* CrosswordOutUsage = "[--out FILE.xwd]";

/// Takes "--out FILE" from the arguments (call it before Positionals).
std::optional<std::string> CrosswordOutOption(Context& ctx);

/// Saves the fill on display (the crossword in the state) as a crossword file, exactly as the
/// window's Save does, and reports the file on the output. Throws Failure when no fill is on display.
void SaveShownCrossword(Context& ctx, const std::string& path);

}  // namespace qm::cli
