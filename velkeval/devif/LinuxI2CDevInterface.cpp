#include "LinuxI2CDevInterface.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include <linux/i2c-dev.h>
#include <linux/i2c.h>

#include "AddressBits.h"
#include "LinkArguments.h"
#include "LinkError.h"

namespace velk {
namespace {

// The most bytes one SMBus I2C-block transfer moves.
constexpr size_t SmbusBlockMax = I2C_SMBUS_BLOCK_MAX;

std::string Hex2(unsigned value)
{
    static const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[(value >> 4) & 15] + digits[value & 15];
}

bool IsEepromRange(uint8_t address7) { return (address7 >= 0x30 && address7 <= 0x37) || (address7 >= 0x50 && address7 <= 0x5F); }

}  // namespace

LinuxI2CDevInterface::~LinuxI2CDevInterface() { CloseBus(); }

std::string LinuxI2CDevInterface::busPath() const { return bus_ ? "/dev/i2c-" + std::to_string(*bus_) : std::string(); }

bool LinuxI2CDevInterface::speaksI2C() const { return (functions_ & I2C_FUNC_I2C) != 0; }

void LinuxI2CDevInterface::Configure(const std::string& name, const SettingValue& value)
{
    if (name != "I2CBUS") return;
    const int16_t bus = SettingToInt16(value, name);
    if (bus < 0) throw LinkError("I2CBUS: bus " + std::to_string(bus) + " is not a bus number");
    // Another bus: the open one is closed, and the chip must be connected anew.
    if (bus_ != bus) Disconnect();
    bus_ = bus;
}

void LinuxI2CDevInterface::OpenBus()
{
    if (fd_ >= 0) return;
    if (!bus_) throw LinkError("I2C_LINUX: no I2C bus chosen");
    const std::string path = busPath();
    const int fd = system_.Open(path);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENODEV || error == ENXIO)
            throw LinkError(path + " does not exist: load the i2c-dev module (modprobe i2c-dev), plug in the "
                                   "adapter, or choose a bus that is present");
        if (error == EACCES || error == EPERM)
            throw LinkError("no permission to open " + path +
                            ": join the group that owns it (often i2c) or install the udev rule, then log in again");
        throw LinkError(path + " cannot be opened: " + std::strerror(error));
    }
    unsigned long functions = 0;
    if (system_.Ioctl(fd, I2C_FUNCS, &functions) < 0) {
        const int error = errno;
        system_.Close(fd);
        throw LinkError(path + " is not an I2C bus (" + std::strerror(error) + ")");
    }
    if ((functions & I2C_FUNC_I2C) == 0 &&
        (functions & (I2C_FUNC_SMBUS_READ_BYTE_DATA | I2C_FUNC_SMBUS_WRITE_BYTE_DATA)) !=
            (I2C_FUNC_SMBUS_READ_BYTE_DATA | I2C_FUNC_SMBUS_WRITE_BYTE_DATA)) {
        system_.Close(fd);
        throw LinkError("the adapter of " + path + " does neither plain I2C nor SMBus byte-data transfers");
    }
    fd_ = fd;
    functions_ = functions;
}

void LinuxI2CDevInterface::CloseBus()
{
    if (fd_ < 0) return;
    system_.Close(fd_);
    fd_ = -1;
}

void LinuxI2CDevInterface::Disconnect()
{
    connected_ = false;
    CloseBus();
}

bool LinuxI2CDevInterface::Connect(int16_t address)
{
    if (connected_) return false;
    if (!EightAddressBits(address)) return false;
    OpenBus();
    address7_ = static_cast<uint8_t>(address >> 1);
    // SMBus transfers go to the chip the bus points at.
    if (!speaksI2C() && !SelectChip(address7_))
        throw LinkError(Hex2(address7_) + " on " + busPath() + " is in use by a kernel driver");
    connected_ = true;
    return true;
}

void LinuxI2CDevInterface::Call(unsigned long request, void* argument, const std::string& what, uint8_t address7)
{
    if (system_.Ioctl(fd_, request, argument) >= 0) return;
    const int error = errno;
    const std::string reason = std::strerror(error);
    if (error == ENXIO || error == EREMOTEIO)
        throw LinkError(what + ": no acknowledge from " + Hex2(address7) + " on " + busPath() + " (" + reason + ")");
    throw LinkError(what + ": the transfer with " + Hex2(address7) + " on " + busPath() + " failed (" + reason + ")");
}

void LinuxI2CDevInterface::Transfer(std::span<::i2c_msg> messages, const std::string& what)
{
    i2c_rdwr_ioctl_data transfer{messages.data(), static_cast<uint32_t>(messages.size())};
    Call(I2C_RDWR, &transfer, what, address7_);
}

void LinuxI2CDevInterface::Smbus(uint8_t readWrite, uint8_t command, uint32_t size, ::i2c_smbus_data* data,
                                 const std::string& what, uint8_t address7)
{
    i2c_smbus_ioctl_data transfer{readWrite, command, size, data};
    Call(I2C_SMBUS, &transfer, what, address7);
}

bool LinuxI2CDevInterface::SelectChip(uint8_t address7)
{
    if (system_.Ioctl(fd_, I2C_SLAVE, reinterpret_cast<void*>(static_cast<uintptr_t>(address7))) >= 0) return true;
    const int error = errno;
    if (error == EBUSY) return false;
    throw LinkError(busPath() + " cannot address " + Hex2(address7) + " (" + std::strerror(error) + ")");
}

void LinuxI2CDevInterface::RequireFunction(unsigned long function, const std::string& what) const
{
    if ((functions_ & function) == 0)
        throw LinkError(what + ": the adapter of " + busPath() + " speaks SMBus only and cannot do this transfer");
}

