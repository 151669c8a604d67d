#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "BusProbe.h"
#include "BusTrace.h"
#include "I2CDevInterface.h"
#include "LinkError.h"
#include "ScriptedDialogs.h"

using namespace velk;
using portio::PortOperation;
using Tokens = std::vector<std::string>;

namespace {

struct I2COnNull : ::testing::Test {
    ScriptedDialogs dialogs;
    RecordedNullPorts recorded;
    BusProbe link{dialogs, recorded.ports};

    void SetUp() override
    {
        link.Configure("LPTPORT", int64_t{888});
        ASSERT_TRUE(link.Connect(0x98));
    }
};

// One bus step (c, d): the data write and the strobe pulse.
void Step(std::vector<PortOperation>& expected, int c, int d, int readMode)
{
    expected.push_back(W(888, static_cast<uint8_t>(28 + c + 2 * d)));
    for (int control : {11, 10, 11}) expected.push_back(W(890, static_cast<uint8_t>(4 * readMode + control)));
}

// The last operations, as many as `expected` holds.
std::vector<PortOperation> Tail(const std::vector<PortOperation>& operations, const std::vector<PortOperation>& expected)
{
    if (operations.size() < expected.size()) return operations;
    return {operations.end() - static_cast<std::ptrdiff_t>(expected.size()), operations.end()};
}

}  // namespace

TEST_F(I2COnNull, AWriteTransferBeginsWithTheStartAndTheFirstAddressBit)
{
    link.WriteByte(0x05, 0xAA);
    const auto operations = recorded.Take();
    std::vector<PortOperation> expected{W(890, 10)};
    Step(expected, 1, 1, 0);
    Step(expected, 1, 0, 0);
    Step(expected, 0, 0, 0);
    expected.push_back(W(890, 10));
    expected.push_back(W(888, 28 + 2 * 1));  // bit 7 of the address byte 0x98
    ASSERT_GE(operations.size(), expected.size());
    EXPECT_EQ(std::vector<PortOperation>(operations.begin(), operations.begin() + expected.size()), expected)
        << Describe(operations);
    EXPECT_EQ(BusTokens(operations), (Tokens{"S", "98", "05", "AA", "P"}));
}

TEST_F(I2COnNull, AReadTransferClocksEightBitsAndGoesStraightIntoTheStop)
{
    EXPECT_EQ(link.ReadByte(0x05), 0xFF);  // nothing drives SDA low on a null port
    const auto operations = recorded.Take();
    EXPECT_EQ(BusTokens(operations), (Tokens{"S", "98", "05", "Sr", "99", "FF", "P"}));

    std::vector<PortOperation> tail;
    for (int bit = 0; bit < 8; ++bit) {
        Step(tail, 1, 1, 1);
        tail.push_back(R(889));
        Step(tail, 0, 1, 1);
    }
    tail.push_back(W(890, 10));
    Step(tail, 0, 0, 0);
    Step(tail, 1, 0, 0);
    Step(tail, 1, 1, 0);
    EXPECT_EQ(Tail(operations, tail), tail) << Describe(operations);
}

TEST_F(I2COnNull, TheAcknowledgeClocksOfAByteWrittenAndOfAByteReadWithAcknowledge)
{
    // Written: the target's acknowledge is clocked in read mode with the
    // adapter's SDA bit at 0, read back, then SCL falls with SDA still 0.
    EXPECT_FALSE(link.i2cWriteByte(0x5A));  // nothing pulls SDA low on a null port
    std::vector<PortOperation> writeAck{W(890, 14)};
    Step(writeAck, 1, 0, 1);
    writeAck.push_back(R(889));
    Step(writeAck, 0, 0, 1);
    auto operations = recorded.Take();
    EXPECT_EQ(Tail(operations, writeAck), writeAck) << Describe(operations);

    // Read with acknowledge: SDA driven low, then one clock out of read mode.
    link.i2cReadByte(true);
    std::vector<PortOperation> readAck;
    Step(readAck, 0, 1, 1);  // the end of the eighth bit
    Step(readAck, 0, 0, 1);
    readAck.push_back(W(890, 10));
    Step(readAck, 1, 0, 0);
    Step(readAck, 0, 0, 0);
    operations = recorded.Take();
    EXPECT_EQ(Tail(operations, readAck), readAck) << Describe(operations);
}

