#include "TextFit.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

namespace textfit {
namespace {

std::string Describe(const QWidget& widget, const QString& text, int needed, int available)
{
    const QString name = widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                                       : widget.objectName();
    return (name + " \"" + text + "\" needs " + QString::number(needed) + " px, has " + QString::number(available))
        .toStdString();
}

// How much of a widget's width shows: its parent cuts off what stands
// beyond its own right edge.
int VisibleWidth(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    if (!parent || widget.isWindow()) return widget.width();
    return std::max(0, std::min(widget.width(), parent->width() - widget.x()));
}

void CheckLabel(const QLabel& label, std::vector<std::string>& misfits)
{
    if (label.text().isEmpty()) return;
    QRect area = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    area.setRight(std::min(area.right(), VisibleWidth(label) - 1));
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    if (!DrawnTextFits(label.font(), area, flags, label.wordWrap(), label.text())) {
        const QRect needed = label.fontMetrics().boundingRect(area, flags, label.text());
        misfits.push_back(Describe(label, label.text(), needed.width(), area.width()) + " (height " +
                          std::to_string(needed.height()) + " of " + std::to_string(area.height()) + ")");
    }
}

void CheckButton(const QAbstractButton& button, std::vector<std::string>& misfits)
{
    if (button.text().isEmpty()) return;
    const QStyle& style = *button.style();
    const int textWidth = button.fontMetrics().horizontalAdvance(button.text());
    int needed = textWidth;
    if (qobject_cast<const QCheckBox*>(&button)) {
        needed += style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) +
                  style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button);
    } else if (qobject_cast<const QRadioButton*>(&button)) {
        needed += style.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &button) +
                  style.pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &button);
    } else {
        needed += 2 * style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    }
    const int available = VisibleWidth(button);
    if (needed > available) misfits.push_back(Describe(button, button.text(), needed, available));
    if (button.fontMetrics().height() > button.height())
        misfits.push_back(Describe(button, button.text() + " (height)", button.fontMetrics().height(), button.height()));
}

void CheckList(const QComboBox& list, std::vector<std::string>& misfits)
{
    QStyleOptionComboBox option;
    option.initFrom(&list);
    option.editable = list.isEditable();
    const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &list);
    // The closed list draws its item one pixel in from each side of the field.
    const int available = field.width() - 2;
    if (list.fontMetrics().height() > field.height())
        misfits.push_back(Describe(list, list.currentText() + " (height)", list.fontMetrics().height(), field.height()));
    for (int i = 0; i < list.count(); ++i) {
        const int needed = list.fontMetrics().horizontalAdvance(list.itemText(i));
        if (needed > available) misfits.push_back(Describe(list, list.itemText(i), needed, available));
    }
}

}  // namespace

bool DrawnTextFits(const QFont& font, const QRect& rect, int flags, bool wrap, const QString& text)
{
    const QFontMetrics metrics(font);
    const QRect needed = metrics.boundingRect(rect, flags | (wrap ? Qt::TextWordWrap : 0), text);
    // A wrapped text breaks only between words: a word longer than the width
    // overflows as it would unwrapped.
    bool wordsFit = true;
    if (wrap)
        for (const QString& word : text.split(' ', Qt::SkipEmptyParts))
            wordsFit = wordsFit && metrics.horizontalAdvance(word) <= rect.width();
    return wordsFit && needed.width() <= rect.width() && needed.height() <= rect.height();
}

std::vector<std::string> BoxMisfits(const QWidget& widget, const QString& text)
{
    const auto& box = static_cast<const QLineEdit&>(widget);
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    const QMargins margins = box.textMargins();
    // The text box keeps two pixels free on each side of its text.
    const int available =
        box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box).width() - margins.left() - margins.right() - 4;
    const int needed = box.fontMetrics().horizontalAdvance(text);
    if (needed <= available) return {};
    return {Describe(box, text, needed, available)};
}

std::vector<std::string> Misfits(const QWidget& root)
{
    std::vector<std::string> misfits;
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<const QWidget*>()) widgets.push_back(child);
    for (const QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&root) && widget != &root) continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) CheckLabel(*label, misfits);
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) CheckButton(*button, misfits);
        else if (const auto* list = qobject_cast<const QComboBox*>(widget)) CheckList(*list, misfits);
        else if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
            const auto found = BoxMisfits(*box, box->text());
            misfits.insert(misfits.end(), found.begin(), found.end());
        }
    }
    return misfits;
}

}  // namespace textfit
