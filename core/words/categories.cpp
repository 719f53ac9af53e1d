// Loading of the category bit patterns and the names of the subject categories.
#include "core/words/categories.h"

#include "core/util/failure.h"

namespace qm {

const std::array<std::string_view, CategoryCount> CategoryNames = {
    "Anatomy", "Animals", "Archaeology", "Architectural terms", "Art", "Astronomy", "Authors",
    "Battles", "Boat types", "Building terms", "Business terms", "Capital cities", "Clothes",
    "Composers", "Computing", "Countries", "Drink", "Domestic items", "British Isles geography",
    "Significant events", "Famous people", "Flowers", "Food", "Gardening terms", "Historians",
    "Islands", "Military terms, weapons etc", "Motoring terms", "Mountains", "Movies and movie stars",
    "Novels", "Photographic terms", "Plants", "Pop music artists", "Rivers", "Roman emperors",
    "Sports personalities", "Time-related terms", "US states", "Water (seas, lakes)"};

void LoadWordBitPatterns(WordBitPatterns& patterns, std::string_view bytes)
{
    if (bytes.size() / 8 > MaxBitPatterns - 1)
        throw Failure("number of bit patterns in resource exceeds WordBitPatterns array dimensions");
    if (bytes.size() % 8 != 0) throw Failure("The category data is damaged: it ends in the middle of a value");
    WordBitPatterns loaded{};
    for (std::size_t k = 0; k < bytes.size() / 8; ++k) {
        std::uint64_t v = 0;
        for (std::size_t b = 0; b < 8; ++b)
            v |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[k * 8 + b])) << (8 * b);
        loaded[k] = static_cast<std::int64_t>(v);
    }
    patterns = loaded;
}

}  // namespace qm
