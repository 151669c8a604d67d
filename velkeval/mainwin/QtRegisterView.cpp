#include "QtRegisterView.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ModelError.h"
#include "PageTabBar.h"
#include "Twips.h"
#include "WindowFurniture.h"

namespace velk {
namespace {

// The selection mark of edit mode: a frame drawn over the page, letting
// every click through to what lies under it.
class SelectionMarkWidget : public QWidget {
public:
    explicit SelectionMarkWidget(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 0, 255), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

}  // namespace

QtRegisterView::QtRegisterView(const WindowFurniture& furniture, ControlEventSink& sink,
                               std::function<void()> fitWindowHeight)
    : templateHolder_(*furniture.client),
      clipFrame_(*furniture.clipFrame),
      tabs_(*furniture.tabs),
      frameScroll_(*furniture.frameScroll),
      sink_(sink),
      fitWindowHeight_(std::move(fitWindowHeight)),
      projection_(store_, sink, *furniture.client),
      selection_(new SelectionMarkWidget(&templateHolder_))
{
    addPage(1, "key1", "Tab1");
    ScheduleProjection();
    tabs_.installEventFilter(this);
    connect(&tabs_, &QTabBar::currentChanged, this, [this](int tab) {
        if (tab >= 0) SwitchPage(static_cast<int16_t>(tab + 1));
    });
    connect(&frameScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { setPageTop(layout.currentPage, static_cast<int16_t>(-value)); });
    frameScroll_.setSingleStep(350);  // one field row
}

QtRegisterView::~QtRegisterView() = default;

PageWidget& QtRegisterView::page(int16_t page) const
{
    if (page < 1 || static_cast<size_t>(page) > pages_.size())
        throw ModelError("There is no page " + std::to_string(page));
    return *pages_[static_cast<size_t>(page) - 1];
}

QWidget& QtRegisterView::Container(int16_t pageNumber) const
{
    return pageNumber == 0 ? templateHolder_ : static_cast<QWidget&>(page(pageNumber));
}

void QtRegisterView::ScheduleProjection()
{
    if (projectionQueued_) return;
    projectionQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            projectionQueued_ = false;
            EnsureProjected();
        },
        Qt::QueuedConnection);
}

void QtRegisterView::EnsureProjected()
{
    const int16_t shown = layout.currentPage;
    if (projectedPage_ == shown && !projectionStale_) return;
    if (projectedPage_ != shown) {
        projection_.ReleaseAll();
        projectedPage_ = shown;
    }
    projectionStale_ = false;
    PageWidget& frame = page(shown);
    const std::vector<WidgetId> elements = store_.InArrivalOrder(shown);
    for (const WidgetId id : elements)
        if (!IsDrawnArray(id.array) && !projection_.bound(id)) projection_.Bind(id, frame);
    projection_.OrderFocus(elements);
    RaiseSelection(frame);
}

void QtRegisterView::RaiseSelection(const QWidget& frame)
{
    if (selection_->parentWidget() == &frame && selection_->isVisibleTo(&frame)) selection_->raise();
}

QWidget* QtRegisterView::realWidget(WidgetId id)
{
    store_.at(id);  // an element that is not loaded is an error, on screen or not
    EnsureProjected();
    const RealWidget* real = projection_.bound(id);
    return real ? real->widget : nullptr;
}

UpDownSpinner* QtRegisterView::spinner(WidgetId id)
{
    store_.at(id);
    EnsureProjected();
    const RealWidget* real = projection_.bound(id);
    return real ? real->spinner : nullptr;
}

void QtRegisterView::Redraw(WidgetId id)
{
    const int16_t pageNumber = store_.at(id).page;
    if (pageNumber != 0) page(pageNumber).UpdateItem(id);
}

template <class Change, class Apply>
void QtRegisterView::Update(WidgetId id, Change change, Apply apply)
{
    WidgetState& state = store_.at(id);
    if (IsDrawnArray(id.array)) {
        Redraw(id);  // where it stood
        change(state);
        Redraw(id);
        return;
    }
    change(state);
    if (RealWidget* real = projection_.bound(id)) apply(*real);
}

std::string QtRegisterView::ShownOffScreen(WidgetId id) const
{
    const WidgetState& state = store_.at(id);
    switch (KindOf(id.array)) {
    case RealKind::List:
    case RealKind::Display: {
        const int shown = ShownListIndex(state);
        return shown < 0 ? std::string() : state.listItems[static_cast<size_t>(shown)];
    }
    case RealKind::ScrollBar: return std::to_string(ShownScrollValue(state));
    default: return state.text;
    }
}

