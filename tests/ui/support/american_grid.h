// AmericanGrid: a 15 x 15 American-style grid pattern (every square in an across and a down word,
// 180-degree symmetry) with two theme entries that the dictionary the build writes can fill around, for
// the designer's window test and the screenshots.
#pragma once

#include <string>
#include <vector>

namespace qm::uitest {

/// Row by row: '#' a block, '.' an open square.
inline const std::vector<std::string> AmericanPattern = {
    "....#.....#....", "....#.....#....", "....#.....#....", ".......#.......", "###....#....###",
    ".....#...#.....", "...#......#....", "...#.......#...", "....#......#...", ".....#...#.....",
    "###....#....###", ".......#.......", "....#.....#....", "....#.....#....", "....#.....#....",
};

/// A theme entry placed across from column 1 of a row.
struct DesignTheme {
    int Row;
    const char* Word;
};
inline constexpr DesignTheme AmericanThemes[] = {{4, "SCALLOP"}, {12, "STARLIT"}};

/// The squares of the pattern to click so that, with the rotation symmetry, every block is drawn once:
/// the first of each symmetrical pair (row, column; 1-based).
inline std::vector<std::pair<int, int>> AmericanBlockClicks()
{
    const int n = static_cast<int>(AmericanPattern.size());
    std::vector<std::pair<int, int>> clicks;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            if (AmericanPattern[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] == '#' &&
                (r - 1) * n + c <= (n - r) * n + (n - c + 1))
                clicks.emplace_back(r, c);
    return clicks;
}

}  // namespace qm::uitest
