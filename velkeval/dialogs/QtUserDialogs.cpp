#include "QtUserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "QtColours.h"
#include "QtFileFilter.h"
#include "frmUSBConfig.h"

namespace velk {
namespace {

QMessageBox::Icon IconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
    }
}

// Runs a modal file dialog for `request`; nothing when the user cancels.
std::optional<std::string> AskFileName(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString::fromStdString(request.title), QString::fromStdString(request.initialPath),
                       QtFileFilter(request.filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.mustExist ? QFileDialog::ExistingFile
                                                                            : QFileDialog::AnyFile);
    QString extension = QString::fromStdString(request.defaultExtension);
    if (extension.startsWith(QLatin1Char('.'))) extension.remove(0, 1);
    dialog.setDefaultSuffix(extension);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

MessageAnswer QtUserDialogs::ShowMessage(const Message& message)
{
    QMessageBox box(IconOf(message.icon), QString::fromStdString(message.title), QString::fromStdString(message.text),
                    ButtonsOf(message.buttons), parent_);
    // Closing the box by its title bar answers Cancel where there is one.
    if (message.buttons == MessageButtons::OkCancel || message.buttons == MessageButtons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return AnswerOf(box.exec());
}

void QtUserDialogs::Beep() { QApplication::beep(); }

std::optional<std::string> QtUserDialogs::OpenFileName(const FileRequest& request)
{
    return AskFileName(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUserDialogs::SaveFileName(const FileRequest& request)
{
    return AskFileName(parent_, request, QFileDialog::AcceptSave);
}

std::optional<int32_t> QtUserDialogs::ChooseColour(int32_t initial)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

std::optional<int> QtUserDialogs::ChooseUsbBoard(const UsbBoardDetector& detect)
{
    frmUSBConfig dialog(parent_, detect);
    dialog.exec();
    return dialog.chosen();
}

}  // namespace velk
