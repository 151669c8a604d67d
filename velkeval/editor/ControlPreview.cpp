#include "ControlPreview.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSpinBox>

#include "ControlEditor.h"
#include "ControlType.h"
#include "Conversions.h"
#include "QtColours.h"
#include "Twips.h"

namespace velk {
namespace {

constexpr int FrameWidth = 2000;
constexpr int UpDownWidth = 17;  // pixels of the spinner beside its text box

int Number(const ControlEditor& editor, ControlEditor::Box box) { return TextToInt(editor.Text(box), 0, "dec"); }

Qt::Alignment AlignmentOf(int justifyEntry)
{
    if (justifyEntry == 1) return Qt::AlignRight | Qt::AlignVCenter;
    if (justifyEntry == 2) return Qt::AlignCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

template <class Widget>
Widget* Named(QWidget* parent, const char* name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(name);
    widget->hide();
    return widget;
}

}  // namespace

ControlPreview::ControlPreview(QWidget* parent)
    : QGroupBox("Preview", parent),
      preTextbox_(Named<QLineEdit>(this, "preTextbox")),
      preCombo_(Named<QComboBox>(this, "preCombo")),
      preTxtUpDown_(Named<QLineEdit>(this, "preTxtUpDown")),
      preUpdown_(Named<QSpinBox>(this, "preUpdown")),
      preScrollbar_(Named<QScrollBar>(this, "preScrollbar")),
      preDisplay_(Named<QLineEdit>(this, "preDisplay")),
      preLabel_(Named<QLabel>(this, "preLabel"))
{
    preScrollbar_->setOrientation(Qt::Horizontal);
    preDisplay_->setReadOnly(true);
    preUpdown_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    preLabel_->setAutoFillBackground(true);
}

QWidget* ControlPreview::PreviewOf(int32_t controlType) const
{
    switch (controlType) {
    case ControlType::Combo: return preCombo_;
    case ControlType::UpDown: return preTxtUpDown_;
    case ControlType::Scrollbar: return preScrollbar_;
    case ControlType::Display: return preDisplay_;
    case ControlType::Label: return preLabel_;
    default: return preTextbox_;
    }
}

void ControlPreview::Show(const ControlEditor& editor)
{
    setFixedSize(ToPixels(FrameWidth) + 20, ToPixels(editor.previewFrameHeight()) + 30);
    for (QWidget* preview : {static_cast<QWidget*>(preTextbox_), static_cast<QWidget*>(preCombo_),
                             static_cast<QWidget*>(preTxtUpDown_), static_cast<QWidget*>(preUpdown_),
                             static_cast<QWidget*>(preScrollbar_), static_cast<QWidget*>(preDisplay_),
                             static_cast<QWidget*>(preLabel_)})
        preview->hide();

    QWidget* preview = PreviewOf(editor.controlType());
    QRect place = TwipsRect(Number(editor, ControlEditor::Box::X), Number(editor, ControlEditor::Box::Y),
                            Number(editor, ControlEditor::Box::Width), Number(editor, ControlEditor::Box::Height));
    place.translate(10, 20);
    if (!editor.enabled().height) place.setHeight(preview->sizeHint().height());
    preview->setGeometry(place);
    Look(preview, editor);

    const QString caption = QString::fromStdString(editor.caption);
    preLabel_->setText(caption);
    preLabel_->setAlignment(AlignmentOf(editor.justifyEntry));
    preTextbox_->setAlignment(AlignmentOf(editor.justifyEntry));
    preTxtUpDown_->setAlignment(AlignmentOf(editor.justifyEntry));
    preCombo_->clear();
    for (const std::string& text : editor.indexList().texts()) preCombo_->addItem(QString::fromStdString(text));
    preDisplay_->setText(editor.indexList().count() ? QString::fromStdString(editor.indexList().texts().front()) : "");
    preScrollbar_->setRange(editor.minValue(), editor.maxValue());
    preScrollbar_->setPageStep(editor.largeStep());
    preScrollbar_->setSingleStep(1);
    preUpdown_->setRange(editor.minValue(), editor.maxValue());

    if (preview == preTxtUpDown_) {
        preUpdown_->setGeometry(place.right() + 1, place.top(), UpDownWidth, place.height());
        Look(preUpdown_, editor);
        preUpdown_->show();
    }
    preview->show();
}

void ControlPreview::Look(QWidget* preview, const ControlEditor& editor) const
{
    QPalette look = QGroupBox::palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        look.setColor(role, ToQColor(editor.previewFore()));
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        look.setColor(role, ToQColor(editor.previewBack()));
    preview->setPalette(look);
    QFont font = QGroupBox::font();
    font.setBold(editor.bold);
    font.setItalic(editor.italic);
    preview->setFont(font);
}

}  // namespace velk
