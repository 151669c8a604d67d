#pragma once

#include <array>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QTimer>

#include "ControlEvents.h"
#include "EditWindow.h"
#include "DevConnection.h"
#include "MainMenus.h"
#include "ProcessStarter.h"
#include "ProgramState.h"
#include "QtRegisterView.h"
#include "UserDialogs.h"
#include "WindowFurniture.h"

class QAction;
class QMenu;

namespace velk {

class frmCalculator;
class frmEditTools;
class frmSingleReg;

// The main window: the device address, the Read and Load buttons, the
// "Load Register On Change" box, the rewrite counter and the register view
// below them, and the menu bar with its commands; the loader fills the
// "&Device" and "&New Window" menus. It owns the program state of its
// process.
class frmAutoControls : public QMainWindow, public EditWindow {
public:
    explicit frmAutoControls(UserDialogs& dialogs);

    // The window's load: the port access grant (only for the process's own
    // ports), the menu and option defaults ("Tall", "Load Register On
    // Change" off, the parallel link on "LPT 1"), the start-up sequence with
    // the command line `arguments` (the words after the program name), and
    // last the layout editor's menus hidden, unless the command line has
    // "-full": then they, the other links' entries and "Auto Rewrite" stay
    // visible.
    void FormLoad(const std::vector<std::string>& arguments);

    // Links are made on `ports` instead of the process's ports, which are
    // then never opened (tests use a simulated board).
    void setPorts(portio::Ports& ports) { ports_ = &ports; }
    // Links reach USB boards on `bus` instead of the machine's (tests use a
    // fake board).
    void setUsbBus(UsbBus& bus) { usb_ = &bus; }
    // The folder of the default description; the executable's by default.
    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
    // Linux I2C buses are reached through `system` and listed from the sysfs
    // folder `sysRoot` instead of the system's (tests use a fake bus).
    void setI2CAccess(I2CDevSystem& system, std::string sysRoot)
    {
        i2cSystem_ = &system;
        sysRoot_ = std::move(sysRoot);
    }
    // New windows and the DE generation program are started through
    // `starter` instead of as real processes.
    void setProcessStarter(ProcessStarter& starter) { starter_ = &starter; }
    // The link the Options menu selects, with the Linux I2C bus chosen.
    LinkOptions linkOptions() const;

    const MainMenus& menus() const { return menus_; }
    QMenu* mnuDevice() const { return menus_.mnuDevice; }
    QMenu* mnuNewWindow() const { return menus_.mnuNewWin; }

    // DescriptionWindow: the caption is the window title; the device entries
    // live in both menus, check marks in "&Device" only.
    std::string caption() const override;
    void setCaption(const std::string& caption) override;
    void addDeviceEntry(int16_t index) override;
    void removeDeviceEntry(int16_t index) override;
    void setDeviceEntry(int16_t index, const std::string& caption, bool enabled) override;
    void checkDeviceEntry(int16_t index, bool checked) override;
    void setRegisterViewVisible(bool visible) override;
    void ClearEditModeAndLoadOnChange() override;

    // EditWindow: the "Edit Mode" entry and the entries after it, the edit
    // tools window, the clipping frame, the device entries and the editors.
    bool editModeChecked() const override;
    void setEditModeChecked(bool checked) override;
    void setEditCommandsEnabled(bool enabled) override;
    void setEditToolsVisible(bool visible) override;
    void setClipFrameVisible(bool visible) override;
    std::string deviceEntryCaption(int16_t index) const override;
    bool deviceEntryChecked(int16_t index) const override;
    void RunGroupEditor() override;
    bool RunDeviceProperties() override;

    // Edit command `number` (Edit menu entry, edit tools button + 1); a
    // failure is reported.
    void doEditClick(int number);
    // The edit tools window once edit mode has shown it, else null.
    frmEditTools* editTools() const { return editTools_; }
    void ReopenLink() override;
    std::string programFolder() const override;

    ProgramState& state() { return state_; }
    QtRegisterView& view() { return view_; }
    const WindowFurniture& furniture() const { return furniture_; }

    // The "Read" and "Load" buttons, the "Load Register On Change" box and a
    // click on device address bit `bit` (0 = least significant).
    void cmbReadClick();
    void cmdLoadClick();
    void chkAutoLoadClick();
    void txtAddrBitClick(int bit);
    // Shows the current device's address bits: its current address, enabled
    // and white where the address pattern lets the user choose the bit.
    void BuildAddress() override;

