#include "dlgEditControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "ColourSwatch.h"
#include "ControlPreview.h"
#include "EditorWidgets.h"
#include "ProgramState.h"

namespace velk {

using Box = ControlEditor::Box;

dlgEditControl::dlgEditControl(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Control Editor");
    Build();
}

void dlgEditControl::Build()
{
    auto* items = new QFormLayout;
    cmbCtrlType_ = NamedWidget<QComboBox>(this, "cmbCtrlType");
    for (const ControlTypeEntry& entry : ControlTypeEntries)
        cmbCtrlType_->addItem(QString::fromUtf8(entry.text.data(), static_cast<int>(entry.text.size())), entry.code);
    items->addRow("Control Type:", cmbCtrlType_);
    txtMax_ = NamedWidget<QLineEdit>(this, "txtMax");
    items->addRow("Max:", txtMax_);
    txtMin_ = NamedWidget<QLineEdit>(this, "txtMin");
    items->addRow("Min:", txtMin_);
    txtX_ = NamedWidget<QLineEdit>(this, "txtX");
    items->addRow("X:", txtX_);
    txtY_ = NamedWidget<QLineEdit>(this, "txtY");
    items->addRow("Y:", txtY_);
    txtWidth_ = NamedWidget<QLineEdit>(this, "txtWidth");
    items->addRow("Width:", txtWidth_);
    txtHeight_ = NamedWidget<QLineEdit>(this, "txtHeight");
    items->addRow("Height:", txtHeight_);
    txtCaption_ = NamedWidget<QLineEdit>(this, "txtCaption");
    items->addRow("Caption:", txtCaption_);
    txtToolTip_ = NamedWidget<QLineEdit>(this, "txtToolTip");
    items->addRow("Tooltip:", txtToolTip_);
    cmbRadix_ = NamedWidget<QComboBox>(this, "cmbRadix");
    AddEntries(cmbRadix_, RadixEntries);
    items->addRow("Radix:", cmbRadix_);
    cmbJustify_ = NamedWidget<QComboBox>(this, "cmbJustify");
    AddEntries(cmbJustify_, AlignmentEntries);
    items->addRow("Alignment:", cmbJustify_);
    chkBold_ = NamedCheckBox(this, "chkBold", "Bold");
    chkItalic_ = NamedCheckBox(this, "chkItalic", "Italic");
    chkDefaultColors_ = NamedCheckBox(this, "chkDefaultColors", "Use Default Colors");
    items->addRow(chkBold_);
    items->addRow(chkItalic_);
    items->addRow(chkDefaultColors_);
    lblForecolor_ = NamedSwatch(this, "lblForecolor", "Foreground Color", state_.dialogs);
    lblBackcolor_ = NamedSwatch(this, "lblBackcolor", "Background Color", state_.dialogs);
    items->addRow(lblForecolor_);
    items->addRow(lblBackcolor_);

    auto* indexFrame = new QGroupBox("Index Values", this);
    auto* indexItems = new QGridLayout(indexFrame);
    cmbIndexValues_ = NamedWidget<QComboBox>(indexFrame, "cmbIndexValues");
    txtValue_ = NamedWidget<QLineEdit>(indexFrame, "txtValue");
    auto* cmdChange = NamedButton(indexFrame, "cmdChange", "Change");
    chkIndexBold_ = NamedCheckBox(indexFrame, "chkIndexBold", "Bold");
    chkIndexItalic_ = NamedCheckBox(indexFrame, "chkIndexItalic", "Italic");
    lblIndexfg_ = NamedSwatch(indexFrame, "lblIndexfg", "Foreground Color", state_.dialogs);
    lblIndexbg_ = NamedSwatch(indexFrame, "lblIndexbg", "Background Color", state_.dialogs);
    indexItems->addWidget(cmbIndexValues_, 0, 0, 1, 3);
    indexItems->addWidget(new QLabel("Value:", indexFrame), 1, 0);
    indexItems->addWidget(txtValue_, 1, 1);
    indexItems->addWidget(cmdChange, 1, 2);
    indexItems->addWidget(chkIndexBold_, 2, 0);
    indexItems->addWidget(chkIndexItalic_, 2, 1);
    indexItems->addWidget(lblIndexfg_, 3, 0);
    indexItems->addWidget(lblIndexbg_, 3, 1);

    preview_ = new ControlPreview(this);
    auto* okButton = NamedButton(this, "OKButton", "OK");
    auto* cancelButton = NamedButton(this, "CancelButton", "Cancel");
    okButton->setDefault(true);

    auto* right = new QVBoxLayout;
    right->addWidget(indexFrame);
    right->addWidget(preview_);
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(items);
    layout->addLayout(right);

    for (Box box : {Box::X, Box::Y, Box::Width, Box::Height, Box::Max, Box::Min})
        connect(BoxFor(box), &QLineEdit::textEdited, this, [this, box](const QString& text) { BoxEdited(box, text); });
    connect(cmbCtrlType_, &QComboBox::activated, this, &dlgEditControl::TypeChosen);
    connect(txtCaption_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_->caption = text.toStdString();
        Refresh();
    });
    connect(txtToolTip_, &QLineEdit::textEdited, this, [this](const QString& text) { editor_->tooltip = text.toStdString(); });
    connect(cmbRadix_, &QComboBox::activated, this, [this](int entry) { editor_->radixEntry = entry; });
    connect(cmbJustify_, &QComboBox::activated, this, [this](int entry) {
        editor_->justifyEntry = entry;
        Refresh();
    });
    connect(chkBold_, &QCheckBox::toggled, this, [this](bool on) {
        editor_->bold = on;
        Refresh();
    });
    connect(chkItalic_, &QCheckBox::toggled, this, [this](bool on) {
        editor_->italic = on;
        Refresh();
    });
    connect(chkDefaultColors_, &QCheckBox::toggled, this, [this](bool on) {
        editor_->useDefaultColors = on;
        Refresh();
    });
    connect(lblForecolor_, &ColourSwatch::colourChosen, this, [this](int32_t colour) {
        editor_->fg = colour;
        Refresh();
    });
    connect(lblBackcolor_, &ColourSwatch::colourChosen, this, [this](int32_t colour) {
        editor_->bg = colour;
        Refresh();
    });
    connect(cmbIndexValues_, &QComboBox::activated, this, [this](int entry) {
        editor_->SelectEntry(entry);
        ShowSelectedEntry();
    });
    connect(cmdChange, &QPushButton::clicked, this, &dlgEditControl::ChangeEntry);
    connect(okButton, &QPushButton::clicked, this, &dlgEditControl::Ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* dlgEditControl::BoxFor(Box box) const
{
    switch (box) {
    case Box::X: return txtX_;
    case Box::Y: return txtY_;
    case Box::Width: return txtWidth_;
    case Box::Height: return txtHeight_;
    case Box::Max: return txtMax_;
    default: return txtMin_;
    }
}

bool dlgEditControl::DoModal(QWidget* owner)
{
    if (!state_.currentControl) return false;
    if (owner && parentWidget() != owner) setParent(owner, windowFlags());
    editor_.emplace(*state_.currentControl, state_.currentGroup.get());
    Fill();
    return exec() == QDialog::Accepted;
}

void dlgEditControl::Fill()
{
    cmbCtrlType_->setCurrentIndex(editor_->typeEntry());
    for (Box box : {Box::X, Box::Y, Box::Width, Box::Height, Box::Max, Box::Min})
        BoxFor(box)->setText(QString::fromStdString(editor_->Text(box)));
    txtCaption_->setText(QString::fromStdString(editor_->caption));
    txtToolTip_->setText(QString::fromStdString(editor_->tooltip));
    cmbRadix_->setCurrentIndex(editor_->radixEntry);
    cmbJustify_->setCurrentIndex(editor_->justifyEntry);
    for (auto [box, on] : {std::pair{chkBold_, editor_->bold}, {chkItalic_, editor_->italic},
                           {chkDefaultColors_, editor_->useDefaultColors}}) {
        const QSignalBlocker quietBox(box);
        box->setChecked(on);
    }
    lblForecolor_->setColour(editor_->fg);
    lblBackcolor_->setColour(editor_->bg);
    ApplyEnabledItems();
    ShowIndexList();
    Refresh();
}

void dlgEditControl::BoxEdited(Box box, const QString& text)
{
    editor_->Type(box, text.toStdString());
    const QString shown = QString::fromStdString(editor_->Text(box));
    if (shown != text) BoxFor(box)->setText(shown);
    if (box == Box::Max || box == Box::Min) ShowIndexList();
    Refresh();
}

void dlgEditControl::TypeChosen(int entry)
{
    editor_->ChooseType(entry);
    txtMin_->setText(QString::fromStdString(editor_->Text(Box::Min)));
    ApplyEnabledItems();
    ShowIndexList();
    Refresh();
}

void dlgEditControl::ApplyEnabledItems()
{
    const EnabledItems enabled = editor_->enabled();
    txtCaption_->setEnabled(enabled.caption);
    chkBold_->setEnabled(enabled.font);
    chkItalic_->setEnabled(enabled.font);
    cmbJustify_->setEnabled(enabled.alignment);
    for (QWidget* item : {static_cast<QWidget*>(chkDefaultColors_), static_cast<QWidget*>(lblForecolor_),
                          static_cast<QWidget*>(lblBackcolor_)})
        item->setEnabled(enabled.colours);
    cmbRadix_->setEnabled(enabled.radix);
    txtMax_->setEnabled(enabled.max);
    txtMin_->setEnabled(enabled.min);
    txtToolTip_->setEnabled(enabled.tooltip);
    txtHeight_->setEnabled(enabled.height);
}

void dlgEditControl::ShowIndexList()
{
    const auto& texts = editor_->indexList().texts();
    const QSignalBlocker quiet(cmbIndexValues_);
    while (cmbIndexValues_->count() > static_cast<int>(texts.size())) cmbIndexValues_->removeItem(cmbIndexValues_->count() - 1);
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        const QString text = QString::fromStdString(texts[static_cast<size_t>(i)]);
        if (i < cmbIndexValues_->count()) cmbIndexValues_->setItemText(i, text);
        else cmbIndexValues_->addItem(text);
    }
    cmbIndexValues_->setCurrentIndex(editor_->selectedEntry());
    ShowSelectedEntry();
}

void dlgEditControl::ShowSelectedEntry()
{
    txtValue_->setText(QString::fromStdString(editor_->entryText));
    chkIndexBold_->setChecked(editor_->entryLook.bold);
    chkIndexItalic_->setChecked(editor_->entryLook.italic);
    lblIndexfg_->setColour(editor_->entryLook.fg);
    lblIndexbg_->setColour(editor_->entryLook.bg);
}

void dlgEditControl::ChangeEntry()
{
    editor_->entryText = txtValue_->text().toStdString();
    editor_->entryLook = IndexLook{lblIndexfg_->colour(), lblIndexbg_->colour(), chkIndexBold_->isChecked(),
                                   chkIndexItalic_->isChecked()};
    editor_->ChangeEntry();
    ShowIndexList();
    Refresh();
}

void dlgEditControl::Refresh() { preview_->Show(*editor_); }

void dlgEditControl::Ok()
{
    if (editor_->Ok(state_.dialogs, *state_.currentControl)) accept();
}

}  // namespace velk
