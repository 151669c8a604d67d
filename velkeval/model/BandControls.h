#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ControlRecCollection.h"
#include "RegisterView.h"

namespace velk {

// Steps that a group's band and its fields' rows take alike on their
// control records.

// Horizontal layout of a band, in twips from the page's left edge.
namespace Band {
inline constexpr int16_t AddressLeft = 50;       // address column 50 .. 350
inline constexpr int16_t AddressLabelLeft = 90;
inline constexpr int16_t NameLeft = 350;         // name and bit column 350 .. 4420
inline constexpr int16_t NameLabelLeft = 400;
inline constexpr int16_t BitBoxesLeft = 2350;
inline constexpr int16_t ValueBoxLeft = 3960;
inline constexpr int16_t ControlColumn = 4420;   // control column 4420 .. 6420
inline constexpr int16_t Right = 6420;
inline constexpr int16_t RowHeight = 350;
inline constexpr int16_t TopMargin = 50;         // a band is 50 + 350 per field high
inline constexpr int16_t LineWidth = 2;
// The most bytes a register may have: its band must fit the 16-bit layout
// even when every byte takes a row of its own.
inline constexpr int16_t MaxGroupBytes = (INT16_MAX - TopMargin) / RowHeight;
}  // namespace Band

// Whether a band of height starting at top passes the page height and so
// starts a new page. A band at the top of a page stays there: it fits no
// page better, and moving it would leave the page empty.
bool BandStartsNewPage(int16_t top, int16_t height, int16_t maxPageHeight);

// Puts a description control into place at `top` of its band: creates its
// widget under key first when createView, then moves it by the control
// column and top from where it stands, shows it on page, and for text boxes
// and up-downs limits the input to the characters of the decimal max.
void PlaceDescriptionControl(RegisterView& view, ControlRecord& record, const std::string& key, int16_t page,
                             int16_t top, bool createView);

// Creates the widget of a generated record (shown on page under key) and
// adds the record to controls without a key.
void AddGeneratedControl(RegisterView& view, ControlRecCollection& controls, std::shared_ptr<ControlRecord> record,
                         const std::string& key, int16_t page);

// Moves every widget of controls down by dy and onto page.
void ShiftControlViews(RegisterView& view, const ControlRecCollection& controls, int16_t dy, int16_t page);

// Removes the widget of every record, and the generated records themselves.
void RemoveControlViews(RegisterView& view, ControlRecCollection& controls);

// The first record of that control type and widget index, or none.
std::shared_ptr<ControlRecord> FindControlIn(const ControlRecCollection& controls, int32_t controlType, int32_t index);

}  // namespace velk
