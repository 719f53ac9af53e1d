// FillRow and FillList: the rows of the symmetrical and the freeform fills lists, kept in their sorted order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm {

/// Origin markers of the freeform fills list rows.
namespace FillOrigin {
inline constexpr char Plain = ' ';        ///< plain seed word, Quick Fill, and every symmetrical fill
inline constexpr char Interlocked = 'i';  ///< interlocked seed
inline constexpr char Regrown = 'r';      ///< regrown from an earlier fill of the run
inline constexpr char Improved = 'x';     ///< found by Improve
inline constexpr char Edited = 'e';       ///< added from the edited grid
}  // namespace FillOrigin

/// One row of a fills list. Both generators share the leading fields; the rest belong to one of them.
struct FillRow {
    enum class Kind : std::uint8_t {
        Symmetric,  ///< "%4d%6d%4d%1s%5d%7d%8d%7d": rank, 0, fill, "", letters, words, iterations, imported
        Freeform,   ///< "%4d%6d%4d%1s%5d%7d%6d%5d%5d": rank, seed, fill, origin, letters, words, interlocks, area, score
    };
    Kind Of = Kind::Symmetric;
    std::int32_t RankKey = 0;       ///< shown as 9999 - RankKey, so that the best fill sorts first
    std::int32_t SeedPosition = 0;  ///< freeform: the seed word's place in the imported list; symmetrical 0
    std::int32_t Fill = 0;          ///< the fill's number in the fill stores
    char Origin = FillOrigin::Plain;
    std::int32_t Letters = 0;
    std::int32_t Words = 0;
    std::int32_t Iterations = 0;    ///< symmetrical: iterations the fill engine used
    std::int32_t Imported = 0;      ///< symmetrical: words from the imported list (also the rank key)
    std::int32_t Interlocks = 0;    ///< freeform
    std::int32_t Area = 0;          ///< freeform: interlock area
    std::int32_t Score = 0;         ///< freeform
    bool WideScore = false;         ///< freeform: the score takes six characters (an edited grid's row)
    bool Loaded = false;            ///< freeform: a loaded crossword file's row, wide score and an "s" after it

    static FillRow Symmetric(std::int32_t fill, std::int32_t letters, std::int32_t words, std::int32_t iterations,
                             std::int32_t imported);
    static FillRow Freeform(std::int32_t rankKey, std::int32_t seedPosition, std::int32_t fill, char origin,
                            std::int32_t letters, std::int32_t words, std::int32_t interlocks, std::int32_t area,
                            std::int32_t score);

    /// The row as the list shows it and the command-line tool prints it.
    std::string Text() const;
    /// What the list is sorted on: the whole text, as the list always was. With every number within its
    /// width that is the shown rank (best first), then the seed position, the fill number and the rest.
    std::string SortKey() const { return Text(); }
};

/// The rows of the symmetrical or the freeform fills list, in sorted order.
struct FillList {
    std::vector<FillRow> Rows;

    /// Inserts a row at its sorted place (after equal rows); returns its position (0-based).
    int Add(FillRow row);
    void Clear() { Rows.clear(); }
    int Count() const { return static_cast<int>(Rows.size()); }
    /// Row i (0-based); outside the list a RangeError.
    const FillRow& At(int i) const;
    /// The texts of the rows, top to bottom.
    std::vector<std::string> Texts() const;
};

/// The position of fill n's row: the first of rows 0..count-2 with that fill number, else the last
/// row (deliberately: a fill that is not listed shows the bottom row selected); -1 for an empty list.
int FindFillRow(const FillList& list, int n);

}  // namespace qm
