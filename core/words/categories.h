// Subject categories: the category bit patterns that dictionary words refer to, and the category names.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace qm {

/// Entries of WordBitPatterns (indexes 0..300); the built-in data uses entries 0..40.
constexpr int MaxBitPatterns = 301;
/// Category bits 1..40 (bit 0 stands for the words without a category).
constexpr int CategoryCount = 40;

using WordBitPatterns = std::array<std::int64_t, MaxBitPatterns>;

/// Names of category bits 1..40, in list order (name k-1 belongs to bit k).
extern const std::array<std::string_view, CategoryCount> CategoryNames;

/// Zeroes all patterns, then stores the little-endian int64 values of bytes into entries 0, 1, ...
/// Throws Failure("number of bit patterns in resource exceeds WordBitPatterns array dimensions") when
/// there are more than 300, or a clear message when the data is not a whole number of values; on
/// failure the patterns are left as they were.
void LoadWordBitPatterns(WordBitPatterns& patterns, std::string_view bytes);

}  // namespace qm
