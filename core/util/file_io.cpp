// File helpers: whole-file reads, crash-safe writes and data file lookup.
#include "core/util/file_io.h"

#include "core/util/failure.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>

namespace qm {

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    // Read in large blocks into room for the whole file: a dictionary or a word list of some megabytes
    // is read at start-up.
    std::string data;
    if (const auto size = std::filesystem::file_size(path, ec); !ec) data.reserve(static_cast<std::size_t>(size));
    std::array<char, 1 << 16> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0) data.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return false;
    bytes = std::move(data);
    return true;
}

MappedFile::MappedFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        mapped_ = static_cast<std::size_t>(info.st_size);
        mapping_ = ::mmap(nullptr, mapped_, PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapping_ == MAP_FAILED) mapping_ = nullptr;
    }
    if (fd >= 0) ::close(fd);
    if (mapping_) {
        bytes_ = std::string_view(static_cast<const char*>(mapping_), mapped_);
        ok_ = true;
    } else {
        ok_ = ReadWholeFile(path, copy_);
        bytes_ = copy_;
    }
}

MappedFile::~MappedFile()
{
    if (mapping_) ::munmap(mapping_, mapped_);
}

void WriteFileSafely(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string hidden(".");
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string temp = (folder / hidden).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw Failure("Could not save \"" + path + "\":\n" + std::strerror(errno) + "\nThe previous file, if any, is unchanged.");
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw Failure("Could not save \"" + path + "\":\n" + std::strerror(error) + "\nThe previous file, if any, is unchanged.");
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) fail(errno);
    // mkstemp makes the file private; give it the usual permissions of a document.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw Failure("Could not save \"" + path + "\":\n" + std::strerror(error) + "\nThe previous file, if any, is unchanged.");
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw Failure("Could not save \"" + path + "\":\n" + std::strerror(error) + "\nThe previous file, if any, is unchanged.");
    }
}

std::optional<std::string> LocateFile(const std::string& name, const std::vector<std::string>& dirs)
{
    namespace fs = std::filesystem;
    for (const std::string& dir : dirs) {
        if (dir.empty()) continue;
        std::error_code ec;
        const fs::path candidate = fs::path(dir) / name;
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
    return std::nullopt;
}

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

}  // namespace qm
