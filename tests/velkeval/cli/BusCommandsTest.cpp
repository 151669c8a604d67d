#include "CliFixture.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include "ChildProcess.h"

#include "FakeI2CBus.h"

using namespace velk::cli;
using namespace velk::cli::test;

namespace {

using BusCommands = CliFixture;

TEST_F(BusCommands, PokeAndPeekOneRegisterByte)
{
    ASSERT_EQ(Run({"poke", "0x50", "0x10", "0xA5"}), ExitSuccess) << err;
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(board.Registers(0x50)[0x10], 0xA5);
    ASSERT_EQ(Run({"peek", "0x50", "16"}), ExitSuccess) << err;
    EXPECT_EQ(out, "165 0xa5\n");
    ASSERT_EQ(Run({"peek", "--addr8", "0xA0", "0x10", "--radix", "hex"}), ExitSuccess) << err;
    EXPECT_EQ(out, "0xa5\n");
    ASSERT_EQ(Run({"poke", "--addr8", "0xA0", "0x11", "7"}), ExitSuccess) << err;
    EXPECT_EQ(board.Registers(0x50)[0x11], 7);

    AnswerOnly({0x38});
    EXPECT_EQ(Run({"peek", "0x50", "16"}), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: no chip answers at 0x50 (8-bit 0xa0) on lpt1\n");
    EXPECT_EQ(Run({"poke", "0x50", "16", "0"}), ExitFailure);
    EXPECT_EQ(board.Registers(0x50)[0x10], 0xA5);
}

// Several processes, each running velkeval-cli's command line on its own
// registers of one chip at the same time, for a bounded time: every value
// reads back as written, the board ends with each process's last pass and
// nothing else on it changed.
TEST_F(BusCommands, SeveralProcessesPokingAndPeekingAtOnceLoseNoWrite)
{
    constexpr int Processes = 4, Registers = 8;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    auto value = [](int process, int reg, int round) { return (process * 61 + reg * 7 + round) & 0xFF; };
    // Writes and reads back the process's registers; 1 at the first value read wrong.
    auto pokeAndPeek = [&](int process, int round) {
        for (int i = 0; i < Registers; ++i) {
            const std::string reg = std::to_string(process * Registers + i), written = std::to_string(value(process, i, round));
            if (Run({"poke", "0x4c", reg, written}) != ExitSuccess) return 1;
            if (Run({"peek", "0x4c", reg, "--radix", "dec"}) != ExitSuccess || out != written + "\n") return 1;
        }
        return 0;
    };
    std::vector<std::unique_ptr<ChildProcess>> children;
    for (int process = 0; process < Processes; ++process)
        children.push_back(std::make_unique<ChildProcess>([&, process] {
            for (int round = 1; std::chrono::steady_clock::now() < deadline; ++round)
                if (pokeAndPeek(process, round) != 0) return 1;
            return pokeAndPeek(process, 0);
        }));
    for (int process = 0; process < Processes; ++process)
        EXPECT_EQ(children[process]->ExitCode(), 0) << "process " << process << " read back another value";
    const auto registers = board.Registers(0x4C);
    for (int process = 0; process < Processes; ++process)
        for (int i = 0; i < Registers; ++i)
            EXPECT_EQ(registers[process * Registers + i], value(process, i, 0)) << "process " << process << ", register " << i;
    // A garbled transfer would have written elsewhere.
    for (int reg = Processes * Registers; reg < 256; ++reg) EXPECT_EQ(registers[reg], 0) << "register " << reg;
    for (uint8_t chip = 0; chip < 128; ++chip) {
        if (chip != 0x4C) {
            EXPECT_EQ(board.Registers(chip), (std::array<uint8_t, 256>{})) << "chip " << int{chip};
        }
    }
}

TEST_F(BusCommands, DumpPrintsTheSixteenBySixteenTableWithItsCharacters)
{
    for (int reg = 0; reg < 256; ++reg) board.SetRegister(0x4C, static_cast<uint8_t>(reg), static_cast<uint8_t>(reg));
    ASSERT_EQ(Run({"dump", "0x4c"}), ExitSuccess) << err;
    std::istringstream lines(out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);) rows.push_back(line);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows[0], "     0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f    0123456789abcdef");
    EXPECT_EQ(rows[1], "00: 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f    ................");
    EXPECT_EQ(rows[5], "40: 40 41 42 43 44 45 46 47 48 49 4a 4b 4c 4d 4e 4f    @ABCDEFGHIJKLMNO");
    EXPECT_EQ(rows[8], "70: 70 71 72 73 74 75 76 77 78 79 7a 7b 7c 7d 7e 7f    pqrstuvwxyz{|}~.");
    EXPECT_EQ(rows[16], "f0: f0 f1 f2 f3 f4 f5 f6 f7 f8 f9 fa fb fc fd fe ff    ................");
}

