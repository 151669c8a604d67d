// The band of a group on its page: placing it, creating its generated
// controls, moving it during a re-layout and removing its widgets.
#include <algorithm>

#include "BandControls.h"
#include "ControlType.h"
#include "EventsSuspended.h"
#include "Field.h"
#include "Group.h"
#include "ModelError.h"
#include "PageReflow.h"
#include "WidgetRoutines.h"

namespace velk {

void Group::Initialize(ProgramState& state, bool rebuild)
{
    EventsSuspended quiet(state);
    ResizeRegisterBytes();
    height = Checked16(childFields.count() * static_cast<long long>(Band::RowHeight) + Band::TopMargin, "band height");
    PlaceBand(state, rebuild);
    BuildValue();

    const std::string key = RegistryKey();
    for (const auto& record : controls) PlaceDescriptionControl(state.view, *record, key, frame, y, rebuild);

    std::vector<int16_t> fieldsBeforeByte;
    InitializeFields(state, rebuild, fieldsBeforeByte);
    AddFrameLines(state.view);
    AddByteControls(state.view, fieldsBeforeByte);
    // The group controls show the register from the start, like the fields
    // do; this also fills the value boxes.
    UpdateGroupControls(state.view);
    viewsBuilt_ = true;
    if (!rebuild) state.view.layout.runningTop = Checked16(state.view.layout.runningTop + static_cast<long long>(height), "runningTop");
}

void Group::PlaceBand(ProgramState& state, bool rebuild)
{
    RegisterView& view = state.view;
    PageLayout& layout = view.layout;
    if (rebuild) {
        if (BandStartsNewPage(y, height, layout.maxPageHeight)) {
            frame = Checked16(frame + 1LL, "page number");
            if (frame > layout.pageCount()) view.AddFrame();
            y = 0;
        }
        ReflowPages(state, Checked16(y + static_cast<long long>(height), "band bottom"), frame, this);
    } else {
        if (BandStartsNewPage(layout.runningTop, height, layout.maxPageHeight)) view.AddFrame();
        y = layout.runningTop;
        frame = layout.pageCount();
    }
    int16_t& bottom = layout.pageBottom(frame);
    bottom = std::max(bottom, Checked16(y + static_cast<long long>(height) + 20, "page bottom"));
}

void Group::InitializeFields(ProgramState& state, bool rebuild, std::vector<int16_t>& fieldsBeforeByte)
{
    // fieldsBeforeByte[i]: the fields of the bytes before byte i (one more
    // element than bytes, so that the last byte's count follows too).
    fieldsBeforeByte.assign(static_cast<size_t>(size) + 1, 0);
    int16_t row = 0;
    int16_t counter = 0;
    int16_t byteOfLastField = -1;
    WalkBitPositions([&](int16_t b, const std::shared_ptr<Field>& field) {
        counter = NextDroppedLowBits(counter, b, field != nullptr);
        if (!field) return;
        field->Initialize(state, row, b != byteOfLastField, rebuild);
        byteOfLastField = b;
        row = Checked16(row + 1LL, "field rows");
        fieldsBeforeByte[static_cast<size_t>(b) + 1] = row;
    });
    for (size_t i = 1; i < fieldsBeforeByte.size(); ++i)
        fieldsBeforeByte[i] = std::max(fieldsBeforeByte[i], fieldsBeforeByte[i - 1]);
    droppedLowBits = counter;
}

void Group::AddFrameLines(RegisterView& view)
{
    const int16_t bottom = Checked16(y + static_cast<long long>(height), "band bottom");
    for (const int16_t x : {Band::AddressLeft, Band::NameLeft, Band::ControlColumn, Band::Right})
        controls.Add(view.AddLine(x, y, x, bottom, Band::LineWidth, frame));
    const int16_t underline = Checked16(bottom + 5LL, "band bottom");
    controls.Add(view.AddLine(Band::AddressLeft, underline, Band::Right, underline, Band::LineWidth, frame));
}

void Group::AddByteControls(RegisterView& view, const std::vector<int16_t>& fieldsBeforeByte)
{
    const std::string key = RegistryKey();
    for (int16_t i = 0; i < size; ++i) {
        const auto before = fieldsBeforeByte[static_cast<size_t>(i)];
        const auto inByte = fieldsBeforeByte[static_cast<size_t>(i) + 1] - before;
        const int16_t top = Checked16(y + Band::TopMargin + static_cast<long long>(Band::RowHeight) * before, "byte top");
        const int16_t bandHeight = Checked16(static_cast<long long>(Band::RowHeight) * inByte, "byte height");
        if (i > 0) {
            const int16_t separator = Checked16(top - 30LL, "separator line");
            controls.Add(view.AddLine(Band::AddressLeft, separator, Band::ControlColumn, separator, Band::LineWidth, frame));
        }

        auto label = std::make_shared<ControlRecord>();
        label->controlType = ControlType::Label;
        label->bitIndex = i;
        label->X = Band::AddressLabelLeft;
        label->y = top;
        label->width = 260;
        label->height = std::max<int16_t>(static_cast<int16_t>(bandHeight - 50), 0);  // a byte without fields has no room
        label->caption = ByteAddressLabel(i);
        AddGeneratedControl(view, controls, label, key, frame);

        auto valueBox = std::make_shared<ControlRecord>();
        valueBox->controlType = ControlType::ValueBox;
        valueBox->bitIndex = i;
        valueBox->min = 0;
        valueBox->max = 255;
        valueBox->radix = "dec";
        valueBox->X = Band::ValueBoxLeft;
        valueBox->y = top;
        valueBox->width = 375;
        valueBox->height = 285;
        valueBox->colorsSet = true;
        valueBox->bg = readonly ? RGB(255, 255, 180) : RGB(255, 255, 255);
        valueBox->fg = RGB(0, 0, 0);
        AddGeneratedControl(view, controls, valueBox, key, frame);
        view.setLocked(WidgetOf(*valueBox), readonly);
    }
}

void Group::incrY(ProgramState& state, int16_t& runningTop, int16_t& page)
{
    RegisterView& view = state.view;
    PageLayout& layout = view.layout;
    if (BandStartsNewPage(runningTop, height, layout.maxPageHeight)) {
        page = Checked16(page + 1LL, "page number");
        runningTop = 0;
        if (page > layout.pageCount()) view.AddFrame();
        view.SetTabCaption(page, address);
        CompletePageCaption(view, static_cast<int16_t>(page - 1));
    }
    layout.setTabTag(page, ByteAddressLabel(static_cast<int16_t>(size - 1)));

    const int16_t dy = Checked16(static_cast<long long>(runningTop) - y, "band move");
    y = runningTop;
    frame = page;
    int16_t& bottom = layout.pageBottom(page);
    bottom = std::max(bottom, Checked16(y + static_cast<long long>(height) + 20, "page bottom"));
    if (viewsBuilt_) {
        // A destroyed band has no widgets to move; it keeps its new place for
        // its next Initialize(true).
        ShiftControlViews(view, controls, dy, page);
        for (const auto& field : childFields) field->incrY(view, dy, page);
    }
    runningTop = Checked16(runningTop + static_cast<long long>(height), "runningTop");
}

void Group::Destroy(RegisterView& view)
{
    RemoveControlViews(view, controls);
    for (const auto& field : childFields) field->Destroy(view);
    viewsBuilt_ = false;
}

}  // namespace velk
