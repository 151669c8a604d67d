#include "XMLReader.h"

#include <algorithm>
#include <cmath>

#include "AttributeValues.h"
#include "BandControls.h"
#include "ControlType.h"
#include "Conversions.h"
#include "DescriptionFormat.h"
#include "ElementAttributes.h"
#include "ElementKind.h"
#include "EventsSuspended.h"
#include "FileError.h"
#include "ModelError.h"
#include "TextCase.h"
#include "Utilities.h"
#include "WidgetRoutines.h"

namespace velk {
namespace fmt = velk::format;
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }
std::string GroupLabel(const Group& group) { return "group " + Quoted(group.groupName); }
std::string FieldLabel(const Field& field) { return "field " + Quoted(field.fieldName); }

[[noreturn]] void Refuse(const std::string& what) { throw FileError(what); }
[[noreturn]] void RefuseRepeatedName(const std::string& element)
{
    Refuse(element + ": the name is used twice in the device (blanks and letter case aside)");
}

std::string_view Attribute(const ElementAttributes& attributes, AttributeName name) { return attributes.Get(name); }

int32_t ControlModeFrom(int16_t code)
{
    if (code == 0) return ControlMode::Parallel;
    return code == 1 ? ControlMode::Series : ControlMode::ReverseSeries;
}

// An attribute's value read with `read`, or `fallback` when the element
// lacks it (what `read` gives for "GANone" as well).
template <class Value, class Read>
Value ValueOr(const ElementAttributes& attributes, AttributeName name, Value fallback, Read read)
{
    const std::optional<std::string_view> text = attributes.Find(name);
    return text ? read(*text) : fallback;
}

bool SharesBits(const Field& a, const Field& b)
{
    return a.byteIndex == b.byteIndex && a.bitIndex < b.bitIndex + b.size && b.bitIndex < a.bitIndex + a.size;
}

// The range a scroll bar or up-down takes from its record, and a scroll
// bar's steps (a twentieth of its largest value a page).
void ShowRange(RegisterView& view, const ControlRecord& record)
{
    const WidgetId id = WidgetOf(record);
    if (record.controlType == ControlType::Scrollbar || record.controlType == ControlType::UpDown)
        view.setRange(id, record.min, record.max);
    if (record.controlType == ControlType::Scrollbar)
        view.setSteps(id, 1, static_cast<int16_t>(std::floor(record.max * 0.05)));
}

}  // namespace

ParseOutcome XMLReader::ParseFile(const std::string& fileName)
{
    openKinds_.clear();  // a parse given up half-way leaves its elements open
    return ReadWithSax(fileName, *this);
}

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
    const ElementKind kind = KindOfElement(localName);
    openKinds_.push_back(kind);
    if (!state_.parseEnabled) return;
    EventsSuspended quiet(state_);
    try {
        attributes_.Read(attributes);
        HandleStart(kind, attributes_);
    } catch (const ModelError& error) {
        Refuse("element " + Quoted(localName) + ": " + error.what());
    }
}

void XMLReader::endElement(const std::string& localName)
{
    // The parser pairs every end with its start.
    const ElementKind kind = openKinds_.empty() ? KindOfElement(localName) : openKinds_.back();
    if (!openKinds_.empty()) openKinds_.pop_back();
    if (kind == ElementKind::Device) {
        // A skip ends with the skipped device's own end tag, not with that of
        // a "device" element inside it.
        if (openKinds_.size() <= skippedDeviceDepth_) state_.parseEnabled = true;
        return;
    }
    if (!state_.parseEnabled) return;
    try {
        if (kind == ElementKind::Group) EndGroup();
        else if (kind == ElementKind::Field) EndField();
        else if (kind == ElementKind::Control) EndControl(false);
        else if (kind == ElementKind::GroupControl) EndControl(true);
    } catch (const ModelError& error) {
        Refuse("element " + Quoted(localName) + ": " + error.what());
    }
}

