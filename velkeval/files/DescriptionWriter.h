#pragma once

#include <string>

#include "ControlRecord.h"
#include "DeviceRecord.h"
#include "Field.h"
#include "Group.h"
#include "GroupCollection.h"
#include "XmlLines.h"

namespace velk {

// The rows of a device description as the writer emits them.

// The "file" start tag with the title, then the "author" and "modified"
// lines (modified = `today`).
void WriteHeader(XmlLines& out, const FileRecord& file, const std::string& today);
// The device start tag at depth 1, every group at depth 2 in collection
// order, the device end tag.
void WriteDevice(XmlLines& out, const DeviceRecord& device, const GroupCollection& groups);
// A group with its fields and its user controls.
void WriteGroup(XmlLines& out, const Group& group, int depth);
// A field with its position, default value, name colours, flags and its
// user controls.
void WriteField(XmlLines& out, const Field& field, int depth);
// A user control ("control" or "groupcontrol") and its children.
void WriteControl(XmlLines& out, const ControlRecord& control, int depth);

}  // namespace velk
