#include "PortLockFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "PortMap.h"
#include "Ports.h"

namespace portio {
namespace {

// Opens an existing file without O_CREAT first: in a sticky folder such as
// /run/lock, O_CREAT on another user's file is refused (protected_regular).
int OpenShared(const std::string& path)
{
    for (;;) {
        int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 || errno != ENOENT) return fd;
        fd = open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fchmod(fd, 0666);  // past the umask, so other users can open it too
            return fd;
        }
        if (errno != EEXIST) return fd;
    }
}

}  // namespace

std::string PortLockDirectory()
{
    const char* chosen = std::getenv("VELK_PORT_LOCK_DIR");
    if (chosen != nullptr && *chosen != '\0') return chosen;
    if (access("/run/lock", W_OK | X_OK) == 0) return "/run/lock";
    return "/tmp";
}

std::string PortLockPath(uint16_t base) { return PortLockDirectory() + "/velk-lpt-" + PortHex(base) + ".lock"; }

PortLockFile::PortLockFile(const std::string& path) : path_(path), fd_(OpenShared(path))
{
    if (fd_ < 0) throw PortError("port lock " + path + ": " + std::strerror(errno));
}

PortLockFile::~PortLockFile() { close(fd_); }

void PortLockFile::Lock()
{
    while (flock(fd_, LOCK_EX) != 0)
        if (errno != EINTR) throw PortError("port lock " + path_ + ": " + std::strerror(errno));
}

void PortLockFile::Unlock() noexcept { flock(fd_, LOCK_UN); }

}  // namespace portio
