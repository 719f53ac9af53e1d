// Letter patterns: a pattern holds the known letters of a slot and '?' for the free ones.
#pragma once

#include <string_view>

namespace qm {

/// True when the word has every letter of the pattern that is not '?' at the same position.
/// Compares the pattern's positions only (a word of the pattern's length is assumed).
inline bool MatchesPattern(std::string_view word, std::string_view pattern)
{
    if (word.size() < pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] != '?' && pattern[i] != word[i]) return false;
    return true;
}

/// Number of known letters (not '?') of a pattern.
inline int KnownLetters(std::string_view pattern)
{
    int n = 0;
    for (char c : pattern) n += c != '?';
    return n;
}

}  // namespace qm
