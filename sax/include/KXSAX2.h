#pragma once

// The interfaces and identifiers of the sax component's type library KXSAX2
// (version 1.0, locale 0x409). Clients include this header and link the
// component runtime (velk_component); the component itself is loaded at run
// time. The usual way to read a document:
//
//   ComPtr<ISAXXMLReader> reader;
//   CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid());
//
//   // Events: an IDispatch of your own whose Invoke switches on the DISPIDs of
//   // ContentHandlerDispid. Arguments come in reverse order: for startElement
//   // rgvarg[3] is the URI, rgvarg[2] the local name, rgvarg[1] the raw name
//   // and rgvarg[0] the attribute list (VT_DISPATCH, answering ISAXAttributes).
//   auto container = reader.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
//   ComPtr<IConnectionPoint> point;
//   container->FindConnectionPoint(DIID__ISAXContentHandler, point.out());
//   DWORD cookie = 0;
//   point->Advise(mySink, &cookie);
//
//   VARIANT_BOOL ok = VARIANT_FALSE;
//   BStr path(u"/path/to/file.xml");
//   reader->parseFile(path.get(), &ok);      // events fire inside this call
//   point->Unadvise(cookie);
//
// Early-bound clients advise an ISAXContentHandler on the point found with
// IID_ISAXContentHandler instead; its subscribers are called first. A
// subscription made or ended during a parse takes effect from the next parse;
// a parse started from an event of the same reader is refused with E_FAIL.
//
// Strings and the attribute list passed to an event belong to the reader and
// are valid only during that call (copy what you keep; never free them).
// Strings a method returns through an out parameter belong to the caller
// (free them with SysFreeString). A parse reports its outcome through its
// boolean result and lastError, never through a failing HRESULT;
// sax/tools/saxdump.cpp is a complete worked example.

#include <cstdint>

#include "ConnectionPoints.h"
#include "Dispatch.h"
#include "Guid.h"
#include "Stream.h"
#include "Variant.h"

// The type library.
inline constexpr GUID LIBID_KXSAX2 = {0x91D12EA0, 0x8760, 0x43A3, {0x93, 0x1E, 0x54, 0xC5, 0xDD, 0x39, 0x1B, 0x8E}};
inline constexpr uint16_t kKXSAX2MajorVersion = 1;
inline constexpr uint16_t kKXSAX2MinorVersion = 0;
inline constexpr LCID kKXSAX2Locale = 0x409;

// Classes. Both reader classes create the same reader object; SAXAttributes
// and SAXLocator are descriptions only and are never created on request.
inline constexpr CLSID CLSID_SAXXMLReader = {0xBC4120E3, 0x27AE, 0x4F66, {0xB8, 0xDE, 0x04, 0xA7, 0x17, 0xB6, 0x49, 0x4C}};
inline constexpr CLSID CLSID_SAXXMLReaderEx = {0xBC4120E3, 0x27AE, 0x4F66, {0xB8, 0xDE, 0x04, 0xA7, 0x17, 0xB6, 0x49, 0x4D}};
inline constexpr CLSID CLSID_SAXAttributes = {0xFBBED328, 0x45E7, 0x4624, {0xA0, 0xC9, 0x79, 0x46, 0xC7, 0xF2, 0xFA, 0xF6}};
inline constexpr CLSID CLSID_SAXLocator = {0x3BF979E2, 0x676C, 0x11D2, {0xBC, 0x5D, 0x00, 0x60, 0x08, 0x6E, 0xBD, 0x80}};

// Interfaces.
inline constexpr IID IID_ISAXXMLReader = {0x979FE70D, 0x93EF, 0x4792, {0xB0, 0xF2, 0x63, 0x5F, 0x27, 0x6C, 0x6F, 0x19}};
inline constexpr IID DIID__ISAXContentHandler = {
    0xD1C136E6, 0x79C7, 0x4277, {0xAD, 0xF4, 0x4D, 0xE6, 0x77, 0x15, 0x19, 0xE3}};
