#include "BusCommands.h"

#include <array>
#include <ostream>

#include "CliErrors.h"
#include "CliNumbers.h"
#include "I2CBuses.h"
#include "TextTable.h"

namespace velk::cli {
namespace {

uint8_t ChipAddress(const CliOptions& options)
{
    const std::string& text = options.operands[0];
    if (!options.addr8) return static_cast<uint8_t>(ParseOperand(text, 127, "7-bit address") << 1);
    const uint32_t address8 = ParseOperand(text, 255, "8-bit address");
    if (address8 & 1) throw UsageError("8-bit address " + text + " is a read address; give the write address");
    return static_cast<uint8_t>(address8);
}

int16_t RegisterOperand(const std::string& text) { return static_cast<int16_t>(ParseOperand(text, 255, "register")); }

char Printable(uint8_t byte) { return byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '.'; }

}  // namespace

void RunPeek(CliSession& session, const CliOptions& options, std::ostream& out)
{
    const uint8_t address8 = ChipAddress(options);
    const int16_t reg = RegisterOperand(options.operands[1]);
    out << FormatValue(session.ConnectTo(address8, ChipAccess::Read).ReadByte(reg), options.radix) << '\n';
}

void RunPoke(CliSession& session, const CliOptions& options, std::ostream&)
{
    const uint8_t address8 = ChipAddress(options);
    const int16_t reg = RegisterOperand(options.operands[1]);
    const auto value = static_cast<int16_t>(ParseOperand(options.operands[2], 255, "value"));
    session.ConnectTo(address8, ChipAccess::Write).WriteByte(reg, value);
}

void RunDump(CliSession& session, const CliOptions& options, std::ostream& out)
{
    DevInterface& link = session.ConnectTo(ChipAddress(options), ChipAccess::Read);
    std::array<uint8_t, 256> bytes{};
    for (int reg = 0; reg < 256; ++reg) bytes[static_cast<size_t>(reg)] = link.ReadByte(static_cast<int16_t>(reg));
    PrintHexTable(
        out, 256, [&](int reg) { return HexByte(bytes[static_cast<size_t>(reg)]); }, "0123456789abcdef",
        [&](int rowStart) {
            std::string characters;
            for (int reg = rowStart; reg < rowStart + 16; ++reg) characters += Printable(bytes[static_cast<size_t>(reg)]);
            return characters;
        });
}

void RunScan(CliSession& session, const CliOptions&, std::ostream& out)
{
    std::array<ChipAnswer, 128> answers{};
    for (int address = FirstScannedAddress; address <= LastScannedAddress; ++address)
        answers[static_cast<size_t>(address)] = session.Probe(static_cast<uint8_t>(address << 1));
    PrintHexTable(out, 128, [&](int address) -> std::string {
        if (address < FirstScannedAddress || address > LastScannedAddress) return "  ";
        switch (answers[static_cast<size_t>(address)]) {
        case ChipAnswer::Answers: return HexByte(static_cast<unsigned>(address));
        case ChipAnswer::HeldByDriver: return "UU";
        case ChipAnswer::None: break;
        }
        return "--";
    });
}

void RunBuses(CliSession& session, const CliOptions&, std::ostream& out)
{
    const auto buses = ListI2CBuses(session.i2c().sysRoot);
    if (buses.empty())
        session.err() << "velkeval-cli: no Linux I2C bus is present (is the i2c-dev module loaded? modprobe i2c-dev)\n";
    for (const I2CBusInfo& bus : buses) out << I2CBusCaption(bus) << '\n';
}

}  // namespace velk::cli
