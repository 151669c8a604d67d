#include "MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ComPortDevices.h"

namespace velk {
namespace {

QAction* AddEntry(QMenu& menu, const char* caption, const char* shortcut = nullptr)
{
    QAction* entry = menu.addAction(QString::fromUtf8(caption));
    if (shortcut) entry->setShortcut(QKeySequence(QString::fromUtf8(shortcut)));
    return entry;
}

QAction* AddCheckEntry(QMenu& menu, const char* caption)
{
    QAction* entry = AddEntry(menu, caption);
    entry->setCheckable(true);
    return entry;
}

template <size_t N>
std::array<QAction*, N> AddCheckEntries(QMenu& menu, const std::array<const char*, N>& captions)
{
    std::array<QAction*, N> entries{};
    for (size_t i = 0; i < N; ++i) entries[i] = AddCheckEntry(menu, captions[i]);
    return entries;
}

// A submenu of the Options menu; its entry in that menu is returned.
template <size_t N>
QAction* AddOptionsSubmenu(QMenu& options, const char* title, const std::array<const char*, N>& captions,
                           std::array<QAction*, N>& entries)
{
    QMenu* submenu = options.addMenu(QString::fromUtf8(title));
    entries = AddCheckEntries(*submenu, captions);
    return submenu->menuAction();
}

void BuildFileMenu(QMenuBar& bar, MainMenus& menus)
{
    QMenu& file = *(menus.fileMenu = bar.addMenu(QStringLiteral("&File")));
    menus.mnuFile = {AddEntry(file, "&Open"),          AddEntry(file, "&Save"),
                     AddEntry(file, "Open XML"),       AddEntry(file, "Save XML"),
                     AddEntry(file, "Save XML As..."), AddEntry(file, "E&xit", "Ctrl+X")};
}

void BuildEditMenu(QMenuBar& bar, MainMenus& menus)
{
    QMenu& edit = *(menus.editMenu = bar.addMenu(QStringLiteral("&Edit")));
    menus.mnuEdit = {AddCheckEntry(edit, "Edit Mode"),          AddEntry(edit, "Edit &Group"),
                     AddEntry(edit, "&Insert Group", "Ctrl+I"), AddEntry(edit, "&Append Group", "Ctrl+A"),
                     AddEntry(edit, "Delete Group", "Del"),     AddEntry(edit, "New Device"),
                     AddEntry(edit, "Copy Device"),             AddEntry(edit, "Device Properties")};
}

void BuildToolsMenu(QMenuBar& bar, MainMenus& menus)
{
    QMenu& tools = *(menus.toolsMenu = bar.addMenu(QStringLiteral("&Tools")));
    menus.mnuTools = {AddEntry(tools, "Load/Read Register"), AddEntry(tools, "PLL Calculator"),
                      AddEntry(tools, "DE Generation")};
}

// Each "COM n" entry tells which device it opens on this system.
void ShowComPortDevices(const MainMenus& menus)
{
    menus.mnuOptions[3]->menu()->setToolTipsVisible(true);
    for (size_t i = 0; i < menus.mnuComPort.size(); ++i) {
        const QString device = QString::fromStdString(ComPortDevice(static_cast<int16_t>(i + 1)));
        menus.mnuComPort[i]->setToolTip(device);
        menus.mnuComPort[i]->setStatusTip(device);
    }
}

std::array<QAction*, 4> HiddenAtDesign(const MainMenus& menus)
{
    return {menus.mnuDevInterface[1], menus.mnuDevInterface[2], menus.mnuOptions[3], menus.autoRewrite()};
}

void BuildOptionsMenu(QMenuBar& bar, MainMenus& menus)
{
    QMenu& options = *(menus.optionsMenu = bar.addMenu(QStringLiteral("&Options")));
    menus.mnuOptions[0] = AddOptionsSubmenu<4>(options, "Max Height", {"Short", "Normal", "Tall", "No Tabs"},
                                               menus.mnuMaxHeight);
    menus.mnuOptions[1] = AddOptionsSubmenu<4>(options, "Device Interface",
                                               {"I2C Over Parallel", "I2C Over Comm Port", "USB", "I2C Over Linux Bus"},
                                               menus.mnuDevInterface);
    menus.mnuOptions[2] = AddOptionsSubmenu<2>(options, "LPT Port", {"LPT 1", "LPT 2"}, menus.mnuLPTPort);
    menus.mnuOptions[3] =
        AddOptionsSubmenu<4>(options, "Comm Port", {"COM 1", "COM 2", "COM 3", "COM 4"}, menus.mnuComPort);
    menus.mnuI2CBus = options.addMenu(QStringLiteral("I2C Bus"));
    menus.mnuOptions[4] = AddCheckEntry(options, "Auto Rewrite");

    ShowComPortDevices(menus);
    // Hidden at design; only "-full" shows them.
    for (QAction* entry : HiddenAtDesign(menus)) entry->setVisible(false);
}

}  // namespace

MainMenus BuildMenus(QMenuBar& bar)
{
    MainMenus menus{};
    BuildFileMenu(bar, menus);
    BuildEditMenu(bar, menus);
    menus.mnuDevice = bar.addMenu(QStringLiteral("&Device"));
    menus.mnuNewWin = bar.addMenu(QStringLiteral("&New Window"));
    BuildToolsMenu(bar, menus);
    BuildOptionsMenu(bar, menus);
    SetMenuDefaults(menus);
    SetDefaultLinkOptions(menus);
    return menus;
}

void SetMenuDefaults(const MainMenus& menus)
{
    menus.mnuEdit[0]->setChecked(false);
    for (size_t i = 1; i < menus.mnuEdit.size(); ++i) menus.mnuEdit[i]->setEnabled(false);
    CheckOnly(menus.mnuMaxHeight, 2);
}

void SetDefaultLinkOptions(const MainMenus& menus)
{
    CheckOnly(menus.mnuDevInterface, 0);
    CheckOnly(menus.mnuLPTPort, 0);
    CheckOnly(menus.mnuComPort, 0);
}

void HideLayoutEditorMenus(const MainMenus& menus)
{
    for (QAction* entry : {menus.editMenu->menuAction(), menus.mnuFile[2], menus.mnuFile[3], menus.mnuFile[4]}) {
        entry->setVisible(false);
        entry->setEnabled(false);
    }
}

void ShowHiddenMenus(const MainMenus& menus)
{
    for (QAction* entry : HiddenAtDesign(menus)) entry->setVisible(true);
}

void CheckOnly(std::span<QAction* const> entries, size_t entry)
{
    for (size_t i = 0; i < entries.size(); ++i) entries[i]->setChecked(i == entry);
}

int FirstChecked(std::span<QAction* const> entries)
{
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i]->isChecked()) return static_cast<int>(i);
    return -1;
}

LinkOptions CheckedLinkOptions(const MainMenus& menus)
{
    LinkOptions options;
    if (menus.mnuDevInterface[0]->isChecked()) options.linkType = LinkType::I2CParallel;
    else if (menus.mnuDevInterface[1]->isChecked()) options.linkType = LinkType::I2CComPort;
    else if (menus.mnuDevInterface[LinuxI2CEntry]->isChecked()) options.linkType = LinkType::LinuxI2C;
    else options.linkType = LinkType::USB;
    options.lptPort = menus.mnuLPTPort[0]->isChecked() ? LptPort::Lpt1 : LptPort::Lpt2;
    // The last checked serial port wins; none checked gives port 0.
    options.comPort = 0;
    for (size_t i = 0; i < menus.mnuComPort.size(); ++i)
        if (menus.mnuComPort[i]->isChecked()) options.comPort = static_cast<int16_t>(i + 1);
    return options;
}

}  // namespace velk
