#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "BusProbe.h"
#include "ChildProcess.h"
#include "DeShiftRegister.h"
#include "I2CDevInterface.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"
#include "TempDir.h"

using namespace velk;

namespace {

struct I2COnBoard : ::testing::Test {
    TempDir dir;
    std::string boardPath = dir.file("board");
    portio::SimPorts ports{boardPath};
    ScriptedDialogs dialogs;

    template <class Link = I2CDevInterface>
    std::unique_ptr<Link> MakeLink(portio::Ports& on, int16_t address)
    {
        auto link = std::make_unique<Link>(dialogs, on);
        link->Configure("LPTPORT", int64_t{888});
        link->Connect(address);
        return link;
    }
};

}  // namespace

TEST_F(I2COnBoard, EveryByteValueWrittenToEveryRegisterReadsBack)
{
    auto link = MakeLink(ports, 0x98);
    int mismatches = 0;
    for (int round = 0; round < 256; ++round) {
        for (int reg = 0; reg < 256; ++reg) link->WriteByte(static_cast<int16_t>(reg), static_cast<int16_t>((reg + round) & 0xFF));
        for (int reg = 0; reg < 256; ++reg)
            if (link->ReadByte(static_cast<int16_t>(reg)) != ((reg + round) & 0xFF) && ++mismatches <= 5)
                ADD_FAILURE() << "round " << round << ", register " << reg;
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(ports.board().Registers(0x4C)[0x12], (0x12 + 255) & 0xFF);  // the chip at 0x4C holds them
    EXPECT_EQ(ports.board().Registers(0x4D)[0x12], 0);                    // its neighbour was never addressed
}

TEST_F(I2COnBoard, AnAbsentChipDoesNotAcknowledgeAndReadsFF)
{
    ports.board().SetAnswering(portio::AnsweringSet().set(0x4C));
    ports.board().SetRegister(0x50, 3, 0x12);
    auto absent = MakeLink<BusProbe>(ports, 0xA0);
    absent->WriteByte(3, 0x34);
    EXPECT_EQ(absent->ReadByte(3), 0xFF);
    EXPECT_EQ(ports.board().Registers(0x50)[3], 0x12);  // the write went nowhere

    absent->i2cStart(false);
    EXPECT_FALSE(absent->i2cWriteByte(0xA0));
    absent->i2cStop();
    auto present = MakeLink<BusProbe>(ports, 0x98);
    present->i2cStart(false);
    EXPECT_TRUE(present->i2cWriteByte(0x98));
    EXPECT_TRUE(present->i2cWriteByte(3));
    present->i2cStop();
}

TEST_F(I2COnBoard, AProbeFindsOnlyTheAnsweringChipsAndLeavesTheBusUsable)
{
    ports.board().SetAnswering(portio::AnsweringSet().set(0x4C).set(0x50));
    ports.board().SetRegister(0x4C, 7, 0x3C);
    I2CDevInterface unconnected(dialogs, ports);
    unconnected.Configure("LPTPORT", int64_t{888});
    EXPECT_TRUE(unconnected.Probe(0x98));
    EXPECT_TRUE(unconnected.Probe(0xA0));
    EXPECT_FALSE(unconnected.Probe(0x9A));
    EXPECT_FALSE(unconnected.Probe(0x00));
    EXPECT_EQ(ports.board().Registers(0x4C)[7], 0x3C);  // a probe writes no register
    EXPECT_EQ(MakeLink(ports, 0x98)->ReadByte(7), 0x3C);
}

TEST_F(I2COnBoard, AnAcknowledgedReadGoesOnToTheNextRegister)
{
    for (uint8_t reg = 3; reg <= 5; ++reg) ports.board().SetRegister(0x4C, reg, static_cast<uint8_t>(0xA0 + reg));
    auto probe = MakeLink<BusProbe>(ports, 0x98);
    probe->i2cStart(false);
    probe->i2cWriteByte(0x98);
    probe->i2cWriteByte(3);
    probe->i2cStart(true);
    probe->i2cWriteByte(0x99);
    EXPECT_EQ(probe->i2cReadByte(true), 0xA3);
    EXPECT_EQ(probe->i2cReadByte(true), 0xA4);
    EXPECT_EQ(probe->i2cReadByte(false), 0xA5);
    probe->i2cStop();
    EXPECT_EQ(probe->ReadByte(4), 0xA4);  // the bus is usable again after the stop
}

TEST_F(I2COnBoard, TwoProcessesSeeTheSameBoard)
{
    auto link = MakeLink(ports, 0x98);
    link->WriteByte(0x20, 0x77);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        portio::SimPorts own(boardPath);
        ScriptedDialogs childDialogs;
        I2CDevInterface other(childDialogs, own);
        other.Configure("LPTPORT", int64_t{888});
        other.Connect(0x98);
        const bool sawParent = other.ReadByte(0x20) == 0x77;
        other.WriteByte(0x10, 0x5A);
        _exit(sawParent ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the other process did not read what this one wrote";
    EXPECT_EQ(link->ReadByte(0x10), 0x5A);
}

TEST_F(I2COnBoard, TwoProcessesWritingAtOnceKeepEveryTransferWhole)
{
    auto writeAndReadBack = [this](int16_t address, int seed) {
        portio::SimPorts own(boardPath);
        ScriptedDialogs childDialogs;
        auto link = MakeLink(own, address);
        int wrong = 0;
        for (int round = 0; round < 8; ++round)
            for (int16_t reg = 0; reg < 256; ++reg) {
                const auto value = static_cast<int16_t>((reg * 7 + round + seed) & 0xFF);
                link->WriteByte(reg, value);
                if (link->ReadByte(reg) != value) ++wrong;
            }
        return wrong == 0 ? 0 : 1;
    };
    ChildProcess first([&] { return writeAndReadBack(0x98, 0); });
    ChildProcess second([&] { return writeAndReadBack(0x9A, 100); });
    ASSERT_TRUE(first.started() && second.started());
    EXPECT_EQ(first.ExitCode(), 0) << "a transfer of the first process was garbled";
    EXPECT_EQ(second.ExitCode(), 0) << "a transfer of the second process was garbled";
    for (int reg = 0; reg < 256; ++reg) {
        ASSERT_EQ(ports.board().Registers(0x4C)[reg], (reg * 7 + 7) & 0xFF) << reg;
        ASSERT_EQ(ports.board().Registers(0x4D)[reg], (reg * 7 + 107) & 0xFF) << reg;
    }
    EXPECT_EQ(ports.board().Registers(0x4E)[0x10], 0);  // no stray address was written
}

TEST_F(I2COnBoard, RegisterTrafficAndTheDataEnableWordLeaveEachOtherAlone)
{
    auto write = [this](uint8_t data) {
        ports.Out2(888, data);
        for (uint8_t control : {1, 0, 1}) ports.Out2(890, control);
    };
    write(24);
    for (int bit = 0; bit < 16; ++bit) {
        write(25);
        write(24);
    }
    write(28);
    ASSERT_EQ(ports.board().LastDeWord().word, 0xFFFF);

    auto link = MakeLink(ports, 0x98);
    link->WriteByte(1, 0x00);
    link->WriteByte(2, 0x55);
    EXPECT_EQ(link->ReadByte(2), 0x55);
    EXPECT_EQ(portio::DeWordString(ports.board().LastDeWord().word), std::string(16, '1'));
    EXPECT_EQ(ports.board().LastDeWord().latchCount, 1u);
}
