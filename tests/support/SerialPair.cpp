#include "SerialPair.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <unistd.h>

SerialPair::SerialPair()
{
    char name[256] = {};
    if (openpty(&other_fd_, &device_fd_, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
    device_ = name;
    fcntl(other_fd_, F_SETFL, fcntl(other_fd_, F_GETFL) | O_NONBLOCK);
}

SerialPair::~SerialPair()
{
    close(device_fd_);
    close(other_fd_);
}

std::vector<uint8_t> SerialPair::Take()
{
    std::vector<uint8_t> bytes;
    pollfd ready{other_fd_, POLLIN, 0};
    // Whatever was written is there at once; the short wait only bounds a slow machine.
    while (poll(&ready, 1, bytes.empty() ? 100 : 20) > 0) {
        uint8_t chunk[256];
        const ssize_t count = read(other_fd_, chunk, sizeof chunk);
        if (count <= 0) break;
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    return bytes;
}

void SerialPair::Answer(const std::vector<uint8_t>& bytes)
{
    if (write(other_fd_, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("the answer could not be written");
}
