#pragma once

#include <map>
#include <string>
#include <vector>

#include "RegisterView.h"

namespace velk {

// A RegisterView without a display: it keeps the state of every widget and
// page, and records every call in order, for tests and the command line.
// A line's left and top are its first end; moving a line moves both ends.
// Using an element that is not loaded (or loading one twice, or unloading a
// template) is an error, so a model fault shows instead of passing.
class HeadlessRegisterView : public RegisterView {
public:
    struct Widget {
        std::string tag;
        int16_t page = 0;
        bool visible = false;
        int16_t left = 0, top = 0, width = 0, height = 0;
        std::string text;
        std::vector<std::string> listItems;
        int value = 0;
        int16_t rangeMin = 0, rangeMax = 0;
        int16_t smallStep = 0, largeStep = 0;
        int16_t maxLength = 0;
        bool locked = false;
        bool bold = false, italic = false;
        int32_t foreColor = 0, backColor = 0;
        int16_t justify = 0;
        std::string toolTip;
        int16_t x1 = 0, y1 = 0, x2 = 0, y2 = 0, borderWidth = 0;  // lines
    };
    struct Page {
        std::string tabKey;
        std::string tabCaption;
        bool visible = false;
        int16_t height = 0, top = 0;
    };

    // Colours of the label template, which new labels copy: the system
    // button text on the button face.
    static constexpr int32_t LabelTemplateFore = SystemColour(18);
    static constexpr int32_t LabelTemplateBack = SystemColour(15);

    HeadlessRegisterView();

    bool isLoaded(WidgetId id) const { return widgets_.count(id) != 0; }
    const Widget& widget(WidgetId id) const;
    // Loaded elements of an array, template included.
    int loadedCount(WidgetArray array) const;
    const std::vector<Page>& pages() const { return pages_; }  // pages_[0] is page 1
    int16_t selectedTab() const { return selectedTab_; }
    // How often the model asked to fit the window height to the content.
    int fitWindowHeightCount() const { return fitWindowHeightCount_; }
    const SelectionMark& selection() const { return selection_; }

    const std::vector<std::string>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    // Whether calls are logged (on from the start); a long run turns it off.
    void setRecording(bool on) { recording_ = on; }

    void loadElement(WidgetId id) override;
    void unloadElement(WidgetId id) override;
    void setTag(WidgetId id, const std::string& tag) override;
    void setPage(WidgetId id, int16_t page) override;
    void setVisible(WidgetId id, bool visible) override;
    void move(WidgetId id, int16_t left, int16_t top) override;
    int16_t left(WidgetId id) const override { return widget(id).left; }
    int16_t top(WidgetId id) const override { return widget(id).top; }
    void setWidth(WidgetId id, int16_t width) override;
    void setHeight(WidgetId id, int16_t height) override;
    void setText(WidgetId id, const std::string& text) override;
    void clearList(WidgetId id) override;
    void addListItem(WidgetId id, const std::string& text) override;
    void setValue(WidgetId id, int value) override;
    void setRange(WidgetId id, int16_t min, int16_t max) override;
    void setSteps(WidgetId id, int16_t smallStep, int16_t largeStep) override;
    void setMaxLength(WidgetId id, int16_t characters) override;
    void setLocked(WidgetId id, bool locked) override;
    void setBold(WidgetId id, bool bold) override;
    void setItalic(WidgetId id, bool italic) override;
    void setForeColor(WidgetId id, int32_t colour) override;
    void setBackColor(WidgetId id, int32_t colour) override;
    int32_t foreColor(WidgetId id) const override { return widget(id).foreColor; }
    int32_t backColor(WidgetId id) const override { return widget(id).backColor; }
    void setJustify(WidgetId id, int16_t justify) override;
    void setToolTip(WidgetId id, const std::string& text) override;
    void setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth) override;
    void addPage(int16_t page, const std::string& tabKey, const std::string& tabCaption) override;
    void selectTab(int16_t page) override;
    void removeLastPage() override;
    void setTabCaption(int16_t page, const std::string& caption) override;
    void setPageHeight(int16_t page, int16_t height) override;
    void setPageTop(int16_t page, int16_t top) override;
    void fitWindowHeight() override;
    void restoreTemplates() override;
    void showSelection(int16_t page, int16_t left, int16_t top, int16_t width, int16_t height) override;
    void hideSelection(int16_t page) override;

private:
    // Element 0 of an array as the window starts with it.
    static Widget TemplateAsMade(WidgetArray array);
    Widget& Change(WidgetId id, const std::string& call);
    Page& PageAt(int16_t page);
    void Record(const std::string& call)
    {
        if (recording_) calls_.push_back(call);
    }

    std::map<WidgetId, Widget> widgets_;
    std::vector<Page> pages_;
    int16_t selectedTab_ = 1;
    int fitWindowHeightCount_ = 0;
    SelectionMark selection_;
    bool recording_ = true;
    std::vector<std::string> calls_;
};

// "txtExtra(3)": how calls name a widget.
std::string WidgetName(WidgetId id);

}  // namespace velk
