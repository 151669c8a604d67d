#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <linux/i2c.h>

#include "DevConnection.h"
#include "FakeI2CBus.h"
#include "I2CBuses.h"
#include "I2CDevInterface.h"
#include "LinkError.h"
#include "LinuxI2CDevInterface.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"
#include "TempDir.h"

using namespace velk;
using BusMessage = FakeI2CBus::Message;
using Bytes = std::vector<uint8_t>;

namespace {

constexpr uint16_t Chip = 0x4C;  // 8-bit write address 0x98

struct LinuxI2CLink : ::testing::Test {
    TempDir dir;
    portio::SimPorts ports{dir.file("board")};
    FakeI2CBus bus{ports.board(), 1};
    ScriptedDialogs dialogs;
    LinuxI2CDevInterface link{dialogs, bus};

    void Open()
    {
        link.Configure("I2CBUS", int64_t{1});
        ASSERT_TRUE(link.Connect(0x98));
        bus.clearCalls();
    }
    // The messages of the one call made since the last look.
    std::vector<BusMessage> OnlyTransfer(const char* name)
    {
        EXPECT_EQ(bus.calls().size(), 1u);
        if (bus.calls().empty()) return {};
        EXPECT_EQ(bus.calls().back().name, name);
        auto messages = bus.calls().back().messages;
        bus.clearCalls();
        return messages;
    }
    std::string FailureOf(const std::function<void()>& operation)
    {
        try {
            operation();
        } catch (const LinkError& error) {
            return error.what();
        }
        return "no failure";
    }
};

}  // namespace

TEST_F(LinuxI2CLink, EachOperationIsOneTransferOfExactMessagesThatTheParallelLinkReadsBack)
{
    Open();
    link.WriteByte(5, 0x77);
    EXPECT_EQ(OnlyTransfer("rdwr"), (std::vector<BusMessage>{{Chip, 0, {5, 0x77}}}));
    EXPECT_EQ(link.ReadByte(5), 0x77);
    EXPECT_EQ(OnlyTransfer("rdwr"), (std::vector<BusMessage>{{Chip, 0, {5}}, {Chip, I2C_M_RD, {0x77}}}));

    const std::vector<int16_t> three{1, 2, 3};
    link.WriteBytes(0x10, three);
    EXPECT_EQ(OnlyTransfer("rdwr"), (std::vector<BusMessage>{{Chip, 0, {0x10, 1, 2, 3}}}));
    std::vector<int16_t> back(3);
    link.ReadBytes(0x10, back);
    EXPECT_EQ(back, three);
    EXPECT_EQ(OnlyTransfer("rdwr"), (std::vector<BusMessage>{{Chip, 0, {0x10}}, {Chip, I2C_M_RD, {1, 2, 3}}}));

    // The same chip through the bit-banged link on the same board.
    I2CDevInterface parallel(dialogs, ports);
    parallel.Configure("LPTPORT", int64_t{888});
    parallel.Connect(0x98);
    EXPECT_EQ(parallel.ReadByte(5), 0x77);
    EXPECT_EQ(parallel.ReadByte(0x12), 3);

    // Bytes that do not fit are refused before anything is sent.
    EXPECT_EQ(FailureOf([&] { link.WriteByte(256, 1); }), "WriteByte: register 256 does not fit a byte (0..255)");
    EXPECT_THROW(link.WriteByte(1, 300), LinkError);
    EXPECT_THROW(link.WriteBytes(1, std::vector<int16_t>{1, -1}), LinkError);
    EXPECT_THROW(link.ReadByte(-1), LinkError);
    EXPECT_TRUE(bus.calls().empty());
}

