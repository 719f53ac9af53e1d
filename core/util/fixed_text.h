// FixedText<N>: a text of at most N single-byte characters that keeps the first N of anything longer.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace qm {

/// A bounded text field of a record. Assigning a longer text keeps its first N characters, so a
/// record holding FixedText fields is a plain fixed-size value that copies and swaps as one block.
template <std::size_t N>
class FixedText {
    static_assert(N > 0 && N < 256, "length is kept in one byte");

public:
    static constexpr std::size_t Capacity = N;

    FixedText() = default;
    FixedText(std::string_view text) { assign(text); }  // NOLINT: implicit on purpose
    FixedText(const char* text) { assign(std::string_view(text)); }
    FixedText(const std::string& text) { assign(std::string_view(text)); }

    FixedText& operator=(std::string_view text) { assign(text); return *this; }
    FixedText& operator=(const char* text) { assign(std::string_view(text)); return *this; }
    FixedText& operator=(const std::string& text) { assign(std::string_view(text)); return *this; }

    void assign(std::string_view text)
    {
        len_ = static_cast<unsigned char>(std::min(text.size(), N));
        std::copy_n(text.data(), len_, chars_.data());
    }
    void clear() { len_ = 0; }

    std::string_view view() const { return {chars_.data(), len_}; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }  // NOLINT: implicit on purpose

    std::size_t size() const { return len_; }
    std::size_t length() const { return len_; }
    bool empty() const { return len_ == 0; }
    char operator[](std::size_t i) const { return chars_[i]; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend auto operator<=>(const FixedText& a, const FixedText& b) { return a.view() <=> b.view(); }

private:
    std::array<char, N> chars_{};
    unsigned char len_ = 0;
};

}  // namespace qm
