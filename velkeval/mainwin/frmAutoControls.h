#pragma once

#include <array>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QTimer>

#include "ControlEvents.h"
#include "DescriptionWindow.h"
#include "DevConnection.h"
#include "ProgramState.h"
#include "QtRegisterView.h"
#include "UserDialogs.h"
#include "WindowFurniture.h"

class QAction;
class QMenu;

namespace velk {

// The main window: the device address, the Read and Load buttons, the
// "Load Register On Change" box, the rewrite counter and the register view
// below them, and the "&Device" and "&New Window" menus whose entries the
// loader fills. It owns the program state of its process.
class frmAutoControls : public QMainWindow, public DescriptionWindow {
public:
    explicit frmAutoControls(UserDialogs& dialogs);

    // The window's load: the port access grant (only for the process's own
    // ports), the option defaults ("Tall", "Load Register On Change" off)
    // and the start-up sequence with the command line `arguments` (the
    // words after the program name).
    void FormLoad(const std::vector<std::string>& arguments);

    // Links are made on `ports` instead of the process's ports, which are
    // then never opened (tests use a simulated board).
    void setPorts(portio::Ports& ports) { ports_ = &ports; }
    // The folder of the default description; the executable's by default.
    void setProgramFolder(std::string folder) { programFolder_ = std::move(folder); }
    const LinkOptions& linkOptions() const { return linkOptions_; }

    QMenu* mnuDevice() const { return mnuDevice_; }
    QMenu* mnuNewWindow() const { return mnuNewWindow_; }

    // DescriptionWindow: the caption is the window title; the device entries
    // live in both menus, check marks in "&Device" only.
    std::string caption() const override;
    void setCaption(const std::string& caption) override;
    void addDeviceEntry(int16_t index) override;
    void removeDeviceEntry(int16_t index) override;
    void setDeviceEntry(int16_t index, const std::string& caption, bool enabled) override;
    void checkDeviceEntry(int16_t index, bool checked) override;
    void setRegisterViewVisible(bool visible) override;
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

    // The hidden "Auto Rewrite" option; the one-second timer acts on it.
    bool autoRewrite() const { return autoRewrite_; }
    void setAutoRewrite(bool on) { autoRewrite_ = on; }
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

    // Discards the device, its widgets and pages, and the link.
    void ClearAll();

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

    WindowFurniture furniture_;
    ControlEvents events_;
    QtRegisterView view_;
    ProgramState state_;
    QTimer timer1_;
    bool autoRewrite_ = false;
    bool inTimerTick_ = false;
    int rewriteCount_ = 0;
    std::array<bool, 4> maxHeightChecked_{false, false, true, false};
    LinkOptions linkOptions_;
    portio::Ports* ports_ = nullptr;
    std::string programFolder_;
    QMenu* mnuDevice_;
    QMenu* mnuNewWindow_;
    // Entry i of both menus (entry 0 always exists).
    std::vector<QAction*> deviceEntries_;
    std::vector<QAction*> newWindowEntries_;
};

}  // namespace velk
