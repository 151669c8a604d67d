#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Takes `fd`, open on `path`, for this save when no other save holds it:
// locks it, checks that `path` still names that very file (another save
// may have renamed it into place meanwhile) and empties it. Closes fd and
// returns -1 otherwise.
int Claim(int fd, const std::string& path)
{
    struct stat opened{}, named{};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) &&
        ::lstat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino &&
        ::ftruncate(fd, 0) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// Opens the first free temporary file and returns it locked; its name goes
// to `path`. A name is free when no file has it, or when its file was left
// by a save that no longer runs (a killed one): the lock of a save ends
// with its process, so such a file is reused and leftovers never pile up.
// A name that a running save holds, or that names something other than a
// plain file (a folder, a link), is skipped.
int OpenTemporaryFile(const std::string& target, std::string& path)
{
    for (int counter = -1;; ++counter) {
        path = TemporaryName(target, counter);
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) Fail("Cannot create the file", path, errno);
        if (fd < 0) fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0 && Claim(fd, path) >= 0) return fd;
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
    const int fd = OpenTemporaryFile(target, temporary);
    // The file stays open, and so locked, until it has its final name: an
    // unlocked temporary file is free for another save to empty.
    try {
        WriteAll(fd, contents, temporary);
        if (std::rename(temporary.c_str(), target.c_str()) != 0) Fail("Cannot replace the file", target, errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        ::close(fd);
        throw;
    }
    // Written and flushed before the rename, so closing cannot lose anything.
    ::close(fd);
    SyncFolderOf(target);
}

}  // namespace velk
