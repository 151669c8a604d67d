#include "dlgFieldEdit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "ControlEditor.h"
#include "ControlListButtons.h"
#include "EditorWidgets.h"
#include "ProgramState.h"

namespace velk {

dlgFieldEdit::dlgFieldEdit(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Field Editor");
    Build();
}

void dlgFieldEdit::Build()
{
    auto* items = new QFormLayout;
    txtFieldName_ = NamedWidget<QLineEdit>(this, "txtFieldName");
    items->addRow("Field Name:", txtFieldName_);
    cmbByte_ = NamedWidget<QComboBox>(this, "cmbByte");
    items->addRow("Byte Index:", cmbByte_);
    txtRangeUpper_ = NamedWidget<QLineEdit>(this, "txtRangeUpper");
    txtRangeLower_ = NamedWidget<QLineEdit>(this, "txtRangeLower");
    auto* range = new QHBoxLayout;
    range->addWidget(txtRangeUpper_);
    range->addWidget(txtRangeLower_);
    items->addRow("Range:", range);
    txtDefaultValue_ = NamedWidget<QLineEdit>(this, "txtDefaultValue");
    cmbDVRadix_ = NamedWidget<QComboBox>(this, "cmbDVRadix");
    AddEntries(cmbDVRadix_, RadixEntries);
    auto* defaultValue = new QHBoxLayout;
    defaultValue->addWidget(txtDefaultValue_);
    defaultValue->addWidget(new QLabel("in", this));
    defaultValue->addWidget(cmbDVRadix_);
    items->addRow("Default Value:", defaultValue);
    lblForecolor_ = NamedSwatch(this, "lblForecolor", "Foreground Color", state_.dialogs);
    lblBackcolor_ = NamedSwatch(this, "lblBackcolor", "Background Color", state_.dialogs);
    items->addRow(lblForecolor_);
    items->addRow(lblBackcolor_);
    chkBold_ = NamedCheckBox(this, "chkBold", "Bold");
    chkItalic_ = NamedCheckBox(this, "chkItalic", "Italic");
    chkInHouse_ = NamedCheckBox(this, "chkInHouse", "In-House Only");
    chkReserved_ = NamedCheckBox(this, "chkReserved", "Reserved");
    for (QCheckBox* box : {chkBold_, chkItalic_, chkInHouse_, chkReserved_}) items->addRow(box);

    controlButtons_ = new ControlListButtons(state_, this);
    auto* okButton = NamedButton(this, "OKButton", "OK");
    okButton->setDefault(true);
    auto* right = new QVBoxLayout;
    right->addWidget(controlButtons_);
    right->addWidget(okButton);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(items);
    layout->addLayout(right);
    connect(okButton, &QPushButton::clicked, this, &dlgFieldEdit::Ok);
}

bool dlgFieldEdit::DoModal(QWidget* owner)
{
    field_ = state_.currentField;
    if (!field_) return false;
    group_ = field_->parent.lock() ? field_->parent.lock() : state_.currentGroup;
    if (!group_) return false;
    if (owner && parentWidget() != owner) setParent(owner, windowFlags());
    editor_.emplace(*field_, *group_);
    controls_.emplace(state_, field_->controls);
    controlButtons_->Attach(*controls_, [this] { return BeginNewControl(); });
    Fill();
    return exec() == QDialog::Accepted;
}

void dlgFieldEdit::Fill()
{
    txtFieldName_->setText(QString::fromStdString(editor_->name));
    cmbByte_->clear();
    for (const std::string& entry : editor_->byteEntries) cmbByte_->addItem(QString::fromStdString(entry));
    cmbByte_->setCurrentIndex(editor_->byteEntry);
    txtRangeUpper_->setText(QString::fromStdString(editor_->upperText));
    txtRangeLower_->setText(QString::fromStdString(editor_->lowerText));
    txtDefaultValue_->setText(QString::fromStdString(editor_->defaultText));
    cmbDVRadix_->setCurrentIndex(editor_->radixEntry);
    lblForecolor_->setColour(editor_->fg);
    lblBackcolor_->setColour(editor_->bg);
    chkBold_->setChecked(editor_->bold);
    chkItalic_->setChecked(editor_->italic);
    chkInHouse_->setChecked(editor_->inhouse);
    chkReserved_->setChecked(editor_->reserved);
}

void dlgFieldEdit::Gather()
{
    editor_->name = txtFieldName_->text().toStdString();
    editor_->byteEntry = cmbByte_->currentIndex();
    editor_->upperText = txtRangeUpper_->text().toStdString();
    editor_->lowerText = txtRangeLower_->text().toStdString();
    editor_->defaultText = txtDefaultValue_->text().toStdString();
    editor_->radixEntry = cmbDVRadix_->currentIndex();
    editor_->fg = lblForecolor_->colour();
    editor_->bg = lblBackcolor_->colour();
    editor_->bold = chkBold_->isChecked();
    editor_->italic = chkItalic_->isChecked();
    editor_->inhouse = chkInHouse_->isChecked();
    editor_->reserved = chkReserved_->isChecked();
}

std::shared_ptr<ControlRecord> dlgFieldEdit::BeginNewControl()
{
    Gather();
    return controls_->BeginNew(editor_->NewControl(*group_));
}

void dlgFieldEdit::Ok()
{
    Gather();
    const auto refused = editor_->Ok(state_.dialogs, state_.nameRegistry, *field_, *group_);
    if (!refused) {
        accept();
        return;
    }
    if (*refused == FieldEditor::Item::Name) {
        txtFieldName_->setFocus();
        txtFieldName_->selectAll();
    } else if (*refused == FieldEditor::Item::Upper) {
        txtRangeUpper_->setFocus();
        txtRangeUpper_->setSelection(0, 1);
    } else if (*refused == FieldEditor::Item::DefaultValue) {
        txtDefaultValue_->setFocus();
        txtDefaultValue_->selectAll();
    }
}

void dlgFieldEdit::reject()
{
    if (MayCloseFieldEditor(state_.dialogs, *field_)) QDialog::reject();
}

}  // namespace velk
