#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "ControlType.h"
#include "DescriptionLoader.h"
#include "DialogDriver.h"
#include "EditCommands.h"
#include "HeadlessRegisterView.h"
#include "ModalScript.h"
#include "RecordingDescriptionWindow.h"
#include "StartedWindow.h"
#include "TextFit.h"
#include "Twips.h"
#include "frmEditTools.h"

using namespace velk;
using test::Click;
using test::Retype;

namespace {

struct EditModeWindow : StartedWindow {
    void StartFull()
    {
        Start(TwoDevices, {"-FULL"});
        window.show();
    }
    void Command(int number) { window.menus().mnuEdit[static_cast<size_t>(number)]->trigger(); }
    // The group's address label, a drawn label tagged with its key.
    std::shared_ptr<ControlRecord> AddressLabel(const Group& group) { return Control(group.controls, ControlType::Label); }
};

TEST_F(EditModeWindow, FullKeepsWhatTheDesignHidesAndIsPassedOn)
{
    RecordingStarter starter;
    window.setProcessStarter(starter);
    StartFull();
    const MainMenus& menus = window.menus();
    for (QAction* entry : {menus.editMenu->menuAction(), menus.mnuFile[2], menus.mnuFile[3], menus.mnuFile[4],
                           menus.mnuDevInterface[1], menus.mnuDevInterface[2], menus.mnuOptions[3], menus.autoRewrite()})
        EXPECT_TRUE(entry->isVisible() && entry->isEnabled()) << entry->text().toStdString();
    for (size_t i = 1; i < menus.mnuEdit.size(); ++i) EXPECT_FALSE(menus.mnuEdit[i]->isEnabled());

    window.mnuNewWindow()->actions()[1]->trigger();
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].arguments.back(), "-full");
}

TEST_F(EditModeWindow, ALabelClickInEditModeSelectsItsGroupBesideTheToolWindow)
{
    StartFull();
    const auto group = state.allGroups.Item(1);
    ClickDrawn(*AddressLabel(*group));
    EXPECT_EQ(state.currentGroup, nullptr);  // not in edit mode

    Command(EditModeToggle);
    frmEditTools* tools = window.editTools();
    ASSERT_TRUE(tools && tools->isVisible());
    const QRect main = window.frameGeometry();
    EXPECT_EQ(tools->frameGeometry().topLeft(), QPoint(main.x() + main.width(), main.y()));
    EXPECT_EQ(textfit::Misfits(*tools), std::vector<std::string>{});
    EXPECT_EQ(window.windowTitle(), "Default board - First (VelkEval.xml)");

    ClickDrawn(*AddressLabel(*group));
    EXPECT_EQ(state.currentGroup, group);
    QWidget* mark = view.selectionMark();
    EXPECT_TRUE(mark->isVisible());
    EXPECT_EQ(mark->parentWidget(), &view.page(1));
    EXPECT_EQ(mark->geometry(), TwipsRect(25, 15, 6420, 405));

    tools->cmdEdit()[3]->click();  // "Delete"
    EXPECT_EQ(state.allGroups.count(), 0);
    EXPECT_FALSE(mark->isVisible());
    EXPECT_EQ(window.windowTitle(), "Default board - First (VelkEval.xml*)");

    // A device switch leaves edit mode for the load and enters it again.
    dialogs.QueueAnswer(MessageAnswer::No);
    window.mnuDevice()->actions()[1]->trigger();
    EXPECT_TRUE(state.editMode && tools->isVisible());
    EXPECT_EQ(window.windowTitle(), "Default board - Second & last (VelkEval.xml)");
    Command(EditModeToggle);
    EXPECT_FALSE(tools->isVisible() || window.menus().mnuEdit[1]->isEnabled());
}

// Loads device `name` of `path` into a fresh headless state.
struct FreshLoad {
    FreshLoad(const std::string& path, const std::string& name) { ParseFile(state, window, path, name); }
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};
    test::RecordingDescriptionWindow window;
};

