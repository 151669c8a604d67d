#include "XMLReader.h"

#include <algorithm>
#include <cmath>

#include "AttributeValues.h"
#include "BandControls.h"
#include "ControlType.h"
#include "Conversions.h"
#include "DescriptionFormat.h"
#include "ElementAttributes.h"
#include "EventsSuspended.h"
#include "FileError.h"
#include "ModelError.h"
#include "TextCase.h"
#include "Utilities.h"
#include "WidgetRoutines.h"

namespace velk {
namespace fmt = velk::format;
namespace {

// The most bytes a register may have: its band must fit the 16-bit layout
// even when every byte takes a row of its own.
constexpr int16_t MaxGroupBytes = (INT16_MAX - Band::TopMargin) / Band::RowHeight;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }
std::string GroupLabel(const Group& group) { return "group " + Quoted(group.groupName); }
std::string FieldLabel(const Field& field) { return "field " + Quoted(field.fieldName); }

[[noreturn]] void Refuse(const std::string& what) { throw FileError(what); }

const std::string& Attribute(const ElementAttributes& attributes, const char* name) { return attributes.Get(name); }

int32_t ControlModeFrom(int16_t code)
{
    if (code == 0) return ControlMode::Parallel;
    return code == 1 ? ControlMode::Series : ControlMode::ReverseSeries;
}

bool SharesBits(const Field& a, const Field& b)
{
    return a.byteIndex == b.byteIndex && a.bitIndex < b.bitIndex + b.size && b.bitIndex < a.bitIndex + a.size;
}

}  // namespace

ParseOutcome XMLReader::ParseFile(const std::string& fileName) { return ReadWithSax(fileName, *this); }

std::optional<std::string> XMLReader::ReadOrDescribeFailure(const std::string& kind, const std::string& fileName)
{
    const std::string file = kind + " " + Quoted(fileName);
    std::optional<std::string> failure;
    try {
        const ParseOutcome outcome = ParseFile(fileName);
        if (outcome.ok) return std::nullopt;
        // A few parser errors (the input ending inside a tag, say) carry no text.
        const std::string reason = outcome.lastError.empty() ? "the file is not well-formed" : outcome.lastError;
        failure = file + " cannot be read: " + reason + " (line " + std::to_string(outcome.line) + ", column " +
                  std::to_string(outcome.column) + ")";
    } catch (const FileError& error) {
        failure = file + " cannot be loaded: " + error.what();
    } catch (const ModelError& error) {
        failure = file + " cannot be loaded: " + error.what();
    }
    DiscardUnfinished();
    state_.parseEnabled = true;
    return failure;
}

void XMLReader::startElement(const std::string& localName, const AttributeList& attributes)
{
    if (!state_.parseEnabled) return;
    EventsSuspended quiet(state_);
    try {
        HandleStart(localName, ElementAttributes(attributes));
    } catch (const ModelError& error) {
        Refuse("element " + Quoted(localName) + ": " + error.what());
    }
}

void XMLReader::endElement(const std::string& localName)
{
    if (localName == fmt::Device) {
        state_.parseEnabled = true;
        return;
    }
    if (!state_.parseEnabled) return;
    try {
        if (localName == fmt::GroupElement) EndGroup();
        else if (localName == fmt::FieldElement) EndField();
        else if (localName == fmt::Control) EndControl(false);
        else if (localName == fmt::GroupControl) EndControl(true);
    } catch (const ModelError& error) {
        Refuse("element " + Quoted(localName) + ": " + error.what());
    }
}

void XMLReader::HandleStart(const std::string& name, const ElementAttributes& attributes)
{
    if (name == fmt::File) return StartFile(attributes);
    if (name == fmt::Device) return StartDevice(attributes);
    if (name == fmt::GroupElement) return StartGroup(attributes);
    if (name == fmt::FieldElement) return StartField(attributes);
    if (name == fmt::Control) return StartControl(attributes, false);
    if (name == fmt::GroupControl) return StartControl(attributes, true);
    if (name == fmt::Pos && !state_.currentControl && state_.currentField) return ReadFieldPosition(attributes);
    if (name == fmt::Author || name == fmt::Modified) {
        if (!state_.currentFile) return;
        (name == fmt::Author ? state_.currentFile->author : state_.currentFile->modified) =
            Attribute(attributes, fmt::Value);
        return;
    }
    if (name == fmt::DeviceValues) return ReadDeviceValues(attributes);
    if (name == fmt::RegisterVal) return ReadRegisterValue(attributes);
    if (ReadControlChild(name, attributes)) return;
    ReadFieldChild(name, attributes);
}

