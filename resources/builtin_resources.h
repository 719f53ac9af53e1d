// Access to the data compiled into the program: stock grids, category masks, clue list and help pages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

/// The bytes of built-in resource name ("GRIDSRES", "CATEGRES", "CLUESRES"), or nothing when this
/// build carries no such resource.
std::optional<std::string> ReadBuiltInResource(std::string_view name);

/// The bytes of built-in resource name where the program holds them, without a copy (valid for the
/// whole run); nothing when this build carries no such resource or stores it compressed.
std::optional<std::string_view> BuiltInResourceView(std::string_view name);

}  // namespace qm
