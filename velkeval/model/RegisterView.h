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
// Indexes are 32-bit: a description of many thousand registers has more
// elements in one array than 16 bits count, and no index reaches a file.
struct WidgetId {
    WidgetArray array;
    int32_t index;
    auto operator<=>(const WidgetId&) const = default;
};

// "txtExtra(3)": how messages and recorded calls name an element.
std::string WidgetName(WidgetId id);

// The widget a record describes: its type's array (group variant when
// isGroup) at its Index.
WidgetId WidgetOf(const ControlRecord& record);

// Colours as the model keeps them: 0x00BBGGRR, or 0x80000000 + n for the
// system colour n.
constexpr int32_t RGB(int red, int green, int blue) { return red + green * 256 + blue * 65536; }
constexpr int32_t SystemColour(int n) { return static_cast<int32_t>(0x80000000u + static_cast<uint32_t>(n)); }

// The page layout state of the register view (all lengths in twips). The
// page count, the page bottoms and the tab texts change together, so they
// cannot disagree.
class PageLayout {
public:
    int16_t currentPage = 1;
    int16_t runningTop = 0;
    int16_t maxPageHeight = 8000;
    int16_t minWindowHeight = 3000;

    int16_t pageCount() const { return static_cast<int16_t>(pages_.size() - 1); }
    // Lowest used position of page 1 .. pageCount; an error for other pages.
    int16_t& pageBottom(int16_t page);
    int16_t pageBottom(int16_t page) const;
    // The largest page bottom over all pages.
    int16_t largestPageBottom() const;

    // The caption of a page's tab, and its tag: the last register address
    // a re-layout placed on the page.
    const std::string& tabCaption(int16_t page) const { return Page(page).caption; }
    const std::string& tabTag(int16_t page) const { return Page(page).tag; }
    void setTabTag(int16_t page, std::string tag) { Page(page).tag = std::move(tag); }

    // Appends a page whose bottom is 0, captioned "Tab" + n, and returns n.
    int16_t AppendPage();
    // Drops the last page; page 1 always stays.
    void RemoveLastPage();
    // Back to the state after start-up: one empty page "Tab1" shown, height 8000.
    void Reset() { *this = PageLayout{}; }

private:
    friend class RegisterView;  // sets captions together with the tab strip
    struct PageState {
        int16_t bottom = 0;
        std::string caption;
        std::string tag;
    };
    PageState& Page(int16_t page);
    const PageState& Page(int16_t page) const;

    std::vector<PageState> pages_{PageState{}, PageState{0, "Tab1", {}}};  // element 0 unused: pages count from 1
};

// The selection mark of edit mode: a rectangle drawn on a page over the
// selected group's band, or hidden.
struct SelectionMark {
    int16_t page = 0;  // 0: parked on the main window itself
    bool visible = false;
    int16_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const SelectionMark&) const = default;
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
    int32_t AddControl(int32_t controlType, bool isGroup, const std::string& tag, int16_t page);
    // Draws a line on page (-1: the last page) and returns its record.
    std::shared_ptr<ControlRecord> AddLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t width,
                                           int16_t page);
    // Appends a page with its tab and shows it.
    void AddFrame();
    // Selects the tab of page and shows that page, as a click on the tab does.
    void SelectTab(int16_t page);
    // Removes the last page (its frame and its tab); page 1 always stays.
    void RemoveLastPage();
    // Captions the tab of page.
    void SetTabCaption(int16_t page, const std::string& caption);

    int32_t nextIndex(WidgetArray array) const { return nextIndex_[static_cast<size_t>(array)]; }
    // Every array's next widget reuses its template again (after a clear).
    void ResetNextIndexes() { nextIndex_.fill(0); }
    // A page number as the operations take it: -1 stands for the last page.
    int16_t ResolvePage(int16_t page) const { return page == -1 ? layout.pageCount() : page; }

    // Per-widget operations. A loaded element starts as the template did when
    // the window was made: hidden, without tag, text or list items, in the
    // template's colours and font.
    virtual void loadElement(WidgetId id) = 0;    // new element (index > 0)
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

    // Main-window operations on pages, tabs and the window.
    // Adds page `page` with its tab, hides the page before it and shows and
    // selects the new one.
    virtual void addPage(int16_t page, const std::string& tabKey, const std::string& tabCaption) = 0;
    // Selects the tab of page and shows that page as a click on the tab does
    // (showing the scroll bar it needs); layout.currentPage is set by the caller.
    virtual void selectTab(int16_t page) = 0;
    // Unloads the frame of the last page (layout.pageCount()) and removes its
    // tab; it is never the page shown. The layout drops it afterwards.
    virtual void removeLastPage() = 0;
    // Shows a new caption on the tab of page.
    virtual void setTabCaption(int16_t page, const std::string& caption) = 0;
    // Height and top of page frame `page` inside the clipping area.
    virtual void setPageHeight(int16_t page, int16_t height) = 0;
    virtual void setPageTop(int16_t page, int16_t top) = 0;
    // Fits the window height to the content: the largest page bottom
    // (layout.largestPageBottom()) + 2000, within the screen's work area.
    virtual void fitWindowHeight() = 0;
    // Puts every template element 0 (spinners included) back on the main
    // window itself and hides it.
    virtual void restoreTemplates() = 0;
    // Draws the selection mark on page, over everything on it, or hides it
    // and puts it on page (0: the main window). A page that is removed
    // takes the mark back to the main window.
    virtual void showSelection(int16_t page, int16_t left, int16_t top, int16_t width, int16_t height) = 0;
    virtual void hideSelection(int16_t page) = 0;

private:
    // The next free element of an array, counted on.
    WidgetId TakeNextElement(WidgetArray array);

    std::array<int32_t, WidgetArrayCount> nextIndex_{};
};

}  // namespace velk