void LinuxI2CDevInterface::RequireBlock(unsigned long function, size_t count, const std::string& what) const
{
    RequireFunction(function, what);
    if (count > SmbusBlockMax)
        throw LinkError(what + ": the adapter of " + busPath() + " speaks SMBus only and moves at most " +
                        std::to_string(SmbusBlockMax) + " registers in one transfer");
}

void LinuxI2CDevInterface::WriteByte(int16_t reg, int16_t value)
{
    if (!connected_) return;
    std::array<uint8_t, 2> bytes{ByteArgument(reg, "WriteByte", "register"), ByteArgument(value, "WriteByte", "value")};
    if (speaksI2C()) {
        std::array<::i2c_msg, 1> message{{{address7_, 0, 2, bytes.data()}}};
        Transfer(message, "WriteByte");
        return;
    }
    ::i2c_smbus_data data{};
    data.byte = bytes[1];
    Smbus(I2C_SMBUS_WRITE, bytes[0], I2C_SMBUS_BYTE_DATA, &data, "WriteByte", address7_);
}

uint8_t LinuxI2CDevInterface::ReadByte(int16_t reg)
{
    if (!connected_) return 0;
    uint8_t registerByte = ByteArgument(reg, "ReadByte", "register");
    if (speaksI2C()) {
        uint8_t value = 0;
        std::array<::i2c_msg, 2> messages{{{address7_, 0, 1, &registerByte}, {address7_, I2C_M_RD, 1, &value}}};
        Transfer(messages, "ReadByte");
        return value;
    }
    ::i2c_smbus_data data{};
    Smbus(I2C_SMBUS_READ, registerByte, I2C_SMBUS_BYTE_DATA, &data, "ReadByte", address7_);
    return data.byte;
}

void LinuxI2CDevInterface::WriteBytes(int16_t reg, std::span<const int16_t> data)
{
    if (!connected_ || data.empty()) return;
    std::vector<uint8_t> bytes{ByteArgument(reg, "WriteBytes", "register")};
    for (const int16_t value : data) bytes.push_back(ByteArgument(value, "WriteBytes", "value"));
    if (speaksI2C()) {
        std::array<::i2c_msg, 1> message{{{address7_, 0, static_cast<uint16_t>(bytes.size()), bytes.data()}}};
        Transfer(message, "WriteBytes");
        return;
    }
    if (data.size() == 1) return WriteByte(reg, data[0]);
    const std::string what = "WriteBytes of " + std::to_string(data.size()) + " registers";
    RequireBlock(I2C_FUNC_SMBUS_WRITE_I2C_BLOCK, data.size(), what);
    ::i2c_smbus_data block{};
    block.block[0] = static_cast<uint8_t>(data.size());
    std::copy(bytes.begin() + 1, bytes.end(), block.block + 1);
    Smbus(I2C_SMBUS_WRITE, bytes[0], I2C_SMBUS_I2C_BLOCK_DATA, &block, what, address7_);
}

void LinuxI2CDevInterface::ReadBytes(int16_t reg, std::span<int16_t> data)
{
    if (!connected_ || data.empty()) return;
    uint8_t registerByte = ByteArgument(reg, "ReadBytes", "register");
    std::vector<uint8_t> bytes(data.size());
    if (speaksI2C()) {
        std::array<::i2c_msg, 2> messages{{{address7_, 0, 1, &registerByte},
                                           {address7_, I2C_M_RD, static_cast<uint16_t>(bytes.size()), bytes.data()}}};
        Transfer(messages, "ReadBytes");
    } else if (data.size() == 1) {
        bytes[0] = ReadByte(reg);
    } else {
        const std::string what = "ReadBytes of " + std::to_string(data.size()) + " registers";
        RequireBlock(I2C_FUNC_SMBUS_READ_I2C_BLOCK, data.size(), what);
        ::i2c_smbus_data block{};
        block.block[0] = static_cast<uint8_t>(data.size());
        Smbus(I2C_SMBUS_READ, registerByte, I2C_SMBUS_I2C_BLOCK_DATA, &block, what, address7_);
        std::copy(block.block + 1, block.block + 1 + data.size(), bytes.begin());
    }
    std::copy(bytes.begin(), bytes.end(), data.begin());
}

LinuxI2CDevInterface::ProbeResult LinuxI2CDevInterface::Probe(uint8_t address7)
{
    OpenBus();
    // SMBus transfers of a connected link go to its own chip again afterwards,
    // however the probe ends.
    struct Reselect {
        LinuxI2CDevInterface& link;
        ~Reselect()
        {
            if (!link.connected_ || link.speaksI2C()) return;
            try {
                if (!link.SelectChip(link.address7_)) link.connected_ = false;
            } catch (const LinkError&) {
                link.connected_ = false;  // rather no transfers than transfers to the probed chip
            }
        }
    } reselect{*this};
    if (!SelectChip(address7)) return ProbeResult::Busy;
    const bool readByte = IsEepromRange(address7) || (functions_ & I2C_FUNC_SMBUS_QUICK) == 0;
    RequireFunction(readByte ? I2C_FUNC_SMBUS_READ_BYTE : I2C_FUNC_SMBUS_QUICK, "Probe");
    ::i2c_smbus_data data{};
    i2c_smbus_ioctl_data transfer = readByte ? i2c_smbus_ioctl_data{I2C_SMBUS_READ, 0, I2C_SMBUS_BYTE, &data}
                                             : i2c_smbus_ioctl_data{I2C_SMBUS_WRITE, 0, I2C_SMBUS_QUICK, nullptr};
    return system_.Ioctl(fd_, I2C_SMBUS, &transfer) >= 0 ? ProbeResult::Answers : ProbeResult::Absent;
}

}  // namespace velk
