#include "BoardTool.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "AddressList.h"
#include "DeShiftRegister.h"
#include "PortMap.h"
#include "SimBoard.h"
#include "TraceReader.h"

namespace portio {
namespace {

constexpr const char* Usage =
    "usage: velk-board [--board PATH] COMMAND\n"
    "  dump ADDRESS              registers of the chip at a 7-bit address\n"
    "  set ADDRESS REGISTER VALUE\n"
    "  de                        the last latched data-enable word\n"
    "  answer [all | ADDRESS...] the addresses that answer (no argument: show them)\n"
    "  reset                     registers 0, every address answering, no word latched\n"
    "  trace FILE                list the port operations of a recorded VCD trace\n"
    "Numbers are decimal or 0x-hexadecimal. The board is $VELK_BOARD_STATE, or the default state file.\n";

std::string Hex2(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

void Dump(SimBoard& board, uint8_t address, std::ostream& out)
{
    const auto registers = board.Registers(address);
    out << "chip 0x" << Hex2(address) << (board.Answering()[address] ? "" : " (absent: does not answer)") << "\n   ";
    for (unsigned column = 0; column < 16; ++column) out << ' ' << Hex2(column);
    for (unsigned reg = 0; reg < registers.size(); ++reg) {
        if (reg % 16 == 0) out << '\n' << Hex2(reg) << ':';
        out << ' ' << Hex2(registers[reg]);
    }
    out << '\n';
}

void ShowDe(SimBoard& board, std::ostream& out)
{
    const SimBoard::DeWord de = board.LastDeWord();
    if (de.latchCount == 0) {
        out << "no data-enable word latched\n";
        return;
    }
    auto polarity = [](int bit) { return bit ? "active high" : "active low"; };
    out << DeWordString(de.word) << "  (0x" << Hex2(de.word >> 8) << Hex2(de.word) << ", latched " << de.latchCount
        << (de.latchCount == 1 ? " time)\n" : " times)\n");
    out << "Hsync delay " << (de.word & 0xFF) << ", Vsync delay " << ((de.word >> 8) & 0x3F) << ", Hsync "
        << polarity((de.word >> 14) & 1) << ", Vsync " << polarity((de.word >> 15) & 1) << '\n';
}

void ShowAnswering(SimBoard& board, std::ostream& out)
{
    const AnsweringSet answering = board.Answering();
    if (answering.all()) {
        out << "every address answers\n";
        return;
    }
    out << (answering.none() ? "no address answers" : "answering:");
    for (unsigned address = 0; address < answering.size(); ++address)
        if (answering[address]) out << " 0x" << Hex2(address);
    out << '\n';
}

void ListTrace(const std::string& path, std::ostream& out)
{
    for (const PortOperation& operation : ReadTrace(path)) {
        const PortLocation location = LocatePort(operation.port);
        out << (operation.write ? "out " : "in  ") << PortHex(operation.port) << ' '
            << RegisterName(location.reg) << " 0x" << Hex2(operation.value) << '\n';
    }
}

int Run(std::vector<std::string> args, std::ostream& out)
{
    std::string path;
    if (args.size() >= 2 && args[0] == "--board") {
        path = args[1];
        args.erase(args.begin(), args.begin() + 2);
    } else if (const char* fromEnvironment = std::getenv("VELK_BOARD_STATE"); fromEnvironment && *fromEnvironment) {
        path = fromEnvironment;
    } else {
        path = DefaultBoardPath();
    }
    if (args.empty()) throw PortError("no command given");
    const std::string& command = args[0];
    if (command == "trace" && args.size() == 2) {
        ListTrace(args[1], out);
        return 0;
    }
    SimBoard board(path);
    if (command == "dump" && args.size() == 2) {
        Dump(board, static_cast<uint8_t>(ParseNumber(args[1], 127, "7-bit I2C address")), out);
    } else if (command == "set" && args.size() == 4) {
        board.SetRegister(static_cast<uint8_t>(ParseNumber(args[1], 127, "7-bit I2C address")),
                          static_cast<uint8_t>(ParseNumber(args[2], 255, "register")),
                          static_cast<uint8_t>(ParseNumber(args[3], 255, "value")));
    } else if (command == "de" && args.size() == 1) {
        ShowDe(board, out);
    } else if (command == "answer") {
        if (args.size() > 1) {
            std::string list;
            for (size_t i = 1; i < args.size(); ++i) list += args[i] + " ";
            board.SetAnswering(ParseAddressList(list));
        }
        ShowAnswering(board, out);
    } else if (command == "reset" && args.size() == 1) {
        board.Reset();
    } else {
        throw PortError("unknown command or wrong arguments: " + command);
    }
    return 0;
}

}  // namespace

const char* BoardToolUsage() { return Usage; }

int RunBoardTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        return Run(args, out);
    } catch (const PortError& error) {
        err << "velk-board: " << error.what() << '\n' << Usage;
        return 2;
    }
}

}  // namespace portio
