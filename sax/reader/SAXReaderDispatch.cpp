// Late binding of the reader: its ISAXXMLReader and ISAXLocator members by DISPID.
#include <array>

#include "SAXReader.h"

namespace {

constexpr std::array<DispatchName, 12> kNames = {{
    {u"parseFile", DISPID_SAXXMLREADER_PARSEFILE},
    {u"parseString", DISPID_SAXXMLREADER_PARSESTRING},
    {u"lastError", DISPID_SAXXMLREADER_LASTERROR},
    {u"parseEx", DISPID_SAXXMLREADER_PARSEEX},
    {u"setProperty", DISPID_SAXXMLREADER_SETPROPERTY},
    {u"setFeature", DISPID_SAXXMLREADER_SETFEATURE},
    {u"getProperty", DISPID_SAXXMLREADER_GETPROPERTY},
    {u"getFeature", DISPID_SAXXMLREADER_GETFEATURE},
    {u"getPublicId", DISPID_SAXLOCATOR_GETPUBLICID},
    {u"getSystemId", DISPID_SAXLOCATOR_GETSYSTEMID},
    {u"getLineNumber", DISPID_SAXLOCATOR_GETLINENUMBER},
    {u"getColumnNumber", DISPID_SAXLOCATOR_GETCOLUMNNUMBER},
}};

}  // namespace

HRESULT SAXReader::GetIDsOfNames(const IID&, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    return LookUpDispatchNames(kNames, names, count, ids);
}

HRESULT SAXReader::Invoke(DISPID member, const IID&, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                          UINT* argumentError)
{
    return invokeReader(member, DispatchArguments(params, argumentError), result);
}

HRESULT SAXReader::invokeReader(DISPID member, const DispatchArguments& args, VARIANT* result)
{
    HRESULT hr = S_OK;
    BSTR name = nullptr;
    VARIANT_BOOL flag = VARIANT_FALSE;
    int32_t number = 0;
    BStr text;
    switch (member) {
    case DISPID_SAXXMLREADER_PARSEFILE:
    case DISPID_SAXXMLREADER_PARSESTRING:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = args.text(0, name))) return hr;
        hr = member == DISPID_SAXXMLREADER_PARSEFILE ? parseFile(name, &flag) : parseString(name, &flag);
        if (SUCCEEDED(hr)) ReturnBoolean(result, flag);
        return hr;
    case DISPID_SAXXMLREADER_PARSEEX:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = parseEx(args.variant(0), &flag))) return hr;
        ReturnBoolean(result, flag);
        return hr;
    case DISPID_SAXXMLREADER_LASTERROR:
    case DISPID_SAXLOCATOR_GETPUBLICID:
    case DISPID_SAXLOCATOR_GETSYSTEMID:
        if (FAILED(hr = args.expect(0))) return hr;
        hr = member == DISPID_SAXXMLREADER_LASTERROR ? get_lastError(text.out())
             : member == DISPID_SAXLOCATOR_GETPUBLICID ? getPublicId(text.out())
                                                       : getSystemId(text.out());
        if (SUCCEEDED(hr)) ReturnText(result, text.release());
        return hr;
    case DISPID_SAXXMLREADER_SETPROPERTY:
        if (FAILED(hr = args.expect(2)) || FAILED(hr = args.text(0, name))) return hr;
        return setProperty(name, args.variant(1));
    case DISPID_SAXXMLREADER_SETFEATURE:
        if (FAILED(hr = args.expect(2)) || FAILED(hr = args.text(0, name)) || FAILED(hr = args.boolean(1, flag))) return hr;
        return setFeature(name, flag);
    case DISPID_SAXXMLREADER_GETPROPERTY:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = args.text(0, name))) return hr;
        if (!result) {
            Variant discarded;
            return getProperty(name, discarded.out());
        }
        VariantClear(result);
        return getProperty(name, result);
    case DISPID_SAXXMLREADER_GETFEATURE:
        if (FAILED(hr = args.expect(1)) || FAILED(hr = args.text(0, name)) || FAILED(hr = getFeature(name, &flag))) return hr;
        ReturnBoolean(result, flag);
        return hr;
    case DISPID_SAXLOCATOR_GETLINENUMBER:
    case DISPID_SAXLOCATOR_GETCOLUMNNUMBER:
        if (FAILED(hr = args.expect(0))) return hr;
        hr = member == DISPID_SAXLOCATOR_GETLINENUMBER ? getLineNumber(&number) : getColumnNumber(&number);
        ReturnInt32(result, number);
        return hr;
    default: return DISP_E_MEMBERNOTFOUND;
    }
}
