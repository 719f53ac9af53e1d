// Runs a program of the build (such as quillmere-cli) and captures its exit code and output.
#pragma once

#include <string>
#include <vector>

namespace qm::test {

struct ProgramResult {
    int ExitCode = -1;
    std::string Out;  ///< standard output
    std::string Err;  ///< standard error
};

/// Runs bin/<program> of the build (or the program at a path containing a "/") with the given arguments (no shell), in the given folder.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDir = "");

}  // namespace qm::test
