#include "ControlEvents.h"

#include <optional>

#include "ControlType.h"
#include "Conversions.h"
#include "EditCommands.h"
#include "EventReport.h"

namespace velk {
namespace {

// Which owner an array's change goes to, and as which control type.
struct EventRoute {
    bool toGroup;
    int32_t controlType;
};

std::optional<EventRoute> RouteOf(WidgetArray array)
{
    switch (array) {
    case WidgetArray::txtExtra: return EventRoute{false, ControlType::TextBox};
    case WidgetArray::txtGrpExtra: return EventRoute{true, ControlType::TextBox};
    case WidgetArray::combos: return EventRoute{false, ControlType::Combo};
    case WidgetArray::grpcombos: return EventRoute{true, ControlType::Combo};
    case WidgetArray::txtUpDown: return EventRoute{false, ControlType::UpDown};
    case WidgetArray::txtGrpUpDown: return EventRoute{true, ControlType::UpDown};
    case WidgetArray::scrollbars: return EventRoute{false, ControlType::Scrollbar};
    case WidgetArray::grpscrollbars: return EventRoute{true, ControlType::Scrollbar};
    case WidgetArray::txtBit: return EventRoute{false, ControlType::Bit};
    case WidgetArray::txtValue: return EventRoute{true, ControlType::ValueBox};
    default: return std::nullopt;  // displays, read-only and dummy bits, labels, lines
    }
}

}  // namespace

bool IsByteText(const std::string& text)
{
    const int16_t value = TextToInt(text, -1, "dec");
    return value >= 0 && value <= 255;
}

void ControlEvents::WidgetChanged(WidgetId id, const std::string& tag, const std::string& text)
{
    if (!state_.eventsEnabled) return;
    const auto route = RouteOf(id.array);
    if (!route) return;
    if (id.array == WidgetArray::txtValue && !IsByteText(text)) return;
    const RegisteredObject* owner = state_.nameRegistry.Find(tag);
    if (owner == nullptr) return;
    ReportFailures(state_.dialogs, [&] {
        if (route->toGroup) {
            if (const auto* group = std::get_if<std::shared_ptr<Group>>(owner))
                (*group)->processChange(state_, true, route->controlType, id.index, text);
        } else if (const auto* field = std::get_if<std::shared_ptr<Field>>(owner)) {
            (*field)->processChange(state_, true, route->controlType, id.index, text);
        }
    });
}

std::string ControlEvents::SpinnerText(WidgetId textBox, const std::string& tag, int position)
{
    const auto shown = static_cast<int16_t>(position);
    const RegisteredObject* owner = state_.nameRegistry.Find(tag);
    std::shared_ptr<ControlRecord> record;
    if (owner != nullptr) {
        std::visit([&](const auto& object) { record = object->FindControl(ControlType::UpDown, textBox.index); },
                   *owner);
    }
    // The spinner steps the number the box shows, so the box keeps its radix.
    return ValueToText(shown, record ? record->radix : "dec");
}

bool ControlEvents::ValueBoxMayLeave(WidgetId, const std::string& text)
{
    if (IsByteText(text)) return true;
    state_.dialogs.Beep();
    return false;
}

void ControlEvents::LabelClicked(WidgetId, const std::string& tag)
{
    ReportFailures(state_.dialogs, [&] { GroupLabelClicked(state_, tag); });
}

}  // namespace velk
