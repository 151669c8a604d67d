#include "ControlEditor.h"

#include <algorithm>
#include <cmath>

#include "BandControls.h"
#include "ControlType.h"
#include "Conversions.h"
#include "DefaultColours.h"
#include "EditorMessages.h"
#include "TextCase.h"

namespace velk {
namespace {

constexpr int16_t MaxLeftOrWidth = 2000;

// A box's 16-bit decimal number, or nothing when the text is not one (the
// conversion answers with its fallback, so two different fallbacks tell).
std::optional<int16_t> Decimal16(std::string_view text)
{
    const int16_t number = TextToInt(text, 0, "dec");
    if (number != TextToInt(text, 1, "dec")) return std::nullopt;
    return number;
}

int TypeEntryOf(int32_t code)
{
    for (size_t i = 0; i < ControlTypeEntries.size(); ++i)
        if (ControlTypeEntries[i].code == code) return static_cast<int>(i);
    return 0;
}

int RadixEntryOf(std::string_view radix)
{
    const std::string lower = LowerCase(radix);
    if (lower == "hex") return 1;
    if (lower == "oct") return 2;
    if (lower == "bin") return 3;
    return 0;
}

bool IsListType(int32_t type) { return type == ControlType::Combo || type == ControlType::Display; }

}  // namespace

EnabledItems ItemsEnabledFor(int32_t type)
{
    //      caption font   align  colour radix  max    min    tooltip height minIsZero
    switch (type) {
    case ControlType::Combo: return {false, true, false, true, false, true, false, true, false, true};
    case ControlType::UpDown: return {false, true, true, true, true, true, true, true, true, false};
    case ControlType::Scrollbar: return {false, false, false, false, false, true, true, false, true, true};
    case ControlType::Display: return {false, true, false, true, false, true, false, true, false, true};
    case ControlType::Label: return {true, true, true, true, false, false, false, true, true, false};
    default: return {false, true, true, true, true, true, true, true, true, false};
    }
}

int32_t DefaultForeColour(int32_t type)
{
    return type == ControlType::Label ? DefaultColour::ButtonText : DefaultColour::WindowText;
}

int32_t DefaultBackColour(int32_t type)
{
    return type == ControlType::Label ? DefaultColour::ButtonFace : DefaultColour::WindowBackground;
}

std::string LimitedText(std::string_view text, int16_t low, int16_t high)
{
    const std::optional<int16_t> number = Decimal16(text);
    if (!number) return std::string(text);
    if (*number < low) return std::to_string(low);
    if (*number > high) return std::to_string(high);
    return std::string(text);
}

int16_t PreviewFrameHeight(const Group* group)
{
    return std::max<int16_t>(Band::TopMargin, group ? group->height : 0);
}

ControlEditor::ControlEditor(const ControlRecord& record, const Group* currentGroup)
    : caption(record.caption),
      tooltip(record.tooltip),
      radixEntry(RadixEntryOf(record.radix)),
      justifyEntry(record.justify >= 0 && record.justify <= 2 ? record.justify : 0),
      bold(record.bold),
      italic(record.italic),
      useDefaultColors(!record.colorsSet),
      fg(record.fg),
      bg(record.bg),
      source_(record),
      frameHeight_(PreviewFrameHeight(currentGroup)),
      typeEntry_(TypeEntryOf(record.controlType)),
      texts_{std::to_string(record.X), std::to_string(record.y), std::to_string(record.width),
             std::to_string(record.height), std::to_string(record.max), std::to_string(record.min)}
{
    indexList_.Fill(record, IsListType(record.controlType) ? record.max - record.min + 1 : 1);
    SelectEntry(0);
}

void ControlEditor::Type(Box box, std::string_view text)
{
    switch (box) {
    case Box::X:
    case Box::Width: TextOf(box) = LimitedText(text, 1, MaxLeftOrWidth); break;
    case Box::Y:
    case Box::Height: TextOf(box) = LimitedText(text, 1, frameHeight_); break;
    default:
        TextOf(box) = std::string(text);
        ResizeIndexList();
        break;
    }
}

void ControlEditor::ChooseType(int entry)
{
    typeEntry_ = std::clamp(entry, 0, static_cast<int>(ControlTypeEntries.size()) - 1);
    if (enabled().minIsZero) TextOf(Box::Min) = "0";
    if (IsListType(controlType())) ResizeIndexList();
}

void ControlEditor::ResizeIndexList()
{
    const std::optional<int16_t> high = Decimal16(Text(Box::Max));
    const std::optional<int16_t> low = Decimal16(Text(Box::Min));
    if (!high || !low || *high < *low) return;
    indexList_.Resize(source_, *high - *low + 1);
    if (selectedEntry_ >= indexList_.count()) SelectEntry(0);
}

int16_t ControlEditor::minValue() const { return Decimal16(Text(Box::Min)).value_or(0); }
int16_t ControlEditor::maxValue() const { return Decimal16(Text(Box::Max)).value_or(0); }

int16_t ControlEditor::largeStep() const
{
    const double step = std::floor((maxValue() - minValue()) * 0.2);
    return static_cast<int16_t>(std::clamp(step, 1.0, 4096.0));
}

void ControlEditor::SelectEntry(int i)
{
    if (i < 0 || i >= indexList_.count()) {
        selectedEntry_ = -1;
        return;
    }
    selectedEntry_ = i;
    entryText = indexList_.texts()[static_cast<size_t>(i)];
    entryLook = indexList_.look(i);
}

void ControlEditor::ChangeEntry()
{
    if (selectedEntry_ >= 0) indexList_.Change(selectedEntry_, entryText, entryLook);
}

bool ControlEditor::Ok(UserDialogs& dialogs, ControlRecord& record) const
{
    if (ListTooLong()) {
        dialogs.ShowMessage(IndexListTooLongMessage());
        return false;
    }
    WriteBack(record);
    return true;
}

bool ControlEditor::ListTooLong() const
{
    // The file lists entries 0 .. Max - Min, and an entry number past 32766
    // cannot be read back.
    const std::optional<int16_t> high = Decimal16(Text(Box::Max));
    const std::optional<int16_t> low = Decimal16(Text(Box::Min));
    const int16_t max = high.value_or(source_.max);
    const int16_t min = low.value_or(source_.min);
    return IsListType(controlType()) && max - min + 1 > IndexValueList::MaxCount;
}

void ControlEditor::WriteBack(ControlRecord& record) const
{
    record.bg = bg;
    record.fg = fg;
    record.bold = bold;
    record.italic = italic;
    record.caption = caption;
    record.colorsSet = !useDefaultColors;
    const auto take = [](const std::string& text, int16_t& property) {
        if (const auto number = Decimal16(text)) property = *number;
    };
    take(Text(Box::Height), record.height);
    take(Text(Box::Width), record.width);
    take(Text(Box::X), record.X);
    take(Text(Box::Y), record.y);
    take(Text(Box::Max), record.max);
    take(Text(Box::Min), record.min);
    record.justify = static_cast<int16_t>(justifyEntry);
    record.radix = std::string(RadixEntries[static_cast<size_t>(radixEntry)].substr(0, 3));
    record.tooltip = tooltip;
    record.controlType = controlType();
    indexList_.WriteTo(record);
}

}  // namespace velk
