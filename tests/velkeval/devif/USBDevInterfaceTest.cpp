#include <gtest/gtest.h>

#include <array>

#include "BulkTransfer.h"
#include "BusTrace.h"
#include "DevConnection.h"
#include "FakeUsbBoard.h"
#include "LinkRuntimeError.h"
#include "ScriptedDialogs.h"
#include "USBDevInterface.h"
#include "UsbBoards.h"

using namespace velk;
using Bytes = std::vector<uint8_t>;

namespace {

const std::string NoPipeText = "Correct Pipe not found. Perhaps \"Ep-pair.hex\" was not downloaded to a development board.";
const std::string NoDriverText = "Selected EZ-USB Device Driver was not found. Perhaps no device is connected.";

struct UsbLink : ::testing::Test {
    std::unique_ptr<USBDevInterface> ConnectedLink()
    {
        auto link = std::make_unique<USBDevInterface>(dialogs, bus);
        link->Configure("USB_DRIVERNAME", std::string("ezusb-0"));
        EXPECT_TRUE(link->Connect(0x98));
        return link;
    }

    // The texts of the reports shown since the last call, each checked for
    // its title and icon.
    std::vector<std::string> Reports()
    {
        std::vector<std::string> texts;
        for (size_t i = seen; i < dialogs.messages().size(); ++i) {
            EXPECT_EQ(dialogs.messages()[i].title, "BulkXFer Error");
            EXPECT_EQ(dialogs.messages()[i].icon, MessageIcon::Critical);
            texts.push_back(dialogs.messages()[i].text);
        }
        seen = dialogs.messages().size();
        return texts;
    }

    ScriptedDialogs dialogs;
    FakeUsbBus bus;
    std::shared_ptr<FakeUsbBoard> board = bus.Add();
    size_t seen = 0;
};

}  // namespace

TEST_F(UsbLink, BulkTransferChecksIdentityAndPipes)
{
    std::array<uint8_t, 1> identify{0x01};
    size_t moved = 99;
    EXPECT_EQ(BulkTransfer(nullptr, 0, identify, moved), BulkNoDriver);
    auto handle = bus.Open(0);
    EXPECT_EQ(BulkTransfer(handle.get(), 0, identify, moved), BulkDone);
    EXPECT_EQ(moved, 1u);
    EXPECT_EQ(BulkTransfer(handle.get(), 8, identify, moved), BulkNoPipe);
    board->identity = {0x0547, 0x2131};  // one of the two matches: accepted
    EXPECT_EQ(BulkTransfer(handle.get(), 0, identify, moved), BulkDone);
    board->identity = {0x04B4, 0x2131};
    EXPECT_EQ(BulkTransfer(handle.get(), 0, identify, moved), BulkNoPipe);
    board->identity = {0x0547, 0x1002};
    board->pipes.resize(20, 0x88);
    EXPECT_EQ(BulkTransfer(handle.get(), 16, identify, moved), BulkNoPipe);  // only 16 pipes are looked at
}