void XMLReader::StartFile(const ElementAttributes& attributes)
{
    state_.currentFile = std::make_shared<FileRecord>();
    state_.currentFile->title = Attribute(attributes, fmt::Title);
    window_.setCaption(state_.currentFile->title);
}

void XMLReader::StartDevice(const ElementAttributes& attributes)
{
    RequireClosed(fmt::Device, true, true, true);
    const std::string name = Attribute(attributes, fmt::Name);
    const int16_t entry = state_.deviceCount;
    if (entry != 0) window_.addDeviceEntry(entry);
    window_.setDeviceEntry(entry, name, true);
    window_.checkDeviceEntry(entry, false);
    state_.deviceCount = Checked16(entry + 1LL, "device count");

    // One device is built per load: the first one of the selected name (or
    // the first of the file when none is selected).
    if (deviceBuilt_ || (!state_.selectedDeviceName.empty() && state_.selectedDeviceName != name)) {
        state_.parseEnabled = false;
        return;
    }
    deviceBuilt_ = true;
    window_.checkDeviceEntry(entry, true);
    state_.selectedDeviceName = name;
    auto device = std::make_shared<DeviceRecord>();
    device->devName = name;
    device->address = LowerCase(Attribute(attributes, fmt::Addr));
    device->currAddress = device->address;
    std::replace(device->currAddress.begin(), device->currAddress.end(), 'x', '0');
    state_.currentDevice = device;
    window_.BuildAddress();
    window_.setCaption(window_.caption() + " - " + name);
}

void XMLReader::StartGroup(const ElementAttributes& attributes)
{
    RequireClosed(fmt::GroupElement, true, true, true);
    auto group = std::make_shared<Group>();
    group->groupName = Attribute(attributes, fmt::Name);
    group->size = DecimalValue(Attribute(attributes, fmt::Size), 0);
    group->address = Attribute(attributes, fmt::Addr);
    group->readonly = BooleanValue(Attribute(attributes, fmt::Readonly), false);
    group->controlMode = ControlModeFrom(DecimalValue(Attribute(attributes, fmt::ControlModeAttribute), 0));
    if (group->size < 0 || group->size > MaxGroupBytes)
        Refuse(GroupLabel(*group) + ": the size " + std::to_string(group->size) +
               " is outside 0 to " + std::to_string(MaxGroupBytes) + " bytes");
    ClaimName(group->RegistryKey(), GroupLabel(*group));
    state_.currentGroup = group;
}

void XMLReader::StartField(const ElementAttributes& attributes)
{
    RequireClosed(fmt::FieldElement, false, true, true);
    auto field = std::make_shared<Field>();
    field->fieldName = Attribute(attributes, fmt::Name);
    state_.currentField = field;
}

void XMLReader::ReadFieldPosition(const ElementAttributes& attributes)
{
    Field& field = *state_.currentField;
    field.byteIndex = DecimalValue(Attribute(attributes, fmt::Byte), 0);
    int16_t high = fmt::FallbackRangeHigh;
    int16_t low = fmt::FallbackRangeLow;
    const std::string& range = Attribute(attributes, fmt::Range);
    if (range != fmt::NoText) {
        const size_t colon = range.find(':');
        if (colon == std::string::npos)
            Refuse("the \"pos\" of " + FieldLabel(field) + ": the range " + Quoted(range) + " has no colon");
        high = DecimalValue(range.substr(0, colon), fmt::FallbackRangeHigh);
        low = DecimalValue(range.substr(colon + 1), fmt::FallbackRangeLow);
    }
    if (low < 0 || high < low || high > 7)
        Refuse("the \"pos\" of " + FieldLabel(field) + ": the bits " + std::to_string(high) + ":" +
               std::to_string(low) + " are not a range of bits 7 to 0 written high:low");
    if (field.byteIndex < 0)
        Refuse("the \"pos\" of " + FieldLabel(field) + ": the byte " + std::to_string(field.byteIndex) +
               " is negative");
    field.bitIndex = low;
    field.size = static_cast<int16_t>(high - low + 1);
}

bool XMLReader::ReadFieldChild(const std::string& name, const ElementAttributes& attributes)
{
    Field* field = state_.currentField.get();
    if (!field) return false;
    if (name == fmt::DefaultValue) {
        field->defaultValue = RadixValue(Attribute(attributes, fmt::Value), Attribute(attributes, fmt::Radix), 0);
        field->value = field->defaultValue;
    } else if (name == fmt::NameFg) {
        field->fg = ColourValue(Attribute(attributes, fmt::Value));
    } else if (name == fmt::NameBg) {
        field->bg = ColourValue(Attribute(attributes, fmt::Value));
    } else if (name == fmt::NameBold) {
        field->bold = true;
    } else if (name == fmt::NameItalic) {
        field->italic = true;
    } else if (name == fmt::Inhouse) {
        field->inhouse = true;
        field->Reserved = true;
    } else if (name == fmt::ReservedElement) {
        field->Reserved = true;
    } else {
        return false;
    }
    return true;
}

