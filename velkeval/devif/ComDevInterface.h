#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "DevInterface.h"
#include "SerialPort.h"

namespace velk {

// An I2C converter on a serial port: every register write or read request
// is one 19-byte command packet. The converter's answers are thrown away,
// so reads give 0, and writes are not acknowledged: a missing converter is
// not detected. The device is held only while a packet goes out (see
// SerialPort), so the single-register window's link and the main window's
// can share it. A device that cannot be opened fails Connect with a
// LinkError naming it; a register, value or address outside 0..255 is a
// LinkError raised before anything is written.
class ComDevInterface : public DevInterface {
public:
    explicit ComDevInterface(UserDialogs& dialogs, std::unique_ptr<SerialPort> serial);

    bool isConnected() const override { return connected_; }
    void Disconnect() override { connected_ = false; }
    // Opens the configured port (checking that it opens and setting it up).
    bool Connect(int16_t address) override;
    // One write packet per byte, all for the same register.
    void WriteBytes(int16_t reg, std::span<const int16_t> data) override;
    void ReadBytes(int16_t, std::span<int16_t>) override {}
    void WriteByte(int16_t reg, int16_t value) override;
    // Sends the read packet and gives 0: the answer is not waited for.
    uint8_t ReadByte(int16_t reg) override;
    // "COMPORT": the port number ("COM n", mapped by ComPortDevice), or the
    // path of a serial device. Used at the next Connect.
    void Configure(const std::string& name, const SettingValue& value) override;
    std::string DevType() const override { return "I2C_COM"; }
    bool ReadsBack() const override { return false; }

private:
    using Packet = std::array<uint8_t, 19>;

    static Packet WritePacket(uint8_t reg, uint8_t address, uint8_t value);
    static Packet ReadPacket(uint8_t reg, uint8_t address);

    std::unique_ptr<SerialPort> serial_;
    bool connected_ = false;
    int16_t port = 1;
    std::optional<std::string> devicePath;  // set when configured by path
    std::string openedDevice;                // the device Connect opened
    uint8_t address = 0;
};

}  // namespace velk
