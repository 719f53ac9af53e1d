#pragma once

#include <string>
#include <vector>

namespace qm {

/// A grid text from its rows, one line each.
inline std::string GridText(const std::vector<std::string>& rows)
{
    std::string text;
    for (const auto& r : rows) text += r + "\n";
    return text;
}

}  // namespace qm