TEST_F(LinuxI2CLink, FailuresNameTheBusTheChipAndTheReason)
{
    Open();
    link.Configure("I2CBUS", int64_t{2});  // another bus: the chip must be connected anew
    EXPECT_FALSE(link.isConnected());
    EXPECT_EQ(bus.openDescriptors(), 0u);
    link.Configure("I2CBUS", int64_t{1});
    ASSERT_TRUE(link.Connect(0x98));
    ports.board().SetAnswering(portio::AnsweringSet().set(0x50));
    EXPECT_EQ(FailureOf([&] { link.WriteByte(5, 1); }),
              "WriteByte: no acknowledge from 0x4C on /dev/i2c-1 (No such device or address)");
    EXPECT_EQ(FailureOf([&] { link.ReadByte(5); }),
              "ReadByte: no acknowledge from 0x4C on /dev/i2c-1 (No such device or address)");

    // Closed while disconnected: operations do nothing, reads give 0.
    link.Disconnect();
    EXPECT_EQ(bus.openDescriptors(), 0u);
    bus.clearCalls();
    link.WriteByte(5, 1);
    EXPECT_EQ(link.ReadByte(5), 0);
    EXPECT_TRUE(bus.calls().empty());

    link.Configure("I2CBUS", int64_t{7});
    EXPECT_EQ(FailureOf([&] { link.Connect(0x98); }),
              "/dev/i2c-7 does not exist: load the i2c-dev module (modprobe i2c-dev), plug in the adapter, or "
              "choose a bus that is present");
    link.Configure("I2CBUS", int64_t{1});
    bus.setOpenError(EACCES);
    EXPECT_NE(FailureOf([&] { link.Connect(0x98); }).find("no permission to open /dev/i2c-1"), std::string::npos);
    EXPECT_FALSE(link.isConnected());
    EXPECT_FALSE(link.Connect(0x1FF));  // nine address bits
}

TEST_F(LinuxI2CLink, AnSmbusOnlyAdapterMovesBytesAndShortBlocksAndRefusesTheRest)
{
    bus.setFunctions(I2C_FUNC_SMBUS_BYTE_DATA | I2C_FUNC_SMBUS_I2C_BLOCK | I2C_FUNC_SMBUS_QUICK);
    link.Configure("I2CBUS", int64_t{1});
    ASSERT_TRUE(link.Connect(0x98));
    ASSERT_EQ(bus.calls().size(), 3u);  // open, funcs, and the chip selected
    EXPECT_EQ(bus.calls()[2].name, "slave");
    bus.clearCalls();

    link.WriteByte(5, 0x77);
    ASSERT_EQ(bus.calls().size(), 1u);
    EXPECT_EQ(bus.calls()[0].size, uint32_t{I2C_SMBUS_BYTE_DATA});
    EXPECT_EQ(bus.calls()[0].command, 5);
    EXPECT_EQ(OnlyTransfer("smbus"), (std::vector<BusMessage>{{Chip, I2C_SMBUS_WRITE, {0x77}}}));
    EXPECT_EQ(link.ReadByte(5), 0x77);
    bus.clearCalls();

    std::vector<int16_t> values(32, 9);
    link.WriteBytes(0x20, values);
    EXPECT_EQ(bus.calls().back().size, uint32_t{I2C_SMBUS_I2C_BLOCK_DATA});
    EXPECT_EQ(ports.board().Registers(Chip)[0x3F], 9);
    std::vector<int16_t> back(32);
    link.ReadBytes(0x20, back);
    EXPECT_EQ(back, values);
    EXPECT_EQ(bus.calls().back().size, uint32_t{I2C_SMBUS_I2C_BLOCK_DATA});

    // A probe of another chip leaves the link pointed at its own.
    EXPECT_EQ(link.Probe(0x40), LinuxI2CDevInterface::ProbeResult::Answers);
    link.WriteByte(6, 0x55);
    EXPECT_EQ(ports.board().Registers(Chip)[6], 0x55);
    EXPECT_EQ(ports.board().Registers(0x40)[6], 0);
    values.push_back(9);
    EXPECT_EQ(FailureOf([&] { link.WriteBytes(0x20, values); }),
              "WriteBytes of 33 registers: the adapter of /dev/i2c-1 speaks SMBus only and moves at most 32 "
              "registers in one transfer");

    bus.setFunctions(I2C_FUNC_SMBUS_BYTE_DATA);
    link.Disconnect();
    link.Connect(0x98);
    std::vector<int16_t> two(2);
    EXPECT_EQ(FailureOf([&] { link.ReadBytes(0x20, two); }),
              "ReadBytes of 2 registers: the adapter of /dev/i2c-1 speaks SMBus only and cannot do this transfer");

    link.Disconnect();
    bus.setBusy(Chip);
    EXPECT_EQ(FailureOf([&] { link.Connect(0x98); }), "0x4C on /dev/i2c-1 is in use by a kernel driver");
}

