#include "CliFixture.h"
#include "SerialPair.h"

using namespace velk::cli;
using namespace velk::cli::test;

namespace {

struct SerialAndUsbLinks : CliFixture {
    SerialPair pair;
    std::string com = "com:" + pair.device();
};

}  // namespace

TEST_F(SerialAndUsbLinks, TheSerialLinkWritesAndRefusesEveryCommandThatReads)
{
    ASSERT_EQ(Run({"poke", "0x4c", "0x21", "0x5a", "--link", com}), ExitSuccess) << err;
    EXPECT_EQ(pair.Take(), (std::vector<uint8_t>{0xBE, 0xEF, 0x0B, 0x0D, 0x01, 0x0A, 0x53, 0x12, 0x00, 0x21, 0x00, 0x00,
                                                 0x00, 0x98, 0x00, 0x01, 0x00, 0x00, 0x5A}));

    for (const std::vector<std::string>& reading : {std::vector<std::string>{"peek", "0x4c", "0x21", "--link", com},
                                                    {"read", sample, "--link", com},
                                                    {"get", sample, "Sharpness", "--link", com}}) {
        EXPECT_EQ(Run(reading), ExitFailure) << reading[0];
        EXPECT_EQ(err, "velkeval-cli: the com link cannot read from the chip\n") << reading[0];
    }
    EXPECT_TRUE(pair.Take().empty());

    const std::string missing = dir.file("ttyGone");
    EXPECT_EQ(Run({"poke", "0x4c", "0x21", "0x5a", "--link", "com:" + missing}), ExitFailure);
    EXPECT_NE(err.find(missing), std::string::npos) << err;
}

TEST_F(SerialAndUsbLinks, LinkTargetsAreCheckedAsUsage)
{
    for (const char* link : {"lpt1:2", "com:COM2", "usb:32", "usb:x"}) {
        EXPECT_EQ(Run({"poke", "0x4c", "0", "0", "--link", link}), ExitUsage) << link;
        EXPECT_FALSE(err.empty());
    }
}