    // The check of the hidden "Auto Rewrite" entry; the one-second timer
    // acts on it.
    bool autoRewrite() const;
    void setAutoRewrite(bool on);
    // One tick of the timer: with "Auto Rewrite" on and a link whose chip
    // does not read 3 at register 14, every register is written again and
    // the counter counts on, modulo 1000.
    void timer1Tick();

    // The "Max Height" entries "Short", "Normal", "Tall", "No Tabs" (0 to 3):
    // choosing one that is not checked sets the page height and lays the
    // view out again. ReapplyMaxHeight runs the checked one once more, as a
    // load does.
    int checkedMaxHeight() const;
    void mnuMaxHeightClick(int entry);
    void ReapplyMaxHeight() override;

    // The menu commands, by entry index. File: values open and save (only
    // with a description loaded), the description file commands, and Exit,
    // which asks to save once and closes the window.
    void mnuFileClick(int entry);
    // Device entry: after the save question, loads that device of the
    // current file unless it is the checked one.
    void mnuDeviceClick(int16_t entry);
    // New-window entry: starts another process of this program opening that
    // device of the current file; this window stays as it is.
    void mnuNewWinClick(int16_t entry);
    // "Load/Read Register", "PLL Calculator" (tool windows owned by this one,
    // not blocking it) and "DE Generation" (the syncdelay program in the
    // program folder, not waited for; a start that fails is reported).
    void mnuToolsClick(int entry);
    // The tool windows once a Tools entry has opened them, else null.
    frmSingleReg* singleRegWindow() const { return singleReg_; }
    frmCalculator* calculatorWindow() const { return calculator_; }
    // Link type: a new link only when the entry was not checked. LPT and COM
    // port: the held link is configured for the port, not reconnected.
    void mnuDevInterfaceClick(int entry);
    void mnuLPTPortClick(int entry);
    void mnuComPortClick(int entry);
    // "I2C Bus" entry of bus /dev/i2c-bus: the bus of the Linux I2C link.
    // While that link is chosen it closes its bus and opens this one at once
    // (unlike the LPT entries, which take effect at the next transfer).
    void mnuI2CBusClick(int16_t bus);
    // Lists the buses present in the "I2C Bus" menu, the chosen one checked.
    void FillI2CBusMenu();

    // The size rules, run on every resize: fixed width, minimum height, the
    // view following the height; a maximised window becomes a normal one as
    // tall as the work area.
    void DoResize();
    // Fits the window height to the tallest page.
    void FitWindowHeight();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Closing by any means asks to save a changed layout; going on ends the
    // process, otherwise the window stays.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    portio::Ports& ports();
    QAction* DeviceEntry(int16_t index) const;
    // A link of the checked options for the current device (an empty
    // device when none is loaded).
    std::shared_ptr<DevInterface> CreateLink();
    std::shared_ptr<DevInterface> CreateLink(const LinkOptions& options);
    // The same for a tool window beside the window's own link: on the USB
    // board that link uses, without asking for a board again.
    std::shared_ptr<DevInterface> CreateToolLink();
    void ConnectMenuCommands();
    // Adds entry `deviceEntries_.size()` to both device menus: "None",
    // disabled.
    void AddDeviceEntryPair();
    // Starts a program without waiting; a failure is shown under `title`.
    void StartProgram(const std::string& title, const ProgramStart& start);
    std::string programPath() const;

    WindowFurniture furniture_;
    ControlEvents events_;
    QtRegisterView view_;
    ProgramState state_;
    QTimer timer1_;
    bool inTimerTick_ = false;
    int rewriteCount_ = 0;
    // Exit has had its answer to the save question; closing asks no more.
    bool closeAnswered_ = false;
    MainMenus menus_;
    portio::Ports* ports_ = nullptr;
    UsbBus* usb_ = nullptr;
    std::string programFolder_;
    I2CDevSystem* i2cSystem_ = &SystemI2CDev();
    std::string sysRoot_ = "/sys";
    int16_t i2cBus_ = -1;  // the Linux I2C bus chosen, -1 before any
    QtProcessStarter processStarter_;
    ProcessStarter* starter_ = &processStarter_;
    // Made by their first Tools command and reused; Qt deletes them with
    // the window.
    frmSingleReg* singleReg_ = nullptr;
    frmCalculator* calculator_ = nullptr;
    frmEditTools* editTools_ = nullptr;  // made when edit mode is first switched on
    bool fullMenus_ = false;             // "-full": nothing hidden, passed on to new windows
    // Entry i of both menus (entry 0 always exists).
    std::vector<QAction*> deviceEntries_;
    std::vector<QAction*> newWindowEntries_;
};

}  // namespace velk