TEST_F(BusCommands, ScanShowsWhichAddressesAcknowledgeAndLeavesTheReservedOnesBlank)
{
    AnswerOnly({0x03, 0x08, 0x38, 0x4D, 0x77, 0x78});
    ASSERT_EQ(Run({"scan"}), ExitSuccess) << err;
    EXPECT_EQ(out, "     0  1  2  3  4  5  6  7  8  9  a  b  c  d  e  f\n"
                   "00:                         08 -- -- -- -- -- -- --\n"
                   "10: -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --\n"
                   "20: -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --\n"
                   "30: -- -- -- -- -- -- -- -- 38 -- -- -- -- -- -- --\n"
                   "40: -- -- -- -- -- -- -- -- -- -- -- -- -- 4d -- --\n"
                   "50: -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --\n"
                   "60: -- -- -- -- -- -- -- -- -- -- -- -- -- -- -- --\n"
                   "70: -- -- -- -- -- -- -- 77\n");
    for (int reg = 0; reg < 256; ++reg) EXPECT_EQ(board.Registers(0x38)[static_cast<size_t>(reg)], 0);
}

TEST_F(BusCommands, LinksThatCannotProbeSaySo)
{
    EXPECT_EQ(Run({"scan", "--link", "ecp"}), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: the ecp link cannot tell whether a chip answers\n");
    EXPECT_EQ(Run({"peek", "0x38", "0", "--link", "usb"}), ExitFailure);
    EXPECT_NE(err.find("USB"), std::string::npos) << err;
}

}  // namespace

TEST_F(BusCommands, TheLinuxI2CLinkListsScansAndMovesRegistersOnTheChosenBus)
{
    FakeI2CBus bus{board, 2};
    i2c = {&bus, dir.file("sys")};
    std::filesystem::create_directories(dir.file("sys/class/i2c-dev/i2c-2"));
    Write("sys/class/i2c-dev/i2c-2/name", "Fake adapter\n");
    ASSERT_EQ(Run({"buses"}), ExitSuccess) << err;
    EXPECT_EQ(out, "i2c-2: Fake adapter\n");

    const std::vector<std::string> link{"--link", "i2c-dev", "--bus", "2"};
    const auto with = [&](std::vector<std::string> words) {
        words.insert(words.end(), link.begin(), link.end());
        return words;
    };
    ASSERT_EQ(Run(with({"poke", "0x50", "0x10", "0xA5"})), ExitSuccess) << err;
    EXPECT_EQ(board.Registers(0x50)[0x10], 0xA5);
    ASSERT_EQ(Run(with({"peek", "0x50", "16"})), ExitSuccess) << err;
    EXPECT_EQ(out, "165 0xa5\n");

    AnswerOnly({0x50, 0x3C});
    bus.setBusy(0x3C);
    ASSERT_EQ(Run(with({"scan"})), ExitSuccess) << err;
    EXPECT_NE(out.find("30: -- -- -- -- -- -- -- -- -- -- -- -- UU -- -- --"), std::string::npos) << out;
    EXPECT_NE(out.find("50: 50 -- --"), std::string::npos) << out;
    EXPECT_EQ(Run(with({"peek", "0x4c", "0"})), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: no chip answers at 0x4c (8-bit 0x98) on i2c-dev\n");

    EXPECT_EQ(Run({"peek", "0x50", "0", "--link", "i2c-dev"}), ExitUsage);
    EXPECT_EQ(err, "velkeval-cli: --link i2c-dev needs --bus N (see velkeval-cli buses)\n");
    EXPECT_EQ(Run({"peek", "0x50", "0", "--link", "i2c-dev", "--bus", "5"}), ExitFailure);
    EXPECT_NE(err.find("/dev/i2c-5 does not exist"), std::string::npos) << err;
}
