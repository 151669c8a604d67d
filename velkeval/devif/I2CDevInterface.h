#pragma once

#include <optional>
#include <string>

#include "DevInterface.h"
#include "Ports.h"

namespace velk {

// I2C driven bit by bit through the adapter on the parallel port: every bus
// level change is a data-register write (SCL bit 0, SDA bit 1, bits 2 to 4
// high) followed by a strobe pulse on the control register; SDA is read
// back on status bit 3. The link detects no bus failure: acknowledges are
// not looked at. A register or value outside 0..255 is a LinkError raised
// before anything reaches the port.
class I2CDevInterface : public DevInterface {
public:
    I2CDevInterface(UserDialogs& dialogs, portio::Ports& ports) : DevInterface(dialogs), ports_(ports) {}

    bool isConnected() const override { return connected_; }
    void Disconnect() override { connected_ = false; }
    bool Connect(int16_t address) override;
    void WriteBytes(int16_t reg, std::span<const int16_t> data) override;
    void ReadBytes(int16_t reg, std::span<int16_t> data) override;
    void WriteByte(int16_t reg, int16_t value) override;
    uint8_t ReadByte(int16_t reg) override;
    // "LPTPORT": the port base (888 or 632).
    void Configure(const std::string& name, const SettingValue& value) override;
    std::string DevType() const override { return "I2C_PARALLEL"; }

    // Whether a chip answers at the 8-bit address: a start, the address
    // byte, its acknowledge read back, a stop. Needs no connection.
    bool Probe(uint8_t address8);

protected:
    // The bus primitives.
    void setLines(int c, int d);
    void strobe();
    void setReadMode(int r);
    int readSDA();
    void i2cStart(bool repeated);
    void i2cStop();
    bool i2cWriteByte(uint8_t b);
    uint8_t i2cReadByte(bool sendAck);

private:
    void clock(int c, int d);  // setLines then strobe
    uint16_t base() const;
    uint8_t addressByte(int readBit) const;

    portio::Ports& ports_;
    bool connected_ = false;
    std::string addr7;  // the 7-bit address, most significant digit first
    int readMode = 0;
    std::optional<uint16_t> port;  // none until configured
};

}  // namespace velk
