#pragma once

#include <vector>

#include <QTabBar>

namespace velk {

// The tab strip of the register view. A view of many pages has hundreds of
// tabs, and the tab bar measures every tab again whenever one is added or
// renamed; this one remembers each tab's sizes until its caption changes.
class PageTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    // Renames a tab (use this instead of setTabText, so the size follows).
    void setCaption(int index, const QString& caption);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    struct Sizes {
        QSize hint, minimum;  // invalid: not measured yet
    };
    mutable std::vector<Sizes> sizes_;
};

}  // namespace velk
