// Text helpers shared by the whole core: printf-style formatting, trimming, number parsing, rounding.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

/// printf-style formatting into a std::string ("%3d%-6s%3d", "%-.1f", ...).
std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

/// Removes characters up to and including the blank (control characters and blanks) at both ends.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

/// Upper-cases a..z; other bytes are kept.
std::string UpperAscii(std::string_view text);
std::string LowerAscii(std::string_view text);

/// Characters first..first+count-1 of a text, 1-based like the list-line layouts; clipped to the text.
std::string_view Mid(std::string_view text, std::size_t first, std::size_t count = std::string_view::npos);

/// The decimal integer a text holds (leading blanks and a sign allowed), or fallback when it holds
/// anything else or does not fit in 32 bits.
std::int32_t ParseIntOr(std::string_view text, std::int32_t fallback);
bool TryParseInt(std::string_view text, std::int32_t& value);

/// 1234567 -> "1,234,567"; negative numbers keep their sign.
std::string FormatThousands(std::int64_t value);

/// Like FormatThousands, but zero gives the empty text (a "###,###" picture has no digit for zero).
std::string FormatHashThousands(std::int64_t value);

/// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double value);

/// Case-insensitive byte-wise comparison (a..z folded to A..Z); <0, 0, >0.
int CompareTextCI(std::string_view a, std::string_view b);

/// Sorts texts case-insensitively; equal texts keep their order.
void SortTextsCI(std::vector<std::string>& texts);

/// Splits a text at every occurrence of a separator; the piece after the last one is included.
std::vector<std::string> Split(std::string_view text, std::string_view separator);

}  // namespace qm
