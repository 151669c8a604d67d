// A group's register at run time: reading and writing it over the link, and
// a change of one of its controls or fields travelling to every control and
// (with loadOnChange) to the chip.
#include "BandControls.h"
#include "ControlType.h"
#include "Conversions.h"
#include "DevInterface.h"
#include "EventsSuspended.h"
#include "Field.h"
#include "Group.h"
#include "ModelError.h"
#include "WidgetRoutines.h"

namespace velk {
namespace {

DevInterface& Link(const ProgramState& state)
{
    if (!state.devInterface) throw ModelError("There is no link to the device");
    return *state.devInterface;
}

// The span bytes[start .. start + count - 1], or an error when it is not there.
template <class Bytes>
Bytes Window(Bytes bytes, int16_t start, int16_t count)
{
    if (start < 0 || count < 0 || static_cast<size_t>(start) + static_cast<size_t>(count) > bytes.size())
        throw ModelError("The byte array has no elements " + std::to_string(start) + " to " +
                         std::to_string(start + count - 1));
    return bytes.subspan(static_cast<size_t>(start), static_cast<size_t>(count));
}

}  // namespace

void Group::doRead(ProgramState& state)
{
    DevInterface& link = Link(state);
    RequireBytes();
    // Every byte is read before the register takes any, so a failing link
    // leaves the register and its controls in step.
    std::vector<int16_t> read(static_cast<size_t>(size));
    for (int16_t i = 0; i < size; ++i) read[static_cast<size_t>(i)] = link.ReadByte(ByteAddress(i));
    processRead(state, read, 0);
}

void Group::processRead(ProgramState& state, std::span<const int16_t> bytes, int16_t start)
{
    RequireBytes();
    const auto taken = Window(bytes, start, size);
    for (int16_t i = 0; i < size; ++i) SetValue(taken[static_cast<size_t>(i)], i);
    ShowRegisterBytes(state);
}

void Group::processWrite(std::span<int16_t> bytes, int16_t start) const
{
    RequireBytes();
    const auto target = Window(bytes, start, size);
    for (int16_t i = 0; i < size; ++i) target[static_cast<size_t>(i)] = GetValue(i);
}

void Group::doWrite(ProgramState& state)
{
    if (readonly) return;
    DevInterface& link = Link(state);
    for (int16_t i = 0; i < size; ++i) link.WriteByte(ByteAddress(i), GetValue(i));
}

void Group::SetAddrVal(ProgramState& state, const std::string& addr, int16_t value)
{
    RequireBytes();
    const int i = TextToInt(addr, 0, "hex") - TextToInt(address, 0, "hex");
    if (i >= 0 && i < size) SetValue(value, static_cast<int16_t>(i));
    ShowRegisterBytes(state);
    if (state.loadOnChange) doWrite(state);
}

void Group::ShowRegisterBytes(ProgramState& state)
{
    EventsSuspended quiet(state);
    for (const auto& field : childFields) field->processChange(state, false, 0, 0, {});
    UpdateGroupControls(state.view);
}

void Group::processChange(ProgramState& state, bool fromControl, int32_t controlType, int32_t index,
                          const std::string& text)
{
    if (!fromControl) {
        BuildValue();
        for (const auto& field : childFields) field->UpdateControls(state.view);
        UpdateGroupControls(state.view);
        if (state.loadOnChange) WriteOnChange(state);
        return;
    }
    if (text.empty()) return;
    {
        EventsSuspended quiet(state);
        const auto record = FindControl(controlType, index);
        if (!record || !TakeControlText(*record, text)) return;
        for (const auto& field : childFields) field->processChange(state, false, 0, 0, {});
        UpdateGroupControls(state.view);
    }
    if (state.loadOnChange) WriteOnChange(state);
}

bool Group::TakeControlText(const ControlRecord& record, const std::string& text)
{
    if (record.controlType == ControlType::ValueBox)
        return SetValueBoxByte(record.bitIndex, text) != GroupWriteResult::Unchanged;
    const bool usesRadix = record.controlType == ControlType::TextBox || record.controlType == ControlType::UpDown;
    const int16_t v = TextToInt(text, -1, usesRadix ? record.radix : "dec");
    if (v == -1 || v < record.min || v > record.max) return true;
    return WriteGroupValue(v) != GroupWriteResult::Unchanged;
}

void Group::WriteOnChange(ProgramState& state)
{
    try {
        doWrite(state);
    } catch (const std::exception&) {
        const std::string device = state.currentDevice ? state.currentDevice->devName : std::string();
        state.dialogs.ShowMessage({"Error Writing values to " + device,
                                   "Unable to communicate with " + device + " to update changed value.\r\n"
                                   "Uncheck 'Load Register On Change' to prevent this error.",
                                   MessageIcon::Exclamation});
    }
}

std::shared_ptr<ControlRecord> Group::FindControl(int32_t controlType, int32_t index) const
{
    return FindControlIn(controls, controlType, index);
}

void Group::UpdateGroupControls(RegisterView& view) const
{
    const int16_t g = GroupValue();
    for (const auto& record : controls) {
        if (record->controlType == ControlType::Scrollbar && controlMode == ControlMode::Parallel)
            view.setRange(WidgetOf(*record), record->min, ParallelScrollMax(*record));
        const int16_t shown = record->controlType == ControlType::ValueBox ? GetValue(record->bitIndex) : g;
        ShowValue(view, ClampValue(shown, record->min, record->max), *record);
    }
}

}  // namespace velk
