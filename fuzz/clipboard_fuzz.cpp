// Fuzz target: word lists pasted from the clipboard (UTF-8 text turned into Windows-1252, split at CR LF).
#include "core/util/failure.h"
#include "core/words/import.h"
#include "fuzz/imported_list_check.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks how the text arrives: as the window gets it (UTF-8, converted), as raw
    // single-byte text, or as a clipboard without text.
    if (size == 0) return 0;
    const std::uint8_t mode = data[0] % 3;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::optional<std::string> text;
    if (mode == 0) text = qm::Utf8ToWindows1252(bytes);
    else if (mode == 1) text = std::string(bytes);

    qm::ImportedList list;
    qm::ParseImportLine(list, "keep\tme");
    try {
        const qm::ImportOutcome outcome = qm::ImportClipboardText(list, text);
        if (!text && !outcome.Message) std::abort();
    } catch (const qm::Failure&) {
        if (list.ThemeWords.size() != 1) std::abort();
        return 0;
    }
    qm::fuzz::CheckImportedList(list);
    return 0;
}
