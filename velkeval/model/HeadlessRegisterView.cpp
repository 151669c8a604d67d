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
    pages_.push_back(Page{"key1", "Tab1", true});
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
    w.borderWidth = borderWidth;
}

void HeadlessRegisterView::addPage(int16_t page, const std::string& tabKey, const std::string& tabCaption)
{
    Record("addPage " + std::to_string(page) + " " + Quoted(tabKey) + " " + Quoted(tabCaption));
    if (page != static_cast<int>(pages_.size()) + 1) throw ModelError("Pages are added in order");
    pages_.back().visible = false;
    pages_.push_back(Page{tabKey, tabCaption, true});
    selectedTab_ = page;
}

}  // namespace velk
