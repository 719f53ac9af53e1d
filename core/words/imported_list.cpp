// Access to the imported word list's index by letter count.
#include "core/words/imported_list.h"

namespace qm {

const std::vector<ThemeEntry>& ImportedList::EntriesOf(int length) const
{
    static const std::vector<ThemeEntry> none;
    if (length < 0 || static_cast<std::size_t>(length) >= ThemeIndex.size()) return none;
    return ThemeIndex[static_cast<std::size_t>(length)];
}

}  // namespace qm
