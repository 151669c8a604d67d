#include "DevConnection.h"

#include "I2CDevInterface.h"
#include "LinkError.h"

namespace velk {

std::shared_ptr<DevInterface> CreateDevConnection(const LinkOptions& options, const DeviceRecord& device,
                                                  UserDialogs& dialogs, portio::Ports& ports)
{
    if (options.linkType != LinkType::I2CParallel)
        throw LinkError(options.linkType == LinkType::USB ? "the USB link is not available"
                                                          : "the serial-port link is not available");
    auto link = std::make_shared<I2CDevInterface>(dialogs, ports);
    link->Configure("LPTPORT", LptBase(options.lptPort));
    link->Connect(static_cast<int16_t>(device.BusAddress()));
    return link;
}

}  // namespace velk
