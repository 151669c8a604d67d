#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ControlRecCollection.h"
#include "FieldCollection.h"

namespace velk {

class Field;
class RegisterView;
struct ProgramState;

// What writing a group-level value back did to the register.
enum class GroupWriteResult {
    Unchanged,  // the register already held the value
    Changed,    // register bytes (or, in Parallel mode, the fields) moved
    Refused,    // the value cannot be held without corrupting a field or byte
};

// One chip register of one or more consecutive byte addresses.
class Group {
public:
    int16_t frame = 0;
    int16_t height = 0;
    int16_t y = 0;
    int16_t droppedLowBits = 0;
    bool readonly = false;
    std::string groupName;
    ControlRecCollection controls;
    FieldCollection childFields;
    int16_t size = 0;
    int32_t controlMode = 0;
    std::string address;

    // Register byte access; an index outside the allocated bytes is an error.
    int16_t GetValue(int16_t byteIndex) const;
    void SetValue(int16_t value, int16_t byteIndex);

    // Resizes the register bytes to `size`, keeping their contents.
    void ResizeRegisterBytes();

    // The field whose least significant bit is bit 7 - step of byte b, or none.
    std::shared_ptr<Field> fieldAt(int16_t byte, int16_t step) const;

    // Packs the field values into the register bytes by plain addition.
    void BuildValue();

    // The empty low bit positions the Series and Reverse Series values drop.
    int16_t CountDroppedLowBits() const;

    // The value group controls show: the smallest field value in Parallel
    // mode, else the register bytes read as one number (shifted right by
    // droppedLowBits), limited to the 16-bit range.
    int16_t GroupValue() const;

    // Writes a group-level value back by controlMode. Refused when the
    // register cannot hold it exactly (Series) or when a field would leave
    // its width (Parallel); the register is then untouched.
    GroupWriteResult WriteGroupValue(int16_t v);

    // A value box sets byte `byteIndex` from decimal text; text that is not a
    // number leaves the byte as it is, a number outside 0..255 is refused.
    GroupWriteResult SetValueBoxByte(int16_t byteIndex, const std::string& text);

    // The maximum of a group scroll bar in Parallel mode: the control's max
    // less the spread of the field values.
    int16_t ParallelScrollMax(const ControlRecord& record) const;

    // The bus address of byte i, and its text for the address label.
    int16_t ByteAddress(int16_t i) const;
    std::string ByteAddressLabel(int16_t i) const;

    // The nameRegistry key of the group, which its widgets carry as tag.
    std::string RegistryKey() const;

    // Band layout. Initialize lays out the band and creates its generated
    // controls: rebuild false appends it at runningTop of the last page while
    // loading (its description controls already have widgets); rebuild true
    // lays it out again after Destroy at its own y and frame, creates new
    // widgets for its description controls and re-places the groups after it.
    void Initialize(ProgramState& state, bool rebuild);
    // Moves the band to runningTop on page during a re-layout (a new page
    // when it would pass maxPageHeight) and advances runningTop past it.
    void incrY(ProgramState& state, int16_t& runningTop, int16_t& page);
    // Removes every widget of the band and drops the generated records (lines,
    // address labels, value boxes, bit boxes, name labels); description
    // records stay, so Initialize(true) can lay the band out again.
    void Destroy(RegisterView& view);

    // Reads every register byte from devInterface, then shows them on every
    // control. A link failure leaves the register as it was and reaches the
    // caller; so does a missing link.
    void doRead(ProgramState& state);
    // Writes every register byte to devInterface in ascending address order,
    // one byte per call; nothing for a read-only group.
    void doWrite(ProgramState& state);
    // Takes the register bytes from bytes[start ..] and shows them, as doRead.
    void processRead(ProgramState& state, std::span<const int16_t> bytes, int16_t start);
    // Copies the register bytes into bytes[start ..].
    void processWrite(std::span<int16_t> bytes, int16_t start) const;

    // fromControl true: the group control of controlType with element index
    // changed to text; the register takes the value when it is accepted, all
    // controls are redrawn, and with loadOnChange the register is written.
    // fromControl false: one of the fields changed (the other arguments are
    // 0, 0 and empty); repack, redraw and write with loadOnChange.
    void processChange(ProgramState& state, bool fromControl, int32_t controlType, int32_t index,
                       const std::string& text);
    // The first group control of that type and widget index, or none.
    std::shared_ptr<ControlRecord> FindControl(int32_t controlType, int32_t index) const;
    // Stores one byte of a values file: the byte at hexadecimal address addr
    // (ignored outside the register) takes value unchecked, the fields and
    // controls show it, and with loadOnChange the register is written.
    void SetAddrVal(ProgramState& state, const std::string& addr, int16_t value);
    // Shows the group-level value and the register bytes on the group controls.
    void UpdateGroupControls(RegisterView& view) const;

private:
    // Visits every bit position as BuildValue walks them (byte 0 first, bit 7
    // down to bit 0) with the field whose least significant bit is there.
    template <class Visit>
    void WalkBitPositions(Visit visit) const
    {
        for (int16_t b = 0; b < size; ++b)
            for (int16_t s = 0; s <= 7; ++s) visit(b, fieldAt(b, s));
    }
    // The droppedLowBits counter after one more position of the walk.
    int16_t NextDroppedLowBits(int16_t counter, int16_t byte, bool fieldStartsHere) const;
    void RequireBytes() const;
    // Exponent of 2 applied to byte i in the Series and Reverse Series value.
    int ByteExponent(int i) const;
    double SeriesValue(const std::vector<int16_t>& bytes) const;
    GroupWriteResult WriteSeriesValue(int16_t v);
    GroupWriteResult WriteParallelValue(int16_t v);
    // Whether an entered group value changes what the register holds (a
    // refused or out-of-range value also counts: every control is redrawn).
    bool TakeControlText(const ControlRecord& record, const std::string& text);
    // Field values re-read from the bytes, every control redrawn.
    void ShowRegisterBytes(ProgramState& state);
    // doWrite after an accepted change; a failure is reported to the user.
    void WriteOnChange(ProgramState& state);
    // Band layout steps of Initialize.
    void PlaceBand(ProgramState& state, bool rebuild);
    void InitializeFields(ProgramState& state, bool rebuild, std::vector<int16_t>& fieldsBeforeByte);
    void AddFrameLines(RegisterView& view);
    void AddByteControls(RegisterView& view, const std::vector<int16_t>& fieldsBeforeByte);

    std::vector<int16_t> bytes_;
    bool viewsBuilt_ = false;  // the band has widgets: Initialize ran since the last Destroy
};

}  // namespace velk
