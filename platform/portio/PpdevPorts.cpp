#include "PpdevPorts.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "PortClaim.h"
#include "PortMap.h"

namespace portio {
namespace {

// The driver's claim of the port: waits while another process holds it.
bool ClaimDevice(int fd)
{
    int result = 0;
    do result = ioctl(fd, PPCLAIM);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

void ReleaseDevice(int fd) { ioctl(fd, PPRELEASE); }

}  // namespace

PpdevPorts::PpdevPorts(const std::string& deviceDir)
{
    for (size_t i = 0; i < devices_.size(); ++i) {
        Device& device = devices_[i];
        device.path = deviceDir + "/parport" + std::to_string(i);
        const int fd = open(device.path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0) {
            device.failure = device.path + ": " + std::strerror(errno);
        } else if (!ClaimDevice(fd)) {
            device.failure = device.path + ": cannot claim the port: " + std::strerror(errno);
            close(fd);
        } else {
            ReleaseDevice(fd);
            device.fd = fd;
        }
    }
    if (devices_[0].fd < 0 && devices_[1].fd < 0) throw PortError(devices_[0].failure);
}

PpdevPorts::~PpdevPorts()
{
    for (const Device& device : devices_)
        if (device.fd >= 0) close(device.fd);
}

void PpdevPorts::Unreachable(uint16_t port, const char* why) const
{
    throw PortError("port " + PortHex(port) + " cannot be reached through ppdev: " + why);
}

const PpdevPorts::Device& PpdevPorts::DeviceFor(uint16_t base) const
{
    const Device& device = SlotFor(base);
    if (device.fd < 0) throw PortError("port base " + std::to_string(base) + ": " + device.failure);
    return device;
}

void PpdevPorts::Out2(uint16_t port, uint16_t value)
{
    const PortLocation location = LocatePort(port);
    unsigned char byte = static_cast<unsigned char>(value);
    unsigned long request = 0;
    switch (location.reg) {
    case PortRegister::Data: request = PPWDATA; break;
    case PortRegister::Control: request = PPWCONTROL; break;
    case PortRegister::Status: Unreachable(port, "the status register cannot be written");
    case PortRegister::Other: Unreachable(port, "it is not a register of LPT 1 or LPT 2");
    default: Unreachable(port, "the ECP registers need the direct backend (VELK_PORTIO=direct)");
    }
    const Device& device = DeviceFor(location.base);
    PortClaim claim(*this, location.base);
    if (ioctl(device.fd, request, &byte) != 0)
        throw PortError(device.path + ": write to port " + PortHex(port) + " failed: " + std::strerror(errno));
}

uint16_t PpdevPorts::Inp2(uint16_t port)
{
    const PortLocation location = LocatePort(port);
    unsigned long request = 0;
    switch (location.reg) {
    case PortRegister::Data: request = PPRDATA; break;
    case PortRegister::Status: request = PPRSTATUS; break;
    case PortRegister::Control: request = PPRCONTROL; break;
    case PortRegister::Other: Unreachable(port, "it is not a register of LPT 1 or LPT 2");
    default: Unreachable(port, "the ECP registers need the direct backend (VELK_PORTIO=direct)");
    }
    const Device& device = DeviceFor(location.base);
    PortClaim claim(*this, location.base);
    unsigned char byte = 0;
    if (ioctl(device.fd, request, &byte) != 0)
        throw PortError(device.path + ": read of port " + PortHex(port) + " failed: " + std::strerror(errno));
    return byte;
}

void PpdevPorts::AcquirePort(uint16_t base)
{
    const Device& device = DeviceFor(base);
    if (!ClaimDevice(device.fd))
        throw PortError(device.path + ": cannot claim the port: " + std::strerror(errno));
}

void PpdevPorts::ReleasePort(uint16_t base) noexcept
{
    const Device& device = SlotFor(base);
    if (device.fd >= 0) ReleaseDevice(device.fd);
}

}  // namespace portio
