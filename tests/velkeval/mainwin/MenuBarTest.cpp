#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include "PageTabBar.h"
#include "StartedWindow.h"

using namespace velk;

namespace {

// What the user sees of one entry. Qt reports a hidden entry as disabled.
struct EntryState {
    QString caption;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    QString shortcut = {};
    bool operator==(const EntryState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const EntryState& e)
{
    return out << e.caption.toStdString() << (e.visible ? "" : " hidden") << (e.enabled ? "" : " disabled")
               << (e.checked ? " checked" : "") << " [" << e.shortcut.toStdString() << "]";
}

std::vector<EntryState> Entries(const QMenu& menu)
{
    std::vector<EntryState> entries;
    for (const QAction* a : menu.actions())
        entries.push_back({a->text(), a->isVisible(), a->isEnabled(), a->isChecked(), a->shortcut().toString()});
    return entries;
}

const QMenu& Submenu(const QAction& entry) { return *entry.menu(); }

// A description of `count` one-byte registers at 10, 11, ... (hexadecimal).
std::string LongRegisterMap(int count)
{
    std::string groups;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        char address[8];
        std::snprintf(address, sizeof address, "%X", 0x10 + i);
        groups += "<group name=\"R" + n + "\" addr=\"" + address + "\" size=\"1\"><field name=\"F" + n +
                  "\"><pos range=\"7:0\"/></field></group>";
    }
    return "<file title=\"Long\"><device addr=\"10011000\" name=\"Chip\">" + groups + "</device></file>";
}

QStringList TabCaptions(const QTabBar& tabs)
{
    QStringList captions;
    for (int i = 0; i < tabs.count(); ++i) captions << tabs.tabText(i);
    return captions;
}

using MenuBar = StartedWindow;

}  // namespace

TEST_F(MenuBar, AfterStartUpEveryEntryShowsItsDefaultState)
{
    // The load puts back the defaults whatever was chosen before it.
    const MainMenus& m = window.menus();
    m.mnuMaxHeight[0]->trigger();
    m.mnuLPTPort[1]->setChecked(true);
    m.mnuComPort[3]->setChecked(true);
    m.mnuEdit[1]->setEnabled(true);
    Start();

    QStringList titles;
    for (const QAction* title : window.menuBar()->actions()) titles << title->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Device", "&New Window", "&Tools", "&Options"}));
    EXPECT_FALSE(m.editMenu->menuAction()->isVisible());
    EXPECT_FALSE(m.editMenu->menuAction()->isEnabled());

    EXPECT_EQ(Entries(*m.fileMenu), (std::vector<EntryState>{{"&Open"},
                                                        {"&Save"},
                                                        {"Open XML", false, false},
                                                        {"Save XML", false, false},
                                                        {"Save XML As...", false, false},
                                                        {"E&xit", true, true, false, "Ctrl+X"}}));
    EXPECT_EQ(Entries(*m.editMenu), (std::vector<EntryState>{{"Edit Mode"},
                                                        {"Edit &Group", true, false},
                                                        {"&Insert Group", true, false, false, "Ctrl+I"},
                                                        {"&Append Group", true, false, false, "Ctrl+A"},
                                                        {"Delete Group", true, false, false, "Del"},
                                                        {"New Device", true, false},
                                                        {"Copy Device", true, false},
                                                        {"Device Properties", true, false}}));
    EXPECT_TRUE(m.mnuEdit[0]->isCheckable());
    EXPECT_EQ(Entries(*m.toolsMenu),
              (std::vector<EntryState>{{"Load/Read Register"}, {"PLL Calculator"}, {"DE Generation"}}));

    EXPECT_EQ(Entries(*m.optionsMenu), (std::vector<EntryState>{{"Max Height"},
                                                           {"Device Interface"},
                                                           {"LPT Port"},
                                                           {"Comm Port", false, false},
                                                           {"I2C Bus"},
                                                           {"Auto Rewrite", false, false}}));
    EXPECT_TRUE(m.autoRewrite()->isCheckable());
    EXPECT_EQ(Entries(Submenu(*m.mnuOptions[0])),
              (std::vector<EntryState>{{"Short"}, {"Normal"}, {"Tall", true, true, true}, {"No Tabs"}}));
    EXPECT_EQ(Entries(Submenu(*m.mnuOptions[1])), (std::vector<EntryState>{{"I2C Over Parallel", true, true, true},
                                                                       {"I2C Over Comm Port", false, false},
                                                                       {"USB", false, false},
                                                                       {"I2C Over Linux Bus"}}));
    EXPECT_EQ(Entries(Submenu(*m.mnuOptions[2])), (std::vector<EntryState>{{"LPT 1", true, true, true}, {"LPT 2"}}));
    EXPECT_EQ(Entries(Submenu(*m.mnuOptions[3])),
              (std::vector<EntryState>{{"COM 1", true, true, true}, {"COM 2"}, {"COM 3"}, {"COM 4"}}));

    const LinkOptions options = window.linkOptions();
    EXPECT_EQ(options.linkType, LinkType::I2CParallel);
    EXPECT_EQ(options.lptPort, LptPort::Lpt1);
    EXPECT_EQ(options.comPort, 1);
    EXPECT_FALSE(state.editMode);
}

