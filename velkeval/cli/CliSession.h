#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "CliOptions.h"
#include "CollectingDialogs.h"
#include "DevInterface.h"
#include "HeadlessRegisterView.h"
#include "HeadlessWindow.h"
#include "I2CDevSystem.h"
#include "Ports.h"
#include "ProgramState.h"

namespace velk::cli {

// What a command does on the chip: only write, or read as well.
enum class ChipAccess { Write, Read };

// What probing an address finds; a kernel driver may hold a chip on a
// Linux I2C bus.
enum class ChipAnswer { None, Answers, HeldByDriver };

// Where the command line reaches the Linux I2C buses: their system calls
// and the sysfs folder that lists them. Tests give a fake bus and folder.
struct I2CAccess {
    I2CDevSystem* system = &SystemI2CDev();
    std::string sysRoot = "/sys";
};

// What one command works with: a headless program state for the loaded
// device and, opened on first use, the ports and the link the options
// choose. Failures are CommandFailure with a one-line description.
class CliSession {
public:
    CliSession(const CliOptions& options, std::ostream& err, const I2CAccess& i2c);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Loads the device the options select (the first one without -d).
    void LoadDescription(const std::string& file);
    ProgramState& state() { return state_; }
    DescriptionWindow& window() { return window_; }
    CollectingDialogs& dialogs() { return dialogs_; }
    std::ostream& err() { return err_; }
    const DeviceRecord& device() const { return *state_.currentDevice; }

    // Opens the link to the loaded device (devInterface), after making sure
    // that the chip answers unless --no-probe. A command that reads fails on
    // a link that cannot read, before anything reaches the chip.
    void ConnectToDevice(ChipAccess access);
    // The same for a chip given by its 8-bit write address.
    DevInterface& ConnectTo(uint8_t address8, ChipAccess access);
    // Whether a chip acknowledges its address; a link that cannot probe is
    // a failure.
    ChipAnswer Probe(uint8_t address8);
    const I2CAccess& i2c() const { return i2c_; }

    // Closes the ports and, with --trace, puts the recording in its file.
    void Finish();

private:
    portio::Ports& ports();
    std::shared_ptr<DevInterface> MakeLink(uint8_t address8);
    void RequireAnswer(DevInterface& link, uint8_t address8);

    const CliOptions& options_;
    std::ostream& err_;
    I2CAccess i2c_;
    CollectingDialogs dialogs_;
    HeadlessRegisterView view_;
    HeadlessWindow window_;
    ProgramState state_{view_, dialogs_};
    std::unique_ptr<portio::Ports> ports_;
    std::string traceRecording_;  // the temporary file the trace goes to first
};

// "0x4c (8-bit 0x98)": a chip address as messages show it.
std::string ChipAddressText(uint8_t address8);

}  // namespace velk::cli