inline constexpr IID IID_ISAXContentHandler = {
    0x61B72F74, 0xDF38, 0x4111, {0xAB, 0xB9, 0x72, 0x1D, 0xEF, 0x68, 0x7C, 0xC3}};
inline constexpr IID IID_ISAXAttributes = {0xC291478C, 0x3522, 0x4EAE, {0xBE, 0xCA, 0x68, 0x27, 0x28, 0x4B, 0x07, 0x0E}};
inline constexpr IID IID_ISAXLocator = {0x52769AAE, 0xF765, 0x4769, {0xA8, 0x8D, 0x6F, 0x8A, 0x2E, 0x74, 0xF1, 0x1E}};

// The attribute list handed to startElement, in document order from index 0.
// An index out of range or a name no attribute has yields an empty string
// (getIndex and getIndexNS answer -1). Comparisons are exact and case-sensitive.
struct ISAXAttributes : IDispatch {
    virtual HRESULT getLength(int32_t* plLength) = 0;
    virtual HRESULT getValue(int32_t iIndex, BSTR* pbsValue) = 0;
    virtual HRESULT getRawName(int32_t iIndex, BSTR* pbsRawName) = 0;
    virtual HRESULT getIndex(BSTR sRawName, int32_t* val) = 0;
    virtual HRESULT getIndexNS(BSTR URI, BSTR localName, int32_t* val) = 0;
    virtual HRESULT getLocalName(int32_t iIndex, BSTR* pbsLocalName) = 0;
    virtual HRESULT getURI(int32_t iIndex, BSTR* pbsURI) = 0;
    virtual HRESULT getValueByRawName(BSTR sRawName, BSTR* pbsValue) = 0;
    virtual HRESULT getValueNS(BSTR URI, BSTR localName, BSTR* pbsValue) = 0;

protected:
    ~ISAXAttributes() = default;
};

enum AttributesDispid : DISPID {
    DISPID_SAXATTRIBUTES_GETLENGTH = 1,
    DISPID_SAXATTRIBUTES_GETVALUE = 2,
    DISPID_SAXATTRIBUTES_GETRAWNAME = 3,
    DISPID_SAXATTRIBUTES_GETINDEX = 4,
    DISPID_SAXATTRIBUTES_GETINDEXNS = 5,
    DISPID_SAXATTRIBUTES_GETLOCALNAME = 6,
    DISPID_SAXATTRIBUTES_GETURI = 7,
    DISPID_SAXATTRIBUTES_GETVALUEBYRAWNAME = 8,
    DISPID_SAXATTRIBUTES_GETVALUENS = 9,
};

// Where the parse stands (line and column from 1); after a parse, where it ended.
struct ISAXLocator : IDispatch {
    virtual HRESULT getPublicId(BSTR* pbsPublicId) = 0;
    virtual HRESULT getSystemId(BSTR* pbsSystemId) = 0;
    virtual HRESULT getLineNumber(int32_t* plLineNumber) = 0;
    virtual HRESULT getColumnNumber(int32_t* plColumn) = 0;

protected:
    ~ISAXLocator() = default;
};

enum LocatorDispid : DISPID {
    DISPID_SAXLOCATOR_GETPUBLICID = 0x60020000,
    DISPID_SAXLOCATOR_GETSYSTEMID = 0x60020001,
    DISPID_SAXLOCATOR_GETLINENUMBER = 0x60020002,
    DISPID_SAXLOCATOR_GETCOLUMNNUMBER = 0x60020003,
};

