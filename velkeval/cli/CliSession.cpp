#include "CliSession.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <unistd.h>

#include "AtomicFile.h"
#include "CliErrors.h"
#include "ComDevInterface.h"
#include "Conversions.h"
#include "DescriptionLoader.h"
#include "DevConnection.h"
#include "ECPDevInterface.h"
#include "FileError.h"
#include "I2CDevInterface.h"
#include "LibUsbBus.h"
#include "LinkError.h"
#include "LinuxI2CDevInterface.h"
#include "PortSelection.h"
#include "StartUp.h"
#include "TermiosSerialPort.h"
#include "USBDevInterface.h"
#include "UsbBoards.h"

namespace velk::cli {
namespace {

std::string Hex2(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", value & 0xFF);
    return text;
}

std::string NewRecordingFile()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "velkeval-cli-trace-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw CommandFailure("no temporary file for the bus trace can be created");
    close(fd);
    return pattern;
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    if (!in && !in.eof()) throw CommandFailure("the bus trace cannot be read back from " + path);
    return contents.str();
}

// The serial link on COM n (COM 1 when no target is given) or a device path.
std::shared_ptr<DevInterface> SerialLink(const std::string& target, UserDialogs& dialogs, uint8_t address8)
{
    auto link = std::make_shared<ComDevInterface>(dialogs, std::make_unique<TermiosSerialPort>());
    link->Configure("COMPORT", target.empty() ? std::string("1") : target);
    link->Connect(address8);
    return link;
}

// The USB link on board n (board 0 when no target is given), which must
// be there and identify: the window would show it as not connected.
std::shared_ptr<DevInterface> UsbLink(const std::string& target, UserDialogs& dialogs, uint8_t address8)
{
    const int board = target.empty() ? 0 : std::stoi(target);
    auto link = std::make_shared<USBDevInterface>(dialogs, ProcessUsbBus());
    link->Configure("USB_DRIVERNAME", UsbDriverName(board));
    if (!link->Connect(address8))
        throw CommandFailure("USB board " + std::to_string(board) + " (" + UsbDriverName(board) +
                             ") is not there, cannot be opened or does not identify; see velkeval-cli boards");
    return link;
}

}  // namespace

std::string ChipAddressText(uint8_t address8) { return Hex2(address8 >> 1u) + " (8-bit " + Hex2(address8) + ")"; }

CliSession::CliSession(const CliOptions& options, std::ostream& err, const I2CAccess& i2c)
    : options_(options), err_(err), i2c_(i2c)
{
}

CliSession::~CliSession()
{
    ports_.reset();
    if (!traceRecording_.empty()) std::remove(traceRecording_.c_str());
}

void CliSession::LoadDescription(const std::string& file)
{
    ParseFile(state_, window_, file, options_.device);
    if (auto message = dialogs_.TakeMessage()) {
        // The window's message box text, as one error line.
        const std::string prefix = "Error: ";
        if (message->rfind(prefix, 0) == 0) message->erase(0, prefix.size());
        throw CommandFailure(*message);
    }
    if (!state_.currentDevice)
        throw CommandFailure(options_.device.empty() ? "the description \"" + file + "\" has no device"
                                                     : "the description \"" + file + "\" has no device named \"" +
                                                           options_.device + "\"");
}

portio::Ports& CliSession::ports()
{
    if (ports_) return *ports_;
    try {
        portio::PortOptions portOptions = portio::OptionsFromEnvironment();
        if (!options_.backend.empty()) portOptions.backend = portio::ParseBackend(options_.backend);
        if (!options_.tracePath.empty()) {
            traceRecording_ = NewRecordingFile();
            portOptions.tracePath = traceRecording_;
        }
        portio::OpenedPorts opened = portio::OpenPorts(portOptions);
        // Whoever names a backend knows which one is in use.
        if (!opened.note.empty() && options_.backend.empty() && !PortBackendNamed())
            err_ << "velkeval-cli: " << opened.note << '\n';
        ports_ = std::move(opened.ports);
    } catch (const portio::PortError& error) {
        throw CommandFailure(error.what());
    }
    return *ports_;
}

