#include "DevInterface.h"

namespace velk {

void DevInterface::ShouldNotRun() const
{
    dialogs_.ShowMessage({"Error", "Error: DevInterface code should not run!", MessageIcon::Exclamation});
}

bool DevInterface::isConnected() const
{
    ShouldNotRun();
    return false;
}

void DevInterface::Disconnect() { ShouldNotRun(); }

bool DevInterface::Connect(int16_t)
{
    ShouldNotRun();
    return false;
}

void DevInterface::WriteBytes(int16_t, std::span<const int16_t>) { ShouldNotRun(); }

void DevInterface::ReadBytes(int16_t, std::span<int16_t>) { ShouldNotRun(); }

void DevInterface::WriteByte(int16_t, int16_t) { ShouldNotRun(); }

uint8_t DevInterface::ReadByte(int16_t)
{
    ShouldNotRun();
    return 0;
}

void DevInterface::Configure(const std::string&, const SettingValue&) { ShouldNotRun(); }

std::string DevInterface::DevType() const
{
    ShouldNotRun();
    return {};
}

}  // namespace velk