template <class Change, class Apply>
void QtRegisterView::UpdateReported(WidgetId id, Change change, Apply apply)
{
    if (RealWidget* real = projection_.bound(id)) {
        change(store_.at(id));
        apply(*real);  // the widget reports the change itself
        return;
    }
    // What the change event of each kind carries: a box's text, a list's
    // position, a scroll bar's value; displays report nothing.
    const auto reported = [&] {
        const WidgetState& state = store_.at(id);
        switch (KindOf(id.array)) {
        case RealKind::List: return std::to_string(ShownListIndex(state));
        case RealKind::Display: return std::string();
        case RealKind::ScrollBar: return std::to_string(ShownScrollValue(state));
        default: return state.text;
        }
    };
    const std::string before = reported();
    change(store_.at(id));
    const std::string after = reported();
    if (after != before) sink_.WidgetChanged(id, store_.at(id).tag, after);
}

void QtRegisterView::loadElement(WidgetId id) { store_.load(id); }

void QtRegisterView::unloadElement(WidgetId id)
{
    if (id.index == 0) throw ModelError("The template " + WidgetName(id) + " cannot be unloaded");
    const WidgetState& state = store_.at(id);
    if (IsDrawnArray(id.array)) {
        if (state.page != 0) page(state.page).ItemLeaving(id);
    } else {
        projection_.Release(id);
    }
    store_.unload(id);
}

void QtRegisterView::setTag(WidgetId id, const std::string& tag) { store_.at(id).tag = tag; }

void QtRegisterView::setPage(WidgetId id, int16_t pageNumber)
{
    Container(pageNumber);  // validates the number
    const int16_t was = store_.at(id).page;
    if (was == pageNumber) return;
    if (IsDrawnArray(id.array)) {
        if (was != 0) page(was).ItemLeaving(id);
        store_.setPage(id, pageNumber);
        Redraw(id);
        return;
    }
    store_.setPage(id, pageNumber);
    projection_.Release(id);
    if (pageNumber == projectedPage_) {
        projectionStale_ = true;
        ScheduleProjection();
    }
}

void QtRegisterView::setVisible(WidgetId id, bool visible)
{
    if (store_.at(id).visible == visible) return;
    Update(id, [&](WidgetState& state) { state.visible = visible; },
           [&](RealWidget& real) { projection_.ApplyVisible(real); });
}

void QtRegisterView::move(WidgetId id, int16_t left, int16_t top)
{
    Update(id, [&](WidgetState&) { store_.move(id, left, top); },
           [&](const RealWidget& real) { projection_.ApplyGeometry(real); });
}

void QtRegisterView::setWidth(WidgetId id, int16_t width)
{
    Update(id, [&](WidgetState& state) { state.width = width; },
           [&](const RealWidget& real) { projection_.ApplyGeometry(real); });
}

void QtRegisterView::setHeight(WidgetId id, int16_t height)
{
    Update(id, [&](WidgetState& state) { state.height = height; },
           [&](const RealWidget& real) { projection_.ApplyGeometry(real); });
}

void QtRegisterView::setText(WidgetId id, const std::string& text)
{
    WidgetState& state = store_.at(id);
    if (IsDrawnArray(id.array)) {
        if (state.text == text) return;
        Update(id, [&](WidgetState& changed) { changed.text = text; }, [](RealWidget&) {});
        // A bit box reports its caption change as the label's Change event would.
        if (id.array == WidgetArray::txtBit) sink_.WidgetChanged(id, state.tag, text);
        return;
    }
    UpdateReported(id, [&](WidgetState& changed) { changed.text = text; },
                   [&](const RealWidget& real) { projection_.ApplyText(real); });
}

void QtRegisterView::clearList(WidgetId id)
{
    UpdateReported(id, [](WidgetState& state) { state.listItems.clear(); },
                   [&](RealWidget& real) { projection_.ApplyListCleared(real); });
}

void QtRegisterView::addListItem(WidgetId id, const std::string& text)
{
    Update(id, [&](WidgetState& state) { state.listItems.push_back(text); },
           [&](RealWidget& real) { projection_.ApplyListItem(real, text); });
}

void QtRegisterView::setValue(WidgetId id, int value)
{
    UpdateReported(id, [&](WidgetState& state) { state.value = value; },
                   [&](RealWidget& real) { projection_.ApplyValue(real); });
}

void QtRegisterView::setRange(WidgetId id, int16_t min, int16_t max)
{
    UpdateReported(id,
                   [&](WidgetState& state) {
                       state.rangeMin = min;
                       state.rangeMax = max;
                   },
                   [&](const RealWidget& real) { projection_.ApplyRange(real); });
}

