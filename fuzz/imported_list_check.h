// The invariant both word list fuzz targets hold an imported list to; aborts (a finding) when it breaks.
#pragma once

#include "core/words/import.h"

#include <cstdlib>
#include <string>

namespace qm::fuzz {

/// Only normalised words with a clue each, counted, and indexed by their letter counts.
inline void CheckImportedList(const ImportedList& list)
{
    if (list.ThemeWords.size() != list.ThemeClues.size() ||
        static_cast<std::size_t>(list.ThemeWordCount) != list.ThemeWords.size())
        std::abort();
    for (const std::string& w : list.ThemeWords) {
        if (w.size() < 2 || w.size() > MaxImportedWordChars) std::abort();
        for (char c : w)
            if (!((c >= 'A' && c <= 'Z') || c == ' ' || c == '-')) std::abort();
    }
    for (std::size_t L = 0; L < list.ThemeIndex.size(); ++L)
        for (const ThemeEntry& e : list.ThemeIndex[L])
            if (e.Text.size() != L || e.ThemeRef < 0 || static_cast<std::size_t>(e.ThemeRef) >= list.ThemeWords.size())
                std::abort();
}

}  // namespace qm::fuzz
