#include "PageReflow.h"

#include <algorithm>

#include "Group.h"
#include "ModelError.h"
#include "RegisterView.h"

namespace velk {

void CompletePageCaption(RegisterView& view, int16_t page)
{
    const std::string& lastAddress = view.layout.tabTag(page);
    if (lastAddress.empty()) return;  // no band was placed on it by a re-layout
    std::string caption = view.layout.tabCaption(page);
    caption = caption.substr(0, caption.find(" - ")) + " - " + lastAddress;
    view.SetTabCaption(page, caption);
}

void ReflowPages(ProgramState& state, int16_t runningTop, int16_t page, const Group* after)
{
    RegisterView& view = state.view;
    PageLayout& layout = view.layout;
    view.SelectTab(page);
    for (int16_t p = page; p <= layout.pageCount(); ++p) layout.pageBottom(p) = 0;
    layout.pageBottom(page) = Checked16(runningTop + 20LL, "page bottom");

    bool reached = after == nullptr;
    for (const auto& group : state.allGroups) {
        if (reached)
            group->incrY(state, runningTop, page);
        else
            reached = group.get() == after;
    }
    CompletePageCaption(view, page);
    while (layout.pageCount() > 1 && layout.pageBottom(layout.pageCount()) == 0) view.RemoveLastPage();

    // The page height grows to the tallest page before the frames take it,
    // so that no frame cuts off a band taller than the chosen height.
    layout.maxPageHeight = std::max(layout.maxPageHeight, layout.largestPageBottom());
    const int16_t frameHeight = Checked16(layout.maxPageHeight + 20LL, "page height");
    for (int16_t p = 1; p <= layout.pageCount(); ++p) view.setPageHeight(p, frameHeight);
    view.fitWindowHeight();
}

}  // namespace velk
