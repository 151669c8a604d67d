#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "UsbBus.h"

// A bulk-transfer board in the test's process, speaking the firmware's
// protocol: identify (0x01), write n registers (0x10) and read n registers
// (0x11) on the command pipe, the reply on the reply pipe. Like a real
// board it can be open by one user at a time.
struct FakeUsbBoard {
    velk::UsbIdentity identity{0x0547, 0x1002};
    // Pipe 0 the command endpoint, pipe 7 the reply endpoint.
    std::vector<uint8_t> pipes{0x01, 0x81, 0x02, 0x82, 0x04, 0x84, 0x06, 0x86};
    bool pipeRequestFails = false;
    std::string firmwareName = "EP-PAIR";
    uint8_t major = 1, minor = 2;
    uint8_t replyCode = 0;  // byte 0 of the write and read replies
    int readGives = -1;     // data bytes a read reply says it holds (byte 1); -1: as many as asked
    bool repliesCut = false;  // every reply one byte short
    std::array<uint8_t, 256> registers{};
    std::vector<std::vector<uint8_t>> commands{};  // every command received
    bool open = false;

    // The reply to the last command, taken by the next read.
    std::vector<uint8_t> pendingReply{};
    void Command(const std::vector<uint8_t>& command);
};

// The boards on the bus, in order. Boards are shared so a test can change
// one while links use it.
class FakeUsbBus : public velk::UsbBus {
public:
    std::shared_ptr<FakeUsbBoard> Add(FakeUsbBoard board = {});
    void Unplug() { boards_.clear(); }
    std::unique_ptr<velk::UsbBoard> Open(int n) override;

private:
    std::vector<std::shared_ptr<FakeUsbBoard>> boards_;
};
