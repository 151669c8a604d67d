#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "BusTrace.h"
#include "ECPDevInterface.h"
#include "LinkError.h"
#include "ScriptedDialogs.h"

using namespace velk;
using portio::PortOperation;
using Operations = std::vector<PortOperation>;

namespace {

struct ECPOnNull : ::testing::Test {
    ScriptedDialogs dialogs;
    RecordedNullPorts recorded;
    ECPDevInterface link{dialogs, recorded.ports};
};

}  // namespace

TEST_F(ECPOnNull, AWriteSetsUpTheFifosSendsRegisterAndValueAndGoesBack)
{
    ASSERT_TRUE(link.Connect(0x98));
    link.WriteByte(0x05, 0xAA);
    const Operations expected{W(1914, 0xE0), W(1913, 1),    W(1914, 0x30), W(890, 0x04),
                              W(1914, 0x70), W(888, 0x85), W(1912, 0xAA), W(1914, 0)};
    EXPECT_EQ(recorded.Take(), expected);
    link.WriteByte(0x05, 0xAA);  // the mode went back to 0, so the set-up comes again
    EXPECT_EQ(recorded.Take(), expected);
}

TEST_F(ECPOnNull, TheAddressChannelByteAlwaysHasBit7Set)
{
    ASSERT_TRUE(link.Connect(0));
    link.setPortMode(2);
    recorded.Take();
    link.WriteByte(0x85, 0x1AA);  // mode 2 already: no set-up; the value's low 8 bits
    EXPECT_EQ(recorded.Take(), (Operations{W(888, 0x85), W(1912, 0xAA), W(1914, 0)}));

    const std::array<int16_t, 3> registers{0x05, 0x7F, -1};
    for (int16_t reg : registers) link.WriteByte(reg, 0);
    std::vector<uint8_t> channel;
    for (const PortOperation& operation : recorded.Take())
        if (operation.port == 888) channel.push_back(operation.value);
    EXPECT_EQ(channel, (std::vector<uint8_t>{0x85, 0xFF, 0xFF}));
}

TEST_F(ECPOnNull, PortModes)
{
    link.setPortMode(1);
    EXPECT_EQ(recorded.Take(),
              (Operations{W(1914, 0xE0), W(1913, 1), W(1914, 0x30), W(890, 0x24), W(1914, 0x70)}));
    link.setPortMode(0);
    EXPECT_EQ(recorded.Take(), (Operations{W(1914, 0)}));
    link.setPortMode(3);
    EXPECT_TRUE(recorded.Take().empty());

    link.Configure("LPTPORT", int64_t{632});
    link.setPortMode(0);
    EXPECT_EQ(recorded.Take(), (Operations{W(632 + 0x402, 0)}));
    EXPECT_THROW(link.Configure("LPTPORT", std::string("0x278")), LinkError);
}

TEST_F(ECPOnNull, ConnectRulesAndTheOperationsThatNeverTouchThePort)
{
    EXPECT_EQ(link.DevType(), "ECP_PARALLEL");
    link.WriteByte(5, 1);  // not connected
    EXPECT_FALSE(link.Connect(256));
    EXPECT_FALSE(link.isConnected());
    EXPECT_TRUE(link.Connect(0x98));
    EXPECT_FALSE(link.Connect(0x98));
    EXPECT_EQ(link.ReadByte(5), 0);
    std::array<int16_t, 2> read{3, 4};
    link.ReadBytes(5, read);
    EXPECT_EQ(read, (std::array<int16_t, 2>{3, 4}));
    EXPECT_TRUE(recorded.Take().empty());

    const std::array<int16_t, 2> values{1, 2};
    link.WriteBytes(9, values);
    std::vector<uint8_t> channel;
    for (const PortOperation& operation : recorded.Take())
        if (operation.port == 888 || operation.port == 1912) channel.push_back(operation.value);
    EXPECT_EQ(channel, (std::vector<uint8_t>{0x89, 1, 0x89, 2}));

    link.Disconnect();
    link.WriteByte(5, 1);
    EXPECT_TRUE(recorded.Take().empty());
}
