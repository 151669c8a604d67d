#include "QtUserDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "QtColours.h"

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

std::optional<std::string> PathOrNothing(const QString& path)
{
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
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
    return PathOrNothing(QFileDialog::getOpenFileName(parent_, QString::fromStdString(request.title),
                                                      QString::fromStdString(request.initialPath),
                                                      QString::fromStdString(request.filter)));
}

std::optional<std::string> QtUserDialogs::SaveFileName(const FileRequest& request)
{
    return PathOrNothing(QFileDialog::getSaveFileName(parent_, QString::fromStdString(request.title),
                                                      QString::fromStdString(request.initialPath),
                                                      QString::fromStdString(request.filter)));
}

std::optional<int32_t> QtUserDialogs::ChooseColour(int32_t initial)
{
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), parent_);
    if (!chosen.isValid()) return std::nullopt;
    return FromQColor(chosen);
}

}  // namespace velk
