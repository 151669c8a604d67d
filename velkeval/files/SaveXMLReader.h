#pragma once

#include <optional>
#include <string>

#include "DeviceRecord.h"
#include "ElementEvents.h"
#include "GroupCollection.h"
#include "XmlLines.h"

namespace velk {

// Copies the devices of a loaded description into the output of a save,
// element by element, and writes the current device from the model in
// place of every device of the selected name. The header ("author",
// "modified") is not copied: the save writes it afresh. Copied elements
// become a start and an end tag on lines of their own, indented from
// depth 0, their attributes in the parser's order.
class SaveXMLReader : public ElementEvents {
public:
    SaveXMLReader(XmlLines& out, const std::string& selectedDeviceName, const DeviceRecord& device,
                  const GroupCollection& groups);

    void startElement(const std::string& localName, const AttributeList& attributes) override;
    void endElement(const std::string& localName) override;

    // The current device has been written in place of its old copy.
    bool deviceWritten() const { return deviceWritten_; }

private:
    // Stops copying up to the end of the element now starting.
    void SkipElement();

    XmlLines& out_;
    const std::string& selectedDeviceName_;
    const DeviceRecord& device_;
    const GroupCollection& groups_;
    bool copyEnabled_ = false;
    bool deviceWritten_ = false;
    int depth_ = 0;          // nesting of the copied elements
    int openElements_ = 0;   // nesting of all elements read
    std::optional<int> skippedLevel_;  // the level of the element being skipped
};

}  // namespace velk
