#include <filesystem>

#include "CliFixture.h"
#include "TraceReader.h"

using namespace velk::cli;
using namespace velk::cli::test;

namespace {

// Register addresses of the sample's scaler.
constexpr uint8_t ChipId = 0x00, PowerControl = 0x01, InputWidth = 0x04, HorizontalScale = 0x08, Sharpness = 0x0C,
                  GammaAddress = 0x12, GammaData = 0x14, Calibration = 0x18, FactoryTest = 0x7F;

using RegisterCommands = CliFixture;

TEST_F(RegisterCommands, ReadThenLoadRestoresEveryWritableRegister)
{
    for (int reg = 0; reg < 0x80; ++reg) board.SetRegister(Scaler, static_cast<uint8_t>(reg), static_cast<uint8_t>(reg * 37 + 11));
    const std::string values = dir.file("scaler.val");
    ASSERT_EQ(Run({"read", sample, "-o", values}), ExitSuccess) << err;
    EXPECT_TRUE(out.empty());
    const std::string written = Read(values);
    EXPECT_EQ(written.rfind("<devicevalues name=\"Display Scaler\">\r\n\t<registerval addr=\"0\" value=\"11\"/>\r\n", 0), 0u);
    ASSERT_EQ(Run({"read", sample}), ExitSuccess) << err;
    EXPECT_EQ(out, written);  // standard output carries the same file

    const auto before = board.Registers(Scaler);
    board.Reset();
    ASSERT_EQ(Run({"load", sample, values}), ExitSuccess) << err;
    EXPECT_EQ(out, "wrote 25 bytes to \"Display Scaler\"\n");
    const auto after = board.Registers(Scaler);
    for (int reg : {0x00, 0x0E})  // the read-only registers are never written
        EXPECT_EQ(after[static_cast<size_t>(reg)], 0) << reg;
    for (int reg = 0x01; reg <= 0x1A; ++reg)
        if (reg != 0x0E) {
            EXPECT_EQ(after[static_cast<size_t>(reg)], before[static_cast<size_t>(reg)]) << reg;
        }
    EXPECT_EQ(after[FactoryTest], 0);  // a register of in-house fields only is left out
    EXPECT_EQ(board.Registers(TimingController), (std::array<uint8_t, 256>{}));  // the other chip is left alone

    EXPECT_EQ(Run({"read", sample, "-o", dir.file("no/folder/scaler.val")}), ExitFailure);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("scaler.val"), std::string::npos) << err;
}

TEST_F(RegisterCommands, LoadAppliesAValuesFileOfAnotherDeviceWithAWarning)
{
    const std::string values = Write("other.val", "<devicevalues name=\"Somebody else\">\r\n"
                                                  "\t<registerval addr=\"C\" value=\"33\"/>\r\n</devicevalues>\r\n");
    ASSERT_EQ(Run({"load", sample, values}), ExitSuccess) << err;
    EXPECT_NE(err.find("warning: the values file names another device"), std::string::npos) << err;
    EXPECT_EQ(board.Registers(Scaler)[Sharpness], 33);

    const std::string broken = Write("broken.val", "<devicevalues name=\"Display Scaler\">\r\n\t<registerval addr=\"C\"");
    EXPECT_EQ(Run({"load", sample, broken}), ExitFailure);
    EXPECT_NE(err.find("broken.val"), std::string::npos) << err;
    EXPECT_EQ(Run({"load", sample, dir.file("absent.val")}), ExitFailure);
}

TEST_F(RegisterCommands, GetPrintsFieldsAndRegistersAsTheChipHoldsThem)
{
    board.SetRegister(Scaler, InputWidth, 0x02);
    board.SetRegister(Scaler, InputWidth + 1, 0x80);
    board.SetRegister(Scaler, PowerControl, 0b110);
    ASSERT_EQ(Run({"get", sample, "Input width", "Input width high", "Input width low", "Reserved 1", "Clock gate"}),
              ExitSuccess)
        << err;
    EXPECT_EQ(out, "Input width 640 0x280\nInput width high 2 0x2\nInput width low 128 0x80\n"
                   "Reserved 1 1 0x1\nClock gate 1 0x1\n");
    ASSERT_EQ(Run({"get", sample, "input width", "--radix", "bin"}), ExitSuccess) << err;  // names as the registry keys them
    EXPECT_EQ(out, "input width 0b1010000000\n");

    board.SetRegister(TimingController, 0x00, 0xC5);
    ASSERT_EQ(Run({"get", sample, "-d", "Timing Controller", "ID", "--radix", "hex"}), ExitSuccess) << err;
    EXPECT_EQ(out, "ID 0xc5\n");
}

