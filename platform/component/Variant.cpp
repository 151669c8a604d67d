#include "Variant.h"

#include "Dispatch.h"

void VariantInit(VARIANT* v)
{
    v->vt = VT_EMPTY;
    v->reserved1 = v->reserved2 = v->reserved3 = 0;
    v->punkVal = nullptr;
}

void VariantClear(VARIANT* v)
{
    switch (v->vt) {
    case VT_BSTR: SysFreeString(v->bstrVal); break;
    case VT_DISPATCH:
        if (v->pdispVal) v->pdispVal->Release();
        break;
    case VT_UNKNOWN:
        if (v->punkVal) v->punkVal->Release();
        break;
    default: break;
    }
    VariantInit(v);
}

Variant Variant::Text(std::u16string_view text)
{
    Variant v;
    v.value_.vt = VT_BSTR;
    v.value_.bstrVal = SysAllocString(text);
    return v;
}

Variant Variant::Boolean(bool value)
{
    Variant v;
    v.value_.vt = VT_BOOL;
    v.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Int32(int32_t value)
{
    Variant v;
    v.value_.vt = VT_I4;
    v.value_.lVal = value;
    return v;
}

Variant Variant::Object(IUnknown* object)
{
    Variant v;
    v.value_.vt = VT_UNKNOWN;
    v.value_.punkVal = object;
    if (object) object->AddRef();
    return v;
}
