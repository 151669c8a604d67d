#include "QtRegisterView.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "HeadlessRegisterView.h"
#include "ModelError.h"
#include "PageTabBar.h"
#include "QtColours.h"
#include "Twips.h"
#include "TypingLengthLimit.h"
#include "UpDownSpinner.h"
#include "ValueBoxEdit.h"
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

enum class RealKind { TextBox, UpDownBox, List, Display, ScrollBar };

RealKind KindOf(WidgetArray array)
{
    switch (array) {
    case WidgetArray::txtGrpUpDown:
    case WidgetArray::txtUpDown: return RealKind::UpDownBox;
    case WidgetArray::grpcombos:
    case WidgetArray::combos: return RealKind::List;
    case WidgetArray::displays: return RealKind::Display;
    case WidgetArray::grpscrollbars:
    case WidgetArray::scrollbars: return RealKind::ScrollBar;
    default: return RealKind::TextBox;
    }
}

// A spinner stands at the right end of its text box, inside the control's width.
constexpr int SpinnerWidth = 17;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

void SetPaletteColour(QWidget& widget, std::initializer_list<QPalette::ColorRole> roles, const QColor& colour)
{
    QPalette palette = widget.palette();
    bool changed = false;
    for (const auto role : roles) {
        if (palette.color(role) == colour) continue;
        palette.setColor(role, colour);
        changed = true;
    }
    if (changed) widget.setPalette(palette);
}

}  // namespace

QtRegisterView::QtRegisterView(const WindowFurniture& furniture, ControlEventSink& sink,
                               std::function<void()> fitWindowHeight)
    : templateHolder_(*furniture.client),
      clipFrame_(*furniture.clipFrame),
      tabs_(*furniture.tabs),
      frameScroll_(*furniture.frameScroll),
      sink_(sink),
      fitWindowHeight_(std::move(fitWindowHeight)),
      selection_(new SelectionMarkWidget(&templateHolder_))
{
    for (size_t a = 0; a < WidgetArrayCount; ++a) {
        const WidgetId id{static_cast<WidgetArray>(a), 0};
        ViewElement& element = elements_.make(id);
        element = AsMade(id.array);
        if (!IsDrawnArray(id.array)) CreateWidget(id, element, templateHolder_);
    }
    addPage(1, "key1", "Tab1");
    tabs_.installEventFilter(this);
    connect(&tabs_, &QTabBar::currentChanged, this, [this](int tab) {
        if (tab >= 0) SwitchPage(static_cast<int16_t>(tab + 1));
    });
    connect(&frameScroll_, &QScrollBar::valueChanged, this,
            [this](int value) { setPageTop(layout.currentPage, static_cast<int16_t>(-value)); });
    frameScroll_.setSingleStep(350);  // one field row
}

QtRegisterView::~QtRegisterView()
{
    // The widgets outlive the view when the window closes; a value box losing
    // the focus then must not ask the view.
    for (ViewElement& element : elements_.array(WidgetArray::txtValue))
        if (element.widget) static_cast<ValueBoxEdit*>(element.widget)->StopChecking();
}

ViewElement QtRegisterView::AsMade(WidgetArray array)
{
    ViewElement element;
    element.loaded = true;
    const bool box = !IsDrawnArray(array) && KindOf(array) != RealKind::ScrollBar;
    element.foreColor = SystemColour(box ? 8 : 18);
    element.backColor = SystemColour(box ? 5 : 15);
    if (array == WidgetArray::lines) element.foreColor = SystemColour(8);
    return element;
}

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

void QtRegisterView::CreateWidget(WidgetId id, ViewElement& element, QWidget& parent)
{
    switch (KindOf(id.array)) {
    case RealKind::TextBox:
    case RealKind::UpDownBox: {
        QLineEdit* box = id.array == WidgetArray::txtValue
                             ? new ValueBoxEdit(&parent, [this, id](const QString& text) {
                                   return sink_.ValueBoxMayLeave(id, text.toStdString());
                               })
                             : new QLineEdit(&parent);
        auto* limit = new TypingLengthLimit(*box);
        connect(box, &QLineEdit::textChanged, this,
                [this, id](const QString& text) { sink_.WidgetChanged(id, elements_.at(id).tag, text.toStdString()); });
        element.widget = box;
        if (KindOf(id.array) == RealKind::UpDownBox) {
            element.spinner = new UpDownSpinner(&parent);
            connect(element.spinner, &UpDownSpinner::stepped, this,
                    [this, id, limit](int position) { limit->SetProgramText(ToQString(sink_.SpinnerText(id, elements_.at(id).tag, position))); });
        }
        break;
    }
    case RealKind::List:
    case RealKind::Display: {
        auto* list = new QComboBox(&parent);
        if (KindOf(id.array) == RealKind::Display) {
            list->setFocusPolicy(Qt::NoFocus);
            list->setAttribute(Qt::WA_TransparentForMouseEvents);
        } else {
            connect(list, &QComboBox::currentIndexChanged, this,
                    [this, id](int position) { sink_.WidgetChanged(id, elements_.at(id).tag, std::to_string(position)); });
        }
        element.widget = list;
        break;
    }
    case RealKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, &parent);
        connect(bar, &QScrollBar::valueChanged, this,
                [this, id](int value) { sink_.WidgetChanged(id, elements_.at(id).tag, std::to_string(value)); });
        element.widget = bar;
        break;
    }
    }
    element.widget->hide();
    if (element.spinner) element.spinner->hide();
}

