#pragma once

#include <span>
#include <string_view>

#include "Dispatch.h"

// Reads the arguments of an Invoke call by their place in the member's
// signature (0 = first), undoing the reverse order of DISPPARAMS. Each reader
// checks the type and, on a mismatch, reports the argument through
// argumentError and answers DISP_E_TYPEMISMATCH.
class DispatchArguments {
public:
    DispatchArguments(const DISPPARAMS* params, UINT* argumentError) : params_(params), argumentError_(argumentError) {}

    // DISP_E_BADPARAMCOUNT unless exactly `count` positional arguments came; named ones are refused.
    HRESULT expect(UINT count) const;
    HRESULT text(UINT index, BSTR& value) const;             // VT_BSTR
    HRESULT int32(UINT index, int32_t& value) const;         // VT_I4 or VT_I2
    HRESULT boolean(UINT index, VARIANT_BOOL& value) const;  // VT_BOOL, VT_I2 or VT_I4 (non-zero is true)
    HRESULT object(UINT index, IUnknown*& value) const;      // VT_DISPATCH or VT_UNKNOWN, not owned
    const VARIANT& variant(UINT index) const;

private:
    HRESULT mismatch(UINT index) const;

    const DISPPARAMS* params_;
    UINT* argumentError_;
};

// Inline: an event subscriber reads a few arguments per event.
inline HRESULT DispatchArguments::expect(UINT count) const
{
    if (!params_) return count == 0 ? S_OK : DISP_E_BADPARAMCOUNT;
    if (params_->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (params_->cArgs != count) return DISP_E_BADPARAMCOUNT;
    if (count != 0 && !params_->rgvarg) return E_INVALIDARG;
    return S_OK;
}

inline const VARIANT& DispatchArguments::variant(UINT index) const { return params_->rgvarg[params_->cArgs - 1 - index]; }

inline HRESULT DispatchArguments::text(UINT index, BSTR& value) const
{
    const VARIANT& v = variant(index);
    if (v.vt != VT_BSTR) return mismatch(index);
    value = v.bstrVal;
    return S_OK;
}

inline HRESULT DispatchArguments::int32(UINT index, int32_t& value) const
{
    const VARIANT& v = variant(index);
    if (v.vt == VT_I4)
        value = v.lVal;
    else if (v.vt == VT_I2)
        value = v.iVal;
    else
        return mismatch(index);
    return S_OK;
}

inline HRESULT DispatchArguments::object(UINT index, IUnknown*& value) const
{
    const VARIANT& v = variant(index);
    if (v.vt == VT_DISPATCH)
        value = v.pdispVal;
    else if (v.vt == VT_UNKNOWN)
        value = v.punkVal;
    else
        return mismatch(index);
    return S_OK;
}

// Hand a member's result to the caller of Invoke; a null `result` discards it.
void ReturnText(VARIANT* result, BSTR owned);
void ReturnInt32(VARIANT* result, int32_t value);
void ReturnBoolean(VARIANT* result, VARIANT_BOOL value);

struct DispatchName {
    std::u16string_view name;
    DISPID id;
};

// GetIDsOfNames over a table of member names, compared without regard to
// ASCII letter case as late-bound callers expect. Only the member name
// (names[0]) can be found; argument names answer DISPID_UNKNOWN.
HRESULT LookUpDispatchNames(std::span<const DispatchName> table, LPOLESTR* names, UINT count, DISPID* ids);

// The two IDispatch members for objects that offer no type information.
template <class Interface>
class WithoutTypeInfo : public Interface {
public:
    HRESULT GetTypeInfoCount(UINT* count) override
    {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
};
