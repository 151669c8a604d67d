#pragma once

#include <array>
#include <functional>
#include <string>

#include <QWidget>

#include "Ports.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace syncdelay {

// The data-enable generator window: the Hsync and Vsync delays (scroll bar
// and text box mirroring each other), the two sync polarities, the
// write-on-change switch and Write, which shifts the settings out as one
// word. A failed write is handed to reportFailure.
class frmSyncdelay : public QWidget {
public:
    using FailureReport = std::function<void(const std::string&)>;

    frmSyncdelay(portio::Ports& ports, FailureReport reportFailure, QWidget* parent = nullptr);

    // The settings word as Write sends it.
    std::string WordBits() const;
    void Write();

    QScrollBar* HScroll1(int index) const { return hScroll_[index]; }
    QLineEdit* txtDelay(int index) const { return txtDelay_[index]; }
    QRadioButton* optHsyncPolarity(int index) const { return optHsync_[index]; }
    QRadioButton* optVsyncPolarity(int index) const { return optVsync_[index]; }
    QCheckBox* realtime() const { return realtime_; }
    QPushButton* cmbWrite() const { return cmbWrite_; }
    QPushButton* cmbClose() const { return cmbClose_; }

private:
    void BuildControls();
    void ConnectHandlers();
    void ScrollChanged(int index);
    void DelayTextChanged(int index);
    void WriteOnChange();

    portio::Ports& ports_;
    FailureReport reportFailure_;
    bool writeOnChange_ = false;

    std::array<QScrollBar*, 2> hScroll_{};
    std::array<QLineEdit*, 2> txtDelay_{};
    std::array<QString, 2> acceptedText_;  // the last delay text taken, restored over a bad one
    std::array<QRadioButton*, 2> optHsync_{};
    std::array<QRadioButton*, 2> optVsync_{};
    QCheckBox* realtime_ = nullptr;
    QPushButton* cmbWrite_ = nullptr;
    QPushButton* cmbClose_ = nullptr;
};

}  // namespace syncdelay