void QtRegisterView::Redraw(WidgetId id)
{
    const ViewElement& element = elements_.at(id);
    if (element.page != 0) page(element.page).UpdateItem(id);
}

void QtRegisterView::ApplyGeometry(const ViewElement& element)
{
    QRect rect = TwipsRect(element.left, element.top, element.width, element.height);
    // A drop-down list is as tall as its font makes it, whatever height the
    // model keeps (descriptions leave a list's height out).
    if (qobject_cast<QComboBox*>(element.widget)) rect.setHeight(element.widget->sizeHint().height());
    if (!element.spinner) {
        element.widget->setGeometry(rect);
        return;
    }
    const int spinnerWidth = std::min(SpinnerWidth, rect.width() / 2);
    element.widget->setGeometry(rect.adjusted(0, 0, -spinnerWidth, 0));
    element.spinner->setGeometry(rect.right() - spinnerWidth + 1, rect.top(), spinnerWidth, rect.height());
}

void QtRegisterView::ApplyFont(const ViewElement& element)
{
    QFont font = element.widget->font();
    if (font.bold() == element.bold && font.italic() == element.italic) return;
    font.setBold(element.bold);
    font.setItalic(element.italic);
    element.widget->setFont(font);
}

void QtRegisterView::ApplyColours(WidgetId id, const ViewElement& element)
{
    switch (KindOf(id.array)) {
    case RealKind::ScrollBar: return;
    case RealKind::List:
    case RealKind::Display:
        // A closed list shows its item on the button face, the open one on the base.
        SetPaletteColour(*element.widget, {QPalette::ButtonText, QPalette::Text}, ToQColor(element.foreColor));
        SetPaletteColour(*element.widget, {QPalette::Button, QPalette::Base}, ToQColor(element.backColor));
        return;
    case RealKind::TextBox:
    case RealKind::UpDownBox:
        SetPaletteColour(*element.widget, {QPalette::Text}, ToQColor(element.foreColor));
        SetPaletteColour(*element.widget, {QPalette::Base}, ToQColor(element.backColor));
        return;
    }
}

void QtRegisterView::FlushListItems(ViewElement& element)
{
    if (element.pendingItems.isEmpty()) return;
    static_cast<QComboBox*>(element.widget)->addItems(element.pendingItems);
    element.pendingItems.clear();
}

void QtRegisterView::loadElement(WidgetId id)
{
    if (id.index <= 0) throw ModelError("Widget " + WidgetName(id) + " cannot be loaded");
    ViewElement& element = elements_.make(id);
    if (element.loaded) throw ModelError("Widget " + WidgetName(id) + " is loaded already");
    element = AsMade(id.array);
}

void QtRegisterView::unloadElement(WidgetId id)
{
    if (id.index == 0) throw ModelError("The template " + WidgetName(id) + " cannot be unloaded");
    ViewElement& element = elements_.at(id);
    if (IsDrawnArray(id.array)) {
        if (element.page != 0) page(element.page).RemoveItem(id);
    } else {
        delete element.widget;
        delete element.spinner;
    }
    element = ViewElement{};
}

void QtRegisterView::setTag(WidgetId id, const std::string& tag) { elements_.at(id).tag = tag; }

void QtRegisterView::setPage(WidgetId id, int16_t pageNumber)
{
    ViewElement& element = elements_.at(id);
    QWidget& container = Container(pageNumber);
    if (IsDrawnArray(id.array)) {
        if (element.page == pageNumber) return;
        if (element.page != 0) page(element.page).RemoveItem(id);
        element.page = pageNumber;
        if (pageNumber != 0) page(pageNumber).AddItem(id);
        return;
    }
    element.page = pageNumber;
    if (!element.widget) {
        CreateWidget(id, element, container);
        ApplyGeometry(element);
    } else if (element.widget->parentWidget() != &container) {
        element.widget->setParent(&container);
        if (element.spinner) element.spinner->setParent(&container);
    }
    element.widget->setVisible(element.visible);
    if (element.spinner) element.spinner->setVisible(element.visible);
}

