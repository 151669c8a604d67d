#pragma once

#include <cstdint>

#include "Unknown.h"
#include "Variant.h"

using DISPID = int32_t;
using LCID = uint32_t;
using UINT = uint32_t;
using WORD = uint16_t;

constexpr DISPID DISPID_UNKNOWN = -1;

// Invoke flags.
constexpr WORD DISPATCH_METHOD = 1;
constexpr WORD DISPATCH_PROPERTYGET = 2;

// Arguments of an Invoke call. rgvarg holds them in reverse order: the last
// argument of the member is rgvarg[0], the first is rgvarg[cArgs - 1].
struct DISPPARAMS {
    VARIANT* rgvarg;
    DISPID* rgdispidNamedArgs;
    UINT cArgs;
    UINT cNamedArgs;
};

struct ITypeInfo;  // type information is not offered: GetTypeInfo answers E_NOTIMPL
struct EXCEPINFO;  // never filled in

// Late binding: members are found by name (GetIDsOfNames) and called by number (Invoke).
struct IDispatch : IUnknown {
    virtual HRESULT GetTypeInfoCount(UINT* count) = 0;
    virtual HRESULT GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) = 0;
    virtual HRESULT GetIDsOfNames(const IID& reserved, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) = 0;
    virtual HRESULT Invoke(DISPID member, const IID& reserved, LCID locale, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* exception, UINT* argumentError) = 0;

protected:
    ~IDispatch() = default;
};

inline constexpr IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
