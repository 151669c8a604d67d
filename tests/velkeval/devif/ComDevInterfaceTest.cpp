#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sys/ioctl.h>
#include <termios.h>

#include "BusTrace.h"
#include "ComDevInterface.h"
#include "ComPortDevices.h"
#include "DevConnection.h"
#include "LinkError.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "SerialPair.h"
#include "TempDir.h"
#include "TermiosSerialPort.h"

using namespace velk;
using Bytes = std::vector<uint8_t>;

namespace {

Bytes WritePacket(uint8_t reg, uint8_t address, uint8_t value)
{
    return {0xBE, 0xEF, 0x0B, 0x0D, 0x01, 0x0A, 0x53, 0x12, 0x00, reg, 0x00, 0x00, 0x00, address, 0x00, 0x01, 0x00, 0x00, value};
}

Bytes ReadPacket(uint8_t reg, uint8_t address)
{
    return {0xBE, 0xEF, 0x0A, 0x0D, 0x00, 0x57, 0x52, 0x11, 0x00, reg, 0x00, 0x00, 0x00, address, 0x00, 0x00, 0x00, 0x01, 0x00};
}

Bytes Joined(std::initializer_list<Bytes> packets)
{
    Bytes all;
    for (const Bytes& packet : packets) all.insert(all.end(), packet.begin(), packet.end());
    return all;
}

struct SerialLink : ::testing::Test {
    std::unique_ptr<ComDevInterface> NewLink()
    {
        auto link = std::make_unique<ComDevInterface>(dialogs, std::make_unique<TermiosSerialPort>());
        link->Configure("COMPORT", pair.device());
        return link;
    }

    ScriptedDialogs dialogs;
    SerialPair pair;
    std::unique_ptr<ComDevInterface> owned = NewLink();
    ComDevInterface& link = *owned;
};

}  // namespace

TEST_F(SerialLink, PacketsAreSentByteForByte)
{
    link.WriteByte(1, 2);  // not connected: nothing goes out
    ASSERT_TRUE(link.Connect(0x98));
    link.WriteByte(0x21, 0x5A);
    EXPECT_EQ(link.ReadByte(0x0E), 0);
    const std::array<int16_t, 3> values{1, 0x80, 0xFF};
    link.WriteBytes(0x30, values);
    std::array<int16_t, 2> read{7, 8};
    link.ReadBytes(0x30, read);  // does nothing
    EXPECT_EQ(read, (std::array<int16_t, 2>{7, 8}));
    EXPECT_EQ(pair.Take(), Joined({WritePacket(0x21, 0x98, 0x5A), ReadPacket(0x0E, 0x98), WritePacket(0x30, 0x98, 1),
                                   WritePacket(0x30, 0x98, 0x80), WritePacket(0x30, 0x98, 0xFF)}));

    link.Disconnect();
    link.WriteByte(0x21, 0x5A);
    EXPECT_TRUE(pair.Take().empty());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(SerialLink, EveryConnectSetsThePortUpAgainAndAnswersAreThrownAway)
{
    ASSERT_TRUE(link.Connect(0x98));
    termios settings{};
    ASSERT_EQ(tcgetattr(pair.deviceFd(), &settings), 0);
    EXPECT_EQ(cfgetospeed(&settings), B19200);
    EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), 0u);

    cfsetospeed(&settings, B9600);
    ASSERT_EQ(tcsetattr(pair.deviceFd(), TCSANOW, &settings), 0);
    ASSERT_TRUE(link.Connect(0x9A));  // closes and opens the port again, with the new address
    ASSERT_EQ(tcgetattr(pair.deviceFd(), &settings), 0);
    EXPECT_EQ(cfgetospeed(&settings), B19200);

    pair.Answer({0x00, 0x42, 0x13});
    link.Configure("COMPORT", int64_t{3});  // taken at the next Connect
    link.WriteByte(1, 2);
    EXPECT_EQ(pair.Take(), WritePacket(1, 0x9A, 2));
    int waiting = -1;
    ASSERT_EQ(ioctl(pair.deviceFd(), FIONREAD, &waiting), 0);
    EXPECT_EQ(waiting, 0);
}

TEST_F(SerialLink, APortThatCannotBeOpenedFailsConnectNamingTheDevice)
{
    TempDir dir;
    const std::string missing = dir.file("ttyMissing");
    link.Configure("COMPORT", missing);
    try {
        link.Connect(0x98);
        FAIL() << "Connect accepted a missing device";
    } catch (const LinkError& error) {
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    }
    std::ofstream(dir.file("plain")) << "x";
    link.Configure("COMPORT", dir.file("plain"));
    EXPECT_THROW(link.Connect(0x98), LinkError);  // a file is no serial device
    link.Configure("COMPORT", int64_t{0});       // no "COM" entry checked
    EXPECT_THROW(link.Connect(0x98), LinkError);
    EXPECT_FALSE(link.isConnected());
}

TEST_F(SerialLink, ArgumentsAboveAByteAreRefusedBeforeAnythingIsWritten)
{
    EXPECT_THROW(link.Connect(256), LinkError);
    ASSERT_TRUE(link.Connect(0x98));
    EXPECT_THROW(link.WriteByte(256, 1), LinkError);
    EXPECT_THROW(link.ReadByte(-1), LinkError);
    const std::array<int16_t, 3> values{1, 2, 300};
    EXPECT_THROW(link.WriteBytes(5, values), LinkError);
    EXPECT_TRUE(pair.Take().empty());
}

TEST_F(SerialLink, TwoLinksShareOneDevice)
{
    // The single-register window's link beside the main window's: each
    // holds the device only while a packet goes out.
    const auto second = NewLink();
    ASSERT_TRUE(link.Connect(0x98));
    ASSERT_TRUE(second->Connect(0x40));
    link.WriteByte(1, 0x11);
    second->WriteByte(2, 0x22);
    link.WriteByte(3, 0x33);
    EXPECT_EQ(pair.Take(), Joined({WritePacket(1, 0x98, 0x11), WritePacket(2, 0x40, 0x22), WritePacket(3, 0x98, 0x33)}));
}

TEST(SerialConnection, TheCheckedComPortReachesItsMappedDevice)
{
    EXPECT_EQ(ComPortDevice(3, ""), "/dev/ttyUSB2");
    EXPECT_EQ(ComPortDevice(3, "/dev/ttyACM0,,/dev/ttyS0"), "/dev/ttyS0");

    ScriptedDialogs dialogs;
    SerialPair pair;
    RecordedNullPorts recorded;
    const std::string mapping = "," + pair.device();  // COM 1 keeps its default
    ScopedEnvironment comPorts("VELK_COMPORTS", mapping.c_str());
    LinkOptions options;
    options.linkType = LinkType::I2CComPort;
    options.comPort = 2;
    auto link = CreateDevConnection(options, {"Panel", "10011000", "1001100x"}, dialogs, recorded.ports);
    EXPECT_EQ(link->DevType(), "I2C_COM");
    ASSERT_TRUE(link->isConnected());
    link->WriteByte(0x21, 3);
    EXPECT_EQ(pair.Take(), WritePacket(0x21, 0x98, 3));
}
