#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QWidget>

#include "ViewElement.h"

namespace velk {

// One page of the register view. Its real widgets are child widgets; its
// bit boxes, labels and lines are drawn here from a compact list, and a
// click on a drawn bit box or label is reported as the label would report it.
class PageWidget : public QWidget {
public:
    using ItemClicked = std::function<void(WidgetId)>;

    PageWidget(QWidget* parent, ElementTable& elements, ItemClicked itemClicked);

    // Puts a drawn element on this page's list, or takes it off.
    void AddItem(WidgetId id);
    void RemoveItem(WidgetId id);
    // Redraws the place of a drawn element of this page.
    void UpdateItem(WidgetId id);
    const std::vector<WidgetId>& items() const { return items_; }

    // The pixel rectangle a drawn element covers on its page.
    static QRect ItemRect(WidgetArray array, const ViewElement& element);
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
    ElementTable& elements_;
    ItemClicked itemClicked_;
    std::vector<WidgetId> items_;
    std::optional<WidgetId> pressed_;
};

}  // namespace velk
