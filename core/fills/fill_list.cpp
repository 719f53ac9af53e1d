// The rows of a fills list: their text, their sorted insertion and the lookup of a fill's row.
#include "core/fills/fill_list.h"

#include "core/util/index.h"
#include "core/util/text.h"

#include <algorithm>

namespace qm {

FillRow FillRow::Symmetric(std::int32_t fill, std::int32_t letters, std::int32_t words, std::int32_t iterations,
                           std::int32_t imported)
{
    FillRow row;
    row.Of = Kind::Symmetric;
    row.RankKey = imported;
    row.Fill = fill;
    row.Letters = letters;
    row.Words = words;
    row.Iterations = iterations;
    row.Imported = imported;
    return row;
}

FillRow FillRow::Freeform(std::int32_t rankKey, std::int32_t seedPosition, std::int32_t fill, char origin,
                          std::int32_t letters, std::int32_t words, std::int32_t interlocks, std::int32_t area,
                          std::int32_t score)
{
    FillRow row;
    row.Of = Kind::Freeform;
    row.RankKey = rankKey;
    row.SeedPosition = seedPosition;
    row.Fill = fill;
    row.Origin = origin;
    row.Letters = letters;
    row.Words = words;
    row.Interlocks = interlocks;
    row.Area = area;
    row.Score = score;
    return row;
}

std::string FillRow::Text() const
{
    const char origin[2] = {Origin, '\0'};
    if (Of == Kind::Symmetric)
        return Format("%4d%6d%4d%1s%5d%7d%8d%7d", 9999 - RankKey, SeedPosition, Fill, origin, Letters, Words, Iterations,
                      Imported);
    if (Loaded)
        return Format("%4d%6d%4d%1s%5d%7d%6d%5d%6ds", 9999 - RankKey, SeedPosition, Fill, origin, Letters, Words, Interlocks,
                      Area, Score);
    if (WideScore)
        return Format("%4d%6d%4d%1s%5d%7d%6d%5d%6d", 9999 - RankKey, SeedPosition, Fill, origin, Letters, Words, Interlocks,
                      Area, Score);
    return Format("%4d%6d%4d%1s%5d%7d%6d%5d%5d", 9999 - RankKey, SeedPosition, Fill, origin, Letters, Words, Interlocks,
                  Area, Score);
}

int FillList::Add(FillRow row)
{
    const std::string key = row.SortKey();
    const auto at = std::upper_bound(Rows.begin(), Rows.end(), key,
                                     [](const std::string& k, const FillRow& r) { return k < r.SortKey(); });
    const auto pos = at - Rows.begin();
    Rows.insert(at, std::move(row));
    return static_cast<int>(pos);
}

const FillRow& FillList::At(int i) const { return qm::At(Rows, i); }

std::vector<std::string> FillList::Texts() const
{
    std::vector<std::string> texts;
    texts.reserve(Rows.size());
    for (const FillRow& r : Rows) texts.push_back(r.Text());
    return texts;
}

int FindFillRow(const FillList& list, int n)
{
    if (list.Rows.empty()) return -1;
    for (int i = 0; i + 1 < list.Count(); ++i)
        if (list.At(i).Fill == n) return i;
    return list.Count() - 1;
}

}  // namespace qm
