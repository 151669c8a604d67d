#include "Registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "RegistryText.h"

namespace {

[[noreturn]] void FailWithErrno(const std::string& what, const std::string& path)
{
    throw RegistryError(what + " " + path + ": " + std::strerror(errno));
}

RegistryKey ReadRegistryFile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT) return {};
        FailWithErrno("cannot read", path);
    }
    std::string text;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(descriptor, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int saved = errno;
            ::close(descriptor);
            errno = saved;
            FailWithErrno("cannot read", path);
        }
        if (n == 0) break;
        text.append(chunk, static_cast<size_t>(n));
    }
    ::close(descriptor);
    return ParseRegistry(text);
}

// Writes everything or raises.
void WriteAll(int descriptor, const std::string& text, const std::string& path)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(descriptor, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) FailWithErrno("cannot write", path);
        done += static_cast<size_t>(n);
    }
}

void ReplaceRegistryFile(const std::string& path, const std::string& text)
{
    std::string temporary = path + ".tmp-XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) FailWithErrno("cannot create", temporary);
    try {
        WriteAll(descriptor, text, temporary);
        if (::fsync(descriptor) != 0) FailWithErrno("cannot write", temporary);
    } catch (...) {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        throw;
    }
    if (::close(descriptor) != 0) {
        ::unlink(temporary.c_str());
        FailWithErrno("cannot write", temporary);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temporary.c_str());
        errno = saved;
        FailWithErrno("cannot replace", path);
    }
}

// An exclusive lock on the lock file, held while the object lives.
class RegistryLock {
public:
    explicit RegistryLock(const std::string& path)
    {
        const std::string lockPath = path + ".lock";
        descriptor_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (descriptor_ < 0) FailWithErrno("cannot open", lockPath);
        while (::flock(descriptor_, LOCK_EX) != 0) {
            if (errno == EINTR) continue;
            const int saved = errno;
            ::close(descriptor_);
            errno = saved;
            FailWithErrno("cannot lock", lockPath);
        }
    }
    ~RegistryLock() { ::close(descriptor_); }  // closing releases the lock
    RegistryLock(const RegistryLock&) = delete;
    RegistryLock& operator=(const RegistryLock&) = delete;

private:
    int descriptor_;
};

}  // namespace

std::string RegistryFilePath()
{
    if (const char* path = std::getenv("VELK_COMPONENT_REGISTRY"); path && *path) return path;
    std::filesystem::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    return (base / "velk" / "component-registry").string();
}

RegistryKey ReadRegistry() { return ReadRegistryFile(RegistryFilePath()); }

void UpdateRegistry(const std::function<void(RegistryKey& root)>& change)
{
    const std::string path = RegistryFilePath();
    std::error_code error;
    const auto folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    if (error) throw RegistryError("cannot create " + folder.string() + ": " + error.message());

    RegistryLock lock(path);
    RegistryKey root = ReadRegistryFile(path);
    change(root);
    ReplaceRegistryFile(path, FormatRegistry(root));
}