TEST_F(LinuxI2CLink, ProbingFollowsTheUsualScanAndTheMenuListsTheBusesOfSysfs)
{
    link.Configure("I2CBUS", int64_t{1});
    ports.board().SetAnswering(portio::AnsweringSet().set(0x4C).set(0x50));
    bus.setBusy(0x3C);
    EXPECT_EQ(link.Probe(0x4C), LinuxI2CDevInterface::ProbeResult::Answers);
    EXPECT_EQ(bus.calls().back().size, uint32_t{I2C_SMBUS_QUICK});
    EXPECT_EQ(link.Probe(0x50), LinuxI2CDevInterface::ProbeResult::Answers);
    EXPECT_EQ(bus.calls().back().size, uint32_t{I2C_SMBUS_BYTE});  // an EEPROM is read, not written
    EXPECT_EQ(link.Probe(0x51), LinuxI2CDevInterface::ProbeResult::Absent);
    EXPECT_EQ(link.Probe(0x3C), LinuxI2CDevInterface::ProbeResult::Busy);

    namespace fs = std::filesystem;
    const fs::path sys = dir.file("sys");
    const auto adapter = [&](const std::string& folder, const std::string& file, const std::string& name) {
        fs::create_directories(sys / "class/i2c-dev" / folder / fs::path(file).parent_path());
        std::ofstream(sys / "class/i2c-dev" / folder / file) << name << "\n";
    };
    adapter("i2c-10", "device/name", "i915 gmbus dpb");
    adapter("i2c-2", "name", "CP2112 SMBus Bridge on hidraw0");
    adapter("i2c-0", "name", "Synopsys DesignWare I2C adapter");
    adapter("subsystem", "name", "not a bus");
    const auto buses = ListI2CBuses(sys.string());
    ASSERT_EQ(buses.size(), 3u);
    EXPECT_EQ(I2CBusCaption(buses[0]), "i2c-0: Synopsys DesignWare I2C adapter");
    EXPECT_EQ(I2CBusCaption(buses[1]), "i2c-2: CP2112 SMBus Bridge on hidraw0");
    EXPECT_EQ(I2CBusCaption(buses[2]), "i2c-10: i915 gmbus dpb");
    EXPECT_TRUE(ListI2CBuses(dir.file("no sys")).empty());
}

TEST(LinuxI2CConnection, CreateDevConnectionOpensTheChosenBusForTheDevice)
{
    TempDir dir;
    portio::SimPorts ports{dir.file("board")};
    FakeI2CBus bus{ports.board(), 3};
    ScriptedDialogs dialogs;
    LinkOptions options;
    options.linkType = LinkType::LinuxI2C;
    const DeviceRecord device{"Panel", "10011000", "1001100x"};
    EXPECT_THROW(CreateDevConnection(options, device, dialogs, ports, ProcessUsbBus(), bus), LinkError);  // no bus chosen
    options.i2cBus = 3;
    const auto link = CreateDevConnection(options, device, dialogs, ports, ProcessUsbBus(), bus);
    EXPECT_EQ(link->DevType(), "I2C_LINUX");
    link->WriteByte(1, 2);
    EXPECT_EQ(ports.board().Registers(Chip)[1], 2);
}
