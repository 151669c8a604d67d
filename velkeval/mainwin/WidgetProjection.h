#pragma once

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <QObject>
#include <QStringList>

#include "ControlEventSink.h"
#include "WidgetKinds.h"
#include "WidgetStore.h"

class QWidget;

namespace velk {

class TypingLengthLimit;
class UpDownSpinner;

// One real widget: bound to an element of the store while the element's
// page is on screen, else waiting hidden for the next element of its kind.
struct RealWidget {
    RealKind kind = RealKind::TextBox;
    QWidget* widget = nullptr;
    UpDownSpinner* spinner = nullptr;    // up-down boxes
    TypingLengthLimit* limit = nullptr;  // text boxes
    WidgetId id{};                       // the element it shows while bound
    // A list's items wait here until it is shown or used, then go in at once.
    QStringList pendingItems;
};

// The real widgets of the page on screen. Text boxes, lists, spinners and
// scroll bars of that page are Qt widgets filled from the store; what the
// user does to them goes back into the store and on to the sink, and what
// the program writes into the store is shown on them by the Apply calls.
class WidgetProjection : public QObject {
public:
    // Waiting widgets live hidden in holder.
    WidgetProjection(WidgetStore& store, ControlEventSink& sink, QWidget& holder);
    ~WidgetProjection() override;

    // The widget showing an element, or null while the element has none.
    RealWidget* bound(WidgetId id) const;
    bool hasBound() const { return !bound_.empty(); }
    // Gives an element of a real array a widget on page, filled from the store.
    void Bind(WidgetId id, QWidget& page);
    // Takes an element's widget back, hidden, if it has one.
    void Release(WidgetId id);
    void ReleaseAll();
    // Orders the focus chain of the bound widgets as the elements are
    // listed, as if the widgets had been made in that order.
    void OrderFocus(const std::vector<WidgetId>& elements);

    // Each shows one part of the element's state on its widget.
    void ApplyGeometry(const RealWidget& real);
    void ApplyVisible(RealWidget& real);
    void ApplyText(const RealWidget& real);
    void ApplyListCleared(RealWidget& real);
    void ApplyListItem(RealWidget& real, const std::string& text);
    void ApplyValue(RealWidget& real);
    void ApplyRange(const RealWidget& real);
    void ApplySteps(const RealWidget& real);
    void ApplyMaxLength(const RealWidget& real);
    void ApplyLocked(const RealWidget& real);
    void ApplyFont(const RealWidget& real);
    void ApplyColours(const RealWidget& real);
    void ApplyJustify(const RealWidget& real);
    void ApplyToolTip(const RealWidget& real);

    // The text a bound widget shows: a box's text, a list's selected item,
    // a scroll bar's value.
    std::string ShownText(RealWidget& real);

private:
    // Counts the program's own writes into the widgets: the changes they
    // cause are passed on to the sink, but the store holds them already.
    class ProgramWrite;

    RealWidget& Take(RealKind kind);
    std::unique_ptr<RealWidget> Make(RealKind kind);
    void FlushListItems(RealWidget& real);
    // The user changed a widget: the store takes text (and value), the sink the change.
    void UserChanged(const RealWidget& real, const std::string& text);

    WidgetStore& store_;
    ControlEventSink& sink_;
    QWidget& holder_;
    std::vector<std::unique_ptr<RealWidget>> widgets_;  // bound and waiting
    std::array<std::vector<RealWidget*>, RealKindCount> waiting_;
    std::unordered_map<uint64_t, RealWidget*> bound_;  // by element
    int programWrites_ = 0;
};

// The list position a list shows for the value the store keeps: none (-1)
// for a value without an item.
int ShownListIndex(const WidgetState& state);
// The position a scroll bar shows for the value the store keeps.
int ShownScrollValue(const WidgetState& state);

}  // namespace velk