std::shared_ptr<DevInterface> CliSession::MakeLink(uint8_t address8)
{
    try {
        DeviceRecord chip;
        chip.currAddress = IntToBin(address8, 8);
        if (options_.link == "i2c-dev")
            return CreateLinuxI2CConnection(static_cast<int16_t>(options_.i2cBus), chip, dialogs_, *i2c_.system);
        if (options_.link == "ecp") {
            auto link = std::make_shared<ECPDevInterface>(dialogs_, ports());
            link->Connect(address8);
            return link;
        }
        if (options_.link == "com") return SerialLink(options_.linkTarget, dialogs_, address8);
        if (options_.link == "usb") return UsbLink(options_.linkTarget, dialogs_, address8);
        LinkOptions linkOptions;
        linkOptions.linkType = options_.link == "com"   ? LinkType::I2CComPort
                               : options_.link == "usb" ? LinkType::USB
                                                        : LinkType::I2CParallel;
        linkOptions.lptPort = options_.link == "lpt2" ? LptPort::Lpt2 : LptPort::Lpt1;
        return CreateDevConnection(linkOptions, chip, dialogs_, ports());
    } catch (const LinkError& error) {
        throw CommandFailure(error.what());
    }
}

ChipAnswer CliSession::Probe(uint8_t address8)
{
    if (!state_.devInterface && options_.link == "i2c-dev") {
        // Probing needs the bus only: a chip a kernel driver holds is no failure.
        auto bus = std::make_shared<LinuxI2CDevInterface>(dialogs_, *i2c_.system);
        bus->Configure("I2CBUS", int64_t{options_.i2cBus});
        state_.devInterface = bus;
    }
    if (!state_.devInterface) state_.devInterface = MakeLink(address8);
    try {
        if (auto* i2c = dynamic_cast<I2CDevInterface*>(state_.devInterface.get()))
            return i2c->Probe(address8) ? ChipAnswer::Answers : ChipAnswer::None;
        if (auto* kernelBus = dynamic_cast<LinuxI2CDevInterface*>(state_.devInterface.get())) {
            using Result = LinuxI2CDevInterface::ProbeResult;
            const Result result = kernelBus->Probe(static_cast<uint8_t>(address8 >> 1));
            return result == Result::Answers ? ChipAnswer::Answers
                   : result == Result::Busy  ? ChipAnswer::HeldByDriver
                                             : ChipAnswer::None;
        }
    } catch (const std::exception& error) {
        throw CommandFailure(std::string("the bus cannot be probed: ") + error.what());
    }
    throw CommandFailure("the " + options_.link + " link cannot tell whether a chip answers");
}

void CliSession::RequireAnswer(DevInterface& link, uint8_t address8)
{
    // The bit-banged and Linux I2C links read an acknowledge; the others are trusted.
    if (options_.noProbe ||
        (dynamic_cast<I2CDevInterface*>(&link) == nullptr && dynamic_cast<LinuxI2CDevInterface*>(&link) == nullptr))
        return;
    if (Probe(address8) == ChipAnswer::None)
        throw CommandFailure("no chip answers at " + ChipAddressText(address8) + " on " + options_.link);
}

DevInterface& CliSession::ConnectTo(uint8_t address8, ChipAccess access)
{
    state_.devInterface = MakeLink(address8);
    if (access == ChipAccess::Read && !state_.devInterface->ReadsBack())
        throw CommandFailure("the " + options_.link + " link cannot read from the chip");
    RequireAnswer(*state_.devInterface, address8);
    return *state_.devInterface;
}

void CliSession::ConnectToDevice(ChipAccess access)
{
    const int address = device().BusAddress();
    if (address < 0 || address > 255)
        throw CommandFailure("the device address " + device().currAddress + " is not an 8-bit address");
    ConnectTo(static_cast<uint8_t>(address), access);
}

void CliSession::Finish()
{
    state_.devInterface.reset();
    ports_.reset();
    if (traceRecording_.empty()) return;
    try {
        WriteFileAtomically(options_.tracePath, ReadWhole(traceRecording_));
    } catch (const FileError& error) {
        throw CommandFailure(error.what());
    }
}

}  // namespace velk::cli
