#pragma once

#include <string_view>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QString>

#include "ColourSwatch.h"

namespace velk {

// The editors' items are found by the names the program gives them
// (txtMax, cmbByte, ...), in tests as anywhere else.
template <class Widget>
Widget* NamedWidget(QWidget* parent, const char* name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

inline QCheckBox* NamedCheckBox(QWidget* parent, const char* name, const char* text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

inline QPushButton* NamedButton(QWidget* parent, const char* name, const char* text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

inline ColourSwatch* NamedSwatch(QWidget* parent, const char* name, const char* caption, UserDialogs& dialogs)
{
    auto* swatch = new ColourSwatch(caption, dialogs, parent);
    swatch->setObjectName(name);
    return swatch;
}

template <class Entries>
void AddEntries(QComboBox* list, const Entries& entries)
{
    for (std::string_view entry : entries) list->addItem(QString::fromUtf8(entry.data(), static_cast<int>(entry.size())));
}

}  // namespace velk
