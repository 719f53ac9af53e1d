// Fuzz target: word list files (raw bytes); the import either succeeds with a consistent list or fails leaving it unchanged.
#include "core/util/failure.h"
#include "core/words/import.h"
#include "fuzz/imported_list_check.h"

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
    qm::fuzz::CheckImportedList(list);
    return 0;
}
