#pragma once

#include <QWidget>

#include "UserDialogs.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace velk {

// "Calculator": the pixel-clock PLL divisor (pixel clocks per line) from the
// horizontal sync frequency and the pixel clock. It touches no hardware.
class frmCalculator : public QWidget {
public:
    // A tool window owned by `owner` (it does not block it); its one message
    // goes through `dialogs`.
    frmCalculator(QWidget* owner, UserDialogs& dialogs);

    // The controls, for tests.
    QLineEdit& txtHsync() const { return *txtHsync_; }
    QLineEdit& txtPixel() const { return *txtPixel_; }
    QPushButton& cmdPLL() const { return *cmdPLL_; }
    QLabel& lblResult() const { return *lblResult_; }
    QPushButton& cmdexit() const { return *cmdexit_; }

private:
    void BuildControls();
    // Pixel clock (MHz) * 1000 / Hsync (kHz), ties to even, when Hsync is at
    // least 1, the pixel clock not negative and the divisor fits 16 bits;
    // otherwise the invalid-value message and the result stays.
    void cmdPLLClick();

    UserDialogs& dialogs_;
    QLineEdit* txtHsync_ = nullptr;
    QLineEdit* txtPixel_ = nullptr;
    QPushButton* cmdPLL_ = nullptr;
    QLabel* lblResult_ = nullptr;
    QPushButton* cmdexit_ = nullptr;
};

}  // namespace velk
