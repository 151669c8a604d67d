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

void DrawLine(QPainter& painter, const WidgetState& line)
{
    painter.setPen(QPen(ToQColor(line.foreColor), std::max(1, static_cast<int>(line.borderWidth))));
    painter.drawLine(ToPixels(line.x1), ToPixels(line.y1), ToPixels(line.x2), ToPixels(line.y2));
}

void DrawBox(QPainter& painter, WidgetArray array, const WidgetState& box, const QRect& rect)
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

PageWidget::PageWidget(QWidget* parent, const WidgetStore& store, int16_t number, ItemClicked itemClicked)
    : QWidget(parent), store_(store), number_(number), itemClicked_(std::move(itemClicked))
{
}

void PageWidget::UpdateItem(WidgetId id)
{
    const WidgetState& element = store_.at(id);
    if (element.visible && isVisible()) update(ItemRect(id.array, element));
}

void PageWidget::ItemLeaving(WidgetId id)
{
    UpdateItem(id);
    if (pressed_ == id) pressed_.reset();
}

QRect PageWidget::ItemRect(WidgetArray array, const WidgetState& element)
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
    const auto& items = store_.onPage(number_);
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        if (!IsDrawnArray(it->array) || it->array == WidgetArray::lines) continue;
        const WidgetState& element = store_.at(*it);
        if (element.visible && ItemRect(it->array, element).contains(point)) return *it;
    }
    return std::nullopt;
}

void PageWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    // Boxes first, then the lines over them.
    for (const bool lines : {false, true}) {
        for (const WidgetId id : store_.onPage(number_)) {
            if (!IsDrawnArray(id.array) || (id.array == WidgetArray::lines) != lines) continue;
            const WidgetState& element = store_.at(id);
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
        if (item && !store_.at(*item).toolTip.empty())
            QToolTip::showText(help->globalPos(), QString::fromStdString(store_.at(*item).toolTip), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace velk
