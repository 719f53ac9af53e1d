// FillSource: what kind of crossword is being built and from which word stores.
#pragma once

#include <cstdint>

namespace qm {

enum class FillSourceKind : std::uint8_t {
    None = 0,          ///< no crossword started (Home page)
    Dictionary = 1,    ///< symmetrical, from the built-in dictionary
    ImportedOnly = 2,  ///< symmetrical, from the imported word list only
    Hybrid = 3,        ///< symmetrical, imported list first, backed up by the dictionary
    Freeform = 4,      ///< freeform, from the imported list
};

/// Sources 1 and 3: the dictionary takes part.
constexpr bool UsesDictionary(FillSourceKind s) { return s == FillSourceKind::Dictionary || s == FillSourceKind::Hybrid; }
/// Sources 2 and 3: the imported list takes part in a symmetrical fill.
constexpr bool UsesImportedInSymmetric(FillSourceKind s) { return s == FillSourceKind::ImportedOnly || s == FillSourceKind::Hybrid; }

}  // namespace qm
