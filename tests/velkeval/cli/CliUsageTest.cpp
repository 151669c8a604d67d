#include "CliFixture.h"

using namespace velk::cli;
using namespace velk::cli::test;

namespace {

using CliUsage = CliFixture;

TEST_F(CliUsage, WrongUsageGivesStatusTwoAndOneErrorLine)
{
    const std::vector<std::vector<std::string>> wrong{
        {},
        {"frobnicate"},
        {"devices"},                                     // missing FILE
        {"devices", "a.xml", "b.xml"},                   // one too many
        {"get", sample},                                 // no NAME
        {"get", sample, "Standby", "--json"},            // an option get does not take
        {"registers", sample, "--bogus"},
        {"registers", sample, "-d"},                     // option without its value
        {"get", sample, "Standby", "--radix", "roman"},
        {"set", sample, "Standby"},                      // not NAME=VALUE
        {"set", sample, "Standby=one"},
        {"peek", "0x80", "0"},                           // not a 7-bit address
        {"peek", "0x38", "256"},
        {"peek", "--addr8", "0x71", "0"},                // a read address
        {"poke", "0x38", "1", "0x100"},
        {"scan", "--link", "parallel"},
        {"scan", "--no-probe"},
    };
    for (const auto& arguments : wrong) {
        std::string line;
        for (const auto& word : arguments) line += word + " ";
        EXPECT_EQ(Run(arguments), ExitUsage) << line;
        EXPECT_TRUE(out.empty()) << line;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << line << ": " << err;
        EXPECT_EQ(err.rfind("velkeval-cli: ", 0), 0u) << line;
    }
    EXPECT_EQ(board.OperationCount(), 0u);  // nothing reached the bus
}

TEST_F(CliUsage, HelpDescribesTheProgramAndEachCommandWithItsOwnOptions)
{
    ASSERT_EQ(Run({"--help"}), ExitSuccess);
    for (const char* command : {"devices", "registers", "read", "load", "get", "set", "save", "peek", "poke", "dump", "scan"})
        EXPECT_NE(out.find(std::string("  ") + command), std::string::npos) << command;

    ASSERT_EQ(Run({"set", "--help"}), ExitSuccess);
    EXPECT_NE(out.find("Usage: velkeval-cli set FILE NAME=VALUE..."), std::string::npos);
    EXPECT_NE(out.find("--register"), std::string::npos);
    EXPECT_NE(out.find("--no-probe"), std::string::npos);
    EXPECT_EQ(out.find("--json"), std::string::npos);

    ASSERT_EQ(Run({"help", "registers"}), ExitSuccess);
    EXPECT_NE(out.find("--json"), std::string::npos);
    EXPECT_EQ(out.find("--link"), std::string::npos);  // registers never touches the chip
    EXPECT_TRUE(err.empty());
}

TEST_F(CliUsage, OptionsMayStandAnywhereAndTakeTheirValueInline)
{
    ASSERT_EQ(Run({"--device=Timing Controller", "registers", sample}), ExitSuccess) << err;
    EXPECT_NE(out.find("Horizontal total"), std::string::npos);
    ASSERT_EQ(Run({"registers", "-d", "Timing Controller", "--", sample}), ExitSuccess) << err;
    EXPECT_NE(out.find("Horizontal total"), std::string::npos);
}

}  // namespace
