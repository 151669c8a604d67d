#include "RunCli.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <ostream>

#include "BusCommands.h"
#include "CliErrors.h"
#include "CliOptions.h"
#include "CliSession.h"
#include "DescriptionCommands.h"
#include "RegisterCommands.h"
#include "UsbBoardCommand.h"

namespace velk::cli {
namespace {

using Runner = void (*)(CliSession&, const CliOptions&, std::ostream&);

struct Command {
    const char* name;
    const char* synopsis;
    const char* summary;
    std::vector<std::string> options;  // long names it takes besides --help
    size_t minOperands;
    size_t maxOperands;
    Runner run;
};

constexpr size_t Unlimited = SIZE_MAX;

const std::vector<std::string> LinkOptions{"link", "bus", "backend", "trace", "no-probe"};

std::vector<std::string> With(std::vector<std::string> options, const std::vector<std::string>& more)
{
    options.insert(options.end(), more.begin(), more.end());
    return options;
}

const std::vector<Command>& Commands()
{
    static const std::vector<Command> commands{
        {"devices", "FILE", "List the devices of a description: name and address pattern.", {}, 1, 1, RunDevices},
        {"registers", "FILE [-d DEVICE] [--json]",
         "Print the register map of a device: address, name, size, control mode, access, and its fields\n"
         "(name, byte, bit range, default value).",
         {"device", "json"}, 1, 1, RunRegisters},
        {"read", "FILE [-d DEVICE] [-o VALUES]",
         "Read every register from the chip and write them as a values file (standard output without -o).",
         With({"device", "output"}, LinkOptions), 1, 1, RunRead},
        {"load", "FILE VALUES [-d DEVICE]",
         "Apply a values file to the device and write every register to the chip; reports the bytes written.",
         With({"device"}, LinkOptions), 2, 2, RunLoad},
        {"get", "FILE NAME... [-d DEVICE] [--register] [--radix dec|hex|oct|bin]",
         "Read the register of each named field (or each named register) and print \"name value\".\n"
         "A name is a field first, then a register; --register takes the register.",
         With({"device", "register", "radix"}, LinkOptions), 2, Unlimited, RunGet},
        {"set", "FILE NAME=VALUE... [-d DEVICE] [--register]",
         "Change each named field (or register) on the chip: the register is read, the value applied with\n"
         "the field's range check and packing, and the register written. VALUE is decimal or 0x-hexadecimal.",
         With({"device", "register"}, LinkOptions), 2, Unlimited, RunSet},
        {"save", "FILE OUT [-d DEVICE]",
         "Load the device and save the description to OUT as the window saves it, the other devices copied.",
         {"device"}, 2, 2, RunSave},
        {"peek", "ADDR REG [--addr8] [--radix dec|hex|oct|bin]", "Read one register byte of the chip at ADDR.",
         With({"addr8", "radix"}, LinkOptions), 2, 2, RunPeek},
        {"poke", "ADDR REG VALUE [--addr8]", "Write one register byte of the chip at ADDR.",
         With({"addr8"}, LinkOptions), 3, 3, RunPoke},
        {"dump", "ADDR [--addr8]", "Read all 256 register bytes of the chip at ADDR and print them as a 16 x 16 table.",
         With({"addr8"}, LinkOptions), 1, 1, RunDump},
        {"scan", "", "Probe the 7-bit addresses 0x08 to 0x77 and print which acknowledge (bit-banged and Linux\n"
         "I2C links; on a Linux I2C bus \"UU\" marks an address a kernel driver holds).",
         {"link", "bus", "backend", "trace"}, 0, 0, RunScan},
        {"buses", "", "List the Linux I2C buses present (/dev/i2c-N) with their adapters' names.", {}, 0, 0, RunBuses},
        {"boards", "", "List the USB boards the selection dialog would show: number, driver name, firmware.", {}, 0, 0,
         RunBoards},
    };
    return commands;
}

struct OptionHelp {
    const char* name;
    const char* text;
};

constexpr std::array<OptionHelp, 12> OptionTexts{{
    {"device", "  -d, --device DEVICE  the device of FILE (default: its first device)"},
    {"json", "  --json               print JSON instead of a table"},
    {"output", "  -o, --output VALUES  write the values file there instead of standard output"},
    {"register", "  --register           NAME is a register, even where a field has that name"},
    {"radix", "  --radix R            print in dec, hex, oct or bin only (default: dec and hex)"},
    {"addr8", "  --addr8              ADDR is the 8-bit write address, as the window shows it"},
    {"link", "  --link LINK          lpt1 (default), lpt2, ecp, com[:N|:PATH] (COM 1 default), usb[:N] (board 0)\n"
             "                       or i2c-dev (with --bus)"},
    {"bus", "  --bus N              the Linux I2C bus /dev/i2c-N of --link i2c-dev (see buses)"},
    {"backend", "  --backend B          port I/O backend: auto, ppdev, direct, sim or null (default: VELK_PORTIO)"},
    {"trace", "  --trace FILE.vcd     record the bus traffic into a VCD file"},
    {"no-probe", "  --no-probe           do not first check that the chip acknowledges its address"},
    {"help", "  -h, --help           show this help"},
}};

void PrintProgramHelp(std::ostream& out)
{
    out << "Usage: velkeval-cli COMMAND [OPTIONS] ARGUMENTS...\n       velkeval-cli --help | --version\n"
           "Reads and writes the registers of the chips that a device description lists.\n\nCommands:\n";
    for (const Command& command : Commands())
        out << "  " << command.name << (command.synopsis[0] ? " " : "") << command.synopsis << '\n';
    out << "\n\"velkeval-cli COMMAND --help\" describes a command. Exit status: 0 success, 1 failure, 2 wrong usage.\n";
}

void PrintCommandHelp(const Command& command, std::ostream& out)
{
    out << "Usage: velkeval-cli " << command.name << (command.synopsis[0] ? " " : "") << command.synopsis << "\n"
        << command.summary << "\n\nOptions:\n";
    for (const OptionHelp& option : OptionTexts)
        if (std::string(option.name) == "help" ||
            std::find(command.options.begin(), command.options.end(), option.name) != command.options.end())
            out << option.text << '\n';
}

const Command* FindCommand(const std::string& name)
{
    for (const Command& command : Commands())
        if (name == command.name) return &command;
    return nullptr;
}

void CheckUsage(const Command& command, const CliOptions& options)
{
    for (const std::string& given : options.given)
        if (given != "help" && std::find(command.options.begin(), command.options.end(), given) == command.options.end())
            throw UsageError(std::string(command.name) + " takes no --" + given);
    const size_t count = options.operands.size();
    if (count < command.minOperands || count > command.maxOperands)
        throw UsageError(std::string("usage: velkeval-cli ") + command.name +
                         (command.synopsis[0] ? " " : "") + command.synopsis);
}

int Run(const CliOptions& options, std::ostream& out, std::ostream& err, const I2CAccess& i2c)
{
    if (options.version) {
        out << "velkeval-cli " << VELK_VERSION << '\n';
        return ExitSuccess;
    }
    if (options.command.empty() || options.command == "help") {
        if (options.command.empty() && !options.help) throw UsageError("no command; see velkeval-cli --help");
        const Command* about = options.operands.empty() ? nullptr : FindCommand(options.operands[0]);
        if (!options.operands.empty() && !about) throw UsageError("unknown command \"" + options.operands[0] + "\"");
        about ? PrintCommandHelp(*about, out) : PrintProgramHelp(out);
        return ExitSuccess;
    }
    const Command* command = FindCommand(options.command);
    if (!command) throw UsageError("unknown command \"" + options.command + "\"; see velkeval-cli --help");
    if (options.help) {
        PrintCommandHelp(*command, out);
        return ExitSuccess;
    }
    CheckUsage(*command, options);
    CliSession session(options, err, i2c);
    try {
        command->run(session, options, out);
        // A message the window would have shown (a failed USB transfer) is the command's failure.
        if (auto message = session.dialogs().TakeMessage()) throw CommandFailure(*message);
    } catch (...) {
        // A trace of a failed run is what one looks at first.
        try {
            session.Finish();
        } catch (const std::exception&) {
        }
        throw;
    }
    session.Finish();
    return ExitSuccess;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, const I2CAccess& i2c)
{
    try {
        return Run(ParseCliOptions(arguments), out, err, i2c);
    } catch (const UsageError& error) {
        err << "velkeval-cli: " << error.what() << '\n';
        return ExitUsage;
    } catch (const std::exception& error) {
        err << "velkeval-cli: " << error.what() << '\n';
        return ExitFailure;
    }
}

}  // namespace velk::cli
