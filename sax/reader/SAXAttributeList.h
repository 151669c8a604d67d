#pragma once

#include "Attribute.h"
#include "DispatchHelpers.h"
#include "KXSAX2.h"

// The attribute list handed to startElement: a view onto the scanner's
// attributes, shown only while that call runs and empty at any other time.
// It shares the reader's lifetime (reference counting goes to the reader).
class SAXAttributeList final : public WithoutTypeInfo<ISAXAttributes> {
public:
    explicit SAXAttributeList(IUnknown& owner) : owner_(owner) {}

    void show(sax::AttributeList attributes) { attributes_ = attributes; }
    void hide() { attributes_ = {}; }

    HRESULT QueryInterface(const IID& iid, void** object) override;
    ULONG AddRef() override { return owner_.AddRef(); }
    ULONG Release() override { return owner_.Release(); }

    HRESULT GetIDsOfNames(const IID& reserved, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT Invoke(DISPID member, const IID& reserved, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError) override;

    HRESULT getLength(int32_t* plLength) override;
    HRESULT getValue(int32_t iIndex, BSTR* pbsValue) override;
    HRESULT getRawName(int32_t iIndex, BSTR* pbsRawName) override;
    HRESULT getIndex(BSTR sRawName, int32_t* val) override;
    HRESULT getIndexNS(BSTR URI, BSTR localName, int32_t* val) override;
    HRESULT getLocalName(int32_t iIndex, BSTR* pbsLocalName) override;
    HRESULT getURI(int32_t iIndex, BSTR* pbsURI) override;
    HRESULT getValueByRawName(BSTR sRawName, BSTR* pbsValue) override;
    HRESULT getValueNS(BSTR URI, BSTR localName, BSTR* pbsValue) override;

private:
    // The attribute at `index`, or null when out of range.
    const sax::Attribute* at(int32_t index) const;
    int32_t indexOfRawName(std::u16string_view rawName) const;
    int32_t indexOfName(std::u16string_view uri, std::u16string_view localName) const;

    IUnknown& owner_;
    sax::AttributeList attributes_;
};
