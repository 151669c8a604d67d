#include <filesystem>
#include <fstream>
#include <set>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "CommandLine.h"
#include "FakeI2CBus.h"
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

namespace {

// Two Linux I2C buses listed in sysfs, of which the fake kernel has bus 4.
struct LinuxI2CMenus : LinkMenus {
    FakeI2CBus bus{ports.board(), 4};
    std::string sys = dir.file("sys");

    void SetUp() override
    {
        LinkMenus::SetUp();
        for (const int number : {1, 4}) {
            const std::string folder = sys + "/class/i2c-dev/i2c-" + std::to_string(number);
            std::filesystem::create_directories(folder);
            std::ofstream(folder + "/name") << "Adapter " << number << "\n";
        }
        window.setI2CAccess(bus, sys);
    }
    // The link goes before the fake bus it holds open.
    void TearDown() override { state.devInterface.reset(); }
};

}  // namespace

TEST_F(LinuxI2CMenus, TheLinkOpensTheChosenBusAtOnceAndWritesTheChip)
{
    Start();
    // The first bus listed is taken; it cannot be opened, which is shown.
    m.mnuDevInterface[LinuxI2CEntry]->trigger();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text.rfind("/dev/i2c-1 does not exist", 0), 0u) << dialogs.messages()[0].text;
    EXPECT_FALSE(state.devInterface);

    emit m.mnuI2CBus->aboutToShow();
    const QList<QAction*> entries = m.mnuI2CBus->actions();
    ASSERT_EQ(Texts(*m.mnuI2CBus), (QStringList{"i2c-1: Adapter 1", "i2c-4: Adapter 4"}));
    EXPECT_TRUE(entries[0]->isChecked());
    entries[1]->trigger();
    EXPECT_FALSE(entries[0]->isChecked());
    EXPECT_TRUE(entries[1]->isChecked());
    ASSERT_TRUE(state.devInterface && state.devInterface->isConnected());
    EXPECT_EQ(state.devInterface->DevType(), "I2C_LINUX");

    // The loaded device "First" (0xA0, bus address 0x50) on the Load button.
    bus.clearCalls();
    QTest::mouseClick(window.furniture().cmdLoad, Qt::LeftButton);
    ASSERT_FALSE(bus.calls().empty());
    EXPECT_EQ(bus.calls()[0].messages[0].address, 0x50);
    EXPECT_EQ(dialogs.messages().size(), 1u);

    // Another bus: the old one is closed before the new one opens. This one
    // fails, and no link is left that would drop every transfer unseen.
    entries[0]->trigger();
    EXPECT_EQ(bus.openDescriptors(), 0u);
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_FALSE(state.devInterface);
}

TEST_F(LinuxI2CMenus, TheBusWordOfTheCommandLineStartsOnTheLinuxI2CLink)
{
    StartedWindow::Start(TwoDevices, {"-I2CBUS", "4"});
    EXPECT_TRUE(m.mnuDevInterface[LinuxI2CEntry]->isChecked());
    EXPECT_FALSE(m.mnuDevInterface[0]->isChecked());
    ASSERT_TRUE(state.devInterface);
    EXPECT_EQ(state.devInterface->DevType(), "I2C_LINUX");
    EXPECT_TRUE(state.devInterface->isConnected());
    EXPECT_EQ(window.windowTitle(), "Default board - First");
    EXPECT_TRUE(dialogs.messages().empty());

    // A new window starts on the same bus.
    struct : ProcessStarter {
        std::vector<std::string> arguments;
        bool StartDetached(const std::string&, const std::vector<std::string>& words) override
        {
            arguments = words;
            return true;
        }
    } starter;
    window.setProcessStarter(starter);
    window.mnuNewWindow()->actions()[1]->trigger();
    std::vector<std::string> words = starter.arguments;
    EXPECT_EQ(TakeProgramWords(words).i2cBus, 4);
    ASSERT_TRUE(ReadCommandLine(starter.arguments));
    EXPECT_EQ(ReadCommandLine(starter.arguments)->deviceName, "Second & last");
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
