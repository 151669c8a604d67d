#include "TermiosSerialPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include "LinkError.h"

namespace velk {
namespace {

[[noreturn]] void Fail(const std::string& device, const std::string& what, int error)
{
    throw LinkError("the serial device " + device + " " + what + ": " + std::strerror(error));
}

// The descriptor of one open device, closed when the call ends.
class OpenDevice {
public:
    explicit OpenDevice(const std::string& device) : device_(device)
    {
        // Without O_NONBLOCK the open of a port with carrier detect could wait.
        fd_ = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) Fail(device, "cannot be opened", errno);
    }
    ~OpenDevice() { close(fd_); }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;

    int fd() const { return fd_; }
    const std::string& device() const { return device_; }

private:
    std::string device_;
    int fd_;
};

void ApplySettings(const OpenDevice& port)
{
    termios settings{};
    if (tcgetattr(port.fd(), &settings) != 0) Fail(port.device(), "is no serial device", errno);
    cfmakeraw(&settings);  // binary: no end-of-file, null bytes kept, no translation
    settings.c_cflag &= ~static_cast<tcflag_t>(PARENB | CSTOPB | CSIZE | CRTSCTS | HUPCL);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    cfsetispeed(&settings, B19200);
    cfsetospeed(&settings, B19200);
    if (tcsetattr(port.fd(), TCSANOW, &settings) != 0) Fail(port.device(), "does not take 19200,N,8,1", errno);
    const int dtr = TIOCM_DTR;
    ioctl(port.fd(), TIOCMBIS, &dtr);  // a line without DTR (a pseudo-terminal) refuses this
    // Writes block until the whole packet is taken.
    const int flags = fcntl(port.fd(), F_GETFL);
    if (flags < 0 || fcntl(port.fd(), F_SETFL, flags & ~O_NONBLOCK) != 0) Fail(port.device(), "cannot be set up", errno);
}

void WriteAll(const OpenDevice& port, std::span<const uint8_t> bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(port.fd(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) Fail(port.device(), "cannot be written", errno);
        bytes = bytes.subspan(static_cast<size_t>(written));
    }
    if (tcdrain(port.fd()) != 0) Fail(port.device(), "cannot send", errno);
}

}  // namespace

void TermiosSerialPort::Transfer(const std::string& device, std::span<const uint8_t> bytes)
{
    const OpenDevice port(device);
    if (flock(port.fd(), LOCK_EX) != 0) Fail(device, "cannot be locked", errno);
    ApplySettings(port);
    tcflush(port.fd(), TCIFLUSH);  // the converter's answers are not used
    WriteAll(port, bytes);
}

}  // namespace velk
