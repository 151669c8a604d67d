#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ControlRecord.h"
#include "Group.h"
#include "IndexValueList.h"
#include "UserDialogs.h"

namespace velk {

// An entry of the control editor's type list and the code it stands for.
struct ControlTypeEntry {
    std::string_view text;
    int32_t code;
};
inline constexpr std::array<ControlTypeEntry, 6> ControlTypeEntries{{
    {"Text Box", 0}, {"Scrollbar", 3}, {"Display", 4}, {"Combo Box", 1}, {"Label", 9}, {"Up Down", 2}}};
inline constexpr std::array<std::string_view, 4> RadixEntries{"decimal", "hex", "octal", "binary"};
inline constexpr std::array<std::string_view, 3> AlignmentEntries{"Left", "Right", "Center"};

// The items the control editor enables for a control type.
struct EnabledItems {
    bool caption, font, alignment, colours, radix, max, min, tooltip, height;
    bool minIsZero;  // Min is set to "0" when the type is chosen
};
EnabledItems ItemsEnabledFor(int32_t controlType);

// The system colours a control of that type is drawn in without colours of
// its own.
int32_t DefaultForeColour(int32_t controlType);
int32_t DefaultBackColour(int32_t controlType);

// The text a box shows once a number typed into it is held within low..high;
// text that is not a 16-bit decimal number stays as it is.
std::string LimitedText(std::string_view text, int16_t low, int16_t high);

// The height of the control editor's preview frame: the group's height, at
// least one empty band's 50 twips.
int16_t PreviewFrameHeight(const Group* group);

// The control editor's items (Control Editor): filled from a record, changed
// as the user types and chooses, written back by OK.
class ControlEditor {
public:
    ControlEditor(const ControlRecord& record, const Group* currentGroup);

    enum class Box { X, Y, Width, Height, Max, Min };  // in the order of texts_
    // Stores a box's text as the box must show it: X and Width within 1..2000,
    // Y and Height within 1..the preview frame height; a Max or Min change
    // resizes the index list when Max >= Min.
    void Type(Box box, std::string_view text);
    const std::string& Text(Box box) const { return texts_[static_cast<size_t>(box)]; }

    int typeEntry() const { return typeEntry_; }
    int32_t controlType() const { return ControlTypeEntries[static_cast<size_t>(typeEntry_)].code; }
    // Chooses a type: Min is set to "0" where the type wants it, and a list
    // type rebuilds the index list.
    void ChooseType(int entry);
    EnabledItems enabled() const { return ItemsEnabledFor(controlType()); }

    std::string caption;
    std::string tooltip;
    int radixEntry = 0;
    int justifyEntry = 0;
    bool bold = false;
    bool italic = false;
    bool useDefaultColors = false;
    int32_t fg = 0;
    int32_t bg = 0;
    int16_t previewFrameHeight() const { return frameHeight_; }
    // The colours the preview shows: the type's system colours with "Use
    // Default Colors", else the swatches.
    int32_t previewFore() const { return useDefaultColors ? DefaultForeColour(controlType()) : fg; }
    int32_t previewBack() const { return useDefaultColors ? DefaultBackColour(controlType()) : bg; }
    // The numbers in Min and Max (0 when a box does not convert), and the
    // large step of a scroll bar over them.
    int16_t minValue() const;
    int16_t maxValue() const;
    int16_t largeStep() const;

    // The list entries; selecting one loads it into the entry items, "Change"
    // stores them into it.
    const IndexValueList& indexList() const { return indexList_; }
    int selectedEntry() const { return selectedEntry_; }
    void SelectEntry(int i);
    void ChangeEntry();
    std::string entryText;
    IndexLook entryLook;

    // OK: writes every item into the record and answers true, or refuses a
    // list longer than a file can hold with a message and answers false.
    bool Ok(UserDialogs& dialogs, ControlRecord& record) const;

private:
    bool ListTooLong() const;
    void WriteBack(ControlRecord& record) const;
    std::string& TextOf(Box box) { return texts_[static_cast<size_t>(box)]; }
    void ResizeIndexList();

    const ControlRecord& source_;
    int16_t frameHeight_;
    int typeEntry_ = 0;
    std::array<std::string, 6> texts_;  // by Box
    IndexValueList indexList_;
    int selectedEntry_ = -1;
};

}  // namespace velk
