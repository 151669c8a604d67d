#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "SettingValue.h"
#include "UserDialogs.h"

namespace velk {

// The link to the chips: write bytes to a register of the connected device,
// read a byte from one. Every operation is overridable; the bodies here are
// never meant to run and say so in a message box, returning false, 0 or an
// empty text. Common to the links: while not connected every operation does
// nothing and reads give 0. WriteBytes and ReadBytes of the parallel links
// send every byte to the same register; the Linux I2C link moves consecutive
// registers, as the chip counts its register on. Port failures are
// PortError, argument, setting and bus failures LinkError.
class DevInterface {
public:
    explicit DevInterface(UserDialogs& dialogs) : dialogs_(dialogs) {}
    virtual ~DevInterface() = default;
    DevInterface(const DevInterface&) = delete;
    DevInterface& operator=(const DevInterface&) = delete;

    virtual bool isConnected() const;
    virtual void Disconnect();
    // Takes the device's 8-bit write address; returns whether it was accepted.
    virtual bool Connect(int16_t address);
    virtual void WriteBytes(int16_t reg, std::span<const int16_t> data);
    virtual void ReadBytes(int16_t reg, std::span<int16_t> data);
    virtual void WriteByte(int16_t reg, int16_t value);
    virtual uint8_t ReadByte(int16_t reg);
    // Sets one named setting; unknown names are ignored.
    virtual void Configure(const std::string& name, const SettingValue& value);
    virtual std::string DevType() const;
    // Whether reads return what the chip holds. A link that only writes
    // answers false; its reads then give 0.
    virtual bool ReadsBack() const { return true; }

protected:
    // Where a link shows its own reports.
    UserDialogs& dialogs() const { return dialogs_; }

private:
    void ShouldNotRun() const;

    UserDialogs& dialogs_;
};

}  // namespace velk
