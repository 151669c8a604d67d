#pragma once

#include "ControlEventSink.h"
#include "ProgramState.h"

namespace velk {

// Turns what the user does to the register view's widgets into changes of
// the owning field or group: the widget's tag names its owner, the widget's
// array the control type, and nothing is passed on while eventsEnabled is
// false (the program is writing into the widgets itself).
class ControlEvents : public ControlEventSink {
public:
    explicit ControlEvents(ProgramState& state) : state_(state) {}

    void WidgetChanged(WidgetId id, const std::string& tag, const std::string& text) override;
    std::string SpinnerText(WidgetId textBox, const std::string& tag, int position) override;
    // A value box may be left only while it reads as a byte (0 to 255, in
    // decimal); otherwise the user hears a beep.
    bool ValueBoxMayLeave(WidgetId id, const std::string& text) override;
    // In edit mode a click on a group's label selects the group.
    void LabelClicked(WidgetId id, const std::string& tag) override;

private:
    ProgramState& state_;
};

// Whether a value box text reads as a decimal number from 0 to 255.
bool IsByteText(const std::string& text);

}  // namespace velk
