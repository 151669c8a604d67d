#include "ECPDevInterface.h"

#include "AddressBits.h"
#include "PortClaim.h"

namespace velk {
namespace {

constexpr unsigned EcpData = 0x400;
constexpr unsigned ConfigB = 0x401;
constexpr unsigned ExtendedControl = 0x402;
constexpr unsigned Control = 2;

}  // namespace

void ECPDevInterface::Out(unsigned offset, int value)
{
    ports_.Out2(static_cast<uint16_t>(port + offset), static_cast<uint16_t>(value));
}

void ECPDevInterface::setPortMode(int32_t m)
{
    mode = m;
    portio::PortClaim claim(ports_, port);
    if (m == 0) {
        Out(ExtendedControl, 0);
    } else if (m == 1 || m == 2) {
        Out(ExtendedControl, 0xE0);
        Out(ConfigB, 1);
        Out(ExtendedControl, 0x30);
        Out(Control, m == 1 ? 0x24 : 0x04);
        Out(ExtendedControl, 0x70);
    }
}

bool ECPDevInterface::Connect(int16_t newAddress)
{
    if (connected_) return false;
    const auto bits = EightAddressBits(newAddress);
    if (!bits) return false;
    address = *bits;
    connected_ = true;
    return true;
}

void ECPDevInterface::WriteByte(int16_t reg, int16_t value)
{
    if (!connected_) return;
    portio::PortClaim claim(ports_, port);
    if (mode != 2) setPortMode(2);
    Out(0, (reg & 127) + 128);
    Out(EcpData, value);  // Out2 takes the low 8 bits
    setPortMode(0);
}

void ECPDevInterface::WriteBytes(int16_t reg, std::span<const int16_t> data)
{
    if (!connected_) return;
    portio::PortClaim claim(ports_, port);
    for (int16_t value : data) WriteByte(reg, value);
}

void ECPDevInterface::Configure(const std::string& name, const SettingValue& value)
{
    if (name == "LPTPORT") port = LptPortSetting(value);
}

}  // namespace velk
