// FillList: the lines of a list of fills, kept sorted on their whole text, with the fill number at 11-14.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

/// The lines of the symmetrical or the freeform fills list. Lines begin with fixed-width numeric
/// fields that make the sort key; characters 11-14 hold the fill number.
struct FillList {
    std::vector<std::string> Lines;

    /// Inserts a line at its sorted place (after equal lines); returns its position (0-based).
    int Add(std::string line);
    void Clear() { Lines.clear(); }
    int Count() const { return static_cast<int>(Lines.size()); }
};

/// The fill number in characters 11-14 of a line, or fallback when they are not a number.
int FillNumberOfLine(std::string_view line, int fallback = 1);

/// The position of the line of fill n: the first of lines 0..count-2 whose characters 11-14 equal
/// "%4d" of n, else the last line; -1 for an empty list.
int FindFillLine(const FillList& list, int n);

}  // namespace qm
