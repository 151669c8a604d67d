#include <gtest/gtest.h>

#include "BusTrace.h"
#include "DevConnection.h"
#include "ScriptedDialogs.h"

using namespace velk;
using Tokens = std::vector<std::string>;

namespace {

struct Connection : ::testing::Test {
    ScriptedDialogs dialogs;
    RecordedNullPorts recorded;
    DeviceRecord device{"Panel", "10011000", "1001100x"};
};

}  // namespace

TEST_F(Connection, TheParallelLinkIsConfiguredForTheCheckedPortAndConnected)
{
    auto lpt2 = CreateDevConnection({LinkType::I2CParallel, LptPort::Lpt2}, device, dialogs, recorded.ports);
    EXPECT_EQ(lpt2->DevType(), "I2C_PARALLEL");
    EXPECT_TRUE(lpt2->isConnected());
    lpt2->WriteByte(0x21, 0x03);
    const auto operations = recorded.Take();
    EXPECT_EQ(BusTokens(operations), (Tokens{"S", "98", "21", "03", "P"}));
    for (const auto& operation : operations) EXPECT_TRUE(operation.port >= 632 && operation.port <= 634);

    auto lpt1 = CreateDevConnection({}, device, dialogs, recorded.ports);
    lpt1->ReadByte(0);
    EXPECT_EQ(recorded.Take().front().port, 890);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(Connection, AnAddressOfNineDigitsLeavesTheLinkUnconnected)
{
    device.currAddress = "100110001";
    auto link = CreateDevConnection({}, device, dialogs, recorded.ports);
    EXPECT_FALSE(link->isConnected());
    link->WriteByte(1, 1);
    EXPECT_TRUE(recorded.Take().empty());
    EXPECT_TRUE(dialogs.messages().empty());  // Connect fails quietly
}
