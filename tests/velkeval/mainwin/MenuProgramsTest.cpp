#include <filesystem>
#include <fstream>

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QElapsedTimer>
#include <QTest>

#include "CommandLine.h"
#include "MainMenus.h"
#include "StartedWindow.h"
#include "frmCalculator.h"
#include "frmSingleReg.h"

using namespace velk;

namespace {

struct MenuPrograms : StartedWindow {
    std::string syncdelay = programFolder + "/syncdelay";

    void WriteSyncdelay(const std::string& script, std::filesystem::perms perms)
    {
        std::ofstream(syncdelay) << script;
        std::filesystem::permissions(syncdelay, perms);
    }
    // The `count`-th message says that syncdelay could not be started.
    void ExpectNotStartedMessage(size_t count)
    {
        ASSERT_EQ(dialogs.messages().size(), count);
        const Message& message = dialogs.messages().back();
        EXPECT_EQ(message.title, "DE Generation");
        EXPECT_NE(message.text.find(syncdelay), std::string::npos) << message.text;
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    }
};

}  // namespace

TEST_F(MenuPrograms, NewWindowStartsThisProgramOnTheDeviceWithBlanksAsSpcMarks)
{
    RecordingStarter starter;
    window.setProcessStarter(starter);
    Start();  // the program folder's name holds a blank
    window.mnuNewWindow()->actions()[1]->trigger();

    ASSERT_EQ(starter.started.size(), 1u);
    const ProgramStart& start = starter.started[0];
    EXPECT_EQ(start.program,
              programFolder + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());
    const std::string markedFolder = dir.file("program~spcfolder");
    EXPECT_EQ(start.arguments, (std::vector<std::string>{"-open", markedFolder + "/VelkEval.xml", "Second~spc&~spclast"}));

    // The new process reads back exactly this file and device.
    const auto request = ReadCommandLine(start.arguments);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->fileName, programFolder + "/VelkEval.xml");
    EXPECT_EQ(request->deviceName, "Second & last");

    // This window stays on its device.
    EXPECT_EQ(window.windowTitle(), "Default board - First");
    EXPECT_TRUE(window.mnuDevice()->actions()[0]->isChecked());
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(MenuPrograms, DeGenerationStartsSyncdelayFromTheProgramFolderWithoutWaiting)
{
    Start();
    // The program leaves a mark and stays on for a while; the command
    // returns before it ends.
    WriteSyncdelay("#!/bin/sh\nexec >/dev/null 2>&1\ntouch \"$0.started\"\nsleep 5\n",
                   std::filesystem::perms::owner_all);
    QElapsedTimer clock;
    clock.start();
    window.menus().mnuTools[2]->trigger();
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_TRUE(dialogs.messages().empty());
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(syncdelay + ".started"), 10000);
}

TEST_F(MenuPrograms, ASyncdelayThatIsMissingOrNotExecutableIsReported)
{
    Start();
    window.menus().mnuTools[2]->trigger();
    ExpectNotStartedMessage(1);

    WriteSyncdelay("#!/bin/sh\n", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    window.menus().mnuTools[2]->trigger();
    ExpectNotStartedMessage(2);
}

TEST_F(MenuPrograms, ToolWindowsOpenBesideTheWindowAndAreReused)
{
    Start();
    const MainMenus& m = window.menus();
    m.mnuTools[0]->trigger();
    frmSingleReg* single = window.singleRegWindow();
    ASSERT_TRUE(single);
    EXPECT_TRUE(single->isVisible());
    EXPECT_EQ(single->parentWidget(), &window);
    EXPECT_EQ(single->windowModality(), Qt::NonModal);
    // It shows the current device's address and has a link of its own,
    // connected like the window's.
    const std::string& address = state.currentDevice->currAddress;
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(single->txtAddrBit(bit).text().toStdString(), address.substr(static_cast<size_t>(7 - bit), 1));
    const auto firstLink = single->link();
    ASSERT_TRUE(firstLink);
    EXPECT_NE(firstLink, state.devInterface);
    EXPECT_TRUE(firstLink->isConnected());

    // Chosen again: the same window, initialised again with a new link.
    single->txtRegAddr().setText("7");
    single->close();
    m.mnuTools[0]->trigger();
    EXPECT_EQ(window.singleRegWindow(), single);
    EXPECT_TRUE(single->isVisible());
    EXPECT_EQ(single->txtRegAddr().text(), "0");
    EXPECT_NE(single->link(), firstLink);

    m.mnuTools[1]->trigger();
    frmCalculator* calculator = window.calculatorWindow();
    ASSERT_TRUE(calculator);
    EXPECT_TRUE(calculator->isVisible());
    EXPECT_EQ(calculator->parentWidget(), &window);
    m.mnuTools[1]->trigger();
    EXPECT_EQ(window.calculatorWindow(), calculator);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(dialogs.messages().empty());
}
