#pragma once

#include <functional>
#include <memory>

#include <QGroupBox>

#include "ControlRecord.h"

class QListWidget;

namespace velk {

class ControlList;
struct ProgramState;

// The "Controls:" list of the group and field editors with its "New",
// "Edit" and "Delete" buttons (cmbNewCtrl, cmbEditCtrl, cmbDelCtrl); a double
// click on an entry acts as "Edit". The control editor runs on the control.
class ControlListButtons : public QGroupBox {
public:
    // beginNew makes the new record currentControl and returns it.
    using BeginNew = std::function<std::shared_ptr<ControlRecord>()>;

    ControlListButtons(ProgramState& state, QWidget* parent);

    void Attach(ControlList& list, BeginNew beginNew);

private:
    void Show(int selected);
    void New();
    void Edit();
    void Delete();
    bool RunControlEditor();

    ProgramState& state_;
    ControlList* list_ = nullptr;
    BeginNew beginNew_;
    QListWidget* lstControls_;
};

}  // namespace velk
