#include "I2CDevInterface.h"

#include "AddressBits.h"
#include "ByteArgument.h"
#include "Conversions.h"
#include "LinkArguments.h"
#include "LinkError.h"
#include "PortClaim.h"

namespace velk {

uint16_t I2CDevInterface::base() const
{
    if (!port) throw LinkError("I2C_PARALLEL: no LPT port configured");
    return *port;
}

void I2CDevInterface::setLines(int c, int d) { ports_.Out2(base(), static_cast<uint16_t>(28 + c + 2 * d)); }

void I2CDevInterface::strobe()
{
    const auto control = static_cast<uint16_t>(base() + 2);
    ports_.Out2(control, static_cast<uint16_t>(4 * readMode + 11));
    ports_.Out2(control, static_cast<uint16_t>(4 * readMode + 10));
    ports_.Out2(control, static_cast<uint16_t>(4 * readMode + 11));
}

void I2CDevInterface::setReadMode(int r)
{
    readMode = r;
    ports_.Out2(static_cast<uint16_t>(base() + 2), static_cast<uint16_t>(4 * r + 10));
}

int I2CDevInterface::readSDA() { return (ports_.Inp2(static_cast<uint16_t>(base() + 1)) & 8) / 8; }

void I2CDevInterface::clock(int c, int d)
{
    setLines(c, d);
    strobe();
}

void I2CDevInterface::i2cStart(bool repeated)
{
    setReadMode(0);
    if (repeated) clock(0, 1);
    clock(1, 1);
    clock(1, 0);
    clock(0, 0);
}

void I2CDevInterface::i2cStop()
{
    setReadMode(0);
    clock(0, 0);
    clock(1, 0);
    clock(1, 1);
}

bool I2CDevInterface::i2cWriteByte(uint8_t b)
{
    setReadMode(0);
    for (int i = 7; i >= 0; --i) {
        const int d = (b >> i) & 1;
        clock(0, d);
        clock(1, d);
        clock(0, d);
    }
    setReadMode(1);
    clock(1, 0);  // the adapter's SDA driver is released: the target answers
    const bool ack = readSDA() == 0;
    clock(0, 0);
    return ack;
}

uint8_t I2CDevInterface::i2cReadByte(bool sendAck)
{
    int v = 0;
    setReadMode(1);
    for (int i = 0; i < 8; ++i) {
        clock(1, 1);
        v = v * 2 + readSDA();
        clock(0, 1);
    }
    if (sendAck) {
        clock(0, 0);
        setReadMode(0);
        clock(1, 0);
        clock(0, 0);
    }
    return static_cast<uint8_t>(v);
}

uint8_t I2CDevInterface::addressByte(int readBit) const
{
    return static_cast<uint8_t>(BinToInt(addr7 + (readBit ? "1" : "0")));
}

bool I2CDevInterface::Connect(int16_t address)
{
    if (connected_) return false;
    const auto bits = EightAddressBits(address);
    if (!bits) return false;
    addr7 = bits->substr(0, 7);
    connected_ = true;
    return true;
}

void I2CDevInterface::WriteByte(int16_t reg, int16_t value)
{
    if (!connected_) return;
    const uint8_t r = ByteArgument(reg, "WriteByte", "register");
    const uint8_t v = ByteArgument(value, "WriteByte", "value");
    portio::PortClaim claim(ports_, base());
    i2cStart(false);
    i2cWriteByte(addressByte(0));
    i2cWriteByte(r);
    i2cWriteByte(v);
    i2cStop();
}

uint8_t I2CDevInterface::ReadByte(int16_t reg)
{
    if (!connected_) return 0;
    const uint8_t r = ByteArgument(reg, "ReadByte", "register");
    portio::PortClaim claim(ports_, base());
    i2cStart(false);
    i2cWriteByte(addressByte(0));
    i2cWriteByte(r);
    i2cStart(true);
    i2cWriteByte(addressByte(1));
    const uint8_t value = i2cReadByte(false);
    i2cStop();
    return value;
}

bool I2CDevInterface::Probe(uint8_t address8)
{
    portio::PortClaim claim(ports_, base());
    i2cStart(false);
    const bool ack = i2cWriteByte(address8);
    i2cStop();
    return ack;
}

void I2CDevInterface::WriteBytes(int16_t reg, std::span<const int16_t> data)
{
    if (!connected_) return;
    portio::PortClaim claim(ports_, base());
    for (int16_t value : data) WriteByte(reg, value);
}

void I2CDevInterface::ReadBytes(int16_t reg, std::span<int16_t> data)
{
    if (!connected_) return;
    portio::PortClaim claim(ports_, base());
    for (int16_t& value : data) value = ReadByte(reg);
}

void I2CDevInterface::Configure(const std::string& name, const SettingValue& value)
{
    if (name == "LPTPORT") port = LptPortSetting(value);
}

}  // namespace velk
