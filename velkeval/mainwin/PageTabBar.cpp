#include "PageTabBar.h"

namespace velk {

void PageTabBar::setCaption(int index, const QString& caption)
{
    if (index < 0 || static_cast<size_t>(index) >= sizes_.size() || tabText(index) == caption) return;
    sizes_[static_cast<size_t>(index)] = QSize();
    setTabText(index, caption);
}

QSize PageTabBar::tabSizeHint(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= sizes_.size()) return QTabBar::tabSizeHint(index);
    QSize& size = sizes_[static_cast<size_t>(index)];
    if (!size.isValid()) size = QTabBar::tabSizeHint(index);
    return size;
}

void PageTabBar::tabInserted(int index)
{
    sizes_.insert(sizes_.begin() + index, QSize());
    QTabBar::tabInserted(index);
}

void PageTabBar::tabRemoved(int index)
{
    sizes_.erase(sizes_.begin() + index);
    QTabBar::tabRemoved(index);
}

}  // namespace velk
