#pragma once

#include <memory>

#include "ControlRecord.h"
#include "Field.h"
#include "Group.h"
#include "ProgramState.h"

namespace velk {

// A one-byte Parallel group named "NewGroup" + the first free number, at the
// next free address. Not yet added to allGroups or the registry.
std::shared_ptr<Group> NewGroup(const ProgramState& state);

// A full-byte field named "NewField" + the first free number, attached to
// currentGroup when there is one. Not yet placed or keyed.
std::shared_ptr<Field> NewField(const ProgramState& state);

// A user text box record of 1000 x 300 twips at (100, 50), range 0..1, "dec".
std::shared_ptr<ControlRecord> NewControlRecord(bool isGroup);

}  // namespace velk
