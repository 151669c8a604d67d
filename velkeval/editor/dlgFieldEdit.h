#pragma once

#include <memory>
#include <optional>

#include <QDialog>

#include "ControlList.h"
#include "FieldEditor.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace velk {

class ColourSwatch;
class ControlListButtons;
struct ProgramState;

// The field editor ("Field Editor") on currentField: a thin shell over
// FieldEditor. There is no cancel button; closing keeps the control changes
// only, and is refused while they could not be loaded back.
class dlgFieldEdit : public QDialog {
    Q_OBJECT
public:
    explicit dlgFieldEdit(ProgramState& state, QWidget* parent = nullptr);

    // Fills the dialog from currentField and shows it modally over owner;
    // true when it was closed with OK (which wrote the field).
    bool DoModal(QWidget* owner);

protected:
    // Closing (the window's close button, Escape) arrives here.
    void reject() override;

private:
    void Build();
    void Fill();
    // The items as the widgets show them.
    void Gather();
    std::shared_ptr<ControlRecord> BeginNewControl();
    void Ok();

    ProgramState& state_;
    std::shared_ptr<Field> field_;
    std::shared_ptr<Group> group_;
    std::optional<FieldEditor> editor_;
    std::optional<ControlList> controls_;
    QLineEdit* txtFieldName_;
    QComboBox* cmbByte_;
    QLineEdit* txtRangeUpper_;
    QLineEdit* txtRangeLower_;
    QLineEdit* txtDefaultValue_;
    QComboBox* cmbDVRadix_;
    ColourSwatch* lblForecolor_;
    ColourSwatch* lblBackcolor_;
    QCheckBox* chkBold_;
    QCheckBox* chkItalic_;
    QCheckBox* chkInHouse_;
    QCheckBox* chkReserved_;
    ControlListButtons* controlButtons_;
};

}  // namespace velk
