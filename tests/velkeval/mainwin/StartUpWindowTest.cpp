#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "StartedWindow.h"

using namespace velk;

using StartUpWindow = StartedWindow;

TEST_F(StartUpWindow, BeforeALoadTheDeviceMenusHoldADisabledNone)
{
    ASSERT_EQ(window.mnuDevice()->actions().size(), 1);
    EXPECT_EQ(window.mnuDevice()->actions()[0]->text(), "None");
    EXPECT_FALSE(window.mnuDevice()->actions()[0]->isEnabled());
    EXPECT_EQ(window.mnuDevice()->title(), "&Device");
    EXPECT_EQ(window.mnuNewWindow()->title(), "&New Window");
}

TEST_F(StartUpWindow, LoadsTheDefaultDescriptionWithTheOptionsInForce)
{
    state.loadOnChange = true;
    Start();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(window.windowTitle(), "Default board - First");
    EXPECT_EQ(window.checkedMaxHeight(), 2);  // "Tall"
    EXPECT_FALSE(state.loadOnChange);
    EXPECT_FALSE(window.furniture().chkAutoLoad->isChecked());
    ASSERT_TRUE(state.devInterface);
    EXPECT_TRUE(state.devInterface->isConnected());
    EXPECT_TRUE(state.layoutSaved);

    // Both menus list both devices; only "&Device" checks the built one, and
    // "&" in a name is shown, not taken for a shortcut.
    const QStringList names{"First", "Second && last"};
    EXPECT_EQ(Texts(*window.mnuDevice()), names);
    EXPECT_EQ(Texts(*window.mnuNewWindow()), names);
    for (const QMenu* menu : {window.mnuDevice(), window.mnuNewWindow()})
        for (const QAction* entry : menu->actions()) EXPECT_TRUE(entry->isEnabled());
    EXPECT_TRUE(window.mnuDevice()->actions()[0]->isChecked());
    EXPECT_FALSE(window.mnuDevice()->actions()[1]->isChecked());
    EXPECT_FALSE(window.mnuNewWindow()->actions()[0]->isCheckable());
}

TEST_F(StartUpWindow, ClosingAfterALayoutChangeAsksAndCancelKeepsTheWindow)
{
    Start();
    state.layoutSaved = false;
    dialogs.QueueAnswer(MessageAnswer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, "Save changes to VelkEval.xml - First?");

    dialogs.QueueAnswer(MessageAnswer::No);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(dialogs.messages().size(), 2u);
}
