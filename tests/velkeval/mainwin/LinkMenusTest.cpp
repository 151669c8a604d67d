#include <set>

#include <QAction>

#include "FakeUsbBoard.h"
#include "ScopedEnvironment.h"
#include "StartedWindow.h"
#include "frmSingleReg.h"

using namespace velk;

namespace {

// The simulated board, noting which ports the link touches.
struct PortsSeen : portio::Ports {
    portio::Ports& board;
    std::set<uint16_t> seen;
    explicit PortsSeen(portio::Ports& inner) : board(inner) {}
    void Out2(uint16_t port, uint16_t value) override
    {
        seen.insert(port);
        board.Out2(port, value);
    }
    uint16_t Inp2(uint16_t port) override
    {
        seen.insert(port);
        return board.Inp2(port);
    }
    // The ports of one register write.
    std::set<uint16_t> OfOneWrite(DevInterface& link)
    {
        seen.clear();
        link.WriteByte(0x10, 0x5A);
        return seen;
    }
};

struct LinkMenus : StartedWindow {
    PortsSeen seen{ports};
    const MainMenus& m = window.menus();

    void Start()
    {
        StartedWindow::Start();
        window.setPorts(seen);
        window.ReopenLink();
    }
};

const std::set<uint16_t> Lpt1Ports{888, 889, 890};
const std::set<uint16_t> Lpt2Ports{632, 633, 634};

}  // namespace

TEST_F(LinkMenus, TheLptPortIsSetOnTheHeldLinkWithoutReconnecting)
{
    Start();
    const auto link = state.devInterface;
    ASSERT_TRUE(link && link->isConnected());
    EXPECT_EQ(seen.OfOneWrite(*link), Lpt1Ports);

    m.mnuLPTPort[1]->trigger();
    EXPECT_EQ(state.devInterface, link);
    EXPECT_TRUE(link->isConnected());
    EXPECT_EQ(link->DevType(), "I2C_PARALLEL");
    EXPECT_FALSE(m.mnuLPTPort[0]->isChecked());
    EXPECT_TRUE(m.mnuLPTPort[1]->isChecked());
    EXPECT_EQ(seen.OfOneWrite(*link), Lpt2Ports);

    // A new link, as a load makes one, follows the option.
    window.ReopenLink();
    EXPECT_EQ(seen.OfOneWrite(*state.devInterface), Lpt2Ports);

    m.mnuLPTPort[0]->trigger();
    EXPECT_TRUE(m.mnuLPTPort[0]->isChecked());
    EXPECT_FALSE(m.mnuLPTPort[1]->isChecked());
    EXPECT_EQ(seen.OfOneWrite(*state.devInterface), Lpt1Ports);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LinkMenus, TheCheckedLinkTypeKeepsTheConnection)
{
    Start();
    const auto link = state.devInterface;
    m.mnuDevInterface[0]->trigger();
    EXPECT_EQ(state.devInterface, link);
    EXPECT_TRUE(link->isConnected());
    EXPECT_TRUE(m.mnuDevInterface[0]->isChecked());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LinkMenus, AnotherLinkTypeReplacesTheLinkAndWithoutOneThePortsStayAsTheyAre)
{
    Start();
    const auto parallel = state.devInterface;
    // The hidden serial entry on a COM port without a device: the failed
    // open is reported, and no link is left.
    ScopedEnvironment comPorts("VELK_COMPORTS", (dir.file("no-tty") + ",").c_str());
    m.mnuDevInterface[1]->trigger();
    EXPECT_FALSE(parallel->isConnected());
    EXPECT_FALSE(state.devInterface);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].text.find(dir.file("no-tty")), std::string::npos);
    EXPECT_TRUE(m.mnuDevInterface[1]->isChecked());
    EXPECT_FALSE(m.mnuDevInterface[0]->isChecked());

    m.mnuLPTPort[1]->trigger();
    m.mnuComPort[2]->trigger();
    EXPECT_TRUE(m.mnuLPTPort[0]->isChecked());
    EXPECT_TRUE(m.mnuComPort[0]->isChecked());

    m.mnuDevInterface[0]->trigger();
    ASSERT_TRUE(state.devInterface);
    EXPECT_NE(state.devInterface, parallel);
    EXPECT_TRUE(state.devInterface->isConnected());

    // With a link the serial port is chosen, the parallel link ignoring it.
    m.mnuComPort[2]->trigger();
    EXPECT_EQ(window.linkOptions().comPort, 3);
    EXPECT_FALSE(m.mnuComPort[0]->isChecked());
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(LinkMenus, TheSingleRegisterWindowUsesTheBoardChosenForTheWindow)
{
    Start();
    FakeUsbBus bus;
    auto board = bus.Add();
    window.setUsbBus(bus);
    dialogs.QueueUsbBoard(0);
    m.mnuDevInterface[2]->trigger();
    ASSERT_TRUE(state.devInterface && state.devInterface->isConnected());
    EXPECT_EQ(state.devInterface->DevType(), "USB");

    window.mnuToolsClick(0);
    const auto& toolLink = window.singleRegWindow()->link();
    ASSERT_TRUE(toolLink && toolLink->isConnected());
    EXPECT_NE(toolLink, state.devInterface);
    EXPECT_EQ(dialogs.usbBoardCalls().size(), 1u);  // asked once, for the window's own link

    toolLink->WriteByte(0x10, 0x5A);
    EXPECT_EQ(state.devInterface->ReadByte(0x10), 0x5A);
    EXPECT_TRUE(dialogs.messages().empty());
    window.singleRegWindow()->close();

    board->replyCode = 5;  // the board's error byte reaches the user as a communication failure
    window.cmdLoadClick();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "Unable to communicate with the " + state.currentDevice->devName);
}
