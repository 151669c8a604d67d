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

class BitBox;

// "Load / Read Register": writes one byte to, or reads one byte from, any
// register of any device address, whatever description is loaded. The
// window holds a link of its own, made by the main window's link factory.
// A failing link call ends the action without a message; the register
// address and the value are kept within 0..255 by limiting.
class frmSingleReg : public QWidget {
public:
    using LinkFactory = std::function<std::shared_ptr<DevInterface>()>;

    // A tool window owned by `owner` (it does not block it).
    frmSingleReg(QWidget* owner, LinkFactory createLink);

    // Run by the main window each time it shows the window: register and
    // value 0, the address bits of `device` (or all 0 without one, or when
    // its address is not eight digits), and a new link in place of the one
    // held. A factory that fails leaves the window without a link: its
    // actions then do nothing.
    void Init(const DeviceRecord* device);

    const std::shared_ptr<DevInterface>& link() const { return link_; }

    // The controls, for tests. Bit boxes are indexed by bit number.
    QLabel& txtAddrBit(int bit) const;
    QLabel& txtBit(int bit) const;
    QLineEdit& txtRegAddr() const { return *txtRegAddr_; }
    QLineEdit& txtValue() const { return *txtValue_; }
    QPushButton& cmdLoad() const { return *cmdLoad_; }
    QPushButton& cmbRead() const { return *cmbRead_; }
    QCheckBox& chkAutoLoad() const { return *chkAutoLoad_; }
    QPushButton& cmbClose() const { return *cmbClose_; }

protected:
    // Closing the window by its frame does what "Close" does.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();

    void txtAddrBitClick(int bit);
    void txtBitClick(int bit);
    void txtRegAddrChange();
    void txtValueChange();
    void cmdLoadClick();
    void cmbReadClick();
    void cmbCloseClick();

    void ShowValueBits();
    void WriteIfAutoLoad();
    void DropLink();
    // Runs a call on the link, if one is held; a failure ends it quietly.
    void OnLink(const std::function<void(DevInterface&)>& call);

    LinkFactory createLink_;
    std::shared_ptr<DevInterface> link_;
    std::string addressBits_ = "00000000";  // most significant bit first
    int16_t regAddress_ = 0;
    int16_t value_ = 0;

    std::array<BitBox*, 8> txtAddrBit_{};
    std::array<BitBox*, 8> txtBit_{};
    QLineEdit* txtRegAddr_ = nullptr;
    QLineEdit* txtValue_ = nullptr;
    QPushButton* cmdLoad_ = nullptr;
    QPushButton* cmbRead_ = nullptr;
    QCheckBox* chkAutoLoad_ = nullptr;
    QPushButton* cmbClose_ = nullptr;
};

}  // namespace velk
