#pragma once

#include <optional>

#include <QDialog>

#include "GroupEditor.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace velk {

class ControlListButtons;
struct ProgramState;

// The group editor ("Group Editor") on currentGroup: a thin shell over
// GroupEditor. There is no cancel button; closing keeps the field, control
// and size changes, and is refused while the group would not load back.
class dlgGroupEdit : public QDialog {
    Q_OBJECT
public:
    explicit dlgGroupEdit(ProgramState& state, QWidget* parent = nullptr);

    // Fills the dialog from currentGroup and shows it modally over owner;
    // true when it was closed with OK.
    bool DoModal(QWidget* owner);

protected:
    // Closing (the window's close button, Escape) arrives here.
    void reject() override;

private:
    void Build();
    void Fill();
    void ShowFields(int selected);
    void SizeChanged(const QString& text);
    void NewField();
    void EditField();
    void DeleteField();
    bool RunFieldEditor();
    void Ok();

    ProgramState& state_;
    std::optional<GroupEditor> editor_;
    QLineEdit* txtGroupName_;
    QLineEdit* txtAddress_;
    QSpinBox* txtSize_;
    QCheckBox* chkReadOnly_;
    QComboBox* cmbControlMode_;
    QListWidget* lstFields_;
    ControlListButtons* controlButtons_;
};

}  // namespace velk
