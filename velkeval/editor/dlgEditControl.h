#pragma once

#include <memory>
#include <optional>

#include <QDialog>

#include "ControlEditor.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace velk {

class ColourSwatch;
class ControlPreview;
struct ProgramState;

// The control editor ("Control Editor") on currentControl: a thin shell
// over ControlEditor, which holds the items' rules.
class dlgEditControl : public QDialog {
    Q_OBJECT
public:
    explicit dlgEditControl(ProgramState& state, QWidget* parent = nullptr);

    // Fills the dialog from currentControl and shows it modally over owner;
    // true when it was closed with OK (which wrote the record).
    bool DoModal(QWidget* owner);

private:
    void Build();
    void Fill();
    QLineEdit* BoxFor(ControlEditor::Box box) const;
    void BoxEdited(ControlEditor::Box box, const QString& text);
    void TypeChosen(int entry);
    void ApplyEnabledItems();
    void ShowIndexList();
    void ShowSelectedEntry();
    void ChangeEntry();
    void Refresh();
    void Ok();

    ProgramState& state_;
    std::optional<ControlEditor> editor_;
    QComboBox* cmbCtrlType_;
    QLineEdit* txtMax_;
    QLineEdit* txtMin_;
    QLineEdit* txtX_;
    QLineEdit* txtY_;
    QLineEdit* txtWidth_;
    QLineEdit* txtHeight_;
    QLineEdit* txtCaption_;
    QLineEdit* txtToolTip_;
    QComboBox* cmbRadix_;
    QComboBox* cmbJustify_;
    QCheckBox* chkBold_;
    QCheckBox* chkItalic_;
    QCheckBox* chkDefaultColors_;
    ColourSwatch* lblForecolor_;
    ColourSwatch* lblBackcolor_;
    QComboBox* cmbIndexValues_;
    QLineEdit* txtValue_;
    QCheckBox* chkIndexBold_;
    QCheckBox* chkIndexItalic_;
    ColourSwatch* lblIndexfg_;
    ColourSwatch* lblIndexbg_;
    ControlPreview* preview_;
};

}  // namespace velk
