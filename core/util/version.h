// The program's version, one number for the window, the command-line tool and the package.
#pragma once

namespace qm {

/// The version set in the top-level CMakeLists.txt (project(... VERSION ...)), e.g. "0.1.0".
const char* ProgramVersion();

}  // namespace qm
