#include "HeadlessRegisterView.h"

#include "ModelError.h"

namespace velk {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Flag(bool flag) { return flag ? "true" : "false"; }

}  // namespace

HeadlessRegisterView::HeadlessRegisterView()
{
    pages_.push_back(Page{"key1", "Tab1", true, 8020, 0});
}

void HeadlessRegisterView::loadElement(WidgetId id)
{
    Record([&] { return "loadElement " + WidgetName(id); });
    store_.load(id);
}

void HeadlessRegisterView::unloadElement(WidgetId id)
{
    Record([&] { return "unloadElement " + WidgetName(id); });
    store_.unload(id);
}

void HeadlessRegisterView::setTag(WidgetId id, const std::string& tag) { Change(id, [&] { return "setTag " + Quoted(tag); }).tag = tag; }

void HeadlessRegisterView::setPage(WidgetId id, int16_t page)
{
    if (page < 1 || page > layout.pageCount()) throw ModelError("There is no page " + std::to_string(page));
    Change(id, [&] { return "setPage " + std::to_string(page); });
    store_.setPage(id, page);
}

void HeadlessRegisterView::setVisible(WidgetId id, bool visible)
{
    Change(id, [&] { return "setVisible " + Flag(visible); }).visible = visible;
}

void HeadlessRegisterView::move(WidgetId id, int16_t left, int16_t top)
{
    Change(id, [&] { return "move " + std::to_string(left) + " " + std::to_string(top); });
    store_.move(id, left, top);
}

void HeadlessRegisterView::setWidth(WidgetId id, int16_t width)
{
    Change(id, [&] { return "setWidth " + std::to_string(width); }).width = width;
}

void HeadlessRegisterView::setHeight(WidgetId id, int16_t height)
{
    Change(id, [&] { return "setHeight " + std::to_string(height); }).height = height;
}

void HeadlessRegisterView::setText(WidgetId id, const std::string& text)
{
    Change(id, [&] { return "setText " + Quoted(text); }).text = text;
}

void HeadlessRegisterView::clearList(WidgetId id) { Change(id, [&] { return std::string("clearList"); }).listItems.clear(); }

void HeadlessRegisterView::addListItem(WidgetId id, const std::string& text)
{
    Change(id, [&] { return "addListItem " + Quoted(text); }).listItems.push_back(text);
}

void HeadlessRegisterView::setValue(WidgetId id, int value)
{
    Change(id, [&] { return "setValue " + std::to_string(value); }).value = value;
}

void HeadlessRegisterView::setRange(WidgetId id, int16_t min, int16_t max)
{
    Widget& w = Change(id, [&] { return "setRange " + std::to_string(min) + " " + std::to_string(max); });
    w.rangeMin = min;
    w.rangeMax = max;
}

void HeadlessRegisterView::setSteps(WidgetId id, int16_t smallStep, int16_t largeStep)
{
    Widget& w = Change(id, [&] { return "setSteps " + std::to_string(smallStep) + " " + std::to_string(largeStep); });
    w.smallStep = smallStep;
    w.largeStep = largeStep;
}

void HeadlessRegisterView::setMaxLength(WidgetId id, int16_t characters)
{
    Change(id, [&] { return "setMaxLength " + std::to_string(characters); }).maxLength = characters;
}

void HeadlessRegisterView::setLocked(WidgetId id, bool locked)
{
    Change(id, [&] { return "setLocked " + Flag(locked); }).locked = locked;
}

void HeadlessRegisterView::setBold(WidgetId id, bool bold) { Change(id, [&] { return "setBold " + Flag(bold); }).bold = bold; }

void HeadlessRegisterView::setItalic(WidgetId id, bool italic)
{
    Change(id, [&] { return "setItalic " + Flag(italic); }).italic = italic;
}

void HeadlessRegisterView::setForeColor(WidgetId id, int32_t colour)
{
    Change(id, [&] { return "setForeColor " + std::to_string(colour); }).foreColor = colour;
}