void QtRegisterView::setSteps(WidgetId id, int16_t smallStep, int16_t largeStep)
{
    Update(id,
           [&](WidgetState& state) {
               state.smallStep = smallStep;
               state.largeStep = largeStep;
           },
           [&](const RealWidget& real) { projection_.ApplySteps(real); });
}

void QtRegisterView::setMaxLength(WidgetId id, int16_t characters)
{
    Update(id, [&](WidgetState& state) { state.maxLength = characters; },
           [&](const RealWidget& real) { projection_.ApplyMaxLength(real); });
}

void QtRegisterView::setLocked(WidgetId id, bool locked)
{
    Update(id, [&](WidgetState& state) { state.locked = locked; },
           [&](const RealWidget& real) { projection_.ApplyLocked(real); });
}

void QtRegisterView::setBold(WidgetId id, bool bold)
{
    Update(id, [&](WidgetState& state) { state.bold = bold; },
           [&](const RealWidget& real) { projection_.ApplyFont(real); });
}

void QtRegisterView::setItalic(WidgetId id, bool italic)
{
    Update(id, [&](WidgetState& state) { state.italic = italic; },
           [&](const RealWidget& real) { projection_.ApplyFont(real); });
}

void QtRegisterView::setForeColor(WidgetId id, int32_t colour)
{
    Update(id, [&](WidgetState& state) { state.foreColor = colour; },
           [&](const RealWidget& real) { projection_.ApplyColours(real); });
}

void QtRegisterView::setBackColor(WidgetId id, int32_t colour)
{
    Update(id, [&](WidgetState& state) { state.backColor = colour; },
           [&](const RealWidget& real) { projection_.ApplyColours(real); });
}

void QtRegisterView::setJustify(WidgetId id, int16_t justify)
{
    Update(id, [&](WidgetState& state) { state.justify = justify; },
           [&](const RealWidget& real) { projection_.ApplyJustify(real); });
}

void QtRegisterView::setToolTip(WidgetId id, const std::string& text)
{
    // A drawn element's tip is looked up when the mouse rests on it.
    WidgetState& state = store_.at(id);
    state.toolTip = text;
    if (RealWidget* real = projection_.bound(id)) projection_.ApplyToolTip(*real);
}

void QtRegisterView::setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth)
{
    Update(id, [&](WidgetState&) { store_.setLineEnds(id, x1, y1, x2, y2, borderWidth); }, [](RealWidget&) {});
}

void QtRegisterView::addPage(int16_t pageNumber, const std::string& tabKey, const std::string& tabCaption)
{
    if (static_cast<size_t>(pageNumber) != pages_.size() + 1) throw ModelError("Pages are added in order");
    auto* frame = new PageWidget(&clipFrame_, store_, pageNumber, [this](WidgetId item) {
        if (item.array == WidgetArray::labels) return sink_.LabelClicked(item, store_.at(item).tag);
        // A click flips a bit box's caption; anything but "1" becomes "1".
        setText(item, store_.at(item).text == "1" ? "0" : "1");
    });
    // A new page takes the place and size of page 1.
    pageGeometry_.push_back(pages_.empty() ? PageGeometry{0, static_cast<int16_t>(layout.maxPageHeight + 20)}
                                           : pageGeometry_.front());
    if (!pages_.empty()) pages_.back()->hide();
    pages_.push_back(frame);
    PlacePage(pageNumber);
    frame->show();
    frame->raise();
    const int tab = tabs_.addTab(QString::fromStdString(tabCaption));
    tabs_.setTabData(tab, QString::fromStdString(tabKey));
    ShowTab(pageNumber);
}

void QtRegisterView::ShowTab(int16_t pageNumber)
{
    // A hidden tab strip takes the selection when it is shown: selecting a tab
    // lays out every tab, which costs a build of many pages dearly.
    if (!tabs_.isVisible() || tabs_.currentIndex() == pageNumber - 1) SwitchPage(pageNumber);
    else tabs_.setCurrentIndex(pageNumber - 1);  // runs SwitchPage
}

bool QtRegisterView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &tabs_ && event->type() == QEvent::Show) tabs_.setCurrentIndex(layout.currentPage - 1);
    return QObject::eventFilter(watched, event);
}

const QtRegisterView::PageGeometry& QtRegisterView::pageGeometry(int16_t pageNumber) const
{
    page(pageNumber);  // validates the number
    return pageGeometry_[static_cast<size_t>(pageNumber) - 1];
}

