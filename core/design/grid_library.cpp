// My grids: the library file read, checked and written, and the changes made to it.
#include "core/design/grid_library.h"

#include "core/anyfill/any_grid.h"
#include "core/util/failure.h"
#include "core/util/file_io.h"
#include "core/util/text.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

namespace qm {

namespace {

constexpr std::string_view NameKey = "Name:";
constexpr std::string_view SymmetryKey = "Symmetry:";

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

bool StartsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

std::string LineRef(std::size_t line) { return "line " + std::to_string(line) + ": "; }

/// Characters of a UTF-8 text (its bytes other than continuation bytes).
int CharacterCount(std::string_view text)
{
    int n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

}  // namespace

std::string CheckedGridName(std::string_view name)
{
    name = Trimmed(name);
    Check(!name.empty(), "A grid needs a name");
    for (const char c : name)
        Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "A grid's name is one line of text without control characters");
    Check(CharacterCount(name) <= MaxGridNameChars, [&] {
        return "A grid's name has at most " + std::to_string(MaxGridNameChars) + " characters; \"" + std::string(name) + "\" has " +
               std::to_string(CharacterCount(name));
    });
    return std::string(name);
}

std::vector<LibraryGrid> ReadGridLibrary(std::string_view text)
{
    Check(text.size() <= MaxGridLibraryBytes, [&] {
        return "it has " + std::to_string(text.size()) + " bytes; a file of My grids has at most " + std::to_string(MaxGridLibraryBytes);
    });
    if (StartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(Trimmed(text.substr(start, end - start)));
        start = end + 1;
    }
    Check(!lines.empty() && lines.front() == GridLibraryHeader,
          std::string("it does not begin with the line \"") + GridLibraryHeader + "\"");

    std::vector<LibraryGrid> grids;
    std::size_t i = 1;
    while (i < lines.size()) {
        if (lines[i].empty()) {
            ++i;
            continue;
        }
        const std::size_t nameLine = i + 1;
        Check(StartsWith(lines[i], NameKey), [&] {
            return LineRef(nameLine) + "a grid begins with its \"Name:\" line, not \"" + std::string(lines[i].substr(0, 40)) + "\"";
        });
        Check(static_cast<int>(grids.size()) < MaxLibraryGrids,
              [&] { return LineRef(nameLine) + "My grids holds at most " + std::to_string(MaxLibraryGrids) + " grids"; });
        LibraryGrid grid;
        try {
            grid.Name = CheckedGridName(lines[i].substr(NameKey.size()));
        } catch (const Failure& e) {
            throw Failure(LineRef(nameLine) + e.what());
        }
        for (const LibraryGrid& other : grids)
            Check(CompareTextCI(other.Name, grid.Name) != 0,
                  [&] { return LineRef(nameLine) + "a second grid is called \"" + grid.Name + "\""; });
        ++i;
        DesignSymmetry symmetry = DesignSymmetry::Rotation;
        if (i < lines.size() && StartsWith(lines[i], SymmetryKey)) {
            const std::string_view value = Trimmed(lines[i].substr(SymmetryKey.size()));
            const auto named = SymmetryFromName(value);
            Check(named.has_value(), [&] {
                return LineRef(i + 1) + "the symmetry is rotation, none, mirror or both, not \"" + std::string(value.substr(0, 40)) + "\"";
            });
            symmetry = *named;
            ++i;
        }
        const std::size_t firstRow = i + 1;
        std::string rows;
        while (i < lines.size() && !lines[i].empty() && !StartsWith(lines[i], NameKey)) {
            Check(rows.size() <= MaxGridTextChars,
                  [&] { return LineRef(firstRow) + "the grid \"" + grid.Name + "\" has more rows than a grid may have"; });
            rows.append(lines[i]);
            rows += '\n';
            ++i;
        }
        Check(!rows.empty(), [&] { return LineRef(firstRow) + "the grid \"" + grid.Name + "\" has no rows"; });
        try {
            grid.Design = DesignFromGridText(rows);
        } catch (const Failure& e) {
            throw Failure(LineRef(firstRow) + "the grid \"" + grid.Name + "\": " + e.what());
        }
        grid.Design.SetSymmetry(symmetry);
        grids.push_back(std::move(grid));
    }
    return grids;
}

std::string WriteGridLibrary(const std::vector<LibraryGrid>& grids)
{
    std::string text = std::string(GridLibraryHeader) + "\n";
    for (const LibraryGrid& grid : grids) {
        text += "\n";
        text += std::string(NameKey) + " " + grid.Name + "\n";
        text += std::string(SymmetryKey) + " " + std::string(SymmetryName(grid.Design.Symmetry())) + "\n";
        text += DesignGridText(grid.Design);
    }
    return text;
}

std::string GridLibraryPath(const char* xdgDataHome, const char* home)
{
    namespace fs = std::filesystem;
    if (xdgDataHome && fs::path(xdgDataHome).is_absolute()) return (fs::path(xdgDataHome) / "quillmere" / "grids.txt").string();
    if (home && *home) return (fs::path(home) / ".local" / "share" / "quillmere" / "grids.txt").string();
    return {};
}

std::string DefaultGridLibraryPath()
{
    const char* home = std::getenv("HOME");
    if (!home || !*home)
        if (const passwd* user = ::getpwuid(::getuid())) home = user->pw_dir;
    return GridLibraryPath(std::getenv("XDG_DATA_HOME"), home);
}

namespace {

/// What the file holds now: the grids, or Failure with the one message for the user.
std::vector<LibraryGrid> ReadLibraryFile(const std::string& path)
{
    namespace fs = std::filesystem;
    const auto damaged = [&](const std::string& why) {
        return Failure("My grids could not be read from " + path + ": " + why +
                       ". The file is left as it is; grids cannot be saved to My grids until it is mended or moved away.");
    };
    Check(!path.empty(), "My grids has no folder to live in: neither XDG_DATA_HOME nor HOME is set");
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return {};
    if (ec) throw damaged(ec.message());
    if (status.type() != fs::file_type::regular) throw damaged("it is not a file");
    const auto size = fs::file_size(path, ec);
    if (ec) throw damaged(ec.message());
    if (size > MaxGridLibraryBytes)
        throw damaged("it has " + std::to_string(size) + " bytes; a file of My grids has at most " + std::to_string(MaxGridLibraryBytes));
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) throw damaged("it cannot be opened");
    try {
        return ReadGridLibrary(bytes);
    } catch (const Failure& e) {
        throw damaged(e.what());
    }
}

}  // namespace

