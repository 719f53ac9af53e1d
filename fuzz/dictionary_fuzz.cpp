// Fuzz target: the WORD.LST reader. Any bytes either load or fail with a message; a load is consistent.
#include "core/util/failure.h"
#include "core/words/dictionary.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qm::Dictionary dict;
    try {
        qm::LoadDictionary(dict, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const qm::Failure&) {
        return 0;
    }
    for (int L = qm::MinWordLength; L <= qm::MaxWordLength; ++L) {
        const auto& words = dict.MainWordArray[static_cast<std::size_t>(L)];
        if (static_cast<int>(words.size()) != dict.Count(L) + 2) std::abort();
        for (const auto& r : dict.LetterStarts[static_cast<std::size_t>(L)])
            if (r.First < 0 || r.Last > dict.Count(L) || r.First > r.Last) std::abort();
    }
    return 0;
}