TEST_F(RegisterCommands, AnUnknownNameFailsBeforeTheBusIsTouched)
{
    EXPECT_EQ(Run({"get", sample, "Standby", "Turbo"}), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: device \"Display Scaler\" has no field or register named \"Turbo\"\n");
    EXPECT_EQ(Run({"set", sample, "Turbo=1"}), ExitFailure);
    EXPECT_EQ(Run({"get", sample, "--register", "Standby"}), ExitFailure);  // a field, not a register
    EXPECT_NE(err.find("has no register named \"Standby\""), std::string::npos) << err;
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(board.OperationCount(), 0u);
}

TEST_F(RegisterCommands, SetChangesOneFieldAndKeepsTheRestOfItsRegister)
{
    board.SetRegister(Scaler, PowerControl, 0b1010'1100);  // Reserved 1 = 43, Clock gate 0, Standby 0
    board.SetRegister(Scaler, InputWidth, 0x05);
    board.SetRegister(Scaler, InputWidth + 1, 0x3C);
    ASSERT_EQ(Run({"set", sample, "Standby=1", "Input width high=0xA"}), ExitSuccess) << err;
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(board.Registers(Scaler)[PowerControl], 0b1010'1101);  // Parallel
    EXPECT_EQ(board.Registers(Scaler)[InputWidth], 0x0A);           // Series, byte 0
    EXPECT_EQ(board.Registers(Scaler)[InputWidth + 1], 0x3C);       // its other byte kept

    // A field in the high bits of a byte, of a Series register, of a Reverse Series register.
    ASSERT_EQ(Run({"set", sample, "Horizontal scale low=0x9", "Gamma address high=3", "Clock gate=1"}), ExitSuccess) << err;
    EXPECT_EQ(board.Registers(Scaler)[HorizontalScale + 1], 0x90);
    EXPECT_EQ(board.Registers(Scaler)[GammaAddress + 1], 0x03);
    EXPECT_EQ(board.Registers(Scaler)[PowerControl], 0b1010'1111);
}

TEST_F(RegisterCommands, SetTakesAFieldsValueThroughItsTextControlsRadix)
{
    // Gamma value's first text control is an UpDown in decimal (its second a
    // TextBox in binary), Calibration's Offset an UpDown too; Factory trim has none.
    ASSERT_EQ(Run({"set", sample, "Gamma value=200", "Offset=15", "Factory trim=0xC"}), ExitSuccess) << err;
    EXPECT_EQ(board.Registers(Scaler)[GammaData], 200);
    EXPECT_EQ(board.Registers(Scaler)[Calibration], 0xCF);
    // Horizontal scale high's TextBox is hexadecimal.
    ASSERT_EQ(Run({"set", sample, "Horizontal scale high=171"}), ExitSuccess) << err;
    EXPECT_EQ(board.Registers(Scaler)[HorizontalScale], 171);
}

TEST_F(RegisterCommands, SetRefusesAValueOutsideTheFieldsRangeAndWritesNothingForIt)
{
    board.SetRegister(Scaler, Sharpness, 0x50);
    EXPECT_EQ(Run({"set", sample, "Sharpness=64"}), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: field \"Sharpness\": 64 is outside its range 0..63\n");
    EXPECT_EQ(Run({"set", sample, "Factory trim=16"}), ExitFailure);  // no control: the width's range
    EXPECT_EQ(err, "velkeval-cli: field \"Factory trim\": 16 is outside its range 0..15\n");
    EXPECT_EQ(Run({"set", sample, "Gamma value=40000"}), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: field \"Gamma value\": 40000 is outside its range 0..255\n");
    EXPECT_EQ(Run({"set", sample, "Input width=65536"}), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: register \"Input width\": 65536 is outside its range 0..65535\n");
    EXPECT_EQ(board.Registers(Scaler)[Sharpness], 0x50);
    EXPECT_EQ(board.Registers(Scaler)[Calibration], 0);
    EXPECT_EQ(board.Registers(Scaler)[GammaData], 0);
}

TEST_F(RegisterCommands, SetOfAWholeRegisterWritesItsBytesFirstByteMostSignificant)
{
    ASSERT_EQ(Run({"set", sample, "Input width=0x0123", "Border colour=0x102030"}), ExitSuccess) << err;
    EXPECT_EQ(board.Registers(Scaler)[InputWidth], 0x01);
    EXPECT_EQ(board.Registers(Scaler)[InputWidth + 1], 0x23);
    EXPECT_EQ(board.Registers(Scaler)[0x15], 0x10);
    EXPECT_EQ(board.Registers(Scaler)[0x17], 0x30);
    ASSERT_EQ(Run({"get", sample, "Input width high", "Border colour", "--radix", "hex"}), ExitSuccess) << err;
    EXPECT_EQ(out, "Input width high 0x1\nBorder colour 0x102030\n");
}

TEST_F(RegisterCommands, AReadOnlyRegisterIsReportedAsNotWritten)
{
    board.SetRegister(Scaler, ChipId, 0x42);
    EXPECT_EQ(Run({"set", sample, "Standby=1", "Revision=3"}), ExitFailure);
    EXPECT_EQ(err, "velkeval-cli: register \"Chip ID\" is read-only; nothing was written\n");
    EXPECT_EQ(Run({"set", sample, "--register", "Status=1"}), ExitFailure);
    EXPECT_EQ(board.Registers(Scaler)[ChipId], 0x42);
    EXPECT_EQ(board.Registers(Scaler)[PowerControl], 0);  // refused before any write
}

TEST_F(RegisterCommands, AnAbsentChipFailsEveryChipCommandUnlessProbingIsSkipped)
{
    AnswerOnly({TimingController});
    const std::string values = Write("v.val", "<devicevalues name=\"Display Scaler\">\r\n</devicevalues>\r\n");
    const std::vector<std::vector<std::string>> commands{
        {"read", sample}, {"load", sample, values}, {"get", sample, "Standby"}, {"set", sample, "Standby=1"}};
    for (const auto& command : commands) {
        EXPECT_EQ(Run(command), ExitFailure) << command[0];
        EXPECT_EQ(err, "velkeval-cli: no chip answers at 0x38 (8-bit 0x70) on lpt1\n") << command[0];
        EXPECT_TRUE(out.empty()) << command[0];
    }
    ASSERT_EQ(Run({"get", sample, "Reserved 1", "--no-probe"}), ExitSuccess) << err;
    EXPECT_EQ(out, "Reserved 1 63 0x3f\n");  // nobody drives SDA low: bits 7:2 of 0xFF
    ASSERT_EQ(Run({"get", sample, "-d", "Timing Controller", "ID"}), ExitSuccess) << err;
}

TEST_F(RegisterCommands, ALinkThatCannotReadFailsEveryCommandThatReadsAndWritesNothing)
{
    const std::string values = dir.file("scaler.val");
    const std::string trace = dir.file("bus.vcd");
    const std::vector<std::vector<std::string>> commands{{"read", sample, "-o", values},
                                                         {"get", sample, "Standby"},
                                                         {"set", sample, "Standby=1"},
                                                         {"peek", "0x38", "0"},
                                                         {"dump", "0x38"}};
    for (std::vector<std::string> command : commands) {
        command.insert(command.end(), {"--link", "ecp", "--trace", trace});
        EXPECT_EQ(Run(command), ExitFailure) << command[0];
        EXPECT_EQ(err, "velkeval-cli: the ecp link cannot read from the chip\n") << command[0];
        EXPECT_TRUE(out.empty()) << command[0];
        EXPECT_EQ(portio::ReadTrace(trace), std::vector<portio::PortOperation>{}) << command[0];
    }
    EXPECT_FALSE(std::filesystem::exists(values));
    // Commands that only write go on over the link.
    EXPECT_EQ(Run({"poke", "0x38", "1", "5", "--link", "ecp", "--trace", trace}), ExitSuccess) << err;
    EXPECT_FALSE(portio::ReadTrace(trace).empty());
}

TEST_F(RegisterCommands, ATraceRecordsTheBusIntoItsFile)
{
    const std::string trace = dir.file("bus.vcd");
    ASSERT_EQ(Run({"get", sample, "Standby", "--trace", trace}), ExitSuccess) << err;
    const std::string recorded = Read(trace);
    EXPECT_NE(recorded.find("$enddefinitions"), std::string::npos);
    EXPECT_GT(std::count(recorded.begin(), recorded.end(), '#'), 100);
    AnswerOnly({});
    EXPECT_EQ(Run({"get", sample, "Standby", "--trace", trace}), ExitFailure);
    EXPECT_NE(Read(trace), recorded);  // a failed run is recorded too
}

}  // namespace
