// Word breaks: the packed enumeration of multi-word answers (ICECREAM with 3,5 shows as ICE CREAM).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qm {

/// A code 0..31 is a single word whose enumeration is the code itself. A larger code packs the parts
/// of a phrase in 6-bit groups, lowest first: bits 0-4 the part's letter count, bit 5 its separator
/// (0 blank, 1 hyphen). The first group is always taken; later groups while their count is not 0.
struct DecodedWordBreaks {
    std::string DisplayTxt;  ///< the letters with their separators, blanks trimmed at both ends
    std::string EnumTxt;     ///< the part lengths joined by "," (a single word: the code in decimal)
};

/// Decodes a word's letters (cut to 30 characters first) and its code.
DecodedWordBreaks DecodeWordBreaks(std::string_view text, std::uint32_t code);

struct EncodedWordBreaks {
    std::string Letters;  ///< the text without blanks (hyphens count as blanks)
    std::uint32_t Code = 0;
};

/// Encodes a phrase (cut to 35 characters first): every hyphen counts as a blank, each part's length
/// goes into the next 6-bit group, so the hyphen bit is never set and double blanks give empty parts.
EncodedWordBreaks EncodeWordBreaks(std::string_view text);

}  // namespace qm
