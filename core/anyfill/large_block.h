// Zeroed memory for the engine's large tables, which the system may back with huge pages.
#pragma once

#include <cstddef>

namespace qm {

/// A block of zeroed memory for tables of some megabytes (candidate bitsets, the undo trail). It is
/// mapped straight from the system and, on Linux, marked for huge pages: touching a few megabytes then
/// costs a few page faults instead of one per 4 KB page, which is much of a short command's time.
/// Pages never touched cost nothing, so a generous upper bound is a fine size.
class LargeBlock {
public:
    LargeBlock() = default;
    explicit LargeBlock(std::size_t bytes);
    ~LargeBlock();
    LargeBlock(LargeBlock&& other) noexcept;
    LargeBlock& operator=(LargeBlock&& other) noexcept;
    LargeBlock(const LargeBlock&) = delete;
    LargeBlock& operator=(const LargeBlock&) = delete;

    void* Data() const { return data_; }
    std::size_t Bytes() const { return bytes_; }

private:
    void Release();

    void* mapping_ = nullptr;   ///< what the system gave (before alignment)
    std::size_t mapped_ = 0;
    void* data_ = nullptr;      ///< aligned start
    std::size_t bytes_ = 0;
};

}  // namespace qm
