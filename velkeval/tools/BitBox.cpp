#include "BitBox.h"

#include <QMouseEvent>

namespace velk {

BitBox::BitBox(QWidget* parent) : QLabel(QStringLiteral("0"), parent)
{
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFixedSize(16, 20);
}

void BitBox::Toggle() { setText(text() == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1")); }

void BitBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick_) onClick_();
}

}  // namespace velk