void XMLReader::HandleStart(ElementKind kind, const ElementAttributes& attributes)
{
    switch (kind) {
    case ElementKind::File: return StartFile(attributes);
    case ElementKind::Device: return StartDevice(attributes);
    case ElementKind::Group: return StartGroup(attributes);
    case ElementKind::Field: return StartField(attributes);
    case ElementKind::Control: return StartControl(attributes, false);
    case ElementKind::GroupControl: return StartControl(attributes, true);
    case ElementKind::Author:
    case ElementKind::Modified:
        if (state_.currentFile)
            (kind == ElementKind::Author ? state_.currentFile->author : state_.currentFile->modified) =
                Attribute(attributes, fmt::Value);
        return;
    case ElementKind::DeviceValues: return ReadDeviceValues(attributes);
    case ElementKind::RegisterVal: return ReadRegisterValue(attributes);
    default: break;
    }
    if (kind == ElementKind::Pos && !state_.currentControl && state_.currentField) return ReadFieldPosition(attributes);
    if (ReadControlChild(kind, attributes)) return;
    ReadFieldChild(kind, attributes);
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
    const std::string name(Attribute(attributes, fmt::Name));
    const int16_t entry = state_.deviceCount;
    if (entry != 0) window_.addDeviceEntry(entry);
    window_.setDeviceEntry(entry, name, true);
    window_.checkDeviceEntry(entry, false);
    state_.deviceCount = Checked16(entry + 1LL, "device count");
    state_.fileDeviceNames.push_back(name);

    // One device is built per load: the first one of the selected name (or
    // the first of the file when none is selected).
    if (deviceBuilt_ || (!state_.selectedDeviceName.empty() && state_.selectedDeviceName != name)) {
        state_.parseEnabled = false;
        skippedDeviceDepth_ = openKinds_.size() - 1;
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
    if (group->size < 0 || group->size > Band::MaxGroupBytes)
        Refuse(GroupLabel(*group) + ": the size " + std::to_string(group->size) +
               " is outside 0 to " + std::to_string(Band::MaxGroupBytes) + " bytes");
    if (!ClaimName(group->RegistryKey())) RefuseRepeatedName(GroupLabel(*group));
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
    const std::string_view range = Attribute(attributes, fmt::Range);
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

bool XMLReader::ReadFieldChild(ElementKind kind, const ElementAttributes& attributes)
{
    Field* field = state_.currentField.get();
    if (!field) return false;
    switch (kind) {
    case ElementKind::DefaultValue:
        field->defaultValue = RadixValue(Attribute(attributes, fmt::Value), Attribute(attributes, fmt::Radix), 0);
        field->value = field->defaultValue;
        return true;
    case ElementKind::NameFg: field->fg = ColourValue(Attribute(attributes, fmt::Value)); return true;
    case ElementKind::NameBg: field->bg = ColourValue(Attribute(attributes, fmt::Value)); return true;
    case ElementKind::NameBold: field->bold = true; return true;
    case ElementKind::NameItalic: field->italic = true; return true;
    case ElementKind::Inhouse:
        field->inhouse = true;
        field->Reserved = true;
        return true;
    case ElementKind::Reserved: field->Reserved = true; return true;
    default: return false;
    }
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
    // A control without "min" or "max" ranges over the field's values all the same.
    ShowRange(state_.view, *record);
    state_.currentControl = record;
}

bool XMLReader::ReadControlChild(ElementKind kind, const ElementAttributes& attributes)
{
    ControlRecord* record = state_.currentControl.get();
    if (!record) return false;
    RegisterView& view = state_.view;
    const WidgetId id = WidgetOf(*record);
    const std::string_view value = Attribute(attributes, fmt::Value);
    switch (kind) {
    case ElementKind::Caption:
        record->caption = value;
        if (record->controlType == ControlType::Label) view.setText(id, record->caption);
        break;
    case ElementKind::Max:
    case ElementKind::Min:
        (kind == ElementKind::Max ? record->max : record->min) =
            DecimalValue(value, kind == ElementKind::Max ? fmt::FallbackMax : fmt::FallbackMin);
        ShowRange(view, *record);
        break;
    case ElementKind::Pos:
        record->X = DecimalValue(Attribute(attributes, fmt::X), 0);
        record->y = DecimalValue(Attribute(attributes, fmt::Y), 0);
        MoveControl(view, record->X, record->y, false, *record);
        break;
    case ElementKind::Fg:
    case ElementKind::Bg: {
        const int32_t colour = ColourValue(value);
        (kind == ElementKind::Fg ? record->fg : record->bg) = colour;
        record->colorsSet = true;
        kind == ElementKind::Fg ? SetForeColor(view, Hex32(colour), *record) : SetBackColor(view, Hex32(colour), *record);
        break;
    }
    case ElementKind::Radix: record->radix = value; break;
    case ElementKind::Height:
        record->height = DecimalValue(value, fmt::FallbackHeight);
        SetHeight(view, record->height, *record);
        break;
    case ElementKind::Width:
        record->width = DecimalValue(value, fmt::FallbackWidth);
        SetWidth(view, record->width, *record);
        break;
    case ElementKind::Bold:
        record->bold = true;
        SetBold(view, *record, true);
        break;
    case ElementKind::Italics:
        record->italic = true;
        SetItalic(view, *record, true);
        break;
    case ElementKind::Justify:
        record->justify = DecimalValue(value, 0);
        SetJustify(view, *record);
        break;
    case ElementKind::Tooltip:
        record->tooltip = value;
        SetToolTip(view, *record);
        break;
    case ElementKind::IndexValue: ReadIndexValue(attributes); break;
    default: return false;
    }
    return true;
}

void XMLReader::ReadIndexValue(const ElementAttributes& attributes)
{
    ControlRecord& record = *state_.currentControl;
    const int16_t index = DecimalValue(Attribute(attributes, fmt::Index), 0);
    if (record.controlType == ControlType::Combo || record.controlType == ControlType::Display) {
        const int16_t listed = record.indexCount();
        record.setIndexValue(index, std::string(Attribute(attributes, fmt::Value)));
        // Entries normally come in order and are appended; after one out of
        // order the list is filled again once, when the control ends.
        if (index == listed && !listOutOfOrder_)
            state_.view.addListItem(WidgetOf(record), record.indexValues(index));
        else
            listOutOfOrder_ = true;
    }
    // Most entries give only an index and a value: the rest take their fallbacks without being parsed.
    record.setIndexBG(index, ValueOr(attributes, fmt::Bg, 0, ColourValue));
    record.setIndexFG(index, ValueOr(attributes, fmt::Fg, 0, ColourValue));
    const auto flag = [](std::string_view text) { return BooleanValue(text, false); };
    record.setIndexBold(index, ValueOr(attributes, fmt::Bold, false, flag));
    record.setIndexItalic(index, ValueOr(attributes, fmt::Italic, false, flag));
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
    const std::string address(Attribute(attributes, fmt::Addr));
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
    if (!ClaimName(field->RegistryKey())) RefuseRepeatedName(FieldLabel(*field));
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

bool XMLReader::ClaimName(const std::string& key) { return namesInUse_.Insert(LowerCase(key)); }

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
