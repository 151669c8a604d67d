#pragma once

#include <array>
#include <string>

#include "Ports.h"

namespace portio {

// The Linux parallel port driver: /dev/parport0 serves base 888, and
// /dev/parport1 base 632. Each port operation is one ioctl on the claimed
// port. The ECP registers, the status register as a write, and a base whose
// device did not open are failures naming the port.
class PpdevPorts : public Ports {
public:
    // Opens and claims the devices under deviceDir that exist; throws
    // PortError when neither opens.
    explicit PpdevPorts(const std::string& deviceDir = "/dev");
    ~PpdevPorts() override;
    PpdevPorts(const PpdevPorts&) = delete;
    PpdevPorts& operator=(const PpdevPorts&) = delete;

    void Out2(uint16_t port, uint16_t value) override;
    uint16_t Inp2(uint16_t port) override;

private:
    struct Device {
        std::string path;
        int fd = -1;
        std::string failure;  // why it did not open
    };
    const Device& DeviceFor(uint16_t base) const;
    [[noreturn]] void Unreachable(uint16_t port, const char* why) const;

    std::array<Device, 2> devices_;  // LPT 1, LPT 2
};

}  // namespace portio
