#include "PageWidget.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "QtColours.h"
#include "Twips.h"

namespace velk {
namespace {

bool IsBitBox(WidgetArray array)
{
    return array == WidgetArray::txtBit || array == WidgetArray::txtRdBit || array == WidgetArray::txtDummyBit;
}

void DrawLine(QPainter& painter, const ViewElement& line)
{
    painter.setPen(QPen(ToQColor(line.foreColor), std::max(1, static_cast<int>(line.borderWidth))));
    painter.drawLine(ToPixels(line.x1), ToPixels(line.y1), ToPixels(line.x2), ToPixels(line.y2));
}

void DrawBox(QPainter& painter, WidgetArray array, const ViewElement& box, const QRect& rect)
{
    painter.fillRect(rect, ToQColor(box.backColor));
    if (IsBitBox(array)) {
        painter.setPen(Qt::darkGray);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    if (box.text.empty()) return;
    QFont font = painter.font();
    font.setBold(box.bold);
    font.setItalic(box.italic);
    painter.setFont(font);
    painter.setPen(ToQColor(box.foreColor));
    painter.drawText(rect, PageWidget::TextFlags(array, box.justify), QString::fromStdString(box.text));
}

}  // namespace

int PageWidget::TextFlags(WidgetArray array, int16_t justify)
{
    if (IsBitBox(array)) return Qt::AlignCenter | Qt::TextWordWrap;
    const Qt::Alignment horizontal = justify == 1 ? Qt::AlignRight : justify == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    return static_cast<int>(horizontal | Qt::AlignTop) | Qt::TextWordWrap;
}

PageWidget::PageWidget(QWidget* parent, ElementTable& elements, ItemClicked itemClicked)
    : QWidget(parent), elements_(elements), itemClicked_(std::move(itemClicked))
{
}

void PageWidget::AddItem(WidgetId id)
{
    elements_.at(id).slot = items_.size();
    items_.push_back(id);
    UpdateItem(id);
}

void PageWidget::RemoveItem(WidgetId id)
{
    UpdateItem(id);
    const size_t slot = elements_.at(id).slot;
    items_[slot] = items_.back();
    elements_.at(items_[slot]).slot = slot;
    items_.pop_back();
    if (pressed_ == id) pressed_.reset();
}

void PageWidget::UpdateItem(WidgetId id)
{
    const ViewElement& element = elements_.at(id);
    if (element.visible && isVisible()) update(ItemRect(id.array, element));
}

QRect PageWidget::ItemRect(WidgetArray array, const ViewElement& element)
{
    if (array == WidgetArray::lines) {
        const int pad = std::max(1, static_cast<int>(element.borderWidth));
        return QRect(QPoint(ToPixels(std::min(element.x1, element.x2)), ToPixels(std::min(element.y1, element.y2))),
                     QPoint(ToPixels(std::max(element.x1, element.x2)), ToPixels(std::max(element.y1, element.y2))))
            .adjusted(-pad, -pad, pad, pad);
    }
    return TwipsRect(element.left, element.top, element.width, element.height);
}

std::optional<WidgetId> PageWidget::ItemAt(QPoint point) const
{
    for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
        const ViewElement& element = elements_.at(*it);
        if (it->array != WidgetArray::lines && element.visible && ItemRect(it->array, element).contains(point)) return *it;
    }
    return std::nullopt;
}

void PageWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    // Boxes first, then the lines over them.
    for (const bool lines : {false, true}) {
        for (const WidgetId id : items_) {
            if ((id.array == WidgetArray::lines) != lines) continue;
            const ViewElement& element = elements_.at(id);
            if (!element.visible) continue;
            const QRect rect = ItemRect(id.array, element);
            if (!rect.intersects(exposed)) continue;
            if (lines) DrawLine(painter, element);
            else DrawBox(painter, id.array, element, rect);
        }
    }
}

void PageWidget::mousePressEvent(QMouseEvent* event)
{
    pressed_.reset();
    if (event->button() == Qt::LeftButton) pressed_ = ItemAt(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void PageWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const auto pressed = pressed_;
    pressed_.reset();
    if (event->button() == Qt::LeftButton && pressed && pressed == ItemAt(event->position().toPoint()) &&
        (pressed->array == WidgetArray::txtBit || pressed->array == WidgetArray::labels))
        itemClicked_(*pressed);
    QWidget::mouseReleaseEvent(event);
}

bool PageWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const auto item = ItemAt(help->pos());
        if (item && !elements_.at(*item).toolTip.empty())
            QToolTip::showText(help->globalPos(), QString::fromStdString(elements_.at(*item).toolTip), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace velk
