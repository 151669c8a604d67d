#pragma once

#include "RegisterView.h"

namespace velk {

// Bit boxes, labels and lines are drawn by their page from the store; every
// other array's elements are real widgets while their page is on screen.
constexpr bool IsDrawnArray(WidgetArray array)
{
    return array == WidgetArray::txtBit || array == WidgetArray::txtRdBit || array == WidgetArray::txtDummyBit ||
           array == WidgetArray::labels || array == WidgetArray::lines;
}

// The kinds of real widget; a widget leaving the screen is reused for the
// next element of its kind.
enum class RealKind : uint8_t { TextBox, ValueBox, UpDownBox, List, Display, ScrollBar };
inline constexpr size_t RealKindCount = static_cast<size_t>(RealKind::ScrollBar) + 1;

// The kind of a real array's elements.
constexpr RealKind KindOf(WidgetArray array)
{
    switch (array) {
    case WidgetArray::txtValue: return RealKind::ValueBox;
    case WidgetArray::txtGrpUpDown:
    case WidgetArray::txtUpDown: return RealKind::UpDownBox;
    case WidgetArray::grpcombos:
    case WidgetArray::combos: return RealKind::List;
    case WidgetArray::displays: return RealKind::Display;
    case WidgetArray::grpscrollbars:
    case WidgetArray::scrollbars: return RealKind::ScrollBar;
    default: return RealKind::TextBox;
    }
}

constexpr bool IsTextBoxKind(RealKind kind)
{
    return kind == RealKind::TextBox || kind == RealKind::ValueBox || kind == RealKind::UpDownBox;
}

}  // namespace velk
