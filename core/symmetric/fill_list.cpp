// The sorted lines of a fills list and the lookup of a fill's line.
#include "core/symmetric/fill_list.h"

#include "core/util/text.h"

#include <algorithm>

namespace qm {

int FillList::Add(std::string line)
{
    const auto at = std::upper_bound(Lines.begin(), Lines.end(), line);
    const auto pos = at - Lines.begin();
    Lines.insert(at, std::move(line));
    return static_cast<int>(pos);
}

int FillNumberOfLine(std::string_view line, int fallback)
{
    return ParseIntOr(Trim(Mid(line, 11, 4)), fallback);
}

int FindFillLine(const FillList& list, int n)
{
    if (list.Lines.empty()) return -1;
    const std::string key = Format("%4d", n);
    for (int i = 0; i + 1 < list.Count(); ++i)
        if (Mid(list.Lines[static_cast<std::size_t>(i)], 11, 4) == key) return i;
    return list.Count() - 1;
}

}  // namespace qm
