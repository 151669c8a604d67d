#pragma once

#include <array>
#include <string>

#include "PortMap.h"
#include "Ports.h"

namespace portio {

// The Linux parallel port driver: /dev/parport0 serves base 888, and
// /dev/parport1 base 632. The devices stay open; the port is claimed from
// the driver (which makes other processes' claims wait) only while a claim
// of ours lasts, and each port operation is one ioctl inside it. The ECP
// registers, the status register as a write, and a base whose device did
// not open are failures naming the port.
class PpdevPorts : public Ports {
public:
    // Opens the devices under deviceDir that exist, checking that each can
    // be claimed; throws PortError when neither opens.
    explicit PpdevPorts(const std::string& deviceDir = "/dev");
    ~PpdevPorts() override;
    PpdevPorts(const PpdevPorts&) = delete;
    PpdevPorts& operator=(const PpdevPorts&) = delete;

    void Out2(uint16_t port, uint16_t value) override;
    uint16_t Inp2(uint16_t port) override;

protected:
    void AcquirePort(uint16_t base) override;
    void ReleasePort(uint16_t base) noexcept override;

private:
    struct Device {
        std::string path;
        int fd = -1;
        std::string failure;  // why it did not open
    };
    const Device& SlotFor(uint16_t base) const { return devices_[base == Lpt2Base ? 1 : 0]; }
    const Device& DeviceFor(uint16_t base) const;  // throws when its device did not open
    [[noreturn]] void Unreachable(uint16_t port, const char* why) const;

    std::array<Device, 2> devices_;  // LPT 1, LPT 2
};

}  // namespace portio
