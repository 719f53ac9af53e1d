// Fuzz target: the .puz crossword reader on raw bytes (most mutations stop at a checksum).
#include "fuzz/interchange_check.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qm::fuzz::CheckInterchangeFile(qm::CrosswordFileKind::Puz, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
