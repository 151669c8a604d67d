#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QStringList>

#include "RegisterView.h"

class QWidget;

namespace velk {

class UpDownSpinner;

// Bit boxes, labels and lines are drawn by their page from this state;
// every other array's elements are real widgets.
constexpr bool IsDrawnArray(WidgetArray array)
{
    return array == WidgetArray::txtBit || array == WidgetArray::txtRdBit || array == WidgetArray::txtDummyBit ||
           array == WidgetArray::labels || array == WidgetArray::lines;
}

// One element of one widget array as the view keeps it. Positions stay in
// twips exactly as the model set them; the widgets get the pixels.
struct ViewElement {
    bool loaded = false;
    std::string tag;
    int16_t page = 0;  // 0: on the main window itself (templates)
    bool visible = false;
    int16_t left = 0, top = 0, width = 0, height = 0;
    int32_t foreColor = 0, backColor = 0;
    bool bold = false, italic = false;
    int16_t justify = 0;

    // Drawn elements only.
    std::string text;
    std::string toolTip;
    int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0, borderWidth = 1;
    size_t slot = 0;  // position in its page's list of drawn items

    // Real widgets only (the spinner for the up-down text boxes). A list's
    // items wait here until it is shown or used, and then go in at once.
    QStringList pendingItems;
    QWidget* widget = nullptr;
    UpDownSpinner* spinner = nullptr;
};

// Every element of every array, by array and index.
class ElementTable {
public:
    ViewElement& at(WidgetId id);
    const ViewElement& at(WidgetId id) const;
    // The element, growing the array to hold it.
    ViewElement& make(WidgetId id);
    // Every loaded element of an array, template first.
    std::vector<ViewElement>& array(WidgetArray array) { return arrays_[static_cast<size_t>(array)]; }

private:
    std::array<std::vector<ViewElement>, WidgetArrayCount> arrays_;
};

}  // namespace velk
