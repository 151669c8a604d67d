#include "HeadlessRegisterView.h"

#include "ModelError.h"

namespace velk {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Flag(bool flag) { return flag ? "true" : "false"; }

}  // namespace

std::string WidgetName(WidgetId id)
{
    return std::string(WidgetArrayName(id.array)) + "(" + std::to_string(id.index) + ")";
}

HeadlessRegisterView::Widget HeadlessRegisterView::TemplateAsMade(WidgetArray array)
{
    Widget templ;
    if (array == WidgetArray::labels) {
        templ.foreColor = LabelTemplateFore;
        templ.backColor = LabelTemplateBack;
    }
    return templ;
}

HeadlessRegisterView::HeadlessRegisterView()
{
    for (size_t a = 0; a < WidgetArrayCount; ++a) {
        const auto array = static_cast<WidgetArray>(a);
        widgets_[WidgetId{array, 0}] = TemplateAsMade(array);
    }
    pages_.push_back(Page{"key1", "Tab1", true, 8020, 0});
}

const HeadlessRegisterView::Widget& HeadlessRegisterView::widget(WidgetId id) const
{
    const auto it = widgets_.find(id);
    if (it == widgets_.end()) throw ModelError("Widget " + WidgetName(id) + " is not loaded");
    return it->second;
}

int HeadlessRegisterView::loadedCount(WidgetArray array) const
{
    int count = 0;
    for (const auto& [id, state] : widgets_)
        if (id.array == array) ++count;
    return count;
}

HeadlessRegisterView::Widget& HeadlessRegisterView::Change(WidgetId id, const std::string& call)
{
    Record(call + " " + WidgetName(id));
    widget(id);  // raises for an element that is not loaded
    return widgets_[id];
}

void HeadlessRegisterView::loadElement(WidgetId id)
{
    Record("loadElement " + WidgetName(id));
    if (id.index <= 0 || isLoaded(id)) throw ModelError("Widget " + WidgetName(id) + " cannot be loaded again");
    widgets_[id] = TemplateAsMade(id.array);
}

void HeadlessRegisterView::unloadElement(WidgetId id)
{
    Record("unloadElement " + WidgetName(id));
    if (id.index == 0) throw ModelError("The template " + WidgetName(id) + " cannot be unloaded");
    if (widgets_.erase(id) == 0) throw ModelError("Widget " + WidgetName(id) + " is not loaded");
}

void HeadlessRegisterView::setTag(WidgetId id, const std::string& tag) { Change(id, "setTag " + Quoted(tag)).tag = tag; }

void HeadlessRegisterView::setPage(WidgetId id, int16_t page)
{
    if (page < 1 || page > layout.pageCount()) throw ModelError("There is no page " + std::to_string(page));
    Change(id, "setPage " + std::to_string(page)).page = page;
}

void HeadlessRegisterView::setVisible(WidgetId id, bool visible)
{
    Change(id, "setVisible " + Flag(visible)).visible = visible;
}

void HeadlessRegisterView::move(WidgetId id, int16_t left, int16_t top)
{
    Widget& w = Change(id, "move " + std::to_string(left) + " " + std::to_string(top));
    if (id.array == WidgetArray::lines) {
        const int dx = left - w.left, dy = top - w.top;
        w.x1 = Checked16(w.x1 + dx, "line end");
        w.x2 = Checked16(w.x2 + dx, "line end");
        w.y1 = Checked16(w.y1 + dy, "line end");
        w.y2 = Checked16(w.y2 + dy, "line end");
    }
    w.left = left;
    w.top = top;
}

void HeadlessRegisterView::setWidth(WidgetId id, int16_t width)
{
    Change(id, "setWidth " + std::to_string(width)).width = width;
}

void HeadlessRegisterView::setHeight(WidgetId id, int16_t height)
{
    Change(id, "setHeight " + std::to_string(height)).height = height;
}

void HeadlessRegisterView::setText(WidgetId id, const std::string& text)
{
    Change(id, "setText " + Quoted(text)).text = text;
}

void HeadlessRegisterView::clearList(WidgetId id) { Change(id, "clearList").listItems.clear(); }

void HeadlessRegisterView::addListItem(WidgetId id, const std::string& text)
{
    Change(id, "addListItem " + Quoted(text)).listItems.push_back(text);
}

void HeadlessRegisterView::setValue(WidgetId id, int value)
{
    Change(id, "setValue " + std::to_string(value)).value = value;
}

