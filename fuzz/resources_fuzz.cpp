// Fuzz target: the built-in data readers that take raw bytes: category masks and the clue list.
#include "core/clues/clue_store.h"
#include "core/util/failure.h"
#include "core/words/categories.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qm::WordBitPatterns patterns{};
    try {
        qm::LoadWordBitPatterns(patterns, bytes);
    } catch (const qm::Failure&) {
    }
    const qm::ClueList clues = qm::LoadClueList(bytes);
    if (clues.empty()) std::abort();
    return 0;
}
