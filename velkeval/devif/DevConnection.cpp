#include "DevConnection.h"

#include "ComDevInterface.h"
#include "I2CDevInterface.h"
#include "LinkError.h"
#include "LinuxI2CDevInterface.h"
#include "TermiosSerialPort.h"
#include "USBDevInterface.h"
#include "UsbBoards.h"

namespace velk {
namespace {

std::shared_ptr<DevInterface> ParallelLink(const LinkOptions& options, UserDialogs& dialogs, portio::Ports& ports)
{
    auto link = std::make_shared<I2CDevInterface>(dialogs, ports);
    link->Configure("LPTPORT", LptBase(options.lptPort));
    return link;
}

std::shared_ptr<DevInterface> SerialLink(const LinkOptions& options, UserDialogs& dialogs)
{
    auto link = std::make_shared<ComDevInterface>(dialogs, std::make_unique<TermiosSerialPort>());
    link->Configure("COMPORT", int64_t{options.comPort});
    return link;
}

std::shared_ptr<DevInterface> UsbLink(const LinkOptions& options, UserDialogs& dialogs, UsbBus& usb)
{
    std::string driverName;
    if (options.usbDriverName) {
        driverName = *options.usbDriverName;
    } else if (const auto board = dialogs.ChooseUsbBoard([&usb] { return DetectBoards(usb); })) {
        driverName = UsbDriverName(*board);
    }
    auto link = std::make_shared<USBDevInterface>(dialogs, usb);
    link->Configure("USB_DRIVERNAME", driverName);
    return link;
}

}  // namespace

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
                                                  UserDialogs& dialogs, portio::Ports& ports, UsbBus& usb,
                                                  I2CDevSystem& i2c)
{
    std::shared_ptr<DevInterface> link;
    switch (options.linkType) {
    case LinkType::I2CParallel: link = ParallelLink(options, dialogs, ports); break;
    case LinkType::I2CComPort: link = SerialLink(options, dialogs); break;
    case LinkType::LinuxI2C: return CreateLinuxI2CConnection(options.i2cBus, device, dialogs, i2c);
    case LinkType::USB: link = UsbLink(options, dialogs, usb); break;
    }
    link->Connect(static_cast<int16_t>(device.BusAddress()));
    return link;
}

}  // namespace velk