TEST_F(EditModeWindow, AnInsertedGroupAndACopiedDeviceAreSavedBesideTheOriginal)
{
    StartFull();
    Command(EditModeToggle);
    ClickDrawn(*AddressLabel(*state.allGroups.Item(1)));
    {
        ModalScript script{
            [](QWidget& groupEditor) { Click(groupEditor, "cmbNewField"); },
            [](QWidget& fieldEditor) { Click(fieldEditor, "OKButton"); },
            [](QWidget& groupEditor) { Click(groupEditor, "OKButton"); },
        };
        Command(InsertGroupCommand);
        EXPECT_TRUE(script.done());
    }
    dialogs.QueueAnswer(MessageAnswer::No);  // the save question every device command asks
    window.editTools()->cmdEdit()[5]->click();  // "Duplicate"
    EXPECT_EQ(Texts(*window.mnuDevice()), (QStringList{"First", "Second && last", "New Device"}));
    const std::string saved = dir.file("copied.xml");
    dialogs.QueueFileName(saved);
    window.mnuFileClick(4);

    FreshLoad copy(saved, "New Device");
    EXPECT_EQ(copy.window.captions(), (std::vector<std::string>{"First", "Second & last", "New Device"}));
    ASSERT_EQ(copy.state.allGroups.count(), 2);
    EXPECT_EQ(copy.state.allGroups.Item(1)->groupName, "NewGroup0");  // written before the group it was inserted at
    EXPECT_EQ(copy.state.allGroups.Item(2)->groupName, "One");
    FreshLoad original(saved, "First");
    EXPECT_EQ(original.state.allGroups.count(), 1);
}

TEST_F(EditModeWindow, AnEditedLayoutIsSavedAndLoadsBack)
{
    StartFull();
    Command(EditModeToggle);
    {
        ModalScript script{
            [](QWidget& groupEditor) {
                Retype(groupEditor, "txtGroupName", "Gain");
                Click(groupEditor, "cmbNewField");
            },
            [](QWidget& fieldEditor) {
                Retype(fieldEditor, "txtFieldName", "Level");
                Click(fieldEditor, "OKButton");
            },
            [](QWidget& groupEditor) { Click(groupEditor, "OKButton"); },
        };
        Command(AppendGroupCommand);
        EXPECT_TRUE(script.done());
    }
    window.editTools()->cmdEdit()[7]->click();  // "Up"
    {
        ModalScript script{[](QWidget& properties) {
            EXPECT_EQ(textfit::Misfits(properties), std::vector<std::string>{});
            Retype(properties, "txtDeviceName", "Panel");
            QTest::mouseClick(properties.findChild<QToolButton*>("txtAddrBit1"), Qt::LeftButton);  // "x" to "0"
            Click(properties, "OKButton");
        }};
        Command(DevicePropertiesCommand);
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(window.windowTitle(), "Default board - Panel (VelkEval.xml)");
    EXPECT_EQ(window.mnuDevice()->actions()[0]->text(), "Panel");

    const std::string saved = dir.file("edited.xml");
    dialogs.QueueFileName(saved);
    window.mnuFileClick(4);  // "Save XML As..."
    EXPECT_TRUE(state.layoutSaved);
    EXPECT_EQ(state.fileDeviceNames, (std::vector<std::string>{"Panel", "Second & last"}));

    FreshLoad load(saved, "Panel");
    const ProgramState& fresh = load.state;
    EXPECT_TRUE(load.dialogs.messages().empty());
    EXPECT_EQ(load.window.captions(), (std::vector<std::string>{"Panel", "Second & last"}));
    ASSERT_EQ(fresh.allGroups.count(), 2);
    EXPECT_EQ(fresh.allGroups.Item(1)->groupName, "Gain");
    EXPECT_EQ(fresh.allGroups.Item(1)->address, "11");
    EXPECT_EQ(fresh.allGroups.Item(1)->childFields.Item(1)->fieldName, "Level");
    EXPECT_EQ(fresh.allGroups.Item(2)->groupName, "One");
    EXPECT_EQ(fresh.currentDevice->address, "1010xx00");
}

}  // namespace