void XMLReader::StartControl(const ElementAttributes& attributes, bool isGroup)
{
    RequireClosed(isGroup ? fmt::GroupControl : fmt::Control, false, false, true);
    // A control outside its field or group would have no owner to keep it.
    if (isGroup ? !state_.currentGroup : !state_.currentField) return;
    auto record = std::make_shared<ControlRecord>();
    record->controlType = ControlTypeFromName(Attribute(attributes, fmt::Type));
    record->isGroup = isGroup;
    record->isUserControl = true;
    record->radix = fmt::StartingRadix;
    record->min = 0;
    if (isGroup) {
        record->max = 1;
    } else {
        // At most 8 bits: a wider "pos" is refused when it is read.
        record->max = static_cast<int16_t>((1 << state_.currentField->size) - 1);
    }
    const std::string key = isGroup ? state_.currentGroup->RegistryKey() : state_.currentField->RegistryKey();
    record->Index = state_.view.AddControl(record->controlType, isGroup, key, -1);
    state_.currentControl = record;
}

bool XMLReader::ReadControlChild(const std::string& name, const ElementAttributes& attributes)
{
    ControlRecord* record = state_.currentControl.get();
    if (!record) return false;
    RegisterView& view = state_.view;
    const WidgetId id = WidgetOf(*record);
    const std::string& value = Attribute(attributes, fmt::Value);
    if (name == fmt::Caption) {
        record->caption = value;
        if (record->controlType == ControlType::Label) view.setText(id, value);
    } else if (name == fmt::Max || name == fmt::Min) {
        (name == fmt::Max ? record->max : record->min) =
            DecimalValue(value, name == fmt::Max ? fmt::FallbackMax : fmt::FallbackMin);
        if (record->controlType == ControlType::Scrollbar || record->controlType == ControlType::UpDown)
            view.setRange(id, record->min, record->max);
        if (record->controlType == ControlType::Scrollbar)
            view.setSteps(id, 1, static_cast<int16_t>(std::floor(record->max * 0.05)));
    } else if (name == fmt::Pos) {
        record->X = DecimalValue(Attribute(attributes, fmt::X), 0);
        record->y = DecimalValue(Attribute(attributes, fmt::Y), 0);
        MoveControl(view, record->X, record->y, false, *record);
    } else if (name == fmt::Fg || name == fmt::Bg) {
        const int32_t colour = ColourValue(value);
        (name == fmt::Fg ? record->fg : record->bg) = colour;
        record->colorsSet = true;
        name == fmt::Fg ? SetForeColor(view, Hex32(colour), *record) : SetBackColor(view, Hex32(colour), *record);
    } else if (name == fmt::Radix) {
        record->radix = value;
    } else if (name == fmt::Height) {
        record->height = DecimalValue(value, fmt::FallbackHeight);
        SetHeight(view, record->height, *record);
    } else if (name == fmt::Width) {
        record->width = DecimalValue(value, fmt::FallbackWidth);
        SetWidth(view, record->width, *record);
    } else if (name == fmt::Bold) {
        record->bold = true;
        SetBold(view, *record, true);
    } else if (name == fmt::Italics || name == fmt::Italic) {
        record->italic = true;
        SetItalic(view, *record, true);
    } else if (name == fmt::Justify) {
        record->justify = DecimalValue(value, 0);
        SetJustify(view, *record);
    } else if (name == fmt::Tooltip) {
        record->tooltip = value;
        SetToolTip(view, *record);
    } else if (name == fmt::IndexValue) {
        ReadIndexValue(attributes);
    } else {
        return false;
    }
    return true;
}

void XMLReader::ReadIndexValue(const ElementAttributes& attributes)
{
    ControlRecord& record = *state_.currentControl;
    const int16_t index = DecimalValue(Attribute(attributes, fmt::Index), 0);
    if (record.controlType == ControlType::Combo || record.controlType == ControlType::Display) {
        const int16_t listed = record.indexCount();
        record.setIndexValue(index, Attribute(attributes, fmt::Value));
        // Entries normally come in order and are appended; after one out of
        // order the list is filled again once, when the control ends.
        if (index == listed && !listOutOfOrder_)
            state_.view.addListItem(WidgetOf(record), record.indexValues(index));
        else
            listOutOfOrder_ = true;
    }
    record.setIndexBG(index, ColourValue(Attribute(attributes, fmt::Bg)));
    record.setIndexFG(index, ColourValue(Attribute(attributes, fmt::Fg)));
    record.setIndexBold(index, BooleanValue(Attribute(attributes, fmt::Bold), false));
    record.setIndexItalic(index, BooleanValue(Attribute(attributes, fmt::Italic), false));
}

