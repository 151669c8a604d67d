#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ControlRecord.h"
#include "ProgramState.h"
#include "RegisterView.h"

namespace velk {

// The routines through which the model creates, places, styles, fills and
// removes the widget a ControlRecord describes (the element Index of its
// type's array, group variant when isGroup). Lengths are twips.

// System colours as colour texts: window text and window background.
inline constexpr const char* SystemWindowTextColour = "80000008";
inline constexpr const char* SystemWindowColour = "80000005";

// Creates the record's widget under key on page, stores its element index
// in Index, and applies the record's page, colours, font, size, position,
// list items, caption, alignment, range and tool-tip, in that order.
void CreateControlView(RegisterView& view, ControlRecord& record, const std::string& key, int16_t page);

// Unloads the record's widget. Element 0 is the array's template and is never
// unloaded: it is hidden and loses its tag instead, so that nothing stale
// stays on screen.
void RemoveControlView(RegisterView& view, const ControlRecord& record);

// relative: moves the widget by (dx, dy); otherwise puts it at (dx, dy).
// Without a record it moves the currentControl's widget (an error when none).
void MoveControl(RegisterView& view, int16_t dx, int16_t dy, bool relative, const ControlRecord& record);
void MoveControl(const ProgramState& state, int16_t dx, int16_t dy, bool relative);

void SetContainer(RegisterView& view, const ControlRecord& record, int16_t page);
void SetVisible(RegisterView& view, const ControlRecord& record, bool visible);
void SetWidth(RegisterView& view, int16_t width, const ControlRecord& record);
void SetHeight(RegisterView& view, int16_t height, const ControlRecord& record);
void SetBold(RegisterView& view, const ControlRecord& record, bool bold);
void SetItalic(RegisterView& view, const ControlRecord& record, bool italic);
void SetToolTip(RegisterView& view, const ControlRecord& record);
void SetJustify(RegisterView& view, const ControlRecord& record);

// Colour texts are hexadecimal digits ("80000008" names a system colour);
// a text that is not hexadecimal leaves the colour as it is.
void SetForeColor(RegisterView& view, std::string_view colourText, const ControlRecord& record);
void SetBackColor(RegisterView& view, std::string_view colourText, const ControlRecord& record);

// Shows a value on the record's widget: text boxes, up-downs and value boxes
// as text in the record's radix, bit boxes as "0"/"1" of bit bitIndex, lists
// and scroll bars as their position; lists also take the value's style.
void ShowValue(RegisterView& view, int16_t value, const ControlRecord& record);

}  // namespace velk
