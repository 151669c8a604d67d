#include "ControlList.h"

#include "ControlType.h"

namespace velk {

ControlList::ControlList(ProgramState& state, ControlRecCollection& controls) : state_(state), controls_(controls)
{
    for (const auto& control : controls_)
        if (control->isUserControl) names_.push_back(ControlTypeName(control->controlType));
}

std::shared_ptr<ControlRecord> ControlList::BeginNew(std::shared_ptr<ControlRecord> record)
{
    state_.currentControl = std::move(record);
    return state_.currentControl;
}

void ControlList::EndNew()
{
    names_.push_back(ControlTypeName(state_.currentControl->controlType));
    controls_.Add(state_.currentControl);
    state_.currentControl = nullptr;
}

std::shared_ptr<ControlRecord> ControlList::BeginEdit(int i)
{
    if (i < 0 || i >= static_cast<int>(names_.size())) return nullptr;
    state_.currentControl = controls_.Item(PositionOf(i));
    names_.erase(names_.begin() + i);
    return state_.currentControl;
}

void ControlList::EndEdit(int i)
{
    names_.insert(names_.begin() + i, ControlTypeName(state_.currentControl->controlType));
    state_.currentControl = nullptr;
}

void ControlList::Delete(int i)
{
    if (i < 0 || i >= static_cast<int>(names_.size())) return;
    controls_.Remove(PositionOf(i));
    names_.erase(names_.begin() + i);
}

int ControlList::PositionOf(int i) const
{
    int position = 0;
    for (const auto& control : controls_) {
        ++position;
        if (control->isUserControl && i-- == 0) return position;
    }
    return position + 1;  // past the end: Item and Remove refuse it
}

}  // namespace velk
