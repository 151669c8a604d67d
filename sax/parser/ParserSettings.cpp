#include "ParserSettings.h"

#include "SAXExceptions.h"

namespace sax {

namespace {

bool ParserSettings::*PropertySwitch(std::u16string_view name)
{
    if (name == ParserSettings::kExpandCdataProperty) return &ParserSettings::expandCdataIntoText;
    if (name == ParserSettings::kPreserveSpaceProperty) return &ParserSettings::preserveSpace;
    throw CSAXParseException(u"unknown property", 0, 0);
}

}  // namespace

void ParserSettings::setProperty(std::u16string_view name, std::u16string_view value)
{
    this->*PropertySwitch(name) = value == u"Yes";
}

std::u16string ParserSettings::getProperty(std::u16string_view name) const
{
    return this->*PropertySwitch(name) ? u"Yes" : u"No";
}

void ParserSettings::setFeature(std::u16string_view name, bool on)
{
    if (name == kNamespacesFeature || name == kNamespacePrefixesFeature)
        namespaces = on;
    else if (name == kInlineEncodingFeature)
        inlineEncodingDetection = on;
    else
        throw CSAXParseException(u"unknown feature", 0, 0);
}

bool ParserSettings::getFeature(std::u16string_view name) const
{
    if (name == kNamespacesFeature || name == kNamespacePrefixesFeature) return namespaces;
    throw CSAXParseException(u"unknown feature", 0, 0);
}

}  // namespace sax
