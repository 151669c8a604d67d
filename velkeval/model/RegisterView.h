#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ControlRecord.h"

namespace velk {

// The main window's widget arrays. Every array has a hidden template
// element 0; the first widget of an array reuses it.
enum class WidgetArray : uint8_t {
    txtGrpExtra, txtExtra,        // TextBox: group, field
    grpcombos, combos,            // Combo
    txtGrpUpDown, txtUpDown,      // UpDown: text box with its spinner (grpupdowns, updowns)
    grpscrollbars, scrollbars,    // Scrollbar
    displays,                     // Display
    txtBit, txtRdBit, txtDummyBit,
    txtValue,                     // ValueBox
    labels,                       // Label
    lines,                        // Line
};
inline constexpr size_t WidgetArrayCount = static_cast<size_t>(WidgetArray::lines) + 1;

// The array for a control type (group or field variant); an error for a
// code outside the control type table.
WidgetArray WidgetArrayFor(int32_t controlType, bool isGroup);
const char* WidgetArrayName(WidgetArray array);

// One element of one widget array.
struct WidgetId {
    WidgetArray array;
    int16_t index;
    auto operator<=>(const WidgetId&) const = default;
};

// The widget a record describes: its type's array (group variant when
// isGroup) at its Index.
WidgetId WidgetOf(const ControlRecord& record);

// Colours as the model keeps them: 0x00BBGGRR, or 0x80000000 + n for the
// system colour n.
constexpr int32_t RGB(int red, int green, int blue) { return red + green * 256 + blue * 65536; }
constexpr int32_t SystemColour(int n) { return static_cast<int32_t>(0x80000000u + static_cast<uint32_t>(n)); }

// The page layout state of the register view (all lengths in twips).
struct PageLayout {
    int16_t pageCount = 1;
    int16_t currentPage = 1;
    int16_t runningTop = 0;
    int16_t maxPageHeight = 8000;
    int16_t minWindowHeight = 3000;

    // Lowest used position of page 1 .. pageCount; an error for other pages.
    int16_t& pageBottom(int16_t page);
    int16_t pageBottom(int16_t page) const;
    void AddPageBottom() { pageBottoms_.push_back(0); }

private:
    std::vector<int16_t> pageBottoms_{0, 0};  // element 0 unused: pages count from 1
};

// What the model asks of the window: the main window operations, whose
// rules live here so every view follows them alike, and simple per-widget
// operations the concrete view carries out on its widgets. Lengths are twips.
class RegisterView {
public:
    virtual ~RegisterView() = default;

    PageLayout layout;

    // Creates the widget of a control (types 0 to 9) under tag on page (-1:
    // the last page) and returns its element index.
    int16_t AddControl(int32_t controlType, bool isGroup, const std::string& tag, int16_t page);
    // Draws a line on page (-1: the last page) and returns its record.
    std::shared_ptr<ControlRecord> AddLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t width,
                                           int16_t page);
    // Appends a page with its tab and shows it.
    void AddFrame();

    int16_t nextIndex(WidgetArray array) const { return nextIndex_[static_cast<size_t>(array)]; }

    // Per-widget operations.
    virtual void loadElement(WidgetId id) = 0;    // new element (index > 0) copied from the template
    virtual void unloadElement(WidgetId id) = 0;  // index > 0
    virtual void setTag(WidgetId id, const std::string& tag) = 0;
    virtual void setPage(WidgetId id, int16_t page) = 0;
    virtual void setVisible(WidgetId id, bool visible) = 0;
    virtual void move(WidgetId id, int16_t left, int16_t top) = 0;
    virtual int16_t left(WidgetId id) const = 0;
    virtual int16_t top(WidgetId id) const = 0;
    virtual void setWidth(WidgetId id, int16_t width) = 0;
    virtual void setHeight(WidgetId id, int16_t height) = 0;
    virtual void setText(WidgetId id, const std::string& text) = 0;  // box text or caption
    virtual void clearList(WidgetId id) = 0;
    virtual void addListItem(WidgetId id, const std::string& text) = 0;
    virtual void setValue(WidgetId id, int value) = 0;  // list position, scroll or spinner position
    virtual void setRange(WidgetId id, int16_t min, int16_t max) = 0;
    virtual void setSteps(WidgetId id, int16_t smallStep, int16_t largeStep) = 0;
    virtual void setMaxLength(WidgetId id, int16_t characters) = 0;
    virtual void setLocked(WidgetId id, bool locked) = 0;
    virtual void setBold(WidgetId id, bool bold) = 0;
    virtual void setItalic(WidgetId id, bool italic) = 0;
    virtual void setForeColor(WidgetId id, int32_t colour) = 0;
    virtual void setBackColor(WidgetId id, int32_t colour) = 0;
    virtual int32_t foreColor(WidgetId id) const = 0;
    virtual int32_t backColor(WidgetId id) const = 0;
    virtual void setJustify(WidgetId id, int16_t justify) = 0;
    virtual void setToolTip(WidgetId id, const std::string& text) = 0;
    virtual void setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth) = 0;

    // Main-window operation: adds page `page` with its tab, hides the page
    // before it and shows and selects the new one.
    virtual void addPage(int16_t page, const std::string& tabKey, const std::string& tabCaption) = 0;

private:
    // The next free element of an array, counted on (an overflow past 32767).
    WidgetId TakeNextElement(WidgetArray array);

    std::array<int16_t, WidgetArrayCount> nextIndex_{};
};

}  // namespace velk
