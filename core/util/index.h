// At: the one checked element access by an int index, for the stores whose indexes are ints.
#pragma once

#include "core/util/failure.h"

#include <concepts>
#include <cstddef>
#include <type_traits>

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

}  // namespace qm
