// The row of a field in its group's band: its description controls, bit
// boxes and name label.
#include "BandControls.h"
#include "ControlType.h"
#include "Field.h"
#include "Group.h"
#include "ModelError.h"
#include "ProgramState.h"
#include "WidgetRoutines.h"

namespace velk {
namespace {

constexpr int32_t White = RGB(255, 255, 255);
constexpr int32_t Black = RGB(0, 0, 0);
constexpr int32_t LightYellow = RGB(255, 255, 180);
constexpr int32_t DarkGrey = RGB(110, 110, 110);
constexpr int32_t SystemGreyText = SystemColour(17);
constexpr int32_t SystemInactiveCaptionText = SystemColour(19);

}  // namespace

void Field::Initialize(ProgramState& state, int16_t row, bool firstInByte, bool createViews)
{
    const std::shared_ptr<Group> group = ParentGroup();
    RegisterView& view = state.view;
    const std::string key = RegistryKey();
    for (const auto& record : controls) PlaceDescriptionControl(view, *record, key, group->frame, group->y, createViews);

    const int16_t rowTop =
        Checked16(group->y + Band::TopMargin + static_cast<long long>(Band::RowHeight) * row, "field row");
    AddBitBoxes(view, rowTop, firstInByte, group->frame);
    AddNameLabel(view, rowTop, group->frame);
    UpdateControls(view);
}

void Field::AddBitBoxes(RegisterView& view, int16_t rowTop, bool firstInByte, int16_t page)
{
    const bool readOnly = ParentGroup()->readonly || Reserved;
    const std::string key = RegistryKey();
    for (int16_t b = 7; b >= 0; --b) {
        auto box = std::make_shared<ControlRecord>();
        box->X = static_cast<int16_t>((7 - b) * 180 + Band::BitBoxesLeft + (b < 4 ? 90 : 0));
        box->y = rowTop;
        box->width = 195;
        box->height = 285;
        box->bitIndex = b;
        box->min = 0;
        box->max = -1;
        box->colorsSet = true;
        box->fg = Black;
        const bool inside = bitIndex <= b && b < bitIndex + size;
        if (inside && !readOnly) {
            box->controlType = ControlType::Bit;
            box->bg = White;
        } else if (inside) {
            box->controlType = ControlType::RdOnlyBit;
            box->bg = LightYellow;
        } else if (firstInByte) {
            // The first row of a byte shows the bits of the other fields too.
            box->controlType = ControlType::RdOnlyBit;
            box->fg = SystemGreyText;
            box->bg = SystemInactiveCaptionText;
        } else {
            box->controlType = ControlType::DummyBit;
            box->bg = DarkGrey;
        }
        AddGeneratedControl(view, controls, box, key, page);
    }
}

void Field::AddNameLabel(RegisterView& view, int16_t rowTop, int16_t page)
{
    auto label = std::make_shared<ControlRecord>();
    label->controlType = ControlType::Label;
    label->bitIndex = 0;
    label->X = Band::NameLabelLeft;
    label->y = rowTop;
    label->width = 1900;
    label->height = 255;
    label->caption = Reserved ? "Reserved" : fieldName;
    label->colorsSet = fg != bg;
    label->fg = fg;
    label->bg = bg;
    label->bold = bold;
    label->italic = italic;
    AddGeneratedControl(view, controls, label, RegistryKey(), page);
}

void Field::incrY(RegisterView& view, int16_t dy, int16_t page) { ShiftControlViews(view, controls, dy, page); }

void Field::Destroy(RegisterView& view) { RemoveControlViews(view, controls); }

}  // namespace velk