TEST_F(I2COnNull, OneWriteAndOneReadCountTheirPortOperations)
{
    auto count = [](const std::vector<PortOperation>& operations, bool write) {
        return std::count_if(operations.begin(), operations.end(),
                             [write](const PortOperation& operation) { return operation.write == write; });
    };
    link.WriteByte(0x10, 0x01);
    auto operations = recorded.Take();
    EXPECT_EQ(operations.size(), 347u);
    EXPECT_EQ(count(operations, true), 344);
    EXPECT_EQ(count(operations, false), 3);

    link.ReadByte(0x10);
    operations = recorded.Take();
    EXPECT_EQ(operations.size(), 437u);
    EXPECT_EQ(count(operations, true), 426);
    EXPECT_EQ(count(operations, false), 11);
}

TEST_F(I2COnNull, ConnectKeepsTheFirstAddressUntilDisconnect)
{
    EXPECT_TRUE(link.isConnected());
    EXPECT_FALSE(link.Connect(0xA0));
    link.WriteByte(1, 2);
    EXPECT_EQ(BusTokens(recorded.Take()), (Tokens{"S", "98", "01", "02", "P"}));

    link.Disconnect();
    EXPECT_FALSE(link.isConnected());
    EXPECT_TRUE(recorded.Take().empty());  // Disconnect writes nothing
    EXPECT_FALSE(link.Connect(256));
    EXPECT_FALSE(link.isConnected());
    EXPECT_TRUE(link.Connect(0xA0));
    link.ReadByte(3);
    EXPECT_EQ(BusTokens(recorded.Take()), (Tokens{"S", "A0", "03", "Sr", "A1", "FF", "P"}));
}

TEST_F(I2COnNull, WhileNotConnectedNothingReachesThePort)
{
    link.Disconnect();
    link.WriteByte(1, 2);
    const std::array<int16_t, 2> values{7, 8};
    link.WriteBytes(1, values);
    EXPECT_EQ(link.ReadByte(1), 0);
    std::array<int16_t, 2> read{-1, -1};
    link.ReadBytes(1, read);
    EXPECT_EQ(read, (std::array<int16_t, 2>{-1, -1}));
    link.WriteByte(300, 2);  // not converted while there is nothing to send
    EXPECT_TRUE(recorded.Take().empty());
}

TEST_F(I2COnNull, ARegisterOrValueOutsideAByteFailsBeforeTheBusIsTouched)
{
    EXPECT_THROW(link.WriteByte(256, 0), LinkError);
    EXPECT_THROW(link.WriteByte(-1, 0), LinkError);
    EXPECT_THROW(link.WriteByte(0, 256), LinkError);
    EXPECT_THROW(link.WriteByte(0, -1), LinkError);
    EXPECT_THROW(link.ReadByte(300), LinkError);
    EXPECT_TRUE(recorded.Take().empty());

    I2CDevInterface unconfigured(dialogs, recorded.ports);
    ASSERT_TRUE(unconfigured.Connect(0x98));
    EXPECT_THROW(unconfigured.WriteByte(0, 0), LinkError);  // no base: never port 0
    EXPECT_TRUE(recorded.Take().empty());
}

TEST_F(I2COnNull, ConfigureTakesTheBaseAsA16BitNumber)
{
    EXPECT_EQ(link.DevType(), "I2C_PARALLEL");
    link.Configure("LPTPORT", std::string(" 632 "));
    link.Configure("lptport", int64_t{888});  // not a setting of this link
    link.Configure("COMPORT", int64_t{1});
    link.WriteByte(0, 0);
    for (const PortOperation& operation : recorded.Take()) EXPECT_TRUE(operation.port >= 632 && operation.port <= 634);

    EXPECT_THROW(link.Configure("LPTPORT", std::string("LPT1")), LinkError);
    EXPECT_THROW(link.Configure("LPTPORT", std::string("")), LinkError);
    EXPECT_THROW(link.Configure("LPTPORT", int64_t{32768}), LinkError);
    EXPECT_THROW(link.Configure("LPTPORT", int64_t{-1}), LinkError);
    link.WriteByte(0, 0);
    EXPECT_EQ(recorded.Take().front().port, 634);  // the failed settings kept 632
}

TEST_F(I2COnNull, WriteBytesAndReadBytesUseOneRegisterForEveryByte)
{
    const std::array<int16_t, 3> values{1, 2, 3};
    link.WriteBytes(7, values);
    EXPECT_EQ(BusTokens(recorded.Take()),
              (Tokens{"S", "98", "07", "01", "P", "S", "98", "07", "02", "P", "S", "98", "07", "03", "P"}));

    std::array<int16_t, 2> read{0, 0};
    link.ReadBytes(7, read);
    EXPECT_EQ(read, (std::array<int16_t, 2>{0xFF, 0xFF}));
    EXPECT_EQ(BusTokens(recorded.Take()),
              (Tokens{"S", "98", "07", "Sr", "99", "FF", "P", "S", "98", "07", "Sr", "99", "FF", "P"}));
}