void XMLReader::ReadDeviceValues(const ElementAttributes& attributes)
{
    if (!state_.currentDevice) return;
    if (LowerCase(Attribute(attributes, fmt::Name)) == LowerCase(state_.currentDevice->devName))
        state_.valuesFileMatch = true;
}

void XMLReader::ReadRegisterValue(const ElementAttributes& attributes)
{
    if (!state_.currentDevice) return;
    const std::string& address = Attribute(attributes, fmt::Addr);
    if (const auto group = FindGroupByAddress(state_.allGroups, address))
        group->SetAddrVal(state_, address, DecimalValue(Attribute(attributes, fmt::Value), 0));
}

void XMLReader::EndGroup()
{
    const auto group = state_.currentGroup;
    if (!group) return;
    const bool kept = std::any_of(group->childFields.begin(), group->childFields.end(),
                                  [](const auto& field) { return !field->inhouse; });
    if (!kept) {
        // Its group controls already have widgets; nothing else owns them.
        group->Destroy(state_.view);
        state_.currentGroup = nullptr;
        return;
    }
    try {
        group->Initialize(state_, false);
    } catch (const ModelError& error) {
        Refuse(GroupLabel(*group) + ": " + error.what());
    }
    state_.allGroups.Add(group, group->groupName);
    state_.nameRegistry.Add(group, group->RegistryKey());
    for (const auto& field : group->childFields) state_.nameRegistry.Add(field, field->RegistryKey());
    state_.currentGroup = nullptr;
}

void XMLReader::EndField()
{
    const auto field = state_.currentField;
    if (!field) return;
    const auto group = state_.currentGroup;
    if (!group) {
        // A field outside a group belongs nowhere: drop it with its widgets.
        field->Destroy(state_.view);
        state_.currentField = nullptr;
        return;
    }
    if (field->size < 1) Refuse(FieldLabel(*field) + ": it has no bits (its \"pos\" is missing)");
    if (field->byteIndex >= group->size)
        Refuse(FieldLabel(*field) + ": the byte " + std::to_string(field->byteIndex) + " is not inside the " +
               std::to_string(group->size) + " bytes of " + GroupLabel(*group));
    for (const auto& other : group->childFields)
        if (SharesBits(*field, *other))
            Refuse(FieldLabel(*field) + ": it shares bits of byte " + std::to_string(field->byteIndex) + " with " +
                   FieldLabel(*other));
    ClaimName(field->RegistryKey(), FieldLabel(*field));
    field->parent = group;
    field->sequence = SequenceOf(field->byteIndex, field->bitIndex);
    group->childFields.Add(field, SequenceKey(field->sequence));
    state_.currentField = nullptr;
}

void XMLReader::EndControl(bool isGroup)
{
    const auto record = state_.currentControl;
    if (!record) return;
    if (record->isGroup != isGroup) return;
    if (listOutOfOrder_) {
        const WidgetId id = WidgetOf(*record);
        state_.view.clearList(id);
        for (int16_t i = 0; i < record->indexCount(); ++i) state_.view.addListItem(id, record->indexValues(i));
        listOutOfOrder_ = false;
    }
    if (isGroup) {
        state_.currentGroup->controls.Add(record);
    } else if (state_.currentField->Reserved) {
        RemoveControlView(state_.view, *record);
    } else {
        state_.currentField->controls.Add(record);
    }
    state_.currentControl = nullptr;
}

void XMLReader::ClaimName(const std::string& key, const std::string& element)
{
    if (!namesInUse_.insert(LowerCase(key)).second)
        Refuse(element + ": the name is used twice in the device (blanks and letter case aside)");
}

void XMLReader::RequireClosed(const std::string& element, bool group, bool field, bool control) const
{
    std::string open;
    if (control && state_.currentControl) open = "a control";
    else if (field && state_.currentField) open = FieldLabel(*state_.currentField);
    else if (group && state_.currentGroup) open = GroupLabel(*state_.currentGroup);
    if (!open.empty()) Refuse("a " + Quoted(element) + " element cannot start inside " + open);
}

void XMLReader::DiscardUnfinished()
{
    RegisterView& view = state_.view;
    if (state_.currentControl) RemoveControlView(view, *state_.currentControl);
    if (state_.currentField) state_.currentField->Destroy(view);
    if (state_.currentGroup) state_.currentGroup->Destroy(view);
    state_.currentControl = nullptr;
    state_.currentField = nullptr;
    state_.currentGroup = nullptr;
}

}  // namespace velk
