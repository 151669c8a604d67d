#pragma once

#include <optional>

#include <QDialog>

#include "UserDialogs.h"

class QListWidget;
class QPushButton;

namespace velk {

// The USB board selection: `lstDevices` lists the firmware of every board
// found, on opening and again on "Detect"; "OK" takes the selected entry's
// board and closes. Without a selected entry, and when the dialog is
// closed, no board is chosen.
class frmUSBConfig : public QDialog {
public:
    frmUSBConfig(QWidget* parent, UsbBoardDetector detect);

    // The board "OK" took, if any.
    std::optional<int> chosen() const { return chosen_; }

    QListWidget& lstDevices() const { return *lstDevices_; }
    QPushButton& cmdDetect() const { return *cmdDetect_; }
    QPushButton& cmdOK() const { return *cmdOK_; }

private:
    void Detect();
    void cmdOKClick();

    UsbBoardDetector detect_;
    std::optional<int> chosen_;
    QListWidget* lstDevices_;
    QPushButton* cmdDetect_;
    QPushButton* cmdOK_;
};

}  // namespace velk
