#include "AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "FileError.h"

namespace velk {

namespace {

std::string TemporaryName(const std::string& target, int counter)
{
    return counter < 0 ? target + ".tmp" : target + ".tmp" + std::to_string(counter);
}

[[noreturn]] void Fail(const std::string& what, const std::string& path, int error)
{
    throw FileError(what + " \"" + path + "\": " + std::strerror(error));
}

// Creates the first free temporary file exclusively, so a file that appears
// meanwhile is never overwritten; its name goes to `path`.
int CreateTemporaryFile(const std::string& target, std::string& path)
{
    for (int counter = -1;; ++counter) {
        path = TemporaryName(target, counter);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) Fail("Cannot create the file", path, errno);
    }
}

void WriteAll(int fd, std::string_view contents, const std::string& path)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot write the file", path, errno);
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    if (::fsync(fd) != 0) Fail("Cannot flush the file", path, errno);
}

// Makes the rename itself durable; a folder that cannot be synced changes
// nothing about the replaced file, so that is not a failure.
void SyncFolderOf(const std::string& target)
{
    std::string folder = std::filesystem::path(target).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

void WriteFileAtomically(const std::string& target, std::string_view contents)
{
    std::string temporary;
    const int fd = CreateTemporaryFile(target, temporary);
    try {
        WriteAll(fd, contents, temporary);
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        Fail("Cannot close the file", temporary, error);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        Fail("Cannot replace the file", target, error);
    }
    SyncFolderOf(target);
}

}  // namespace velk
