#include "BandControls.h"

#include "ControlType.h"
#include "ModelError.h"
#include "WidgetRoutines.h"

namespace velk {

bool BandStartsNewPage(int16_t top, int16_t height, int16_t maxPageHeight)
{
    return top > 0 && top + height > maxPageHeight;
}

void PlaceDescriptionControl(RegisterView& view, ControlRecord& record, const std::string& key, int16_t page,
                             int16_t top, bool createView)
{
    if (createView) CreateControlView(view, record, key, page);
    MoveControl(view, Band::ControlColumn, top, true, record);
    SetVisible(view, record, true);
    SetContainer(view, record, page);
    if (record.controlType == ControlType::TextBox || record.controlType == ControlType::UpDown)
        view.setMaxLength(WidgetOf(record), static_cast<int16_t>(std::to_string(record.max).size()));
}

void AddGeneratedControl(RegisterView& view, ControlRecCollection& controls, std::shared_ptr<ControlRecord> record,
                         const std::string& key, int16_t page)
{
    record->isUserControl = false;
    CreateControlView(view, *record, key, page);
    SetVisible(view, *record, true);
    controls.Add(std::move(record));
}

void ShiftControlViews(RegisterView& view, const ControlRecCollection& controls, int16_t dy, int16_t page)
{
    for (const auto& record : controls) {
        MoveControl(view, 0, dy, true, *record);
        SetContainer(view, *record, page);
    }
}

void RemoveControlViews(RegisterView& view, ControlRecCollection& controls)
{
    int position = 1;
    while (position <= controls.count()) {
        const auto record = controls.Item(position);
        RemoveControlView(view, *record);
        if (record->isUserControl)
            ++position;
        else
            controls.Remove(position);
    }
}

std::shared_ptr<ControlRecord> FindControlIn(const ControlRecCollection& controls, int32_t controlType, int32_t index)
{
    for (const auto& record : controls)
        if (record->controlType == controlType && record->Index == index) return record;
    return nullptr;
}

}  // namespace velk
