// My grids: the grids the user designed, kept from one run of the program to the next in a plain text
// file of grid texts with their names ($XDG_DATA_HOME/quillmere/grids.txt). The file is written whole
// through a temporary file renamed over it, so a failed save never harms the one already there; a
// damaged file is reported once and left as it is, and nothing is saved over it.
//
// The file:
//
//     Quillmere grids 1
//
//     Name: Sunday theme
//     Symmetry: rotation
//     ###...
//     ...
//
// a first line naming the format, then each grid: a "Name:" line, an optional "Symmetry:" line
// (rotation, none, mirror or both; rotation when it is missing) and its rows in the grid text format
// ('#' a block, '.' an open square, A-Z a placed letter), grids apart by blank lines.
#pragma once

#include "core/design/grid_design.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

/// Grids My grids holds.
constexpr int MaxLibraryGrids = 500;
/// Characters of a grid's name.
constexpr int MaxGridNameChars = 60;
/// Bytes of the file: 500 grids of 30 x 30 with long names take under half of it.
constexpr std::size_t MaxGridLibraryBytes = std::size_t{1} << 20;
/// The file's first line.
inline constexpr const char* GridLibraryHeader = "Quillmere grids 1";

/// One grid of the library: its name and the design (squares and symmetry).
struct LibraryGrid {
    std::string Name;
    GridDesign Design{MinAnyGridSize};
};

/// Reads the text of a library file. Failure with a message naming the line for anything else: a
/// missing first line, a grid without a name, a bad name or symmetry, a bad grid text, two grids of one
/// name (in any case), more than MaxLibraryGrids grids, more than MaxGridLibraryBytes bytes.
std::vector<LibraryGrid> ReadGridLibrary(std::string_view text);

/// The text of a library file; ReadGridLibrary reads it back as the same grids.
std::string WriteGridLibrary(const std::vector<LibraryGrid>& grids);

/// A name as the library keeps it: blanks at the ends trimmed. Failure for an empty name, one longer
/// than MaxGridNameChars characters, or one holding a line break or another control character.
std::string CheckedGridName(std::string_view name);

/// Where the library file lives: $XDG_DATA_HOME/quillmere/grids.txt when XDG_DATA_HOME is set to an
/// absolute path, else under home's .local/share. Empty when neither gives a folder.
std::string GridLibraryPath(const char* xdgDataHome, const char* home);
/// The same from the environment (HOME, or the user's home folder from the system).
std::string DefaultGridLibraryPath();

/// The library of one file. Every change reads the file again, makes the change and writes it back, so
/// a change made meanwhile by another copy of the program is kept.
class GridLibrary {
public:
    explicit GridLibrary(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    /// Reads the file. A missing file is an empty library. A damaged or unreadable one leaves the
    /// library empty and sets Problem(); every change reads the file again first and is refused, the
    /// file untouched, while it stays damaged.
    void Load();
    /// What is wrong with the file, said once for the user; empty when it was read well.
    const std::string& Problem() const { return problem_; }

    const std::vector<LibraryGrid>& Grids() const { return grids_; }
    /// The grid of this name (any case), or -1.
    int Find(std::string_view name) const;

    /// Adds a design under a new name. Failure, nothing changed, for a name in use, a full library, a
    /// damaged file or a save that fails.
    void Add(std::string_view name, const GridDesign& design);
    /// Gives grid i (0-based) a new name; the same failures.
    void Rename(int index, std::string_view name);
    /// Replaces the design kept under grid i's name.
    void Replace(int index, const GridDesign& design);
    /// Removes grid i.
    void Remove(int index);

private:
    /// Reads the file as it is now, lets change alter the grids, writes them back, and keeps them.
    template <typename Change>
    void Modify(Change&& change);

    std::string path_;
    std::vector<LibraryGrid> grids_;
    std::string problem_;
};

}  // namespace qm
