#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ControlRecord.h"
#include "Field.h"
#include "Group.h"
#include "NameRegistry.h"
#include "UserDialogs.h"

namespace velk {

// The field editor's items (Field Editor): filled from a field that is out
// of its group and the registry while it is edited, written back by OK.
class FieldEditor {
public:
    FieldEditor(const Field& field, const Group& group);

    std::string name;
    std::vector<std::string> byteEntries;  // "0" .. group size - 1
    int byteEntry = 0;
    std::string upperText;
    std::string lowerText;
    std::string defaultText;
    int radixEntry = 0;  // "decimal" on opening
    int32_t fg = 0;
    int32_t bg = 0;
    bool bold = false;
    bool italic = false;
    bool inhouse = false;
    bool reserved = false;

    // A field control for the row and range the items show now: its y is
    // the row of the field among the group's fields, its max the largest
    // value of the range.
    std::shared_ptr<ControlRecord> NewControl(const Group& group) const;

    enum class Item { Name, Upper, DefaultValue, Controls };
    // OK. Refuses with a message, in this order: a name in use (blanks and
    // letter case aside), a range that is not a byte's bits, a position in
    // use, a default value the register cannot hold, controls on a reserved
    // field; the answer is then the item that gets the focus. Otherwise
    // stores the items into the field (an In-House Only field is also
    // reserved, as the file reads it back) and answers nothing.
    std::optional<Item> Ok(UserDialogs& dialogs, const NameRegistry& registry, Field& field, const Group& group) const;

private:
    std::optional<std::pair<Message, Item>> Problem(const NameRegistry& registry, const Field& field,
                                                    const Group& group) const;
    void WriteBack(Field& field) const;
    int16_t upper() const;
    int16_t lower() const;
    int16_t byte() const { return static_cast<int16_t>(byteEntry); }
    int16_t defaultValue() const;
};

// Whether the field editor may close without OK: not while that would leave
// controls on a reserved field (refused with a message).
bool MayCloseFieldEditor(UserDialogs& dialogs, const Field& field);

}  // namespace velk
