#pragma once

#include <string>

namespace velk {

// The system calls of the i2c-dev link: open a bus device, ask it by
// ioctl, close it. Each answers as the system call does, a negative result
// with errno set on failure, so the link's rules can be tested against a
// fake kernel bus while the real calls stay a thin layer.
class I2CDevSystem {
public:
    virtual ~I2CDevSystem() = default;

    // Opens the device read-write; the descriptor, or -1.
    virtual int Open(const std::string& path) = 0;
    virtual int Ioctl(int fd, unsigned long request, void* argument) = 0;
    virtual int Close(int fd) = 0;
};

// The process's own system calls.
I2CDevSystem& SystemI2CDev();

}  // namespace velk
