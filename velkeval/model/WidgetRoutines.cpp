#include "WidgetRoutines.h"

#include <cmath>

#include "ControlType.h"
#include "Conversions.h"
#include "ModelError.h"

namespace velk {

void CreateControlView(RegisterView& view, ControlRecord& record, const std::string& key, int16_t page)
{
    page = view.ResolvePage(page);
    record.Index = view.AddControl(record.controlType, record.isGroup, key, page);
    SetContainer(view, record, page);
    if (record.colorsSet) {
        SetBackColor(view, Hex32(record.bg), record);
        SetForeColor(view, Hex32(record.fg), record);
    }
    if (record.bold) SetBold(view, record, true);
    if (record.italic) SetItalic(view, record, true);
    SetHeight(view, record.height, record);
    SetWidth(view, record.width, record);
    MoveControl(view, record.X, record.y, false, record);

    const WidgetId id = WidgetOf(record);
    switch (record.controlType) {
    case ControlType::Combo:
    case ControlType::Display: {
        const int16_t last = Checked16(record.max - record.min, "list item count");
        for (int v = 0; v <= last; ++v) view.addListItem(id, record.indexValues(static_cast<int16_t>(v)));
        break;
    }
    case ControlType::Label:
        view.setText(id, record.caption);
        break;
    default: break;
    }
    SetJustify(view, record);
    if (record.controlType == ControlType::Scrollbar) {
        view.setRange(id, record.min, record.max);
        view.setSteps(id, 1, static_cast<int16_t>(std::floor(record.max * 0.2)));
    } else if (record.controlType == ControlType::UpDown) {
        view.setRange(id, record.min, record.max);
    }
    SetToolTip(view, record);
}

void RemoveControlView(RegisterView& view, const ControlRecord& record)
{
    const WidgetId id = WidgetOf(record);
    if (id.index != 0) {
        view.unloadElement(id);
        return;
    }
    view.setVisible(id, false);
    view.setTag(id, {});
}

void MoveControl(RegisterView& view, int16_t dx, int16_t dy, bool relative, const ControlRecord& record)
{
    const WidgetId id = WidgetOf(record);
    if (!relative) {
        view.move(id, dx, dy);
        return;
    }
    view.move(id, Checked16(static_cast<long long>(view.left(id)) + dx, "MoveControl"),
              Checked16(static_cast<long long>(view.top(id)) + dy, "MoveControl"));
}

void MoveControl(const ProgramState& state, int16_t dx, int16_t dy, bool relative)
{
    if (!state.currentControl) throw ModelError("MoveControl: there is no current control");
    MoveControl(state.view, dx, dy, relative, *state.currentControl);
}

void SetContainer(RegisterView& view, const ControlRecord& record, int16_t page) { view.setPage(WidgetOf(record), page); }

void SetVisible(RegisterView& view, const ControlRecord& record, bool visible)
{
    view.setVisible(WidgetOf(record), visible);
}

void SetWidth(RegisterView& view, int16_t width, const ControlRecord& record) { view.setWidth(WidgetOf(record), width); }

void SetHeight(RegisterView& view, int16_t height, const ControlRecord& record)
{
    view.setHeight(WidgetOf(record), height);
}

void SetBold(RegisterView& view, const ControlRecord& record, bool bold) { view.setBold(WidgetOf(record), bold); }

void SetItalic(RegisterView& view, const ControlRecord& record, bool italic)
{
    view.setItalic(WidgetOf(record), italic);
}

void SetToolTip(RegisterView& view, const ControlRecord& record) { view.setToolTip(WidgetOf(record), record.tooltip); }

void SetJustify(RegisterView& view, const ControlRecord& record) { view.setJustify(WidgetOf(record), record.justify); }

void SetForeColor(RegisterView& view, std::string_view colourText, const ControlRecord& record)
{
    if (const auto colour = HexToLong(colourText)) view.setForeColor(WidgetOf(record), *colour);
}

void SetBackColor(RegisterView& view, std::string_view colourText, const ControlRecord& record)
{
    if (const auto colour = HexToLong(colourText)) view.setBackColor(WidgetOf(record), *colour);
}

namespace {

// Combo and Display widgets take the style of the value they show: its own
// entry when it has distinct colours, else the record's colours.
void ShowListStyle(RegisterView& view, int16_t value, const ControlRecord& record)
{
    SetBold(view, record, record.indexBold(value) || record.bold);
    SetItalic(view, record, record.indexItalic(value) || record.italic);
    if (record.indexFG(value) == record.indexBG(value)) {
        SetForeColor(view, record.colorsSet ? Hex32(record.fg) : SystemWindowTextColour, record);
        SetBackColor(view, record.colorsSet ? Hex32(record.bg) : SystemWindowColour, record);
    } else {
        SetForeColor(view, Hex32(record.indexFG(value)), record);
        SetBackColor(view, Hex32(record.indexBG(value)), record);
    }
}

}  // namespace

void ShowValue(RegisterView& view, int16_t value, const ControlRecord& record)
{
    const WidgetId id = WidgetOf(record);
    switch (record.controlType) {
    case ControlType::TextBox:
    case ControlType::ValueBox:
        view.setText(id, ValueToText(value, record.radix));
        break;
    case ControlType::UpDown:
        view.setText(id, ValueToText(value, record.radix));
        view.setValue(id, value);
        break;
    case ControlType::Combo:
    case ControlType::Display:
        view.setValue(id, value);
        ShowListStyle(view, value, record);
        break;
    case ControlType::Scrollbar:
        view.setValue(id, value);
        break;
    case ControlType::Bit:
    case ControlType::RdOnlyBit:
        view.setText(id, GetBit(value, record.bitIndex) == 1 ? "1" : "0");
        break;
    default: break;  // DummyBit, Label and Line show no value
    }
}

}  // namespace velk