TEST_F(UsbLink, ExchangesByteForByte)
{
    const auto owned = ConnectedLink();
    USBDevInterface& link = *owned;
    EXPECT_EQ(link.DevType(), "USB");
    EXPECT_EQ(link.firmware(), "EP-PAIR Version 1.2");
    EXPECT_FALSE(link.Connect(0x98));  // already connected

    const std::array<int16_t, 2> values{0x12, 0x34};
    link.WriteBytes(0x21, values);
    link.WriteByte(0x05, 0xAA);
    EXPECT_EQ(link.ReadByte(0x05), 0xAA);
    std::array<int16_t, 3> read{};
    link.ReadBytes(0x21, read);
    EXPECT_EQ(read, (std::array<int16_t, 3>{0x34, 0x34, 0x34}));
    board->readGives = 1;  // fewer data bytes than asked: the rest read as 0, none from past the reply
    link.ReadBytes(0x21, read);
    EXPECT_EQ(read, (std::array<int16_t, 3>{0x34, 0, 0}));
    EXPECT_THROW(link.WriteByte(0x100, 1), LinkError);
    EXPECT_EQ(board->commands, (std::vector<Bytes>{{0x01},
                                                   {0x10, 0x00, 0x21, 0x02, 0x12, 0x34},
                                                   {0x10, 0x00, 0x05, 0x01, 0xAA},
                                                   {0x11, 0x00, 0x05, 0x01},
                                                   {0x11, 0x00, 0x21, 0x03},
                                                   {0x11, 0x00, 0x21, 0x03}}));
    link.Disconnect();
    EXPECT_EQ(link.firmware(), "");
    link.WriteByte(1, 1);
    EXPECT_EQ(board->commands.size(), 6u);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(UsbLink, AnErrorByteInTheReplyIsRaised)
{
    const auto link = ConnectedLink();
    board->replyCode = 5;
    try {
        link->WriteByte(0x05, 0xAA);
        FAIL() << "the error byte was not raised";
    } catch (const LinkRuntimeError& error) {
        EXPECT_EQ(error.number(), 0x80040204u);
        EXPECT_EQ(error.source(), "VelkEval.USBDevInterface");
        EXPECT_STREQ(error.what(), "USB Device encountered error during read: 5");
    }
    EXPECT_THROW(link->ReadByte(0x05), LinkRuntimeError);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(UsbLink, FailedTransfersAreReportedAndEndTheOperation)
{
    const auto link = ConnectedLink();
    board->pipes.resize(4);  // the reply pipe is missing
    link->WriteByte(1, 2);
    EXPECT_EQ(link->ReadByte(1), 0);
    board->pipes.resize(8, 0x86);
    board->pipeRequestFails = true;
    link->WriteByte(1, 2);
    board->pipeRequestFails = false;
    board->repliesCut = true;  // a short reply carries no answer to trust
    EXPECT_EQ(link->ReadByte(1), 0);
    bus.Unplug();
    link->WriteByte(1, 2);
    EXPECT_EQ(Reports(), (std::vector<std::string>{NoPipeText, NoPipeText, "Unknown Error.", "Unknown Error.", NoDriverText}));

    // Connect fails quietly: no board, a board of another identity, no name.
    USBDevInterface other(dialogs, bus);
    other.Configure("USB_DRIVERNAME", std::string("ezusb-0"));
    EXPECT_FALSE(other.Connect(0));
    bus.Add({.identity = {0x1234, 0x5678}});
    EXPECT_FALSE(other.Connect(0));
    other.Configure("USB_DRIVERNAME", std::string());
    EXPECT_FALSE(other.Connect(0));
    other.WriteByte(1, 2);
    EXPECT_TRUE(Reports().empty());
}

TEST_F(UsbLink, TheSelectionListsTheBoardsThatIdentifyAndNamesTheChosenOne)
{
    bus.Add({.identity = {0x1234, 0x5678}});
    bus.Add({.firmwareName = "BULKLOOP", .major = 3, .minor = 10});
    EXPECT_EQ(DetectBoards(bus), (std::vector<UsbBoardEntry>{{0, "EP-PAIR Version 1.2"}, {2, "BULKLOOP Version 3.10"}}));

    RecordedNullPorts recorded;
    const DeviceRecord device{"Panel", "10011000", "1001100x"};
    LinkOptions options;
    options.linkType = LinkType::USB;
    dialogs.QueueUsbBoard(2);
    auto link = CreateDevConnection(options, device, dialogs, recorded.ports, bus);
    EXPECT_EQ(dialogs.usbBoardCalls().at(0).size(), 2u);
    EXPECT_EQ(dynamic_cast<USBDevInterface&>(*link).firmware(), "BULKLOOP Version 3.10");

    dialogs.QueueUsbBoard(std::nullopt);  // OK with nothing selected, or closed
    auto none = CreateDevConnection(options, device, dialogs, recorded.ports, bus);
    EXPECT_EQ(dynamic_cast<USBDevInterface&>(*none).driverName(), "");
    EXPECT_FALSE(none->isConnected());

    options.usbDriverName = "ezusb-0";  // a board already chosen: no second question
    EXPECT_TRUE(CreateDevConnection(options, device, dialogs, recorded.ports, bus)->isConnected());
    EXPECT_EQ(dialogs.usbBoardCalls().size(), 2u);

    bus.Unplug();
    dialogs.QueueUsbBoard(std::nullopt);
    options.usbDriverName.reset();
    CreateDevConnection(options, device, dialogs, recorded.ports, bus);
    EXPECT_TRUE(dialogs.usbBoardCalls().back().empty());
}

TEST_F(UsbLink, TwoLinksShareOneBoard)
{
    // The fake board opens for one user at a time, as a claimed interface does.
    const auto first = ConnectedLink();
    const auto second = ConnectedLink();
    first->WriteByte(1, 0x11);
    EXPECT_EQ(second->ReadByte(1), 0x11);
    EXPECT_TRUE(Reports().empty());
}
