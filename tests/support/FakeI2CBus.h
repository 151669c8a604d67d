#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <linux/i2c.h>

#include "I2CDevSystem.h"
#include "SimBoard.h"

// The kernel's i2c-dev layer in a test's hands: bus /dev/i2c-N whose chips
// are the simulated board's register files, so that what the i2c-dev link
// writes the parallel link reads back. Chips count their register pointer
// on as real ones do; a chip the board does not answer for gives ENXIO.
// Every system call is recorded with the messages it carried.
class FakeI2CBus : public velk::I2CDevSystem {
public:
    struct Message {
        uint16_t address = 0;
        uint16_t flags = 0;
        std::vector<uint8_t> bytes;  // written, or read back
        bool operator==(const Message&) const = default;
    };
    struct Call {
        std::string name;               // open, funcs, slave, rdwr, smbus, close
        std::vector<Message> messages;  // rdwr: each message; smbus: one, its flags the read_write byte
        uint8_t command = 0;            // smbus: the command (register) byte
        uint32_t size = 0;              // smbus: the transfer size
    };

    // Plain I2C and the SMBus transfers the kernel emulates on top of it.
    static constexpr unsigned long FullFunctions = I2C_FUNC_I2C | I2C_FUNC_SMBUS_EMUL;

    FakeI2CBus(portio::SimBoard& board, int busNumber) : board_(board), busNumber_(busNumber) {}

    void setFunctions(unsigned long functions) { functions_ = functions; }
    void setOpenError(int error) { openError_ = error; }
    // A kernel driver holds the address: I2C_SLAVE answers EBUSY.
    void setBusy(uint8_t address7) { busy_.set(address7); }

    const std::vector<Call>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    // Without recording only the count of calls is kept (long runs).
    void setRecording(bool on) { recording_ = on; }
    uint64_t callCount() const { return callCount_; }
    size_t openDescriptors() const { return slaveOf_.size(); }

    int Open(const std::string& path) override;
    int Ioctl(int fd, unsigned long request, void* argument) override;
    int Close(int fd) override;

private:
    int Fail(int error);
    void Record(Call call);
    bool Answers(uint8_t address7) { return board_.Answering().test(address7); }
    void Write(uint8_t address7, const uint8_t* bytes, size_t count);
    void Read(uint8_t address7, uint8_t* bytes, size_t count);
    int ReadWrite(void* argument);
    int Smbus(int fd, void* argument);

    portio::SimBoard& board_;
    int busNumber_;
    unsigned long functions_ = FullFunctions;
    int openError_ = 0;
    std::bitset<128> busy_;
    std::array<uint8_t, 128> pointer_{};
    std::map<int, uint8_t> slaveOf_;  // open descriptors and the chip each points at
    int nextFd_ = 100;
    std::vector<Call> calls_;
    bool recording_ = true;
    uint64_t callCount_ = 0;
};
