#include <filesystem>
#include <fstream>

#include <QAction>
#include <QCheckBox>
#include <QMenu>

#include "WindowOnBoard.h"

using namespace velk;

namespace {

const char* const TwoDevices =
    "<file title=\"Default board\">"
    "<device addr=\"1010xxx0\" name=\"First\"><group name=\"One\" addr=\"10\" size=\"1\">"
    "<field name=\"F1\"><pos range=\"7:0\"/></field></group></device>"
    "<device addr=\"10011000\" name=\"Second &amp; last\"><group name=\"Two\" addr=\"20\" size=\"1\">"
    "<field name=\"F2\"><pos range=\"7:0\"/></field></group></device>"
    "</file>";

// The window started on the simulated board with a program folder of the
// test's own holding the default description.
struct StartUpWindow : WindowOnBoard {
    void Start()
    {
        std::filesystem::create_directory(dir.file("program"));
        std::ofstream(dir.file("program/VelkEval.xml"), std::ios::binary) << TwoDevices;
        window.setPorts(ports);
        window.setProgramFolder(dir.file("program"));
        window.FormLoad({});
    }
};

QStringList Texts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* entry : menu.actions()) texts << entry->text();
    return texts;
}

}  // namespace

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
