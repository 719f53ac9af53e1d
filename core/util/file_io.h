// Whole-file reading, safe whole-file writing (temporary file renamed over the target) and lookups.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

/// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

/// A whole file read for a moment, mapped into memory rather than copied where the system allows (a
/// data file of some megabytes read at start-up then costs a few page faults, not one per page).
class MappedFile {
public:
    /// Maps or reads the file; Ok() says whether it could.
    explicit MappedFile(const std::string& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool Ok() const { return ok_; }
    std::string_view Bytes() const { return bytes_; }

private:
    bool ok_ = false;
    void* mapping_ = nullptr;
    std::size_t mapped_ = 0;
    std::string copy_;  ///< the bytes when the file could not be mapped
    std::string_view bytes_;
};

/// Writes bytes to a temporary file in the target's folder, flushes it to disk and renames it over
/// the target, so a failure never leaves a half-written file in place of a good one. Throws Failure
/// with a clear message naming the file and the reason.
void WriteFileSafely(const std::string& path, std::string_view bytes);

/// The first of dirs that holds a file called name, as a full path.
std::optional<std::string> LocateFile(const std::string& name, const std::vector<std::string>& dirs);

/// The file name without its folder.
std::string FileNameOf(const std::string& path);

}  // namespace qm