TEST_F(MenuBar, AutoRewriteTogglesItsOwnCheckWhichTheTimerReads)
{
    Start();
    window.menus().autoRewrite()->trigger();
    EXPECT_TRUE(window.autoRewrite());
    window.menus().autoRewrite()->trigger();
    EXPECT_FALSE(window.autoRewrite());
}

TEST_F(MenuBar, PageHeightLaysTheViewOutAgainUnlessTheEntryIsChecked)
{
    Start(LongRegisterMap(40));
    const MainMenus& m = window.menus();
    QTabBar& tabs = *window.furniture().tabs;
    const QStringList tall = TabCaptions(tabs);
    ASSERT_GT(tall.size(), 1);

    // "Tall" again: no re-layout, so a tab renamed by hand keeps its name.
    tabs.setTabText(0, "untouched");
    m.mnuMaxHeight[2]->trigger();
    EXPECT_EQ(tabs.tabText(0), "untouched");
    EXPECT_TRUE(m.mnuMaxHeight[2]->isChecked());

    m.mnuMaxHeight[3]->trigger();  // "No Tabs"
    EXPECT_EQ(TabCaptions(tabs), QStringList{"10 - 37"});
    EXPECT_EQ(window.checkedMaxHeight(), 3);
    EXPECT_FALSE(m.mnuMaxHeight[2]->isChecked());

    // "Short": more tabs than "Tall", each captioned with its first and last
    // register, following on from the tab before.
    m.mnuMaxHeight[0]->trigger();
    const QStringList shortTabs = TabCaptions(tabs);
    EXPECT_GT(shortTabs.size(), tall.size());
    int next = 0x10;
    for (const QString& caption : shortTabs) {
        const QStringList range = caption.split(" - ");
        ASSERT_EQ(range.size(), 2) << caption.toStdString();
        EXPECT_EQ(range[0].toInt(nullptr, 16), next) << caption.toStdString();
        next = range[1].toInt(nullptr, 16) + 1;
    }
    EXPECT_EQ(next, 0x38);
}

TEST_F(MenuBar, SwitchingDeviceAsksFirstAndTheCheckedDeviceIsNotReloaded)
{
    Start();
    const auto firstGroup = state.allGroups.Item(1);
    QAction* first = window.mnuDevice()->actions()[0];
    QAction* second = window.mnuDevice()->actions()[1];
    state.layoutSaved = false;

    dialogs.QueueAnswer(MessageAnswer::Cancel);
    second->trigger();
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(second->isChecked());
    EXPECT_EQ(state.allGroups.Item(1), firstGroup);

    dialogs.QueueAnswer(MessageAnswer::No);
    first->trigger();
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(first->isChecked());
    EXPECT_EQ(state.allGroups.Item(1), firstGroup);
    EXPECT_EQ(window.windowTitle(), "Default board - First");

    // Another device is loaded from the same file by its own name, "&" and all;
    // "Load Register On Change" is off afterwards, box and flag alike.
    QTest::mouseClick(window.furniture().chkAutoLoad, Qt::LeftButton);
    ASSERT_TRUE(state.loadOnChange);
    dialogs.QueueAnswer(MessageAnswer::No);
    second->trigger();
    EXPECT_FALSE(window.furniture().chkAutoLoad->isChecked());
    EXPECT_FALSE(state.loadOnChange);
    EXPECT_EQ(dialogs.messages().size(), 3u);
    EXPECT_EQ(window.windowTitle(), "Default board - Second & last");
    EXPECT_EQ(state.currentDevice->devName, "Second & last");
    EXPECT_EQ(state.allGroups.Item(1)->groupName, "Two");
    QCoreApplication::processEvents();  // the replaced entries go
    ASSERT_EQ(window.mnuDevice()->actions().size(), 2);
    EXPECT_FALSE(window.mnuDevice()->actions()[0]->isChecked());
    EXPECT_TRUE(window.mnuDevice()->actions()[1]->isChecked());
    EXPECT_EQ(Texts(*window.mnuNewWindow()), (QStringList{"First", "Second && last"}));
}

TEST_F(MenuBar, ValuesOpenAndSaveNeedALoadedDescription)
{
    Start("");  // no default description: the load fails
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "File Open Error");
    const MainMenus& m = window.menus();
    m.mnuFile[0]->trigger();
    m.mnuFile[1]->trigger();
    EXPECT_TRUE(dialogs.fileCalls().empty());
    EXPECT_EQ(dialogs.messages().size(), 1u);

    Start();
    dialogs.QueueFileName(std::nullopt);
    m.mnuFile[1]->trigger();
    ASSERT_EQ(dialogs.fileCalls().size(), 1u);
    EXPECT_EQ(dialogs.fileCalls()[0].request.title, "Save Values");
}

TEST_F(MenuBar, ExitAsksToSaveOnceAndClosesOnGoOn)
{
    Start();
    state.layoutSaved = false;
    QAction* exit = window.menus().mnuFile[5];

    dialogs.QueueAnswer(MessageAnswer::Cancel);
    exit->trigger();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.messages().size(), 1u);

    dialogs.QueueAnswer(MessageAnswer::No);
    exit->trigger();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].title, "Save Changes");
}
