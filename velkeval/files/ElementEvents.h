#pragma once

#include <string>

#include "AttributeList.h"

namespace velk {

// The two element events of a parse as the description readers take them:
// the element's local name and, at its start, its attributes. The attribute
// list is valid only during the call.
class ElementEvents {
public:
    virtual ~ElementEvents() = default;
    virtual void startElement(const std::string& localName, const AttributeList& attributes) = 0;
    virtual void endElement(const std::string& localName) = 0;
};

}  // namespace velk
