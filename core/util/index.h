// Indexing by int: the one checked element access At(), and IntVector for the engines' per-slot and
// per-square tables, whose numbers are ints.
#pragma once

#include "core/util/failure.h"

#include <concepts>
#include <cstddef>
#include <type_traits>
#include <vector>

namespace qm {

/// Element i of a vector, array or string; an index outside 0..size-1 ends the operation with
/// RangeError instead of reading beside the store.
template <class Container, std::integral Index>
decltype(auto) At(Container& c, Index i)
{
    if constexpr (std::is_signed_v<Index>) Check(i >= 0, RangeError);
    Check(static_cast<std::size_t>(i) < c.size(), RangeError);
    return c[static_cast<std::size_t>(i)];
}

/// A vector numbered by int (slots, squares, candidates): v[i] takes the int as it is. Unchecked, like
/// std::vector's own [] — it serves the search's inner loops; At() is the checked access.
template <class T>
class IntVector : public std::vector<T> {
public:
    using std::vector<T>::vector;
    using std::vector<T>::operator[];
    T& operator[](int i) { return std::vector<T>::operator[](static_cast<std::size_t>(i)); }
    const T& operator[](int i) const { return std::vector<T>::operator[](static_cast<std::size_t>(i)); }
    int Size() const { return static_cast<int>(this->size()); }
};

}  // namespace qm
