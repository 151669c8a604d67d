#include "SaveXMLReader.h"

#include <algorithm>
#include <vector>

#include "AttributeList.h"
#include "DescriptionFormat.h"
#include "DescriptionWriter.h"

namespace velk {
namespace {

// A local name that the copy writes: not empty and no colon in it.
bool IsCopiedName(const std::string& name) { return !name.empty() && name.find(':') == std::string::npos; }

}  // namespace

SaveXMLReader::SaveXMLReader(XmlLines& out, const std::string& selectedDeviceName, const DeviceRecord& device,
                             const GroupCollection& groups)
    : out_(out), selectedDeviceName_(selectedDeviceName), device_(device), groups_(groups)
{
}

void SaveXMLReader::startElement(const std::string& localName, const AttributeList& attributes)
{
    ++openElements_;
    if (skippedLevel_) return;
    if (localName == format::File) {
        // Copying starts inside the root, so a file without a header keeps
        // its first device too.
        copyEnabled_ = true;
        return;
    }
    if (localName == format::Author || localName == format::Modified) {
        SkipElement();
        return;
    }
    if (localName == format::Device && GetAttribute(attributes, format::Name) == selectedDeviceName_) {
        SkipElement();
        deviceWritten_ = true;
        WriteDevice(out_, device_, groups_);
        return;
    }
    // The copy writes local names. An element without a proper one ("p:",
    // "p:q:r") keeps its content but loses its tags, and such an attribute or
    // one whose local name came before ("a:n" and "b:n") is left out, so
    // that the copy stays well-formed and copies again to the same bytes.
    if (!copyEnabled_ || !IsCopiedName(localName)) return;
    out_.Open(depth_, localName);
    std::vector<std::string> written;
    for (int i = 0; i < attributes.getLength(); ++i) {
        std::string name = attributes.getLocalName(i);
        if (!IsCopiedName(name) || std::find(written.begin(), written.end(), name) != written.end()) continue;
        out_.Attribute(name, attributes.getValue(i), Escaping::MarkupAndGreater);
        written.push_back(std::move(name));
    }
    out_.EndStartTag();
    ++depth_;
}

void SaveXMLReader::endElement(const std::string& localName)
{
    const int level = openElements_--;
    if (skippedLevel_) {
        if (*skippedLevel_ == level) {
            skippedLevel_.reset();
            copyEnabled_ = true;
        }
        return;
    }
    if (!IsCopiedName(localName) || localName == format::File || !copyEnabled_ || depth_ == 0) return;
    --depth_;
    out_.Close(depth_, localName);
}

void SaveXMLReader::SkipElement()
{
    copyEnabled_ = false;
    skippedLevel_ = openElements_;
}

}  // namespace velk
