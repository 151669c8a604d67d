#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ControlRecCollection.h"
#include "ProgramState.h"

namespace velk {

// The "Controls:" list of the group and field editors: the type name of each
// user control of a collection, and the New, Edit and Delete commands on it.
// New and Edit make the control currentControl for the control editor; their
// End lists it again (a new control is added whether or not it was confirmed).
class ControlList {
public:
    ControlList(ProgramState& state, ControlRecCollection& controls);

    const std::vector<std::string>& names() const { return names_; }

    std::shared_ptr<ControlRecord> BeginNew(std::shared_ptr<ControlRecord> record);
    void EndNew();
    // Nothing for a position without an entry.
    std::shared_ptr<ControlRecord> BeginEdit(int i);
    void EndEdit(int i);
    void Delete(int i);

private:
    // The collection position of list entry i (generated records are not listed).
    int PositionOf(int i) const;

    ProgramState& state_;
    ControlRecCollection& controls_;
    std::vector<std::string> names_;
};

}  // namespace velk
