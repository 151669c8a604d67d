#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "DevInterface.h"
#include "I2CDevSystem.h"

struct i2c_msg;
union i2c_smbus_data;

namespace velk {

// I2C through a bus the Linux kernel drives (/dev/i2c-N): USB adapters with
// kernel drivers, the I2C controllers of single-board computers, a graphics
// card's DDC lines. A write is one transfer [register, value]; a read writes
// the register and reads the byte after a repeated start. WriteBytes and
// ReadBytes move consecutive registers in one transfer, counting on in the
// chip (unlike the parallel and serial links, whose WriteBytes sends every
// byte to the same register). An adapter that speaks SMBus only moves single
// bytes as SMBus byte-data transfers and up to 32 bytes as SMBus I2C-block
// transfers where it offers them; longer runs it cannot move are refused.
// Unlike the bit-banged link the kernel reports a missing acknowledge or a
// bus error: each is a LinkError naming the bus, the chip and the system's
// reason. A register or value outside 0..255 is a LinkError before anything
// is sent; a bus that cannot be opened fails Connect with a LinkError that
// says why and how to get access.
class LinuxI2CDevInterface : public DevInterface {
public:
    // What probing one address finds, as i2cdetect shows it.
    enum class ProbeResult { Absent, Answers, Busy };

    LinuxI2CDevInterface(UserDialogs& dialogs, I2CDevSystem& system) : DevInterface(dialogs), system_(system) {}
    ~LinuxI2CDevInterface() override;

    bool isConnected() const override { return connected_; }
    // Forgets the chip and closes the bus.
    void Disconnect() override;
    // Opens the configured bus for the chip at the 8-bit write address
    // (7-bit address = address >> 1); an address beyond 8 bits is refused.
    bool Connect(int16_t address) override;
    void WriteBytes(int16_t reg, std::span<const int16_t> data) override;
    void ReadBytes(int16_t reg, std::span<int16_t> data) override;
    void WriteByte(int16_t reg, int16_t value) override;
    uint8_t ReadByte(int16_t reg) override;
    // "I2CBUS": the number n of the bus /dev/i2c-n.
    void Configure(const std::string& name, const SettingValue& value) override;
    std::string DevType() const override { return "I2C_LINUX"; }

    // Probes a 7-bit address as i2cdetect does by default: a one-byte read
    // for 0x30-0x37 and 0x50-0x5F (where a quick write could change an
    // EEPROM), a quick write elsewhere. Opens the bus when it is closed.
    ProbeResult Probe(uint8_t address7);

    // "/dev/i2c-n", or empty before a bus is configured.
    std::string busPath() const;
    // Whether the adapter does plain I2C transfers (else SMBus only); the
    // bus must be open.
    bool speaksI2C() const;

private:
    void OpenBus();
    void CloseBus();
    // Runs one ioctl on the open bus; a failure is a LinkError describing
    // what was done to which chip and why it failed.
    void Call(unsigned long request, void* argument, const std::string& what, uint8_t address7);
    void Transfer(std::span<::i2c_msg> messages, const std::string& what);
    void Smbus(uint8_t readWrite, uint8_t command, uint32_t size, ::i2c_smbus_data* data, const std::string& what,
               uint8_t address7);
    // Points SMBus transfers at a chip; a chip held by a kernel driver is
    // Busy, not an error.
    bool SelectChip(uint8_t address7);
    void RequireFunction(unsigned long function, const std::string& what) const;
    // An SMBus I2C-block transfer of count registers.
    void RequireBlock(unsigned long function, size_t count, const std::string& what) const;

    I2CDevSystem& system_;
    std::optional<int> bus_;
    int fd_ = -1;
    unsigned long functions_ = 0;
    bool connected_ = false;
    uint8_t address7_ = 0;
};

}  // namespace velk
