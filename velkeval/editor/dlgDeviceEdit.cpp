#include "dlgDeviceEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "EditorWidgets.h"
#include "Twips.h"

namespace velk {

dlgDeviceEdit::dlgDeviceEdit(ProgramState& state, std::vector<std::string> otherDevices, QWidget* parent)
    : QDialog(parent), editor_(state, std::move(otherDevices))
{
    setWindowTitle("Device Properties");
    txtDeviceName_ = NamedWidget<QLineEdit>(this, "txtDeviceName");
    txtDeviceName_->setText(QString::fromStdString(editor_.name));

    // Bits 7 .. 0 from left to right, a wider gap between bit 4 and bit 3.
    auto* bits = new QHBoxLayout;
    bits->setSpacing(ToPixels(30));
    for (int i = 7; i >= 0; --i) {
        auto* box = new QToolButton(this);
        box->setObjectName(QStringLiteral("txtAddrBit%1").arg(i));
        box->setText(QString::fromStdString(editor_.bitBox(i)));
        box->setFixedSize(ToPixels(330), ToPixels(330));
        connect(box, &QToolButton::clicked, this, [this, i] { ClickBit(i); });
        txtAddrBit_[static_cast<size_t>(i)] = box;
        bits->addWidget(box);
        if (i == 4) bits->addSpacing(ToPixels(120));
    }
    bits->addStretch();

    auto* items = new QFormLayout;
    items->addRow("Name:", txtDeviceName_);
    items->addRow("Device Address:", bits);
    auto* okButton = NamedButton(this, "OKButton", "OK");
    okButton->setDefault(true);
    auto* cancelButton = NamedButton(this, "CancelButton", "Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(items);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &dlgDeviceEdit::Ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool dlgDeviceEdit::DoModal() { return exec() == QDialog::Accepted; }

void dlgDeviceEdit::ClickBit(int i)
{
    editor_.ClickBit(i);
    txtAddrBit_[static_cast<size_t>(i)]->setText(QString::fromStdString(editor_.bitBox(i)));
}

void dlgDeviceEdit::Ok()
{
    editor_.name = txtDeviceName_->text().toStdString();
    if (!editor_.Ok()) {
        txtDeviceName_->setFocus();
        txtDeviceName_->selectAll();
        return;
    }
    accept();
}

}  // namespace velk
