#pragma once

#include <QWidget>

#include "UserDialogs.h"

namespace velk {

// "Calculator": the pixel-clock PLL divisor (pixel clocks per line) from the
// horizontal sync frequency and the pixel clock. It touches no hardware.
class frmCalculator : public QWidget {
public:
    // A tool window owned by `owner` (it does not block it); its one message
    // goes through `dialogs`.
    frmCalculator(QWidget* owner, UserDialogs& dialogs);

private:
    UserDialogs& dialogs_;
};

}  // namespace velk
