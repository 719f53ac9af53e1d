// The program's version, passed in by the build from the project's version.
#include "core/util/version.h"

#ifndef QUILLMERE_VERSION
#error "the build passes QUILLMERE_VERSION (core/CMakeLists.txt)"
#endif

namespace qm {

const char* ProgramVersion() { return QUILLMERE_VERSION; }

}  // namespace qm
