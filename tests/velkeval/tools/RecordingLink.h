#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "DevInterface.h"

// A link that records its calls as text ("Connect 128", "WriteByte 5 7"),
// answers reads with `readValue` and, when `failing`, throws from every
// transfer as a broken link does.
struct RecordingLink : velk::DevInterface {
    explicit RecordingLink(velk::UserDialogs& dialogs) : DevInterface(dialogs) {}

    std::vector<std::string> calls;
    uint8_t readValue = 0;
    bool failing = false;
    bool connected = false;

    bool isConnected() const override { return connected; }
    void Disconnect() override
    {
        calls.push_back("Disconnect");
        connected = false;
    }
    bool Connect(int16_t address) override
    {
        calls.push_back("Connect " + std::to_string(address));
        return connected = true;
    }
    void WriteByte(int16_t reg, int16_t value) override
    {
        Transfer("WriteByte " + std::to_string(reg) + " " + std::to_string(value));
    }
    uint8_t ReadByte(int16_t reg) override
    {
        Transfer("ReadByte " + std::to_string(reg));
        return readValue;
    }

private:
    void Transfer(const std::string& call)
    {
        if (failing) throw std::runtime_error("link broken");
        calls.push_back(call);
    }
};