void QtRegisterView::setVisible(WidgetId id, bool visible)
{
    ViewElement& element = elements_.at(id);
    if (element.visible == visible) return;
    if (IsDrawnArray(id.array)) {
        Redraw(id);
        element.visible = visible;
        Redraw(id);
        return;
    }
    element.visible = visible;
    FlushListItems(element);
    element.widget->setVisible(visible);
    if (element.spinner) element.spinner->setVisible(visible);
}

void QtRegisterView::move(WidgetId id, int16_t left, int16_t top)
{
    ViewElement& element = elements_.at(id);
    if (id.array == WidgetArray::lines) {
        // A line moves as a whole: its first end goes to (left, top).
        const int dx = left - element.x1, dy = top - element.y1;
        setLineEnds(id, left, top, static_cast<int16_t>(element.x2 + dx), static_cast<int16_t>(element.y2 + dy),
                    element.borderWidth);
        return;
    }
    ChangeGeometry(id, [&] {
        element.left = left;
        element.top = top;
    });
}

void QtRegisterView::setWidth(WidgetId id, int16_t width)
{
    ViewElement& element = elements_.at(id);
    ChangeGeometry(id, [&] { element.width = width; });
}

void QtRegisterView::setHeight(WidgetId id, int16_t height)
{
    ViewElement& element = elements_.at(id);
    ChangeGeometry(id, [&] { element.height = height; });
}

void QtRegisterView::ChangeGeometry(WidgetId id, const std::function<void()>& change)
{
    const bool drawn = IsDrawnArray(id.array);
    if (drawn) Redraw(id);  // where it stood
    change();
    if (drawn) Redraw(id);
    else ApplyGeometry(elements_.at(id));
}

void QtRegisterView::setText(WidgetId id, const std::string& text)
{
    ViewElement& element = elements_.at(id);
    if (IsDrawnArray(id.array)) {
        if (element.text == text) return;
        element.text = text;
        Redraw(id);
        // A bit box reports its caption change as the label's Change event would.
        if (id.array == WidgetArray::txtBit) sink_.WidgetChanged(id, element.tag, text);
        return;
    }
    if (auto* box = qobject_cast<QLineEdit*>(element.widget)) {
        const QString shown = ToQString(text);
        if (box->text() != shown) TypingLengthLimit::Of(*box)->SetProgramText(shown);
    }
}

void QtRegisterView::clearList(WidgetId id)
{
    ViewElement& element = elements_.at(id);
    element.pendingItems.clear();
    if (auto* list = qobject_cast<QComboBox*>(element.widget)) list->clear();
}

void QtRegisterView::addListItem(WidgetId id, const std::string& text)
{
    ViewElement& element = elements_.at(id);
    if (qobject_cast<QComboBox*>(element.widget)) element.pendingItems.append(ToQString(text));
}

void QtRegisterView::setValue(WidgetId id, int value)
{
    ViewElement& element = elements_.at(id);
    FlushListItems(element);
    if (element.spinner) {
        element.spinner->setValue(value);
    } else if (auto* list = qobject_cast<QComboBox*>(element.widget)) {
        // A value without a list item shows nothing selected.
        list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
    } else if (auto* bar = qobject_cast<QScrollBar*>(element.widget)) {
        bar->setValue(value);
    }
}

void QtRegisterView::setRange(WidgetId id, int16_t min, int16_t max)
{
    const ViewElement& element = elements_.at(id);
    if (element.spinner) element.spinner->setRange(min, max);
    else if (auto* bar = qobject_cast<QScrollBar*>(element.widget)) bar->setRange(min, max);
}

void QtRegisterView::setSteps(WidgetId id, int16_t smallStep, int16_t largeStep)
{
    if (auto* bar = qobject_cast<QScrollBar*>(elements_.at(id).widget)) {
        bar->setSingleStep(smallStep);
        bar->setPageStep(largeStep);
    }
}

void QtRegisterView::setMaxLength(WidgetId id, int16_t characters)
{
    if (auto* box = qobject_cast<QLineEdit*>(elements_.at(id).widget)) TypingLengthLimit::Of(*box)->setLimit(characters);
}

