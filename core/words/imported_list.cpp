// Access to the imported word list's index by letter count.
#include "core/words/imported_list.h"

#include "core/util/index.h"

namespace qm {

const std::vector<ThemeEntry>& ImportedList::EntriesOf(int length) const
{
    static const std::vector<ThemeEntry> none;
    if (length < 0 || static_cast<std::size_t>(length) >= ThemeIndex.size()) return none;
    return At(ThemeIndex, length);
}

ThemeEntry& ImportedList::Entry(int length, int i) { return At(At(ThemeIndex, length), i); }
const ThemeEntry& ImportedList::Entry(int length, int i) const { return At(At(ThemeIndex, length), i); }

}  // namespace qm