void HeadlessRegisterView::setBackColor(WidgetId id, int32_t colour)
{
    Change(id, [&] { return "setBackColor " + std::to_string(colour); }).backColor = colour;
}

void HeadlessRegisterView::setJustify(WidgetId id, int16_t justify)
{
    Change(id, [&] { return "setJustify " + std::to_string(justify); }).justify = justify;
}

void HeadlessRegisterView::setToolTip(WidgetId id, const std::string& text)
{
    Change(id, [&] { return "setToolTip " + Quoted(text); }).toolTip = text;
}

void HeadlessRegisterView::setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth)
{
    Change(id, [&] {
        return "setLineEnds " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
               std::to_string(y2) + " " + std::to_string(borderWidth);
    });
    store_.setLineEnds(id, x1, y1, x2, y2, borderWidth);
}

void HeadlessRegisterView::addPage(int16_t page, const std::string& tabKey, const std::string& tabCaption)
{
    Record([&] { return "addPage " + std::to_string(page) + " " + Quoted(tabKey) + " " + Quoted(tabCaption); });
    if (page != static_cast<int>(pages_.size()) + 1) throw ModelError("Pages are added in order");
    pages_.back().visible = false;
    pages_.push_back(Page{tabKey, tabCaption, true, pages_.front().height, pages_.front().top});
    selectedTab_ = page;
}

HeadlessRegisterView::Page& HeadlessRegisterView::PageAt(int16_t page)
{
    if (page < 1 || page > static_cast<int>(pages_.size())) throw ModelError("There is no page " + std::to_string(page));
    return pages_[static_cast<size_t>(page - 1)];
}

void HeadlessRegisterView::selectTab(int16_t page)
{
    Record([&] { return "selectTab " + std::to_string(page); });
    PageAt(page);
    for (Page& p : pages_) p.visible = false;
    PageAt(page).visible = true;
    selectedTab_ = page;
}

void HeadlessRegisterView::removeLastPage()
{
    Record([&] { return std::string("removeLastPage"); });
    if (pages_.size() <= 1) throw ModelError("Page 1 cannot be removed");
    if (selectedTab_ == static_cast<int>(pages_.size())) throw ModelError("The page shown cannot be removed");
    if (selection_.page == static_cast<int>(pages_.size())) selection_ = SelectionMark{};
    pages_.pop_back();
}

void HeadlessRegisterView::showSelection(int16_t page, int16_t left, int16_t top, int16_t width, int16_t height)
{
    Record([&] { return "showSelection " + std::to_string(page); });
    PageAt(page);
    selection_ = SelectionMark{page, true, left, top, width, height};
}

void HeadlessRegisterView::hideSelection(int16_t page)
{
    Record([&] { return "hideSelection " + std::to_string(page); });
    if (page != 0) PageAt(page);
    selection_.page = page;
    selection_.visible = false;
}

void HeadlessRegisterView::setTabCaption(int16_t page, const std::string& caption)
{
    Record([&] { return "setTabCaption " + std::to_string(page) + " " + Quoted(caption); });
    PageAt(page).tabCaption = caption;
}

void HeadlessRegisterView::setPageHeight(int16_t page, int16_t height)
{
    Record([&] { return "setPageHeight " + std::to_string(page) + " " + std::to_string(height); });
    PageAt(page).height = height;
}

void HeadlessRegisterView::setPageTop(int16_t page, int16_t top)
{
    Record([&] { return "setPageTop " + std::to_string(page) + " " + std::to_string(top); });
    PageAt(page).top = top;
}

void HeadlessRegisterView::fitWindowHeight()
{
    Record([&] { return std::string("fitWindowHeight"); });
    ++fitWindowHeightCount_;
}

void HeadlessRegisterView::restoreTemplates()
{
    Record([] { return std::string("restoreTemplates"); });
    store_.parkTemplates();
}

}  // namespace velk
