// Mapping and releasing the engine's large zeroed blocks.
#include "core/anyfill/large_block.h"

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace qm {

namespace {
/// Huge pages are 2 MB on the machines the program runs on; blocks this big start on one.
constexpr std::size_t HugePage = std::size_t{2} << 20;
}  // namespace

LargeBlock::LargeBlock(std::size_t bytes)
{
    if (bytes == 0) return;
#if defined(__linux__)
    const bool huge = bytes >= HugePage;
    mapped_ = bytes + (huge ? HugePage : 0);
    mapping_ = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping_ == MAP_FAILED) {
        mapping_ = nullptr;
        throw std::bad_alloc();
    }
    auto start = reinterpret_cast<std::uintptr_t>(mapping_);
    if (huge) {
        start = (start + HugePage - 1) & ~(HugePage - 1);
        // Only a hint: without huge pages the block works all the same.
        (void)madvise(reinterpret_cast<void*>(start), bytes, MADV_HUGEPAGE);
    }
    data_ = reinterpret_cast<void*>(start);
#else
    mapping_ = std::calloc(bytes, 1);
    if (!mapping_) throw std::bad_alloc();
    mapped_ = bytes;
    data_ = mapping_;
#endif
    bytes_ = bytes;
}

void LargeBlock::Release()
{
    if (!mapping_) return;
#if defined(__linux__)
    munmap(mapping_, mapped_);
#else
    std::free(mapping_);
#endif
    mapping_ = data_ = nullptr;
    mapped_ = bytes_ = 0;
}

LargeBlock::~LargeBlock() { Release(); }

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : mapping_(std::exchange(other.mapping_, nullptr)), mapped_(std::exchange(other.mapped_, 0)),
      data_(std::exchange(other.data_, nullptr)), bytes_(std::exchange(other.bytes_, 0))
{
}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept
{
    if (this != &other) {
        Release();
        mapping_ = std::exchange(other.mapping_, nullptr);
        mapped_ = std::exchange(other.mapped_, 0);
        data_ = std::exchange(other.data_, nullptr);
        bytes_ = std::exchange(other.bytes_, 0);
    }
    return *this;
}

}  // namespace qm
