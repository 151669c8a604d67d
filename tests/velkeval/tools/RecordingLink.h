#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "DevInterface.h"

// A link that records every call as text ("Connect 128", "WriteByte 5 7"),
// answers reads with `readValue` and, when `failing`, throws from every
// transfer as a broken link does.
class RecordingLink : public velk::DevInterface {
public:
    explicit RecordingLink(velk::UserDialogs& dialogs) : DevInterface(dialogs) {}

    std::vector<std::string> calls;
    uint8_t readValue = 0;
    bool failing = false;

    bool isConnected() const override { return connected_; }
    void Disconnect() override
    {
        calls.push_back("Disconnect");
        connected_ = false;
    }
    bool Connect(int16_t address) override
    {
        calls.push_back("Connect " + std::to_string(address));
        connected_ = true;
        return true;
    }
    void WriteByte(int16_t reg, int16_t value) override
    {
        Transfer();
        calls.push_back("WriteByte " + std::to_string(reg) + " " + std::to_string(value));
    }
    uint8_t ReadByte(int16_t reg) override
    {
        Transfer();
        calls.push_back("ReadByte " + std::to_string(reg));
        return readValue;
    }

private:
    void Transfer() const
    {
        if (failing) throw std::runtime_error("link broken");
    }

    bool connected_ = false;
};
