#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "WidgetKinds.h"
#include "WidgetStore.h"

namespace velk {

// One page of the register view. The real widgets of the page on screen
// are child widgets; bit boxes, labels and lines are drawn here from the
// store's list of the page, and a click on a drawn bit box or label is
// reported as the label would report it.
class PageWidget : public QWidget {
public:
    using ItemClicked = std::function<void(WidgetId)>;

    PageWidget(QWidget* parent, const WidgetStore& store, int16_t number, ItemClicked itemClicked);

    // Redraws the place of a drawn element of this page.
    void UpdateItem(WidgetId id);
    // A drawn element is about to leave this page (or go): its place is
    // redrawn and a press on it is forgotten.
    void ItemLeaving(WidgetId id);

    // The pixel rectangle a drawn element covers on its page.
    static QRect ItemRect(WidgetArray array, const WidgetState& element);
    // How an element's caption is drawn in its place: bit boxes centred,
    // labels by their justification from the top, wrapped at words.
    static int TextFlags(WidgetArray array, int16_t justify);
    // The topmost visible drawn element under a point, if any.
    std::optional<WidgetId> ItemAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    const WidgetStore& store_;
    int16_t number_;
    ItemClicked itemClicked_;
    std::optional<WidgetId> pressed_;
};

}  // namespace velk
