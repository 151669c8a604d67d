#include "EventSinks.h"

#include <array>

#include "ComPtr.h"
#include "OfferInterface.h"

namespace {

constexpr std::array<DispatchName, 11> kEventNames = {{
    {u"startDocument", DISPID_CONTENT_STARTDOCUMENT},
    {u"endDocument", DISPID_CONTENT_ENDDOCUMENT},
    {u"startElement", DISPID_CONTENT_STARTELEMENT},
    {u"endElement", DISPID_CONTENT_ENDELEMENT},
    {u"processingInstruction", DISPID_CONTENT_PROCESSINGINSTRUCTION},
    {u"characters", DISPID_CONTENT_CHARACTERS},
    {u"comment", DISPID_CONTENT_COMMENT},
    {u"setLocator", DISPID_CONTENT_SETLOCATOR},
    {u"cdata", DISPID_CONTENT_CDATA},
    {u"startPrefixMapping", DISPID_CONTENT_STARTPREFIXMAPPING},
    {u"endPrefixMapping", DISPID_CONTENT_ENDPREFIXMAPPING},
}};

// Reads `count` leading string arguments.
template <size_t N>
HRESULT Texts(const DispatchArguments& args, std::array<BSTR, N>& texts)
{
    for (UINT i = 0; i < N; ++i)
        if (HRESULT hr = args.text(i, texts[i]); FAILED(hr)) return hr;
    return S_OK;
}

}  // namespace

HRESULT DispatchEventSink::QueryInterface(const IID& iid, void** object)
{
    return OfferInterface<IDispatch>(this, iid, object, {IID_IUnknown, IID_IDispatch, DIID__ISAXContentHandler});
}

HRESULT DispatchEventSink::GetIDsOfNames(const IID&, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    return LookUpDispatchNames(kEventNames, names, count, ids);
}

HRESULT DispatchEventSink::Invoke(DISPID member, const IID&, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                  UINT* argumentError)
{
    const DispatchArguments args(params, argumentError);
    std::array<BSTR, 1> one{};
    std::array<BSTR, 2> two{};
    std::array<BSTR, 3> three{};
    IUnknown* object = nullptr;
    int32_t length = 0;
    HRESULT hr = S_OK;
    switch (member) {
    case DISPID_CONTENT_STARTDOCUMENT:
    case DISPID_CONTENT_ENDDOCUMENT:
        if (FAILED(hr = args.expect(0))) return hr;
        member == DISPID_CONTENT_STARTDOCUMENT ? handler_.startDocument() : handler_.endDocument();
        return S_OK;
    case DISPID_CONTENT_SETLOCATOR: {
        if (FAILED(hr = args.expect(1)) || FAILED(hr = args.object(0, object))) return hr;
        ComPtr<ISAXLocator> locator;
        if (object) object->QueryInterface(IID_ISAXLocator, locator.outVoid());
        handler_.setLocator(locator.get());
        return S_OK;
    }
    case DISPID_CONTENT_STARTELEMENT: {
        if (FAILED(hr = args.expect(4)) || FAILED(hr = Texts(args, three)) || FAILED(hr = args.object(3, object)))
            return hr;
        ComPtr<ISAXAttributes> attributes;
        if (object) object->QueryInterface(IID_ISAXAttributes, attributes.outVoid());
        handler_.startElement(BStrView(three[0]), BStrView(three[1]), BStrView(three[2]), attributes.get());
        return S_OK;
    }
    case DISPID_CONTENT_ENDELEMENT:
        if (FAILED(hr = args.expect(3)) || FAILED(hr = Texts(args, three))) return hr;
        handler_.endElement(BStrView(three[0]), BStrView(three[1]), BStrView(three[2]));
        return S_OK;
    case DISPID_CONTENT_PROCESSINGINSTRUCTION:
    case DISPID_CONTENT_STARTPREFIXMAPPING:
        if (FAILED(hr = args.expect(2)) || FAILED(hr = Texts(args, two))) return hr;
        if (member == DISPID_CONTENT_PROCESSINGINSTRUCTION)
            handler_.processingInstruction(BStrView(two[0]), BStrView(two[1]));
        else
            handler_.startPrefixMapping(BStrView(two[0]), BStrView(two[1]));
        return S_OK;
    case DISPID_CONTENT_CHARACTERS:
        if (FAILED(hr = args.expect(2)) || FAILED(hr = Texts(args, one)) || FAILED(hr = args.int32(1, length))) return hr;
        handler_.characters(BStrView(one[0]), length);
        return S_OK;
    case DISPID_CONTENT_COMMENT:
    case DISPID_CONTENT_CDATA:
    case DISPID_CONTENT_ENDPREFIXMAPPING:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = Texts(args, one))) return hr;
        if (member == DISPID_CONTENT_COMMENT)
            handler_.comment(BStrView(one[0]));
        else if (member == DISPID_CONTENT_CDATA)
            handler_.cdata(BStrView(one[0]));
        else
            handler_.endPrefixMapping(BStrView(one[0]));
        return S_OK;
    default: return DISP_E_MEMBERNOTFOUND;
    }
}

HRESULT VtableEventSink::QueryInterface(const IID& iid, void** object)
{
    return OfferInterface<ISAXContentHandler>(this, iid, object, {IID_IUnknown, IID_ISAXContentHandler});
}

HRESULT VtableEventSink::startDocument()
{
    handler_.startDocument();
    return S_OK;
}

HRESULT VtableEventSink::endDocument()
{
    handler_.endDocument();
    return S_OK;
}

HRESULT VtableEventSink::startElement(BSTR URI, BSTR localName, BSTR rawName, ISAXAttributes* pAttributes)
{
    handler_.startElement(BStrView(URI), BStrView(localName), BStrView(rawName), pAttributes);
    return S_OK;
}

HRESULT VtableEventSink::endElement(BSTR URI, BSTR localName, BSTR rawName)
{
    handler_.endElement(BStrView(URI), BStrView(localName), BStrView(rawName));
    return S_OK;
}

HRESULT VtableEventSink::processingInstruction(BSTR sTarget, BSTR sData)
{
    handler_.processingInstruction(BStrView(sTarget), BStrView(sData));
    return S_OK;
}

HRESULT VtableEventSink::characters(BSTR sCharacter, int32_t iLength)
{
    handler_.characters(BStrView(sCharacter), iLength);
    return S_OK;
}

HRESULT VtableEventSink::comment(BSTR sComment)
{
    handler_.comment(BStrView(sComment));
    return S_OK;
}

HRESULT VtableEventSink::cdata(BSTR sComment)
{
    handler_.cdata(BStrView(sComment));
    return S_OK;
}

HRESULT VtableEventSink::setLocator(ISAXLocator* pLocator)
{
    handler_.setLocator(pLocator);
    return S_OK;
}

HRESULT VtableEventSink::startPrefixMapping(BSTR prefix, BSTR URI)
{
    handler_.startPrefixMapping(BStrView(prefix), BStrView(URI));
    return S_OK;
}

HRESULT VtableEventSink::endPrefixMapping(BSTR prefix)
{
    handler_.endPrefixMapping(BStrView(prefix));
    return S_OK;
}
