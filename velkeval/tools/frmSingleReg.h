#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QWidget>

#include "DevInterface.h"
#include "DeviceRecord.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velk {

// "Load / Read Register": writes one byte to, or reads one byte from, any
// register of any device address, whatever description is loaded. The
// window holds a link of its own, made by the main window's link factory.
class frmSingleReg : public QWidget {
public:
    using LinkFactory = std::function<std::shared_ptr<DevInterface>()>;

    // A tool window owned by `owner` (it does not block it).
    frmSingleReg(QWidget* owner, LinkFactory createLink);

    // Run by the main window each time it shows the window: register and
    // value 0, the address bits of `device` (or all 0 without one), and a
    // new link in place of the one held.
    void Init(const DeviceRecord* device);

    const std::shared_ptr<DevInterface>& link() const { return link_; }

private:
    LinkFactory createLink_;
    std::shared_ptr<DevInterface> link_;
};

}  // namespace velk