void QtRegisterView::PlacePage(int16_t pageNumber)
{
    const PageGeometry& geometry = pageGeometry(pageNumber);
    page(pageNumber).setGeometry(TwipsRect(0, geometry.top, 6525, geometry.height));
}

void QtRegisterView::selectTab(int16_t pageNumber)
{
    page(pageNumber);
    ShowTab(pageNumber);
}

void QtRegisterView::removeLastPage()
{
    const auto last = static_cast<int16_t>(pages_.size());
    if (last <= 1) throw ModelError("Page 1 cannot be removed");
    for (size_t a = 0; a < WidgetArrayCount; ++a) {
        const WidgetId templ{static_cast<WidgetArray>(a), 0};
        if (store_.at(templ).page == last) Park(templ);
    }
    PageWidget* frame = pages_.back();
    if (selection_->parentWidget() == frame) hideSelection(0);
    if (projectedPage_ == last) {
        projection_.ReleaseAll();
        projectedPage_ = 0;
    }
    if (!store_.onPage(last).empty() || !frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
        throw ModelError("Page " + std::to_string(last) + " still holds widgets");
    pages_.pop_back();
    pageGeometry_.pop_back();
    delete frame;
    tabs_.removeTab(last - 1);
}

void QtRegisterView::setTabCaption(int16_t pageNumber, const std::string& caption)
{
    page(pageNumber);
    tabs_.setCaption(pageNumber - 1, QString::fromStdString(caption));
}

void QtRegisterView::setPageHeight(int16_t pageNumber, int16_t height)
{
    pageGeometry(pageNumber);
    pageGeometry_[static_cast<size_t>(pageNumber) - 1].height = height;
    PlacePage(pageNumber);
}

void QtRegisterView::setPageTop(int16_t pageNumber, int16_t top)
{
    pageGeometry(pageNumber);
    pageGeometry_[static_cast<size_t>(pageNumber) - 1].top = top;
    PlacePage(pageNumber);
}

void QtRegisterView::Park(WidgetId id)
{
    setVisible(id, false);
    setPage(id, 0);
}

void QtRegisterView::restoreTemplates()
{
    for (size_t a = 0; a < WidgetArrayCount; ++a) Park({static_cast<WidgetArray>(a), 0});
}

void QtRegisterView::SwitchPage(int16_t s)
{
    if (s == layout.currentPage || s < 1 || s > layout.pageCount()) return;
    page(s).show();
    page(layout.currentPage).hide();
    layout.currentPage = s;
    ScheduleProjection();
    if (-pageTop(s) > frameScroll_.value()) setPageTop(s, 0);
    // The range first, so that the value is not clamped to the old page's.
    const QSignalBlocker quiet(frameScroll_);
    ShowScrollBarFor(s);
    frameScroll_.setValue(-pageTop(s));
    if (frameScroll_.value() != -pageTop(s)) setPageTop(s, static_cast<int16_t>(-frameScroll_.value()));
}

void QtRegisterView::ShowScrollBarFor(int16_t pageNumber)
{
    const int pageEnd = layout.pageBottom(pageNumber) + 20;
    if (pageEnd <= clipHeight_) {
        frameScroll_.hide();
        return;
    }
    frameScroll_.setMaximum(pageEnd - clipHeight_);
    frameScroll_.setPageStep(std::max<int>(1, clipHeight_));
    frameScroll_.show();
}

void QtRegisterView::FitPagesToClipHeight(int16_t clipHeight)
{
    clipHeight_ = clipHeight;
    ShowScrollBarFor(layout.currentPage);
    for (int16_t p = 1; p <= layout.pageCount(); ++p) {
        const int overhang = layout.pageBottom(p) + 20 - clipHeight_;
        if (overhang <= 0) setPageTop(p, 0);
        else if (overhang < -pageTop(p)) setPageTop(p, static_cast<int16_t>(-overhang));
    }
}

std::string QtRegisterView::shownText(WidgetId id)
{
    if (RealWidget* real = projection_.bound(id)) return projection_.ShownText(*real);
    return ShownOffScreen(id);
}

void QtRegisterView::showSelection(int16_t pageNumber, int16_t left, int16_t top, int16_t width, int16_t height)
{
    QWidget& frame = page(pageNumber);
    if (selection_->parentWidget() != &frame) selection_->setParent(&frame);
    selection_->setGeometry(TwipsRect(left, top, width, height));
    selection_->show();
    selection_->raise();
}

void QtRegisterView::hideSelection(int16_t pageNumber)
{
    selection_->hide();
    QWidget& holder = Container(pageNumber);
    if (selection_->parentWidget() != &holder) selection_->setParent(&holder);
}

}  // namespace velk
