#include "ControlType.h"

#include <array>

#include "TextCase.h"

namespace velk {

int32_t ControlTypeFromName(std::string_view name)
{
    const std::string lower = LowerCase(name);
    if (lower == "text" || lower == "textbox") return ControlType::TextBox;
    if (lower == "combo" || lower == "combobox") return ControlType::Combo;
    if (lower == "updown") return ControlType::UpDown;
    if (lower == "scroll" || lower == "scrollbar") return ControlType::Scrollbar;
    if (lower == "display") return ControlType::Display;
    return ControlType::Label;
}

std::string ControlTypeName(int32_t code)
{
    static constexpr std::array<const char*, 11> names = {
        "TextBox", "Combo", "UpDown", "Scrollbar", "Display", "Bit",
        "RdOnlyBit", "DummyBit", "ValueBox", "Label", "Line"};
    if (code < 0 || code >= static_cast<int32_t>(names.size())) return {};
    return names[static_cast<size_t>(code)];
}

}  // namespace velk
