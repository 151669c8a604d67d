#pragma once

#include "UserDialogs.h"

class QWidget;

namespace velk {

// UserDialogs as Qt's modal message boxes, file dialogs and colour picker,
// each centred on the parent window.
class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    // The window the dialogs are centred on (made after the dialogs it uses).
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageAnswer ShowMessage(const Message& message) override;
    void Beep() override;
    std::optional<std::string> OpenFileName(const FileRequest& request) override;
    std::optional<std::string> SaveFileName(const FileRequest& request) override;
    std::optional<int32_t> ChooseColour(int32_t initial) override;
    // frmUSBConfig, modal.
    std::optional<int> ChooseUsbBoard(const UsbBoardDetector& detect) override;

private:
    QWidget* parent_;
};

}  // namespace velk
