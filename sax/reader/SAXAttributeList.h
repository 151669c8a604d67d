#pragma once

#include "Attribute.h"
#include "TextBuffer.h"
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
    // A fresh copy of one string of the attribute at `index` for an out
    // parameter; out of range, the empty string. Inline: a client reads
    // each attribute's strings one call at a time.
    template <std::u16string_view sax::Attribute::*Member>
    HRESULT copyOut(int32_t index, BSTR* out) const
    {
        if (!out) return E_POINTER;
        const auto i = static_cast<uint32_t>(index);  // a negative index is out of range too
        // Names and values lie in the scanner's attribute text, which keeps
        // room past its end for a padded copy; URIs lie elsewhere.
        static_assert(sax::TextBuffer::kPaddingUnits >= bstr_cache::kPaddingUnits);
        static constexpr char16_t kNoText[bstr_cache::kPaddingUnits] = {};
        std::u16string_view text = i < attributes_.size() ? attributes_[i].*Member : std::u16string_view();
        if (text.empty()) text = {kNoText, 0};  // an empty view may point nowhere
        BSTR copy = Member == &sax::Attribute::uri ? bstr_cache::TakeCached(text) : bstr_cache::TakeCachedPadded(text);
        if (copy) {
            *out = copy;
            return S_OK;
        }
        return allocateOut(text, out);
    }
    // copyOut when the thread's cache has no string to give: out of line, so
    // that the common path saves no registers.
    [[gnu::noinline]] static HRESULT allocateOut(std::u16string_view text, BSTR* out);
    int32_t indexOfRawName(std::u16string_view rawName) const;
    int32_t indexOfName(std::u16string_view uri, std::u16string_view localName) const;

    IUnknown& owner_;
    sax::AttributeList attributes_;
};
