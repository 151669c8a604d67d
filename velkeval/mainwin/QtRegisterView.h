#pragma once

#include <functional>
#include <vector>

#include <QObject>

class QScrollBar;

#include "ControlEventSink.h"
#include "PageWidget.h"
#include "RegisterView.h"
#include "WidgetProjection.h"
#include "WidgetStore.h"

namespace velk {

class PageTabBar;
struct WindowFurniture;

// The register view in Qt widgets. The state of every element lives in the
// store; bit boxes, labels and lines are drawn by their page from it, and
// the text boxes, lists, spinners, scroll bars and value boxes of the page
// on screen are real widgets (the projection), made or reused when that page
// is shown, so a description of thousands of registers costs widgets for
// one page only. The view also runs the pages: the tab strip selects them,
// the scroll bar moves the shown one inside the clipping area.
class QtRegisterView : public QObject, public RegisterView {
public:
    // The window's tab strip, clipping area and scroll bar; its client area
    // holds the templates. fitWindowHeight is the window's own operation.
    QtRegisterView(const WindowFurniture& furniture, ControlEventSink& sink, std::function<void()> fitWindowHeight);
    ~QtRegisterView() override;

    // The tab click: shows page s and sets the scroll bar for it.
    void SwitchPage(int16_t s);
    // The clipping area got a new height (twips): the scroll bar follows, and
    // no page stays scrolled beyond its end.
    void FitPagesToClipHeight(int16_t clipHeight);
    int16_t clipHeight() const { return clipHeight_; }
    int16_t pageTop(int16_t page) const { return pageGeometry(page).top; }
    int16_t pageHeight(int16_t page) const { return pageGeometry(page).height; }

    // What the window and the tests see of the widgets.
    const WidgetStore& store() const { return store_; }
    const WidgetState& element(WidgetId id) const { return store_.at(id); }
    // The real widget (and an up-down box's spinner) of an element on the
    // page on screen, made now if the projection has not run yet; null for
    // an element on another page, a template on the main window, or a
    // drawn element. A test reaching a widget on another page selects that
    // page first.
    QWidget* realWidget(WidgetId id);
    UpDownSpinner* spinner(WidgetId id);
    PageWidget& page(int16_t page) const;
    // The page whose real elements have widgets now (0: none yet).
    int16_t projectedPage() const { return projectedPage_; }
    // The text a widget shows: a box's text, a list's selected item, a scroll
    // bar's value, a drawn element's caption.
    std::string shownText(WidgetId id);

    void loadElement(WidgetId id) override;
    void unloadElement(WidgetId id) override;
    void setTag(WidgetId id, const std::string& tag) override;
    void setPage(WidgetId id, int16_t page) override;
    void setVisible(WidgetId id, bool visible) override;
    void move(WidgetId id, int16_t left, int16_t top) override;
    int16_t left(WidgetId id) const override { return store_.at(id).left; }
    int16_t top(WidgetId id) const override { return store_.at(id).top; }
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
    int32_t foreColor(WidgetId id) const override { return store_.at(id).foreColor; }
    int32_t backColor(WidgetId id) const override { return store_.at(id).backColor; }
    void setJustify(WidgetId id, int16_t justify) override;
    void setToolTip(WidgetId id, const std::string& text) override;
    void setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth) override;
    void addPage(int16_t page, const std::string& tabKey, const std::string& tabCaption) override;
    void selectTab(int16_t page) override;
    void removeLastPage() override;
    void setTabCaption(int16_t page, const std::string& caption) override;
    void setPageHeight(int16_t page, int16_t height) override;
    void setPageTop(int16_t page, int16_t top) override;
    void fitWindowHeight() override { fitWindowHeight_(); }
    void restoreTemplates() override;
    void showSelection(int16_t page, int16_t left, int16_t top, int16_t width, int16_t height) override;
    void hideSelection(int16_t page) override;
    // The selection mark (rectSelect): a frame drawn over its page.
    QWidget* selectionMark() const { return selection_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PageGeometry {
        int16_t top = 0;
        int16_t height = 0;
    };
    const PageGeometry& pageGeometry(int16_t page) const;
    void PlacePage(int16_t page);
    // Selects the tab of page and shows the page.
    void ShowTab(int16_t page);
    // The scroll bar for page: hidden when the page fits the clipping area,
    // else ranging over the part that does not.
    void ShowScrollBarFor(int16_t page);
    // Puts an element back on the main window, hidden.
    void Park(WidgetId id);

    // The projection follows the page on screen once the events queued
    // before it are handled, so a build that adds page after page makes
    // widgets for the last one only; the accessors catch up at once.
    void ScheduleProjection();
    void EnsureProjected();
    // Keeps the selection mark over the widgets of its page.
    void RaiseSelection(const QWidget& page);
    QWidget& Container(int16_t page) const;
    // Redraws a drawn element's place (before and after a change).
    void Redraw(WidgetId id);
    // Changes an element's state in the store and shows it: on its widget
    // through apply when it has one, by a redraw when it is drawn.
    template <class Change, class Apply>
    void Update(WidgetId id, Change change, Apply apply);
    // The text an element off screen shows.
    std::string ShownOffScreen(WidgetId id) const;
    // As Update, for a change a widget reports (a text box's text, a list's
    // position, a scroll bar's value): off screen the view passes it on to
    // the sink as the widget would have.
    template <class Change, class Apply>
    void UpdateReported(WidgetId id, Change change, Apply apply);

    QWidget& templateHolder_;
    QWidget& clipFrame_;
    PageTabBar& tabs_;
    QScrollBar& frameScroll_;
    ControlEventSink& sink_;
    std::function<void()> fitWindowHeight_;
    WidgetStore store_;
    WidgetProjection projection_;
    int16_t projectedPage_ = 0;
    bool projectionStale_ = false;  // elements joined the projected page since
    bool projectionQueued_ = false;
    QWidget* selection_;
    std::vector<PageWidget*> pages_;  // pages_[0] is page 1
    std::vector<PageGeometry> pageGeometry_;
    int16_t clipHeight_ = 0;
};

}  // namespace velk
