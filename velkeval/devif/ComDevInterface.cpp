#include "ComDevInterface.h"

#include <vector>

#include "ByteArgument.h"
#include "ComPortDevices.h"
#include "LinkError.h"

namespace velk {

ComDevInterface::ComDevInterface(UserDialogs& dialogs, std::unique_ptr<SerialPort> serial)
    : DevInterface(dialogs), serial_(std::move(serial))
{
}

ComDevInterface::Packet ComDevInterface::WritePacket(uint8_t reg, uint8_t address, uint8_t value)
{
    return {0xBE, 0xEF, 0x0B, 0x0D, 0x01, 0x0A, 0x53, 0x12, 0x00, reg, 0x00, 0x00, 0x00, address, 0x00, 0x01, 0x00, 0x00, value};
}

ComDevInterface::Packet ComDevInterface::ReadPacket(uint8_t reg, uint8_t address)
{
    return {0xBE, 0xEF, 0x0A, 0x0D, 0x00, 0x57, 0x52, 0x11, 0x00, reg, 0x00, 0x00, 0x00, address, 0x00, 0x00, 0x00, 0x01, 0x00};
}

bool ComDevInterface::Connect(int16_t newAddress)
{
    Disconnect();
    const uint8_t checked = ByteArgument(newAddress, "Connect", "address");
    const std::string path = devicePath ? *devicePath : ComPortDevice(port);
    if (path.empty()) throw LinkError("COM " + std::to_string(port) + " is no serial port");
    serial_->Transfer(path, {});
    openedDevice = path;
    address = checked;
    connected_ = true;
    return true;
}

void ComDevInterface::WriteByte(int16_t reg, int16_t value)
{
    if (!connected_) return;
    const Packet packet =
        WritePacket(ByteArgument(reg, "WriteByte", "register"), address, ByteArgument(value, "WriteByte", "value"));
    serial_->Transfer(openedDevice, packet);
}

void ComDevInterface::WriteBytes(int16_t reg, std::span<const int16_t> data)
{
    if (!connected_) return;
    // Every argument is checked before the first packet goes out.
    std::vector<Packet> packets;
    for (int16_t value : data)
        packets.push_back(
            WritePacket(ByteArgument(reg, "WriteBytes", "register"), address, ByteArgument(value, "WriteBytes", "value")));
    for (const Packet& packet : packets) serial_->Transfer(openedDevice, packet);
}

uint8_t ComDevInterface::ReadByte(int16_t reg)
{
    if (!connected_) return 0;
    serial_->Transfer(openedDevice, ReadPacket(ByteArgument(reg, "ReadByte", "register"), address));
    return 0;
}

void ComDevInterface::Configure(const std::string& name, const SettingValue& value)
{
    if (name != "COMPORT") return;
    if (const auto* text = std::get_if<std::string>(&value); text && text->starts_with('/')) {
        devicePath = *text;
        return;
    }
    port = SettingToInt16(value, "COMPORT");
    devicePath.reset();
}

}  // namespace velk
