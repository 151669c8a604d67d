#include "frmUSBConfig.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace velk {

frmUSBConfig::frmUSBConfig(QWidget* parent, UsbBoardDetector detect)
    : QDialog(parent),
      detect_(std::move(detect)),
      lstDevices_(new QListWidget(this)),
      cmdDetect_(new QPushButton(QStringLiteral("Detect"), this)),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("USB Device"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdDetect_);
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstDevices_);
    layout->addLayout(buttons);
    cmdOK_->setDefault(true);

    connect(cmdDetect_, &QPushButton::clicked, this, [this] { Detect(); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOKClick(); });
    Detect();
}

void frmUSBConfig::Detect()
{
    lstDevices_->clear();
    for (const UsbBoardEntry& board : detect_()) {
        auto* entry = new QListWidgetItem(QString::fromStdString(board.firmware), lstDevices_);
        entry->setData(Qt::UserRole, board.number);
    }
}

void frmUSBConfig::cmdOKClick()
{
    const QList<QListWidgetItem*> selected = lstDevices_->selectedItems();
    if (!selected.isEmpty()) chosen_ = selected.front()->data(Qt::UserRole).toInt();
    accept();
}

}  // namespace velk
