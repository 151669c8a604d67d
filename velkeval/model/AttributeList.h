#pragma once

#include <string>
#include <string_view>

namespace velk {

// The attributes of an XML start-element event, as the loader reads them:
// a count and, by 0-based index, each local name and value.
class AttributeList {
public:
    virtual ~AttributeList() = default;
    virtual int getLength() const = 0;
    virtual std::string getLocalName(int index) const = 0;
    virtual std::string getValue(int index) const = 0;
    // Both texts of the attribute at `index` into the given strings, whose
    // storage a reader of many elements reuses. This one asks the two
    // members above; a list that can fill the strings directly overrides it.
    virtual void readAttribute(int index, std::string& localName, std::string& value) const;
};

// The value of the last attribute whose name matches `name` lower-cased, or
// "GANone" when none does. A failure while reading the list ends the search
// with what was found so far.
std::string GetAttribute(const AttributeList& attributes, std::string_view name);

}  // namespace velk
