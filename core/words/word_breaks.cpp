// Decoding and encoding of the packed word-break codes of phrases.
#include "core/words/word_breaks.h"

#include "core/util/text.h"

namespace qm {

namespace {
constexpr std::size_t DecodeCut = 30;
constexpr std::size_t EncodeCut = 35;
constexpr unsigned GroupBits = 6;
constexpr unsigned CodeBits = 32;
}  // namespace

DecodedWordBreaks DecodeWordBreaks(std::string_view text, std::uint32_t code)
{
    const std::string_view letters = text.substr(0, DecodeCut);
    DecodedWordBreaks out;
    if (code <= 31) {
        out.DisplayTxt = std::string(letters);
        out.EnumTxt = std::to_string(code);
        return out;
    }
    std::string display;
    std::string enumeration;
    std::size_t next = 0;
    for (unsigned shift = 0; shift < CodeBits; shift += GroupBits) {
        const std::uint32_t group = code >> shift;
        const std::uint32_t count = group & 31u;
        if (shift > 0 && count == 0) break;
        const char separator = (group & 32u) ? '-' : ' ';
        if (next < letters.size()) display += letters.substr(next, count);
        next += count;
        display += separator;
        if (!enumeration.empty()) enumeration += ',';
        enumeration += std::to_string(count);
    }
    // Only blanks are trimmed, so a hyphen after the last part stays.
    std::size_t first = display.find_first_not_of(' ');
    std::size_t last = display.find_last_not_of(' ');
    out.DisplayTxt = first == std::string::npos ? std::string() : display.substr(first, last - first + 1);
    out.EnumTxt = enumeration;
    return out;
}

EncodedWordBreaks EncodeWordBreaks(std::string_view text)
{
    std::string work(text.substr(0, EncodeCut));
    for (char& c : work)
        if (c == '-') c = ' ';
    work += ' ';
    EncodedWordBreaks out;
    unsigned groups = 0;
    std::size_t start = 0;
    while (start < work.size()) {
        const std::size_t blank = work.find(' ', start);
        const auto count = static_cast<std::uint32_t>(blank - start);
        const unsigned shift = GroupBits * groups;
        if (shift < CodeBits) out.Code |= count << shift;
        ++groups;
        start = blank + 1;
    }
    for (char c : work)
        if (c != ' ') out.Letters += c;
    return out;
}

}  // namespace qm
