#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "DevConnection.h"

class QAction;
class QMenu;
class QMenuBar;

namespace velk {

// The main window's menu bar. Each array holds the entries of one submenu
// in the order the commands number them.
struct MainMenus {
    QMenu* fileMenu;
    // "&Open", "&Save", "Open XML", "Save XML", "Save XML As...", "E&xit".
    std::array<QAction*, 6> mnuFile;
    QMenu* editMenu;
    // "Edit Mode", then the layout editor's commands, disabled.
    std::array<QAction*, 8> mnuEdit;
    // One entry per device of the loaded file; the window fills them.
    QMenu* mnuDevice;
    QMenu* mnuNewWin;
    QMenu* toolsMenu;
    // "Load/Read Register", "PLL Calculator", "DE Generation".
    std::array<QAction*, 3> mnuTools;
    QMenu* optionsMenu;
    // The "Max Height", "Device Interface", "LPT Port" and "Comm Port"
    // submenus and the "Auto Rewrite" entry.
    std::array<QAction*, 5> mnuOptions;
    // The "I2C Bus" submenu (between "Comm Port" and "Auto Rewrite"): the
    // Linux I2C buses present, filled by the window each time it opens.
    QMenu* mnuI2CBus;
    // "Short", "Normal", "Tall", "No Tabs".
    std::array<QAction*, 4> mnuMaxHeight;
    // "I2C Over Parallel", "I2C Over Comm Port", "USB", "I2C Over Linux Bus".
    std::array<QAction*, 4> mnuDevInterface;
    std::array<QAction*, 2> mnuLPTPort;
    std::array<QAction*, 4> mnuComPort;

    QAction* autoRewrite() const { return mnuOptions[4]; }
};

// Adds every menu to `bar` with its captions and shortcuts, in its state at
// design: the serial and USB link entries, the "Comm Port" submenu and
// "Auto Rewrite" hidden (only "-full" shows them), and the defaults below
// applied. No entry
// has a command yet.
MainMenus BuildMenus(QMenuBar& bar);

// "Edit Mode" un-checked, the other Edit entries disabled, "Tall" the only
// checked page height.
void SetMenuDefaults(const MainMenus& menus);
// "I2C Over Parallel", "LPT 1" and "COM 1" the only checked entries of
// their menus.
void SetDefaultLinkOptions(const MainMenus& menus);
// Hides and disables the Edit menu and the three description file entries;
// nothing shows them again.
void HideLayoutEditorMenus(const MainMenus& menus);
// Shows what the design hides: the serial and USB link entries, the "Comm
// Port" submenu and "Auto Rewrite" (the "-full" command-line word).
void ShowHiddenMenus(const MainMenus& menus);

// Makes `entry` the only checked one of `entries`.
void CheckOnly(std::span<QAction* const> entries, size_t entry);
// The index of the first checked entry, or -1.
int FirstChecked(std::span<QAction* const> entries);

// The "Device Interface" entry of the Linux I2C link.
inline constexpr size_t LinuxI2CEntry = 3;

// The link the checked Options entries select (no Linux I2C bus: the
// window keeps that choice).
LinkOptions CheckedLinkOptions(const MainMenus& menus);

}  // namespace velk
