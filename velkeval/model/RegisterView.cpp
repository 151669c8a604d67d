#include "RegisterView.h"

#include <algorithm>
#include <cstdint>

#include "ControlType.h"
#include "ModelError.h"

namespace velk {

WidgetArray WidgetArrayFor(int32_t controlType, bool isGroup)
{
    switch (controlType) {
    case ControlType::TextBox: return isGroup ? WidgetArray::txtGrpExtra : WidgetArray::txtExtra;
    case ControlType::Combo: return isGroup ? WidgetArray::grpcombos : WidgetArray::combos;
    case ControlType::UpDown: return isGroup ? WidgetArray::txtGrpUpDown : WidgetArray::txtUpDown;
    case ControlType::Scrollbar: return isGroup ? WidgetArray::grpscrollbars : WidgetArray::scrollbars;
    case ControlType::Display: return WidgetArray::displays;
    case ControlType::Bit: return WidgetArray::txtBit;
    case ControlType::RdOnlyBit: return WidgetArray::txtRdBit;
    case ControlType::DummyBit: return WidgetArray::txtDummyBit;
    case ControlType::ValueBox: return WidgetArray::txtValue;
    case ControlType::Label: return WidgetArray::labels;
    case ControlType::Line: return WidgetArray::lines;
    default: throw ModelError("Unknown control type " + std::to_string(controlType));
    }
}

const char* WidgetArrayName(WidgetArray array)
{
    static constexpr std::array<const char*, WidgetArrayCount> names = {
        "txtGrpExtra", "txtExtra", "grpcombos", "combos", "txtGrpUpDown", "txtUpDown", "grpscrollbars",
        "scrollbars", "displays", "txtBit", "txtRdBit", "txtDummyBit", "txtValue", "labels", "lines"};
    return names[static_cast<size_t>(array)];
}

std::string WidgetName(WidgetId id)
{
    return std::string(WidgetArrayName(id.array)) + "(" + std::to_string(id.index) + ")";
}

WidgetId WidgetOf(const ControlRecord& record)
{
    return {WidgetArrayFor(record.controlType, record.isGroup), record.Index};
}

PageLayout::PageState& PageLayout::Page(int16_t page)
{
    if (page < 1 || page >= static_cast<int>(pages_.size()))
        throw ModelError("There is no page " + std::to_string(page));
    return pages_[static_cast<size_t>(page)];
}

const PageLayout::PageState& PageLayout::Page(int16_t page) const { return const_cast<PageLayout*>(this)->Page(page); }

int16_t& PageLayout::pageBottom(int16_t page) { return Page(page).bottom; }

int16_t PageLayout::pageBottom(int16_t page) const { return Page(page).bottom; }

int16_t PageLayout::largestPageBottom() const
{
    int16_t largest = 0;
    for (int16_t p = 1; p <= pageCount(); ++p) largest = std::max(largest, pageBottom(p));
    return largest;
}

int16_t PageLayout::AppendPage()
{
    const int16_t page = Checked16(pageCount() + 1LL, "page count");
    pages_.push_back(PageState{0, "Tab" + std::to_string(page), {}});
    return page;
}

void PageLayout::RemoveLastPage()
{
    if (pageCount() <= 1) throw ModelError("Page 1 cannot be removed");
    pages_.pop_back();
    if (currentPage > pageCount()) currentPage = pageCount();
}

WidgetId RegisterView::TakeNextElement(WidgetArray array)
{
    int32_t& next = nextIndex_[static_cast<size_t>(array)];
    const WidgetId id{array, next};
    if (next == INT32_MAX) throw ModelError("widget array index: overflow");
    ++next;
    if (id.index > 0) loadElement(id);
    return id;
}

int32_t RegisterView::AddControl(int32_t controlType, bool isGroup, const std::string& tag, int16_t page)
{
    if (controlType == ControlType::Line) throw ModelError("Lines are drawn with AddLine, not AddControl");
    page = ResolvePage(page);
    const WidgetId id = TakeNextElement(WidgetArrayFor(controlType, isGroup));
    setPage(id, page);
    setTag(id, tag);
    switch (controlType) {
    case ControlType::Combo:
    case ControlType::Display:
        clearList(id);
        [[fallthrough]];
    case ControlType::TextBox:
    case ControlType::UpDown:
        setBold(id, false);
        setItalic(id, false);
        setBackColor(id, RGB(255, 255, 255));
        setForeColor(id, RGB(0, 0, 0));
        break;
    case ControlType::Label: {
        const WidgetId templateId{id.array, 0};
        setBold(id, false);
        setItalic(id, false);
        setBackColor(id, backColor(templateId));
        setForeColor(id, foreColor(templateId));
        break;
    }
    default: break;
    }
    return id.index;
}

std::shared_ptr<ControlRecord> RegisterView::AddLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t width,
                                                     int16_t page)
{
    page = ResolvePage(page);
    const int16_t lineWidth = Checked16(static_cast<long long>(x2) - x1, "line width");
    const int16_t lineHeight = Checked16(static_cast<long long>(y2) - y1, "line height");
    const WidgetId id = TakeNextElement(WidgetArray::lines);
    setPage(id, page);
    setLineEnds(id, x1, y1, x2, y2, width);
    setVisible(id, true);

    auto record = std::make_shared<ControlRecord>();
    record->controlType = ControlType::Line;
    record->isUserControl = false;
    record->X = x1;
    record->y = y1;
    record->width = lineWidth;
    record->height = lineHeight;
    record->Index = id.index;
    return record;
}

void RegisterView::AddFrame()
{
    const int16_t n = layout.AppendPage();
    addPage(n, "key" + std::to_string(n), layout.tabCaption(n));
    layout.runningTop = 0;
    layout.currentPage = n;
}

void RegisterView::SelectTab(int16_t page)
{
    layout.Page(page);  // validates the page
    selectTab(page);
    layout.currentPage = page;
}

void RegisterView::RemoveLastPage()
{
    const int16_t last = layout.pageCount();
    if (last <= 1) throw ModelError("Page 1 cannot be removed");
    if (layout.currentPage == last) SelectTab(static_cast<int16_t>(last - 1));
    removeLastPage();
    layout.RemoveLastPage();
}

void RegisterView::SetTabCaption(int16_t page, const std::string& caption)
{
    layout.Page(page).caption = caption;
    setTabCaption(page, caption);
}

}  // namespace velk
