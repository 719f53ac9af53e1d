// Fuzz target: word list files (raw bytes); the import either succeeds with a consistent list or fails leaving it unchanged.
#include "core/util/failure.h"
#include "core/words/import.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qm::ImportedList list;
    qm::ParseImportLine(list, "keep\tme");
    const auto version = list.IndexVersion;
    try {
        qm::ImportWordListBytes(list, bytes, "fuzz", qm::FillSourceKind::Freeform, 15);
    } catch (const qm::Failure&) {
        if (list.ThemeWords.size() != 1 || list.IndexVersion != version) std::abort();
        return 0;
    }
    if (list.ThemeWords.size() != list.ThemeClues.size() ||
        static_cast<std::size_t>(list.ThemeWordCount) != list.ThemeWords.size())
        std::abort();
    for (const std::string& w : list.ThemeWords) {
        if (w.size() < 2 || w.size() > qm::MaxImportedWordChars) std::abort();
        for (char c : w)
            if (!((c >= 'A' && c <= 'Z') || c == ' ' || c == '-')) std::abort();
    }
    for (std::size_t L = 0; L < list.ThemeIndex.size(); ++L)
        for (const qm::ThemeEntry& e : list.ThemeIndex[L])
            if (e.Text.size() != L || e.ThemeRef < 0 || static_cast<std::size_t>(e.ThemeRef) >= list.ThemeWords.size())
                std::abort();
    return 0;
}
