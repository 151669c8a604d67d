#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ControlRecCollection.h"

namespace velk {

class Group;
class RegisterView;
struct ProgramState;

// A run of 1 to 8 adjacent bits inside one register byte of a group.
class Field {
public:
    bool inhouse = false;
    bool Reserved = false;
    bool italic = false;
    bool bold = false;
    int32_t fg = 0;
    int32_t bg = 0;
    int16_t defaultValue = 0;
    std::string fieldName;
    ControlRecCollection controls;
    int16_t sequence = 0;             // byteIndex * 10 + 7 - bitIndex
    std::weak_ptr<Group> parent;      // back reference: the group owns the field
    int16_t size = 0;                 // bits, 1..8
    int16_t bitIndex = 0;             // least significant bit inside the byte
    int16_t byteIndex = 0;            // register byte of the parent
    int16_t value = 0;

    // The owning group; an error when the field has none (or it is gone).
    std::shared_ptr<Group> ParentGroup() const;

    // The field's bits within its byte: bitIndex 2, size 3 gives 28. An
    // error when the field does not lie inside one byte.
    int16_t Mask() const;

    // Takes the value from the parent's register byte; true when it changed.
    bool ExtractValue();

    // The value a bit box of this field asks for when it is set to `entered`
    // (1 or 0) at bit `controlBitIndex` of the byte: the current value when the
    // byte's bit already has that state, else the value with that bit's weight
    // added or taken away.
    int16_t BitCandidate(int16_t controlBitIndex, int16_t entered) const;

    // The nameRegistry key of the field, which its widgets carry as tag.
    std::string RegistryKey() const;

    // Places the field's description controls in row `row` of the parent's
    // band (creating their widgets when createViews), adds its bit boxes and
    // name label, and shows its state. firstInByte: the first field met in
    // its byte, whose row shows the whole byte.
    void Initialize(ProgramState& state, int16_t row, bool firstInByte, bool createViews);
    // fromControl true: the field control of controlType with element index
    // changed to text; the field takes the value when it is accepted, and the
    // group repacks, redraws and (with loadOnChange) writes the register.
    // fromControl false: re-reads the value from the register bytes (the
    // other arguments are 0, 0 and empty) and redraws when it changed.
    void processChange(ProgramState& state, bool fromControl, int32_t controlType, int32_t index,
                       const std::string& text);
    // Shows the field's state on all its controls.
    void UpdateControls(RegisterView& view) const;
    // The first field control of that type and widget index, or none.
    std::shared_ptr<ControlRecord> FindControl(int32_t controlType, int32_t index) const;
    // Removes the field's widgets and drops its bit boxes and name label.
    void Destroy(RegisterView& view);
    // Moves every widget of the field down by dy and onto page.
    void incrY(RegisterView& view, int16_t dy, int16_t page);

private:
    // The value a control's text asks for, or nothing when it is refused.
    std::optional<int16_t> Candidate(const ControlRecord& record, int32_t controlType, const std::string& text) const;
    void AddBitBoxes(RegisterView& view, int16_t rowTop, bool firstInByte, int16_t page);
    void AddNameLabel(RegisterView& view, int16_t rowTop, int16_t page);
};

// The position key of a field at byteIndex/bitIndex, and the childFields key
// that names it ("key" followed by the decimal sequence).
int16_t SequenceOf(int16_t byteIndex, int16_t bitIndex);
std::string SequenceKey(int16_t sequence);

}  // namespace velk
