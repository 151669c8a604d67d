#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "DevInterface.h"
#include "UsbBus.h"

namespace velk {

// A bulk-transfer board that forwards register requests to the I2C bus:
// each write or read is a command on pipe 0 and a reply on pipe 7. The
// board ("ezusb-" + n, the n-th on the bus) is opened only for one
// exchange, so the single-register window's link and the main window's
// can both use it. A transfer that fails is shown as a "BulkXFer Error"
// message and the operation ends; an error code in the reply is raised as
// a LinkRuntimeError. Connect fails quietly: a board that is missing or
// does not identify leaves the link not connected. Every command carries
// device address 0: the address given to Connect is not kept.
class USBDevInterface : public DevInterface {
public:
    USBDevInterface(UserDialogs& dialogs, UsbBus& bus) : DevInterface(dialogs), bus_(bus) {}

    bool isConnected() const override { return connected_; }
    void Disconnect() override;
    bool Connect(int16_t address) override;
    void WriteBytes(int16_t reg, std::span<const int16_t> data) override;
    void ReadBytes(int16_t reg, std::span<int16_t> data) override;
    void WriteByte(int16_t reg, int16_t value) override;
    uint8_t ReadByte(int16_t reg) override;
    // "USB_DRIVERNAME": the board, "ezusb-" + n.
    void Configure(const std::string& name, const SettingValue& value) override;
    std::string DevType() const override { return "USB"; }

    const std::string& driverName() const { return driverName_; }
    // What the board said it runs, while connected.
    const std::string& firmware() const { return firmware_; }

private:
    std::unique_ptr<UsbBoard> OpenBoard() const;
    // Sends a command and takes the reply; false after a failure report.
    bool Exchange(std::span<uint8_t> command, std::span<uint8_t> reply);
    // Raises the error code of a reply's first byte.
    static void CheckReplyCode(uint8_t code);

    UsbBus& bus_;
    bool connected_ = false;
    uint8_t deviceAddress = 0;
    std::string driverName_;
    std::string firmware_;
};

}  // namespace velk
