// Text helpers: formatting, trimming, parsing, rounding and case-insensitive ordering.
#include "core/util/text.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>

namespace qm {

std::string Format(const char* pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, pattern, copy);
    va_end(copy);
    std::string out;
    if (size > 0) {
        out.resize(static_cast<std::size_t>(size) + 1);
        std::vsnprintf(out.data(), out.size(), pattern, args);
        out.resize(static_cast<std::size_t>(size));
    }
    va_end(args);
    return out;
}

namespace {
bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

std::string TrimLeft(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsTrimmed(text[i])) ++i;
    return std::string(text.substr(i));
}

std::string TrimRight(std::string_view text)
{
    std::size_t n = text.size();
    while (n > 0 && IsTrimmed(text[n - 1])) --n;
    return std::string(text.substr(0, n));
}

std::string Trim(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsTrimmed(text[i])) ++i;
    std::size_t n = text.size();
    while (n > i && IsTrimmed(text[n - 1])) --n;
    return std::string(text.substr(i, n - i));
}

std::string UpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string LowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string_view Mid(std::string_view text, std::size_t first, std::size_t count)
{
    if (first < 1) first = 1;
    if (first > text.size()) return {};
    return text.substr(first - 1, count);
}

bool TryParseInt(std::string_view text, std::int32_t& value)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size()) return false;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1) return false;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<std::int32_t>::max() || v < std::numeric_limits<std::int32_t>::min()) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

std::int32_t ParseIntOr(std::string_view text, std::int32_t fallback)
{
    std::int32_t v = 0;
    return TryParseInt(text, v) ? v : fallback;
}

std::string FormatThousands(std::int64_t value)
{
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        out += digits[i];
        if ((n - i - 1) % 3 == 0 && i + 1 < n) out += ',';
    }
    return negative ? "-" + out : out;
}

std::string FormatHashThousands(std::int64_t value)
{
    return value == 0 ? std::string() : FormatThousands(value);
}

std::int64_t RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    auto result = static_cast<std::int64_t>(floor);
    if (diff > 0.5 || (diff == 0.5 && (result % 2 != 0))) ++result;
    return result;
}

int CompareTextCI(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

void SortTextsCI(std::vector<std::string>& texts)
{
    std::stable_sort(texts.begin(), texts.end(),
                     [](const std::string& a, const std::string& b) { return CompareTextCI(a, b) < 0; });
}

std::vector<std::string> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) break;
        pieces.emplace_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    pieces.emplace_back(text.substr(start));
    return pieces;
}

}  // namespace qm
