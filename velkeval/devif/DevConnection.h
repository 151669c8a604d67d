#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "DevInterface.h"
#include "DeviceRecord.h"
#include "I2CDevSystem.h"
#include "LibUsbBus.h"
#include "Ports.h"
#include "UserDialogs.h"

namespace velk {

// The link choices of the Options menu.
enum class LinkType { I2CParallel, I2CComPort, USB, LinuxI2C };
enum class LptPort { Lpt1, Lpt2 };

struct LinkOptions {
    LinkType linkType = LinkType::I2CParallel;
    LptPort lptPort = LptPort::Lpt1;
    int16_t comPort = 1;  // "COM 1" .. "COM 4"; 0 when none is chosen
    int16_t i2cBus = -1;  // the Linux I2C bus /dev/i2c-N; -1 when none is chosen
    // The USB board already chosen ("ezusb-" + n, or empty for none): the
    // selection dialog is not shown again.
    std::optional<std::string> usbDriverName{};
};

// The parallel port base of "LPT 1" (888 = 0x378) or "LPT 2" (632 = 0x278).
inline int64_t LptBase(LptPort port) { return port == LptPort::Lpt1 ? 888 : 632; }

// Builds the chosen link, configures it (LPT 1: base 888, LPT 2: 632; the
// checked COM port; for USB the board chosen in the selection dialog, which
// is shown unless the options name the board; the Linux I2C bus) and
// connects it to the device's current address; whether Connect accepted the
// address is not looked at. A serial port or Linux I2C bus that cannot be
// opened, or no Linux I2C bus chosen, is a LinkError.
std::shared_ptr<DevInterface> CreateDevConnection(const LinkOptions& options, const DeviceRecord& device,
                                                  UserDialogs& dialogs, portio::Ports& ports,
                                                  UsbBus& usb = ProcessUsbBus(), I2CDevSystem& i2c = SystemI2CDev());

// The Linux I2C link on bus /dev/i2c-bus, connected to the device (-1: no
// bus chosen, a LinkError).
std::shared_ptr<DevInterface> CreateLinuxI2CConnection(int16_t bus, const DeviceRecord& device, UserDialogs& dialogs,
                                                       I2CDevSystem& i2c);

}  // namespace velk
