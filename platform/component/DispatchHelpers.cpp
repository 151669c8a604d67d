#include "DispatchHelpers.h"

namespace {

char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

}  // namespace

HRESULT DispatchArguments::mismatch(UINT index) const
{
    if (argumentError_) *argumentError_ = params_->cArgs - 1 - index;
    return DISP_E_TYPEMISMATCH;
}

HRESULT DispatchArguments::boolean(UINT index, VARIANT_BOOL& value) const
{
    const VARIANT& v = variant(index);
    if (v.vt == VT_BOOL)
        value = v.boolVal ? VARIANT_TRUE : VARIANT_FALSE;
    else if (v.vt == VT_I2)
        value = v.iVal ? VARIANT_TRUE : VARIANT_FALSE;
    else if (v.vt == VT_I4)
        value = v.lVal ? VARIANT_TRUE : VARIANT_FALSE;
    else
        return mismatch(index);
    return S_OK;
}

void ReturnText(VARIANT* result, BSTR owned)
{
    if (!result) {
        SysFreeString(owned);
        return;
    }
    VariantClear(result);
    result->vt = VT_BSTR;
    result->bstrVal = owned;
}

void ReturnInt32(VARIANT* result, int32_t value)
{
    if (!result) return;
    VariantClear(result);
    result->vt = VT_I4;
    result->lVal = value;
}

void ReturnBoolean(VARIANT* result, VARIANT_BOOL value)
{
    if (!result) return;
    VariantClear(result);
    result->vt = VT_BOOL;
    result->boolVal = value;
}

HRESULT LookUpDispatchNames(std::span<const DispatchName> table, LPOLESTR* names, UINT count, DISPID* ids)
{
    if (!names || !ids) return E_POINTER;
    if (count == 0) return S_OK;
    HRESULT hr = S_OK;
    ids[0] = DISPID_UNKNOWN;
    const std::u16string_view wanted = names[0] ? std::u16string_view(names[0]) : std::u16string_view();
    for (const DispatchName& entry : table)
        if (EqualIgnoringCase(entry.name, wanted)) ids[0] = entry.id;
    if (ids[0] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
    for (UINT i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}