void QtRegisterView::setLocked(WidgetId id, bool locked)
{
    if (auto* box = qobject_cast<QLineEdit*>(elements_.at(id).widget)) box->setReadOnly(locked);
}

void QtRegisterView::setBold(WidgetId id, bool bold)
{
    ViewElement& element = elements_.at(id);
    element.bold = bold;
    if (IsDrawnArray(id.array)) Redraw(id);
    else ApplyFont(element);
}

void QtRegisterView::setItalic(WidgetId id, bool italic)
{
    ViewElement& element = elements_.at(id);
    element.italic = italic;
    if (IsDrawnArray(id.array)) Redraw(id);
    else ApplyFont(element);
}

void QtRegisterView::setForeColor(WidgetId id, int32_t colour)
{
    ViewElement& element = elements_.at(id);
    element.foreColor = colour;
    if (IsDrawnArray(id.array)) Redraw(id);
    else ApplyColours(id, element);
}

void QtRegisterView::setBackColor(WidgetId id, int32_t colour)
{
    ViewElement& element = elements_.at(id);
    element.backColor = colour;
    if (IsDrawnArray(id.array)) Redraw(id);
    else ApplyColours(id, element);
}

void QtRegisterView::setJustify(WidgetId id, int16_t justify)
{
    ViewElement& element = elements_.at(id);
    element.justify = justify;
    if (IsDrawnArray(id.array)) {
        Redraw(id);
    } else if (auto* box = qobject_cast<QLineEdit*>(element.widget)) {
        box->setAlignment(justify == 1 ? Qt::AlignRight : justify == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
    }
}

void QtRegisterView::setToolTip(WidgetId id, const std::string& text)
{
    ViewElement& element = elements_.at(id);
    if (IsDrawnArray(id.array)) {
        element.toolTip = text;
        return;
    }
    const QString tip = ToQString(text);
    if (element.widget->toolTip() != tip) element.widget->setToolTip(tip);
    if (element.spinner && element.spinner->toolTip() != tip) element.spinner->setToolTip(tip);
}

void QtRegisterView::setLineEnds(WidgetId id, int16_t x1, int16_t y1, int16_t x2, int16_t y2, int16_t borderWidth)
{
    ViewElement& line = elements_.at(id);
    Redraw(id);
    line.x1 = x1;
    line.y1 = y1;
    line.x2 = x2;
    line.y2 = y2;
    line.left = x1;
    line.top = y1;
    line.borderWidth = borderWidth;
    Redraw(id);
}

void QtRegisterView::addPage(int16_t pageNumber, const std::string& tabKey, const std::string& tabCaption)
{
    if (static_cast<size_t>(pageNumber) != pages_.size() + 1) throw ModelError("Pages are added in order");
    auto* frame = new PageWidget(&clipFrame_, elements_, [this](WidgetId item) {
        if (item.array == WidgetArray::labels) return sink_.LabelClicked(item, elements_.at(item).tag);
        // A click flips a bit box's caption; anything but "1" becomes "1".
        setText(item, elements_.at(item).text == "1" ? "0" : "1");
    });
    // A new page takes the place and size of page 1.
    pageGeometry_.push_back(pages_.empty() ? PageGeometry{0, static_cast<int16_t>(layout.maxPageHeight + 20)}
                                           : pageGeometry_.front());
    if (!pages_.empty()) pages_.back()->hide();
    pages_.push_back(frame);
    PlacePage(pageNumber);
    frame->show();
    frame->raise();
    const int tab = tabs_.addTab(ToQString(tabCaption));
    tabs_.setTabData(tab, ToQString(tabKey));
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
        if (elements_.at(templ).page == last) Park(templ);
    }
    PageWidget* frame = pages_.back();
    if (selection_->parentWidget() == frame) hideSelection(0);
    if (!frame->items().empty() || !frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
        throw ModelError("Page " + std::to_string(last) + " still holds widgets");
    pages_.pop_back();
    pageGeometry_.pop_back();
    delete frame;
    tabs_.removeTab(last - 1);
}

void QtRegisterView::setTabCaption(int16_t pageNumber, const std::string& caption)
{
    page(pageNumber);
    tabs_.setCaption(pageNumber - 1, ToQString(caption));
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
    ViewElement& element = elements_.at(id);
    if (!IsDrawnArray(id.array)) FlushListItems(element);
    if (IsDrawnArray(id.array)) return element.text;
    if (auto* box = qobject_cast<QLineEdit*>(element.widget)) return box->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(element.widget)) return list->currentText().toStdString();
    if (auto* bar = qobject_cast<QScrollBar*>(element.widget)) return std::to_string(bar->value());
    return {};
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
