#include "TypeLibrary.h"

#include <array>

#include "KXSAX2.h"

const TypeLibDescription& KXSAX2TypeLibrary()
{
    static constexpr std::array<TypeLibInterface, 5> interfaces = {{
        {IID_ISAXXMLReader, "ISAXXMLReader"},
        {DIID__ISAXContentHandler, "_ISAXContentHandler"},
        {IID_ISAXContentHandler, "ISAXContentHandler"},
        {IID_ISAXAttributes, "ISAXAttributes"},
        {IID_ISAXLocator, "ISAXLocator"},
    }};
    static const TypeLibDescription library{
        LIBID_KXSAX2, kKXSAX2MajorVersion, kKXSAX2MinorVersion, kKXSAX2Locale, "KXSAX2", interfaces};
    return library;
}
