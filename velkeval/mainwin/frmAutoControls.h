#pragma once

#include <array>

#include <QMainWindow>
#include <QTimer>

#include "ControlEvents.h"
#include "ProgramState.h"
#include "QtRegisterView.h"
#include "UserDialogs.h"
#include "WindowFurniture.h"

namespace velk {

// The main window: the device address, the Read and Load buttons, the
// "Load Register On Change" box, the rewrite counter and the register view
// below them. It owns the program state of its process.
class frmAutoControls : public QMainWindow {
public:
    explicit frmAutoControls(UserDialogs& dialogs);

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
    void BuildAddress();

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
    void ReapplyMaxHeight();

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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowFurniture furniture_;
    ControlEvents events_;
    QtRegisterView view_;
    ProgramState state_;
    QTimer timer1_;
    bool autoRewrite_ = false;
    bool inTimerTick_ = false;
    int rewriteCount_ = 0;
    std::array<bool, 4> maxHeightChecked_{false, false, true, false};
};

}  // namespace velk