// The reader. Settings (properties "ExpandCDATAIntoText" and "PreserveSpace"
// with the string values "Yes" / anything else; features
// "http://xml.org/sax/features/namespaces" and ".../namespace-prefixes", one
// switch; kInlineEncodingFeature, which can be set but not read) apply to the
// next parse only; unknown names fail with E_FAIL.
struct ISAXXMLReader : IDispatch {
    virtual HRESULT parseFile(BSTR sFilename, VARIANT_BOOL* isSuccessful) = 0;
    virtual HRESULT parseString(BSTR bstrXML, VARIANT_BOOL* isSuccessful) = 0;
    virtual HRESULT get_lastError(BSTR* pVal) = 0;
    virtual HRESULT parseEx(VARIANT vInputStream, VARIANT_BOOL* isSuccessful) = 0;
    virtual HRESULT setProperty(BSTR sFilename, VARIANT val) = 0;
    virtual HRESULT setFeature(BSTR sFilename, VARIANT_BOOL val) = 0;
    virtual HRESULT getProperty(BSTR sFilename, VARIANT* val) = 0;
    virtual HRESULT getFeature(BSTR sFilename, VARIANT_BOOL* val) = 0;

protected:
    ~ISAXXMLReader() = default;
};

enum ReaderDispid : DISPID {
    DISPID_SAXXMLREADER_PARSEFILE = 1,
    DISPID_SAXXMLREADER_PARSESTRING = 2,
    DISPID_SAXXMLREADER_LASTERROR = 3,
    DISPID_SAXXMLREADER_PARSEEX = 4,
    DISPID_SAXXMLREADER_SETPROPERTY = 5,
    DISPID_SAXXMLREADER_SETFEATURE = 6,
    DISPID_SAXXMLREADER_GETPROPERTY = 7,
    DISPID_SAXXMLREADER_GETFEATURE = 8,
};

// The inline-encoding-detection feature.
inline constexpr const char16_t* kInlineEncodingFeature =
    u"http://velkeval.example/sax/features/AllowInlineEncodingDetection";

// The early-bound event interface (note: its order differs from the dispatch one).
struct ISAXContentHandler : IUnknown {
    virtual HRESULT startDocument() = 0;
    virtual HRESULT endDocument() = 0;
    virtual HRESULT startElement(BSTR URI, BSTR localName, BSTR rawName, ISAXAttributes* pAttributes) = 0;
    virtual HRESULT endElement(BSTR URI, BSTR localName, BSTR rawName) = 0;
    virtual HRESULT processingInstruction(BSTR sTarget, BSTR sData) = 0;
    virtual HRESULT characters(BSTR sCharacter, int32_t iLength) = 0;
    virtual HRESULT comment(BSTR sComment) = 0;
    virtual HRESULT cdata(BSTR sComment) = 0;
    virtual HRESULT setLocator(ISAXLocator* pLocator) = 0;
    virtual HRESULT startPrefixMapping(BSTR prefix, BSTR URI) = 0;
    virtual HRESULT endPrefixMapping(BSTR prefix) = 0;

protected:
    ~ISAXContentHandler() = default;
};

// _ISAXContentHandler, the dispatch event interface: the reader calls Invoke
// (DISPATCH_METHOD) on each subscriber with these DISPIDs; the arguments
// listed are in signature order (rgvarg holds them reversed).
enum ContentHandlerDispid : DISPID {
    DISPID_CONTENT_STARTDOCUMENT = 1,          // —
    DISPID_CONTENT_ENDDOCUMENT = 2,            // —
    DISPID_CONTENT_STARTELEMENT = 3,           // URI, localName, rawName (VT_BSTR), pAttributeList (VT_DISPATCH)
    DISPID_CONTENT_ENDELEMENT = 4,             // URI, localName, rawName
    DISPID_CONTENT_PROCESSINGINSTRUCTION = 5,  // sTarget, sData
    DISPID_CONTENT_CHARACTERS = 6,             // sCharacters (VT_BSTR), iLength (VT_I4)
    DISPID_CONTENT_COMMENT = 7,                // sComment
    DISPID_CONTENT_SETLOCATOR = 8,             // pLocator (VT_DISPATCH, answering ISAXLocator)
    DISPID_CONTENT_CDATA = 9,                  // sCDATA
    DISPID_CONTENT_STARTPREFIXMAPPING = 10,    // prefix, URI
    DISPID_CONTENT_ENDPREFIXMAPPING = 11,      // prefix
};
