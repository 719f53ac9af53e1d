// The invariant the interchange fuzz targets hold a loaded crossword to; aborts (a finding) when it breaks.
#pragma once

#include "core/files/crossword_file.h"
#include "core/files/ipuz_format.h"
#include "core/files/puz_format.h"
#include "core/state.h"
#include "core/util/failure.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace qm::fuzz {

/// The crossword of a file read as kind, written in that format again and read back, as .xwd text.
inline std::string ReadAndShow(CrosswordFileKind kind, std::string_view bytes, QuillmereState& state)
{
    ApplyCrosswordFile(state, CheckCrosswordFileAs(kind, bytes, "fuzz", Date{}), nullptr);
    return XwdFileText(state);
}

/// A file that loads can be written in its own format and loads again; after that first pass (which
/// cuts and plainens texts the format cannot hold) writing and reading change nothing, and the
/// crossword saved as .xwd loads again as the same crossword.
inline void CheckInterchangeFile(CrosswordFileKind kind, std::string_view bytes)
{
    auto state = std::make_unique<QuillmereState>();
    try {
        ReadAndShow(kind, bytes, *state);
    } catch (const Failure&) {
        return;
    }
    const auto write = [&](const QuillmereState& s) { return kind == CrosswordFileKind::Ipuz ? IpuzFileText(s) : PuzFileBytes(s); };
    const std::string first = write(*state);
    auto second = std::make_unique<QuillmereState>();
    const std::string shown = ReadAndShow(kind, first, *second);
    const std::string again = write(*second);
    auto third = std::make_unique<QuillmereState>();
    if (ReadAndShow(kind, again, *third) != shown || write(*third) != again) std::abort();
    auto fromXwd = std::make_unique<QuillmereState>();
    if (ReadAndShow(CrosswordFileKind::Xwd, shown, *fromXwd) != shown) std::abort();
}

}  // namespace qm::fuzz
