#include "PageTabBar.h"

namespace velk {

void PageTabBar::setCaption(int index, const QString& caption)
{
    if (index < 0 || static_cast<size_t>(index) >= sizes_.size() || tabText(index) == caption) return;
    sizes_[static_cast<size_t>(index)] = Sizes{};
    setTabText(index, caption);
}

QSize PageTabBar::tabSizeHint(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= sizes_.size()) return QTabBar::tabSizeHint(index);
    QSize& size = sizes_[static_cast<size_t>(index)].hint;
    if (!size.isValid()) size = QTabBar::tabSizeHint(index);
    return size;
}

QSize PageTabBar::minimumTabSizeHint(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= sizes_.size()) return QTabBar::minimumTabSizeHint(index);
    QSize& size = sizes_[static_cast<size_t>(index)].minimum;
    if (!size.isValid()) size = QTabBar::minimumTabSizeHint(index);
    return size;
}

void PageTabBar::tabInserted(int index)
{
    sizes_.insert(sizes_.begin() + index, Sizes{});
    QTabBar::tabInserted(index);
}

void PageTabBar::tabRemoved(int index)
{
    sizes_.erase(sizes_.begin() + index);
    QTabBar::tabRemoved(index);
}

}  // namespace velk
