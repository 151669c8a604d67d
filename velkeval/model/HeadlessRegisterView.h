#pragma once

#include <string>
#include <vector>

#include "RegisterView.h"
#include "WidgetStore.h"

namespace velk {

// A RegisterView without a display: it keeps the state of every widget in
// the store and of every page, and records every call in order, for tests
// and the command line (recording costs time; a long run turns it off).
class HeadlessRegisterView : public RegisterView {
public:
    using Widget = WidgetState;
    struct Page {
        std::string tabKey;
        std::string tabCaption;
        bool visible = false;
        int16_t height = 0, top = 0;
    };

    static constexpr int32_t LabelTemplateFore = WidgetStore::LabelTemplateFore;
    static constexpr int32_t LabelTemplateBack = WidgetStore::LabelTemplateBack;

    HeadlessRegisterView();

    bool isLoaded(WidgetId id) const { return store_.isLoaded(id); }
    const Widget& widget(WidgetId id) const { return store_.at(id); }
    const WidgetStore& store() const { return store_; }
    // Loaded elements of an array, template included.
    int loadedCount(WidgetArray array) const { return store_.loadedCount(array); }
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
    // Records the call (its text made only while recording) and returns the
    // element's state to change.
    template <class Call>
    Widget& Change(WidgetId id, Call call)
    {
        Record([&] { return call() + " " + WidgetName(id); });
        return store_.at(id);
    }
    template <class Call>
    void Record(Call call)
    {
        if (recording_) calls_.push_back(call());
    }
    Page& PageAt(int16_t page);

    WidgetStore store_;
    std::vector<Page> pages_;
    int16_t selectedTab_ = 1;
    int fitWindowHeightCount_ = 0;
    SelectionMark selection_;
    bool recording_ = true;
    std::vector<std::string> calls_;
};

}  // namespace velk
