#include "ControlListButtons.h"

#include <QGridLayout>
#include <QListWidget>

#include "ControlList.h"
#include "EditorWidgets.h"
#include "dlgEditControl.h"

namespace velk {

ControlListButtons::ControlListButtons(ProgramState& state, QWidget* parent)
    : QGroupBox("Controls:", parent), state_(state), lstControls_(NamedWidget<QListWidget>(this, "lstControls"))
{
    auto* newButton = NamedButton(this, "cmbNewCtrl", "New");
    auto* editButton = NamedButton(this, "cmbEditCtrl", "Edit");
    auto* deleteButton = NamedButton(this, "cmbDelCtrl", "Delete");
    auto* layout = new QGridLayout(this);
    layout->addWidget(lstControls_, 0, 0, 1, 3);
    layout->addWidget(newButton, 1, 0);
    layout->addWidget(editButton, 1, 1);
    layout->addWidget(deleteButton, 1, 2);
    connect(newButton, &QPushButton::clicked, this, &ControlListButtons::New);
    connect(editButton, &QPushButton::clicked, this, &ControlListButtons::Edit);
    connect(deleteButton, &QPushButton::clicked, this, &ControlListButtons::Delete);
    connect(lstControls_, &QListWidget::itemDoubleClicked, this, &ControlListButtons::Edit);
}

void ControlListButtons::Attach(ControlList& list, BeginNew beginNew)
{
    list_ = &list;
    beginNew_ = std::move(beginNew);
    Show(-1);
}

void ControlListButtons::Show(int selected)
{
    lstControls_->clear();
    for (const std::string& name : list_->names()) lstControls_->addItem(QString::fromStdString(name));
    lstControls_->setCurrentRow(selected);
}

bool ControlListButtons::RunControlEditor()
{
    dlgEditControl editor(state_, window());
    return editor.DoModal(window());
}

void ControlListButtons::New()
{
    beginNew_();
    RunControlEditor();
    list_->EndNew();
    Show(lstControls_->currentRow());
}

void ControlListButtons::Edit()
{
    const int i = lstControls_->currentRow();
    if (i < 0 || !list_->BeginEdit(i)) return;
    RunControlEditor();
    list_->EndEdit(i);
    Show(i);
}

void ControlListButtons::Delete()
{
    const int i = lstControls_->currentRow();
    if (i < 0) return;
    list_->Delete(i);
    Show(-1);
}

}  // namespace velk