void HeadlessRegisterView::setRange(WidgetId id, int16_t min, int16_t max)
{
    Widget& w = Change(id, "setRange " + std::to_string(min) + " " + std::to_string(max));
    w.rangeMin = min;
    w.rangeMax = max;
}

void HeadlessRegisterView::setSteps(WidgetId id, int16_t smallStep, int16_t largeStep)
{
    Widget& w = Change(id, "setSteps " + std::to_string(smallStep) + " " + std::to_string(largeStep));
    w.smallStep = smallStep;
    w.largeStep = largeStep;
}

void HeadlessRegisterView::setMaxLength(WidgetId id, int16_t characters)
{
    Change(id, "setMaxLength " + std::to_string(characters)).maxLength = characters;
}

void HeadlessRegisterView::setLocked(WidgetId id, bool locked)
{
    Change(id, "setLocked " + Flag(locked)).locked = locked;
}

void HeadlessRegisterView::setBold(WidgetId id, bool bold) { Change(id, "setBold " + Flag(bold)).bold = bold; }

void HeadlessRegisterView::setItalic(WidgetId id, bool italic)
{
    Change(id, "setItalic " + Flag(italic)).italic = italic;
}

void HeadlessRegisterView::setForeColor(WidgetId id, int32_t colour)
{
    Change(id, "setForeColor " + std::to_string(colour)).foreColor = colour;
}

void HeadlessRegisterView::setBackColor(WidgetId id, int32_t colour)
{
    Change(id, "setBackColor " + std::to_string(colour)).backColor = colour;
}

void HeadlessRegisterView::setJustify(WidgetId id, int16_t justify)
{
    Change(id, "setJustify " + std::to_string(justify)).justify = justify;
}

void HeadlessRegisterView::setToolTip(WidgetId id, const std::string& text)
{
    Change(id, "setToolTip " + Quoted(text)).toolTip = text;
}

void HeadlessRegisterView::setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth)
{
    Widget& w = Change(id, "setLineEnds " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
                               " " + std::to_string(y2) + " " + std::to_string(borderWidth));
    w.x1 = x1;
    w.y1 = y1;
    w.x2 = x2;
    w.y2 = y2;
    w.left = x1;
    w.top = y1;
    w.borderWidth = borderWidth;
}

void HeadlessRegisterView::addPage(int16_t page, const std::string& tabKey, const std::string& tabCaption)
{
    Record("addPage " + std::to_string(page) + " " + Quoted(tabKey) + " " + Quoted(tabCaption));
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
    Record("selectTab " + std::to_string(page));
    PageAt(page);
    for (Page& p : pages_) p.visible = false;
    PageAt(page).visible = true;
    selectedTab_ = page;
}

void HeadlessRegisterView::removeLastPage()
{
    Record("removeLastPage");
    if (pages_.size() <= 1) throw ModelError("Page 1 cannot be removed");
    if (selectedTab_ == static_cast<int>(pages_.size())) throw ModelError("The page shown cannot be removed");
    if (selection_.page == static_cast<int>(pages_.size())) selection_ = SelectionMark{};
    pages_.pop_back();
}

void HeadlessRegisterView::showSelection(int16_t page, int16_t left, int16_t top, int16_t width, int16_t height)
{
    Record("showSelection " + std::to_string(page));
    PageAt(page);
    selection_ = SelectionMark{page, true, left, top, width, height};
}

void HeadlessRegisterView::hideSelection(int16_t page)
{
    Record("hideSelection " + std::to_string(page));
    if (page != 0) PageAt(page);
    selection_.page = page;
    selection_.visible = false;
}

void HeadlessRegisterView::setTabCaption(int16_t page, const std::string& caption)
{
    Record("setTabCaption " + std::to_string(page) + " " + Quoted(caption));
    PageAt(page).tabCaption = caption;
}

void HeadlessRegisterView::setPageHeight(int16_t page, int16_t height)
{
    Record("setPageHeight " + std::to_string(page) + " " + std::to_string(height));
    PageAt(page).height = height;
}

void HeadlessRegisterView::setPageTop(int16_t page, int16_t top)
{
    Record("setPageTop " + std::to_string(page) + " " + std::to_string(top));
    PageAt(page).top = top;
}

void HeadlessRegisterView::fitWindowHeight()
{
    Record("fitWindowHeight");
    ++fitWindowHeightCount_;
}

void HeadlessRegisterView::restoreTemplates()
{
    Record("restoreTemplates");
    for (auto& [id, state] : widgets_) {
        if (id.index != 0) continue;
        state.page = 0;
        state.visible = false;
    }
}

}  // namespace velk
