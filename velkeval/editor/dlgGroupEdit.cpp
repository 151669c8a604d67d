#include "dlgGroupEdit.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ControlListButtons.h"
#include "EditorWidgets.h"
#include "ProgramState.h"
#include "dlgFieldEdit.h"

namespace velk {

dlgGroupEdit::dlgGroupEdit(ProgramState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Group Editor");
    Build();
}

void dlgGroupEdit::Build()
{
    auto* items = new QFormLayout;
    txtGroupName_ = NamedWidget<QLineEdit>(this, "txtGroupName");
    items->addRow("Group Name:", txtGroupName_);
    txtAddress_ = NamedWidget<QLineEdit>(this, "txtAddress");
    items->addRow("Address:", txtAddress_);
    // The size text and its up-down arrows (updwnSize) in one box.
    txtSize_ = NamedWidget<QSpinBox>(this, "txtSize");
    items->addRow("Size:", txtSize_);
    chkReadOnly_ = NamedCheckBox(this, "chkReadOnly", "Read Only");
    items->addRow(chkReadOnly_);
    cmbControlMode_ = NamedWidget<QComboBox>(this, "cmbControlMode");
    AddEntries(cmbControlMode_, ControlModeEntries);
    items->addRow("Control Mode:", cmbControlMode_);

    auto* fieldFrame = new QGroupBox("Fields:", this);
    auto* fieldItems = new QGridLayout(fieldFrame);
    lstFields_ = NamedWidget<QListWidget>(fieldFrame, "lstFields");
    auto* newButton = NamedButton(fieldFrame, "cmbNewField", "New");
    auto* editButton = NamedButton(fieldFrame, "cmbEditField", "Edit");
    auto* deleteButton = NamedButton(fieldFrame, "cmbDelField", "Delete");
    fieldItems->addWidget(lstFields_, 0, 0, 1, 3);
    fieldItems->addWidget(newButton, 1, 0);
    fieldItems->addWidget(editButton, 1, 1);
    fieldItems->addWidget(deleteButton, 1, 2);

    controlButtons_ = new ControlListButtons(state_, this);
    auto* okButton = NamedButton(this, "OKButton", "OK");
    okButton->setDefault(true);
    auto* lists = new QHBoxLayout;
    lists->addWidget(fieldFrame);
    lists->addWidget(controlButtons_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(items);
    layout->addLayout(lists);
    layout->addWidget(okButton, 0, Qt::AlignRight);

    connect(txtSize_, &QSpinBox::textChanged, this, &dlgGroupEdit::SizeChanged);
    connect(newButton, &QPushButton::clicked, this, &dlgGroupEdit::NewField);
    connect(editButton, &QPushButton::clicked, this, &dlgGroupEdit::EditField);
    connect(lstFields_, &QListWidget::itemDoubleClicked, this, &dlgGroupEdit::EditField);
    connect(deleteButton, &QPushButton::clicked, this, &dlgGroupEdit::DeleteField);
    connect(okButton, &QPushButton::clicked, this, &dlgGroupEdit::Ok);
}

bool dlgGroupEdit::DoModal(QWidget* owner)
{
    if (!state_.currentGroup) return false;
    if (owner && parentWidget() != owner) setParent(owner, windowFlags());
    editor_.emplace(state_, state_.currentGroup);
    controlButtons_->Attach(editor_->controls(), [this] { return editor_->BeginNewControl(); });
    Fill();
    return exec() == QDialog::Accepted;
}

void dlgGroupEdit::Fill()
{
    txtGroupName_->setText(QString::fromStdString(editor_->name));
    txtAddress_->setText(QString::fromStdString(editor_->address));
    chkReadOnly_->setChecked(editor_->readonly);
    cmbControlMode_->setCurrentIndex(editor_->controlModeEntry);
    ShowFields(-1);
}

void dlgGroupEdit::ShowFields(int selected)
{
    lstFields_->clear();
    for (const FieldListEntry& entry : editor_->fieldList()) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.name), lstFields_);
        item->setData(Qt::UserRole, entry.sequence);
    }
    lstFields_->setCurrentRow(selected);
    const QSignalBlocker quiet(txtSize_);
    txtSize_->setRange(editor_->minimumSize(), editor_->maximumSize());
    txtSize_->setValue(editor_->group().size);
}

void dlgGroupEdit::SizeChanged(const QString& text)
{
    editor_->TypeSize(text.toStdString());
}

bool dlgGroupEdit::RunFieldEditor()
{
    dlgFieldEdit fieldEditor(state_, this);
    return fieldEditor.DoModal(this);
}

void dlgGroupEdit::NewField()
{
    if (!editor_->BeginNewField()) return;
    editor_->EndNewField(RunFieldEditor());
    ShowFields(lstFields_->currentRow());
}

void dlgGroupEdit::EditField()
{
    const int i = lstFields_->currentRow();
    if (i < 0 || !editor_->BeginEditField(i)) return;
    RunFieldEditor();
    editor_->EndEditField();
    ShowFields(-1);
}

void dlgGroupEdit::DeleteField()
{
    const int i = lstFields_->currentRow();
    if (i < 0) return;
    editor_->DeleteField(i);
    ShowFields(-1);
}

void dlgGroupEdit::Ok()
{
    editor_->name = txtGroupName_->text().toStdString();
    editor_->address = txtAddress_->text().toStdString();
    editor_->readonly = chkReadOnly_->isChecked();
    editor_->controlModeEntry = cmbControlMode_->currentIndex();
    const auto refused = editor_->Ok();
    if (!refused) {
        accept();
        return;
    }
    QLineEdit* focus = *refused == GroupEditor::Item::Name      ? txtGroupName_
                       : *refused == GroupEditor::Item::Address ? txtAddress_
                                                                : nullptr;
    if (focus) {
        focus->setFocus();
        focus->selectAll();
    }
}

void dlgGroupEdit::reject()
{
    if (editor_->MayClose()) QDialog::reject();
}

}  // namespace velk
