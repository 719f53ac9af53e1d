// The command-line tool's framework: the command registry, option parsing and shared set-up steps.
#pragma once

#include "core/state.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace qm::cli {

/// What a command gets: its arguments (after the command name, global options removed), the output
/// streams and the program state, with the random generator already on the chosen clock.
class Context {
public:
    Context(std::vector<std::string> args, std::ostream& output, std::ostream& errors, QuillmereState& programState,
            std::string dataDir, std::string exeDir)
        : out(output), err(errors), state(programState), args_(std::move(args)), dataDir_(std::move(dataDir)),
          exeDir_(std::move(exeDir)) {}

    /// Removes "--name VALUE" from the arguments; nothing when absent. Throws UsageError when the
    /// value is missing.
    std::optional<std::string> Option(const std::string& name);
    /// Like Option, for a whole number within min..max.
    std::optional<std::int32_t> IntOption(const std::string& name, std::int32_t min, std::int32_t max);
    /// Removes "--name" from the arguments; true when it was there.
    bool Flag(const std::string& name);
    /// The remaining arguments; throws UsageError when an unknown option is left or the count is
    /// outside min..max.
    std::vector<std::string> Positionals(std::size_t min, std::size_t max);

    /// Loads WORD.LST from --data DIR, the working directory or the program's folder.
    void LoadDictionary();
    /// Loads the built-in clue list and category masks when this build carries them.
    void LoadBuiltInClues();
    void LoadBuiltInCategories();

    std::ostream& out;
    std::ostream& err;
    QuillmereState& state;

private:
    std::vector<std::string> args_;
    std::string dataDir_;
    std::string exeDir_;
};

/// Bad command-line usage; main prints the message and the command's usage line.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Command {
    std::string Name;
    std::string Usage;    ///< arguments and options after the name
    std::string Summary;  ///< one line for --help
    int (*Run)(Context&);
};

/// Commands register themselves at start-up from their own files:
///   static const qm::cli::Registration reg{{"name", "ARGS", "summary", &Run}};
struct Registration {
    explicit Registration(Command command);
};

std::vector<Command>& Commands();

}  // namespace qm::cli
