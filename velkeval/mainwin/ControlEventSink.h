#pragma once

#include <string>

#include "RegisterView.h"

namespace velk {

// Where the Qt register view reports what the user does to its widgets.
class ControlEventSink {
public:
    virtual ~ControlEventSink() = default;

    // A widget with that tag changed: text is what the change passes on (a
    // box's text, a list position or scroll value in decimal, a bit box's
    // caption).
    virtual void WidgetChanged(WidgetId id, const std::string& tag, const std::string& text) = 0;
    // The text an up-down text box gets when its spinner steps to position.
    virtual std::string SpinnerText(WidgetId textBox, const std::string& tag, int position) = 0;
    // Whether a value box showing text may lose the focus.
    virtual bool ValueBoxMayLeave(WidgetId id, const std::string& text) = 0;
    // A label with that tag was clicked.
    virtual void LabelClicked(WidgetId id, const std::string& tag) = 0;
};

}  // namespace velk