void GridLibrary::Load()
{
    try {
        grids_ = ReadLibraryFile(path_);
        problem_.clear();
    } catch (const Failure& e) {
        grids_.clear();
        problem_ = e.what();
    }
}

int GridLibrary::Find(std::string_view name) const
{
    const std::string_view trimmed = Trimmed(name);
    for (std::size_t i = 0; i < grids_.size(); ++i)
        if (CompareTextCI(grids_[i].Name, trimmed) == 0) return static_cast<int>(i);
    return -1;
}

template <typename Change>
void GridLibrary::Modify(Change&& change)
{
    // Read again: the file may have been changed, mended or damaged since it was loaded.
    std::vector<LibraryGrid> grids = ReadLibraryFile(path_);
    change(grids);
    Check(static_cast<int>(grids.size()) <= MaxLibraryGrids,
          [&] { return "My grids holds at most " + std::to_string(MaxLibraryGrids) + " grids; delete one to make room"; });
    const std::string text = WriteGridLibrary(grids);
    Check(text.size() <= MaxGridLibraryBytes, "My grids is full: its file would pass " + std::to_string(MaxGridLibraryBytes) + " bytes");
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ec);
    if (ec) throw Failure("Could not save My grids in " + path_ + ":\n" + ec.message() + "\nThe previous file, if any, is unchanged.");
    WriteFileSafely(path_, text);
    grids_ = std::move(grids);
    problem_.clear();
}

namespace {

/// The position of the grid called name in grids, as read again from the file.
std::size_t PlaceOf(const std::vector<LibraryGrid>& grids, const std::string& name)
{
    for (std::size_t i = 0; i < grids.size(); ++i)
        if (CompareTextCI(grids[i].Name, name) == 0) return i;
    throw Failure("The grid \"" + name + "\" is no longer in My grids");
}

void CheckNameFree(const std::vector<LibraryGrid>& grids, const std::string& name, const std::string& except = {})
{
    for (const LibraryGrid& g : grids)
        Check(CompareTextCI(g.Name, name) != 0 || (!except.empty() && CompareTextCI(g.Name, except) == 0),
              [&] { return "My grids already holds a grid called \"" + g.Name + "\""; });
}

}  // namespace

void GridLibrary::Add(std::string_view name, const GridDesign& design)
{
    const std::string checked = CheckedGridName(name);
    Modify([&](std::vector<LibraryGrid>& grids) {
        CheckNameFree(grids, checked);
        Check(static_cast<int>(grids.size()) < MaxLibraryGrids,
              [&] { return "My grids holds at most " + std::to_string(MaxLibraryGrids) + " grids; delete one to make room"; });
        grids.push_back({checked, design});
        grids.back().Design.SetCursor({});
    });
}

void GridLibrary::Rename(int index, std::string_view name)
{
    Check(index >= 0 && index < static_cast<int>(grids_.size()), "There is no such grid in My grids");
    const std::string checked = CheckedGridName(name);
    const std::string old = grids_[static_cast<std::size_t>(index)].Name;
    Modify([&](std::vector<LibraryGrid>& grids) {
        CheckNameFree(grids, checked, old);
        grids[PlaceOf(grids, old)].Name = checked;
    });
}

void GridLibrary::Replace(int index, const GridDesign& design)
{
    Check(index >= 0 && index < static_cast<int>(grids_.size()), "There is no such grid in My grids");
    const std::string name = grids_[static_cast<std::size_t>(index)].Name;
    Modify([&](std::vector<LibraryGrid>& grids) {
        LibraryGrid& kept = grids[PlaceOf(grids, name)];
        kept.Design = design;
        kept.Design.SetCursor({});
    });
}

void GridLibrary::Remove(int index)
{
    Check(index >= 0 && index < static_cast<int>(grids_.size()), "There is no such grid in My grids");
    const std::string name = grids_[static_cast<std::size_t>(index)].Name;
    Modify([&](std::vector<LibraryGrid>& grids) { grids.erase(grids.begin() + static_cast<std::ptrdiff_t>(PlaceOf(grids, name))); });
}

}  // namespace qm
