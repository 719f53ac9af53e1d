// Fuzz target: the crossword file reader and the load's rebuild; a file that loads must save and load again unchanged.
#include "core/files/crossword_file.h"
#include "core/state.h"
#include "core/util/failure.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    qm::LoadedCrosswordFile file;
    try {
        file = qm::CheckCrosswordFile(bytes, "fuzz.xwd", qm::Date{});
    } catch (const qm::Failure&) {
        return 0;
    }
    auto state = std::make_unique<qm::QuillmereState>();
    auto again = std::make_unique<qm::QuillmereState>();
    qm::ApplyCrosswordFile(*state, file, nullptr);
    const std::string saved = qm::XwdFileText(*state);
    qm::ApplyCrosswordFile(*again, qm::CheckCrosswordFile(saved, "again.xwd", qm::Date{}), nullptr);
    if (qm::XwdFileText(*again) != saved) std::abort();
    return 0;
}
