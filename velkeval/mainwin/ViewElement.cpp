#include "ViewElement.h"

#include "HeadlessRegisterView.h"
#include "ModelError.h"

namespace velk {

ViewElement& ElementTable::at(WidgetId id)
{
    auto& elements = arrays_[static_cast<size_t>(id.array)];
    if (id.index < 0 || static_cast<size_t>(id.index) >= elements.size() || !elements[id.index].loaded)
        throw ModelError("Widget " + WidgetName(id) + " is not loaded");
    return elements[id.index];
}

const ViewElement& ElementTable::at(WidgetId id) const { return const_cast<ElementTable*>(this)->at(id); }

ViewElement& ElementTable::make(WidgetId id)
{
    auto& elements = arrays_[static_cast<size_t>(id.array)];
    if (id.index < 0) throw ModelError("Widget " + WidgetName(id) + " cannot be loaded");
    if (static_cast<size_t>(id.index) >= elements.size()) elements.resize(static_cast<size_t>(id.index) + 1);
    return elements[id.index];
}

}  // namespace velk
