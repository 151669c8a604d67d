#pragma once

#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Driving the modal editor dialogs as a user would: what to do once the
// next modal dialog is up is queued before the click that opens it.
namespace velk::test {

inline void WhenModal(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog) act(*dialog);
    });
}

template <class Widget>
Widget& Item(QWidget& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(name);
    if (!widget) throw std::runtime_error(std::string("no item ") + name);
    return *widget;
}

inline void Click(QWidget& dialog, const char* button) { QTest::mouseClick(&Item<QPushButton>(dialog, button), Qt::LeftButton); }

// Replaces a box's text by typing.
inline void Retype(QWidget& dialog, const char* box, const QString& text)
{
    QLineEdit& edit = Item<QLineEdit>(dialog, box);
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, text);
}

// Picks a drop-down entry with the arrow keys, as the keyboard does.
inline void Choose(QWidget& dialog, const char* list, const QString& entry)
{
    QComboBox& combo = Item<QComboBox>(dialog, list);
    const int wanted = combo.findText(entry);
    if (wanted < 0) throw std::runtime_error("no entry " + entry.toStdString());
    while (combo.currentIndex() != wanted)
        QTest::keyClick(&combo, combo.currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
}

}  // namespace velk::test
