#pragma once

#include <cstdint>
#include <string>

namespace portio {

// Where the lock files of directly accessed ports live: $VELK_PORT_LOCK_DIR
// when set, else /run/lock when this process may create files there, else
// /tmp. The folder is shared by all users, as the port is.
std::string PortLockDirectory();

// The lock file of the port at base in that folder ("velk-lpt-0x0378.lock").
std::string PortLockPath(uint16_t base);

// An exclusive advisory lock (flock) on a file, shared by every process that
// opens the same path. The kernel drops it when its holder dies. Two objects
// of one process on the same path exclude each other too, so a process
// keeps one per port.
class PortLockFile {
public:
    // Opens the file, creating it readable by everybody when missing;
    // throws PortError when it cannot be opened.
    explicit PortLockFile(const std::string& path);
    ~PortLockFile();
    PortLockFile(const PortLockFile&) = delete;
    PortLockFile& operator=(const PortLockFile&) = delete;

    // Waits until no other holder is left; throws PortError on failure.
    void Lock();
    void Unlock() noexcept;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace portio
