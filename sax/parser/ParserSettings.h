#pragma once

#include <string>
#include <string_view>

namespace sax {

// The four switches of a parse, with their defaults, and their names as
// properties and features. Unknown names raise CSAXParseException with
// "unknown property" / "unknown feature".
struct ParserSettings {
    static constexpr std::u16string_view kExpandCdataProperty = u"ExpandCDATAIntoText";
    static constexpr std::u16string_view kPreserveSpaceProperty = u"PreserveSpace";
    static constexpr std::u16string_view kNamespacesFeature = u"http://xml.org/sax/features/namespaces";
    static constexpr std::u16string_view kNamespacePrefixesFeature = u"http://xml.org/sax/features/namespace-prefixes";
    static constexpr std::u16string_view kInlineEncodingFeature =
        u"http://velkeval.example/sax/features/AllowInlineEncodingDetection";

    bool namespaces = true;
    bool inlineEncodingDetection = true;
    bool preserveSpace = false;
    bool expandCdataIntoText = true;

    // A property is on only for the exact text "Yes".
    void setProperty(std::u16string_view name, std::u16string_view value);
    std::u16string getProperty(std::u16string_view name) const;
    void setFeature(std::u16string_view name, bool on);
    // Only the namespace switch can be read back; the inline-encoding feature is write-only.
    bool getFeature(std::u16string_view name) const;
};

}  // namespace sax
