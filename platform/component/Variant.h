#pragma once

#include <cstdint>

#include "BStr.h"

struct IDispatch;
struct IUnknown;

// 16-bit automation boolean: true is -1.
using VARIANT_BOOL = int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

using VARTYPE = uint16_t;
enum : VARTYPE {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_BOOL = 11,
    VT_UNKNOWN = 13,
};

// A tagged value of the types the interfaces use. A VARIANT owns its BSTR and
// holds a reference on its object, released by VariantClear.
struct VARIANT {
    VARTYPE vt;
    uint16_t reserved1;
    uint16_t reserved2;
    uint16_t reserved3;
    union {
        int16_t iVal;
        int32_t lVal;
        VARIANT_BOOL boolVal;
        BSTR bstrVal;
        IDispatch* pdispVal;
        IUnknown* punkVal;
    };
};

void VariantInit(VARIANT* v);
// Frees the string or releases the object and leaves the variant empty.
void VariantClear(VARIANT* v);

// Owns one VARIANT for the length of a scope.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant& operator=(Variant&&) = delete;

    static Variant Text(std::u16string_view text);
    static Variant Boolean(bool value);
    static Variant Int32(int32_t value);
    // Takes a reference of its own on `object`.
    static Variant Object(IUnknown* object);

    VARIANT& get() { return value_; }
    VARIANT* out()
    {
        VariantClear(&value_);
        return &value_;
    }

private:
    VARIANT value_;
};
