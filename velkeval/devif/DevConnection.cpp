#include "DevConnection.h"

#include "I2CDevInterface.h"
#include "LinkError.h"
#include "LinuxI2CDevInterface.h"

namespace velk {

std::shared_ptr<DevInterface> CreateLinuxI2CConnection(int16_t bus, const DeviceRecord& device, UserDialogs& dialogs,
                                                       I2CDevSystem& i2c)
{
    if (bus < 0) throw LinkError("no Linux I2C bus is chosen");
    auto link = std::make_shared<LinuxI2CDevInterface>(dialogs, i2c);
    link->Configure("I2CBUS", int64_t{bus});
    link->Connect(static_cast<int16_t>(device.BusAddress()));
    return link;
}

std::shared_ptr<DevInterface> CreateDevConnection(const LinkOptions& options, const DeviceRecord& device,
                                                  UserDialogs& dialogs, portio::Ports& ports, I2CDevSystem& i2c)
{
    if (options.linkType == LinkType::LinuxI2C) return CreateLinuxI2CConnection(options.i2cBus, device, dialogs, i2c);
    if (options.linkType != LinkType::I2CParallel)
        throw LinkError(options.linkType == LinkType::USB ? "the USB link is not available"
                                                          : "the serial-port link is not available");
    auto link = std::make_shared<I2CDevInterface>(dialogs, ports);
    link->Configure("LPTPORT", LptBase(options.lptPort));
    link->Connect(static_cast<int16_t>(device.BusAddress()));
    return link;
}

}  // namespace velk
