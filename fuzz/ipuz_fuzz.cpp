// Fuzz target: the ipuz crossword reader (JSON through nlohmann-json, then the grid and clue checks).
#include "fuzz/interchange_check.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qm::fuzz::CheckInterchangeFile(qm::CrosswordFileKind::Ipuz, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
