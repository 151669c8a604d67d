#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "DeviceEditor.h"

class QLineEdit;
class QToolButton;

namespace velk {

// The device properties dialog ("Device Properties") on currentDevice: a
// thin shell over DeviceEditor. Each address bit box steps "0", "1", "x"
// when clicked.
class dlgDeviceEdit : public QDialog {
    Q_OBJECT
public:
    // otherDevices: the names the device may not take.
    dlgDeviceEdit(ProgramState& state, std::vector<std::string> otherDevices, QWidget* parent = nullptr);

    // Shows the dialog modally; true when it was closed with OK, which wrote
    // the device's name and address.
    bool DoModal();

private:
    void ClickBit(int i);
    void Ok();

    DeviceEditor editor_;
    QLineEdit* txtDeviceName_;
    std::array<QToolButton*, 8> txtAddrBit_;
};

}  // namespace velk
