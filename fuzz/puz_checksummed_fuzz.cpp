// Fuzz target: the .puz crossword reader past its checksums: every checksum is recomputed over the
// mutated bytes first, so the grid, text and section checks behind them get the mutations.
#include "fuzz/interchange_check.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    qm::RecomputePuzChecksums(bytes);
    qm::fuzz::CheckInterchangeFile(qm::CrosswordFileKind::Puz, bytes);
    return 0;
}
