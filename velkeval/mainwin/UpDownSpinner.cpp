#include "UpDownSpinner.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSpinBox>

namespace velk {

UpDownSpinner::UpDownSpinner(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::ClickFocus); }

void UpDownSpinner::setValue(int value)
{
    value = std::clamp(value, min_, max_);
    if (value == value_) return;
    value_ = value;
    update();
}

void UpDownSpinner::setRange(int min, int max)
{
    min_ = std::min(min, max);
    max_ = std::max(min, max);
    value_ = std::clamp(value_, min_, max_);
    update();
}

void UpDownSpinner::stepBy(int steps)
{
    const int next = std::clamp(value_ + steps, min_, max_);
    if (next == value_) return;
    value_ = next;
    update();
    emit stepped(value_);
}

void UpDownSpinner::paintEvent(QPaintEvent*)
{
    QStyleOptionSpinBox option;
    option.initFrom(this);
    option.frame = false;
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.stepEnabled = QAbstractSpinBox::StepNone;
    if (value_ < max_) option.stepEnabled |= QAbstractSpinBox::StepUpEnabled;
    if (value_ > min_) option.stepEnabled |= QAbstractSpinBox::StepDownEnabled;
    QPainter painter(this);
    style()->drawComplexControl(QStyle::CC_SpinBox, &option, &painter, this);
}

void UpDownSpinner::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return;
    stepBy(event->position().y() < height() / 2.0 ? 1 : -1);
}

void UpDownSpinner::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) stepBy(1);
    else if (event->key() == Qt::Key_Down) stepBy(-1);
    else QWidget::keyPressEvent(event);
}

}  // namespace velk
