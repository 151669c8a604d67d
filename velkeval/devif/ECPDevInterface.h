#pragma once

#include <cstdint>
#include <string>

#include "DevInterface.h"
#include "Ports.h"

namespace velk {

// A parallel port in ECP mode: a register write is an address-channel byte
// (the register with bit 7 set) and a data byte written to the port's FIFOs.
// Writes only (reads give 0); the device address is kept but not sent.
class ECPDevInterface : public DevInterface {
public:
    ECPDevInterface(UserDialogs& dialogs, portio::Ports& ports) : DevInterface(dialogs), ports_(ports) {}

    bool isConnected() const override { return connected_; }
    void Disconnect() override { connected_ = false; }
    bool Connect(int16_t address) override;
    void WriteBytes(int16_t reg, std::span<const int16_t> data) override;
    void ReadBytes(int16_t, std::span<int16_t>) override {}
    void WriteByte(int16_t reg, int16_t value) override;
    uint8_t ReadByte(int16_t) override { return 0; }
    // "LPTPORT": the port base.
    void Configure(const std::string& name, const SettingValue& value) override;
    std::string DevType() const override { return "ECP_PARALLEL"; }
    bool ReadsBack() const override { return false; }

    // Switches the port's mode through the extended control register: 0
    // standard, 1 and 2 ECP set-ups (2 the one writes use); other values
    // write nothing.
    void setPortMode(int32_t m);

private:
    void Out(unsigned offset, int value);

    portio::Ports& ports_;
    bool connected_ = false;
    std::string address = "00000000";
    uint16_t port = 888;
    int32_t mode = 0;
};

}  // namespace velk
