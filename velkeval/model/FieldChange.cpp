// A field at run time: a change of one of its controls, re-reading it from
// the register bytes, and showing it.
#include "BandControls.h"
#include "ControlType.h"
#include "Conversions.h"
#include "EventsSuspended.h"
#include "Field.h"
#include "Group.h"
#include "WidgetRoutines.h"

namespace velk {

void Field::processChange(ProgramState& state, bool fromControl, int32_t controlType, int32_t index,
                          const std::string& text)
{
    if (!fromControl) {
        if (ExtractValue()) UpdateControls(state.view);
        return;
    }
    if (text.empty()) return;
    EventsSuspended quiet(state);
    const auto record = FindControl(controlType, index);
    if (!record) return;
    const std::optional<int16_t> candidate = Candidate(*record, controlType, text);
    if (candidate == value) return;
    if (candidate) value = *candidate;  // a refused value leaves the field as it was, to be shown again
    ParentGroup()->processChange(state, false, 0, 0, {});
    UpdateControls(state.view);
}

std::optional<int16_t> Field::Candidate(const ControlRecord& record, int32_t controlType, const std::string& text) const
{
    int16_t c;
    if (controlType == ControlType::Bit || controlType == ControlType::RdOnlyBit) {
        const int16_t entered = TextToInt(text, -1, "dec");
        c = entered == 0 || entered == 1 ? BitCandidate(record.bitIndex, entered) : value;
    } else {
        const bool usesRadix = controlType == ControlType::TextBox || controlType == ControlType::UpDown;
        c = TextToInt(text, -1, usesRadix ? record.radix : "dec");
    }
    const bool inRange = c != -1 && c >= record.min && c <= record.max;
    if (controlType != ControlType::Bit && !inRange) return std::nullopt;
    // A value wider than the field would carry into the bits of its
    // neighbours when packed: refused like one out of range.
    if (c < 0 || c > (Mask() >> bitIndex)) return std::nullopt;
    return c;
}

void Field::UpdateControls(RegisterView& view) const
{
    const int16_t byte = ParentGroup()->GetValue(byteIndex);
    for (const auto& record : controls) {
        const bool showsByte = record->controlType == ControlType::Bit || record->controlType == ControlType::RdOnlyBit;
        ShowValue(view, ClampValue(showsByte ? byte : value, record->min, record->max), *record);
    }
}

std::shared_ptr<ControlRecord> Field::FindControl(int32_t controlType, int32_t index) const
{
    return FindControlIn(controls, controlType, index);
}

}  // namespace velk
