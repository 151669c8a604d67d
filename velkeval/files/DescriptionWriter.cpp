#include "DescriptionWriter.h"

#include "ControlType.h"
#include "Conversions.h"
#include "DescriptionFormat.h"

namespace velk {

namespace {

const char* BooleanText(bool value) { return value ? "True" : "False"; }

void WriteValueRow(XmlLines& out, int depth, const char* element, int64_t value)
{
    out.Open(depth, element).Attribute(format::Value, value).EndEmpty();
}

void WriteColourRow(XmlLines& out, int depth, const char* element, int32_t colour)
{
    out.Open(depth, element).Attribute(format::Value, Hex32(colour)).EndEmpty();
}

void WriteFlagRow(XmlLines& out, int depth, const char* element, bool flag)
{
    if (flag) out.Open(depth, element).EndEmpty();
}

void WriteUserControls(XmlLines& out, const ControlRecCollection& controls, int depth)
{
    for (const auto& control : controls)
        if (control->isUserControl) WriteControl(out, *control, depth);
}

// One "indexvalue" row per list entry from 0 to max - min.
void WriteIndexValues(XmlLines& out, const ControlRecord& control, int depth)
{
    const int last = control.max - control.min;
    for (int i = 0; i <= last; ++i) {
        const auto entry = static_cast<int16_t>(i);
        out.Open(depth, format::IndexValue)
            .Attribute(format::Index, i)
            .Attribute(format::Value, control.indexValues(entry));
        if (control.indexBold(entry)) out.Attribute(format::Bold, "true");
        if (control.indexItalic(entry)) out.Attribute(format::Italic, "true");
        if (control.indexFG(entry) != control.indexBG(entry))
            out.Attribute(format::Fg, Hex32(control.indexFG(entry))).Attribute(format::Bg, Hex32(control.indexBG(entry)));
        out.EndEmpty();
    }
}

}  // namespace

void WriteHeader(XmlLines& out, const FileRecord& file, const std::string& today)
{
    out.Open(0, format::File).Attribute(format::Title, file.title).EndStartTag();
    out.Open(1, format::Author).Attribute(format::Value, file.author).EndEmpty();
    out.Open(1, format::Modified).Attribute(format::Value, today).EndEmpty();
}

void WriteDevice(XmlLines& out, const DeviceRecord& device, const GroupCollection& groups)
{
    out.Open(1, format::Device).Attribute(format::Addr, device.address).Attribute(format::Name, device.devName).EndStartTag();
    for (const auto& group : groups) WriteGroup(out, *group, 2);
    out.Close(1, format::Device);
}

void WriteGroup(XmlLines& out, const Group& group, int depth)
{
    out.Open(depth, format::GroupElement)
        .Attribute(format::Name, group.groupName)
        .Attribute(format::Size, group.size)
        .Attribute(format::Addr, group.address)
        .Attribute(format::Readonly, BooleanText(group.readonly))
        .Attribute(format::ControlModeAttribute, group.controlMode)
        .EndStartTag();
    for (const auto& field : group.childFields) WriteField(out, *field, depth + 1);
    WriteUserControls(out, group.controls, depth + 1);
    out.Close(depth, format::GroupElement);
}

void WriteField(XmlLines& out, const Field& field, int depth)
{
    const int row = depth + 1;
    out.Open(depth, format::FieldElement).Attribute(format::Name, field.fieldName).EndStartTag();
    out.Open(row, format::Pos)
        .Attribute(format::Byte, field.byteIndex)
        .Attribute(format::Range, std::to_string(field.bitIndex + field.size - 1) + ":" + std::to_string(field.bitIndex))
        .EndEmptySpaced();
    out.Open(row, format::DefaultValue)
        .Attribute(format::Radix, format::StartingRadix)
        .Attribute(format::Value, field.defaultValue)
        .EndEmpty();
    WriteColourRow(out, row, format::NameFg, field.fg);
    WriteColourRow(out, row, format::NameBg, field.bg);
    WriteFlagRow(out, row, format::NameBold, field.bold);
    WriteFlagRow(out, row, format::NameItalic, field.italic);
    WriteFlagRow(out, row, format::Inhouse, field.inhouse);
    WriteFlagRow(out, row, format::ReservedElement, field.Reserved);
    WriteUserControls(out, field.controls, row);
    out.Close(depth, format::FieldElement);
}

void WriteControl(XmlLines& out, const ControlRecord& control, int depth)
{
    const int row = depth + 1;
    const int32_t type = control.controlType;
    const char* element = control.isGroup ? format::GroupControl : format::Control;
    out.Open(depth, element).Attribute(format::Type, ControlTypeName(type)).EndStartTag();
    if (type == ControlType::Label)
        out.Open(row, format::Caption).Attribute(format::Value, control.caption, Escaping::MarkupAndGreater).EndEmpty();
    WriteValueRow(out, row, format::Max, control.max);
    WriteValueRow(out, row, format::Min, control.min);
    out.Open(row, format::Pos).Attribute(format::X, control.X).Attribute(format::Y, control.y).EndEmpty();
    if (control.colorsSet && type != ControlType::Scrollbar) {
        WriteColourRow(out, row, format::Fg, control.fg);
        WriteColourRow(out, row, format::Bg, control.bg);
    }
    if (!control.radix.empty()) out.Open(row, format::Radix).Attribute(format::Value, control.radix).EndEmpty();
    if (type != ControlType::Combo) WriteValueRow(out, row, format::Height, control.height);
    WriteValueRow(out, row, format::Width, control.width);
    WriteFlagRow(out, row, format::Bold, control.bold);
    WriteFlagRow(out, row, format::Italics, control.italic);
    WriteValueRow(out, row, format::Justify, control.justify);
    if (type != ControlType::Scrollbar)
        out.Open(row, format::Tooltip).Attribute(format::Value, control.tooltip).EndEmpty();
    if (type == ControlType::Combo || type == ControlType::Display) WriteIndexValues(out, control, row);
    out.Close(depth, element);
}

}  // namespace velk
