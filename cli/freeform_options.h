// The word list source and freeform run options shared by quillmere-cli's import, freeform and usage.
#pragma once

#include "cli/cli.h"
#include "core/freeform/freeform_run.h"

#include <string>
#include <vector>

namespace qm::cli {

/// Imports the word list of "--list FILE" or "--theme NAME" (one of them is required) for a freeform
/// crossword; a theme needs WORD.LST and the built-in clues and categories.
void ImportWordListOption(Context& ctx);

/// Imports a file or a built-in theme into the state's list for a freeform crossword; prints the
/// import's message, if any, to the error stream.
void ImportWordList(Context& ctx, const std::optional<std::string>& file, const std::optional<std::string>& theme);

/// What a freeform run of the command line did.
struct FreeformCommandRun {
    FreeformRunOutcome Outcome;
    std::vector<std::string> ImproveMessages;
    int SelectedRow = -1;    ///< the fills list row of the fill on display
};

/// The usage text of the options read by RunFreeformCommand.
extern const char* const FreeformRunUsage;

/// Reads the list source and the run options (--size, --fills or --quick, --seed-word, --rank,
/// --optimal, --variation, --dups, --no-fade, --improve, --max-attempts, --scan), runs the fills and
/// the improvements, and reports the run on the error stream. Other options must have been taken
/// from the arguments already.
FreeformCommandRun RunFreeformCommand(Context& ctx);

/// A text with CR LF line ends as printed lines.
std::string WithNewlines(const std::string& crlfText);

}  // namespace qm::cli
