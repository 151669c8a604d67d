#include "SAXAttributeList.h"

#include <array>

#include "OfferInterface.h"

namespace {

constexpr std::array<DispatchName, 9> kNames = {{
    {u"getLength", DISPID_SAXATTRIBUTES_GETLENGTH},
    {u"getValue", DISPID_SAXATTRIBUTES_GETVALUE},
    {u"getRawName", DISPID_SAXATTRIBUTES_GETRAWNAME},
    {u"getIndex", DISPID_SAXATTRIBUTES_GETINDEX},
    {u"getIndexNS", DISPID_SAXATTRIBUTES_GETINDEXNS},
    {u"getLocalName", DISPID_SAXATTRIBUTES_GETLOCALNAME},
    {u"getURI", DISPID_SAXATTRIBUTES_GETURI},
    {u"getValueByRawName", DISPID_SAXATTRIBUTES_GETVALUEBYRAWNAME},
    {u"getValueNS", DISPID_SAXATTRIBUTES_GETVALUENS},
}};

}  // namespace

HRESULT SAXAttributeList::QueryInterface(const IID& iid, void** object)
{
    return OfferInterface<ISAXAttributes>(this, iid, object, {IID_IUnknown, IID_IDispatch, IID_ISAXAttributes});
}

HRESULT SAXAttributeList::allocateOut(std::u16string_view text, BSTR* out)
{
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

int32_t SAXAttributeList::indexOfRawName(std::u16string_view rawName) const
{
    for (size_t i = 0; i < attributes_.size(); ++i)
        if (attributes_[i].rawName == rawName) return static_cast<int32_t>(i);
    return -1;
}

int32_t SAXAttributeList::indexOfName(std::u16string_view uri, std::u16string_view localName) const
{
    for (size_t i = 0; i < attributes_.size(); ++i)
        if (attributes_[i].uri == uri && attributes_[i].localName == localName) return static_cast<int32_t>(i);
    return -1;
}

HRESULT SAXAttributeList::getLength(int32_t* plLength)
{
    if (!plLength) return E_POINTER;
    *plLength = static_cast<int32_t>(attributes_.size());
    return S_OK;
}

HRESULT SAXAttributeList::getValue(int32_t iIndex, BSTR* pbsValue)
{
    return copyOut<&sax::Attribute::value>(iIndex, pbsValue);
}

HRESULT SAXAttributeList::getRawName(int32_t iIndex, BSTR* pbsRawName)
{
    return copyOut<&sax::Attribute::rawName>(iIndex, pbsRawName);
}

HRESULT SAXAttributeList::getLocalName(int32_t iIndex, BSTR* pbsLocalName)
{
    return copyOut<&sax::Attribute::localName>(iIndex, pbsLocalName);
}

HRESULT SAXAttributeList::getURI(int32_t iIndex, BSTR* pbsURI)
{
    return copyOut<&sax::Attribute::uri>(iIndex, pbsURI);
}

HRESULT SAXAttributeList::getIndex(BSTR sRawName, int32_t* val)
{
    if (!val) return E_POINTER;
    *val = indexOfRawName(BStrView(sRawName));
    return S_OK;
}

HRESULT SAXAttributeList::getIndexNS(BSTR URI, BSTR localName, int32_t* val)
{
    if (!val) return E_POINTER;
    *val = indexOfName(BStrView(URI), BStrView(localName));
    return S_OK;
}

HRESULT SAXAttributeList::getValueByRawName(BSTR sRawName, BSTR* pbsValue)
{
    return getValue(indexOfRawName(BStrView(sRawName)), pbsValue);
}

HRESULT SAXAttributeList::getValueNS(BSTR URI, BSTR localName, BSTR* pbsValue)
{
    return getValue(indexOfName(BStrView(URI), BStrView(localName)), pbsValue);
}

HRESULT SAXAttributeList::GetIDsOfNames(const IID&, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    return LookUpDispatchNames(kNames, names, count, ids);
}

HRESULT SAXAttributeList::Invoke(DISPID member, const IID&, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                 UINT* argumentError)
{
    const DispatchArguments args(params, argumentError);
    HRESULT hr = S_OK;
    int32_t index = 0;
    BSTR first = nullptr;
    BSTR second = nullptr;
    BStr text;
    switch (member) {
    case DISPID_SAXATTRIBUTES_GETLENGTH:
        if (FAILED(hr = args.expect(0)) || FAILED(hr = getLength(&index))) return hr;
        ReturnInt32(result, index);
        return S_OK;
    case DISPID_SAXATTRIBUTES_GETVALUE:
    case DISPID_SAXATTRIBUTES_GETRAWNAME:
    case DISPID_SAXATTRIBUTES_GETLOCALNAME:
    case DISPID_SAXATTRIBUTES_GETURI:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = args.int32(0, index))) return hr;
        hr = member == DISPID_SAXATTRIBUTES_GETVALUE     ? getValue(index, text.out())
             : member == DISPID_SAXATTRIBUTES_GETRAWNAME ? getRawName(index, text.out())
             : member == DISPID_SAXATTRIBUTES_GETLOCALNAME ? getLocalName(index, text.out())
                                                           : getURI(index, text.out());
        break;
    case DISPID_SAXATTRIBUTES_GETINDEX:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = args.text(0, first)) || FAILED(hr = getIndex(first, &index)))
            return hr;
        ReturnInt32(result, index);
        return S_OK;
    case DISPID_SAXATTRIBUTES_GETINDEXNS:
        if (FAILED(hr = args.expect(2)) || FAILED(hr = args.text(0, first)) || FAILED(hr = args.text(1, second)) ||
            FAILED(hr = getIndexNS(first, second, &index)))
            return hr;
        ReturnInt32(result, index);
        return S_OK;
    case DISPID_SAXATTRIBUTES_GETVALUEBYRAWNAME:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = args.text(0, first))) return hr;
        hr = getValueByRawName(first, text.out());
        break;
    case DISPID_SAXATTRIBUTES_GETVALUENS:
        if (FAILED(hr = args.expect(2)) || FAILED(hr = args.text(0, first)) || FAILED(hr = args.text(1, second))) return hr;
        hr = getValueNS(first, second, text.out());
        break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    if (FAILED(hr)) return hr;
    ReturnText(result, text.release());
    return S_OK;
}
