#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "DevInterface.h"

namespace velk::test {

// A link that keeps a register file, logs every operation ("W 1A 5",
// "R 1A", "Disconnect", "Connect 152") and fails on purpose, like a link
// that cannot reach the chip, on every access to register failAt.
class RecordingLink : public DevInterface {
public:
    explicit RecordingLink(UserDialogs& dialogs) : DevInterface(dialogs) {}

    std::map<int16_t, int16_t> registers;
    std::vector<std::string> log;
    std::optional<int16_t> failAt;

    bool isConnected() const override { return true; }
    void Disconnect() override { log.push_back("Disconnect"); }
    bool Connect(int16_t address) override;
    void WriteByte(int16_t reg, int16_t value) override;
    uint8_t ReadByte(int16_t reg) override;

    // The logged writes only.
    std::vector<std::string> writes() const;

private:
    void FailWhenAsked(int16_t reg) const;
};

}  // namespace velk::test
