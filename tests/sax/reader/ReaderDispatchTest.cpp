#include <gtest/gtest.h>

#include <vector>

#include "BStr.h"
#include "ComponentHarness.h"
#include "OfferInterface.h"
#include "RefCounted.h"
#include "TextConversion.h"
#include "Variant.h"

namespace {

using saxtest::CreateReader;

// Calls a member by DISPID with arguments given in signature order.
class LateBound {
public:
    explicit LateBound(IDispatch* object) : object_(object) {}

    HRESULT call(DISPID member, std::vector<VARIANT> args, VARIANT* result = nullptr, UINT* argumentError = nullptr)
    {
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        return object_->Invoke(member, IID_NULL, 0x409, DISPATCH_METHOD, &params, result, nullptr, argumentError);
    }
    DISPID id(const char16_t* name)
    {
        std::u16string copy(name);
        LPOLESTR names[] = {copy.data()};
        DISPID result = 0;
        return SUCCEEDED(object_->GetIDsOfNames(IID_NULL, names, 1, 0x409, &result)) ? result : DISPID_UNKNOWN;
    }

private:
    IDispatch* object_;
};

TEST(ReaderLateBinding, ReaderMembersWorkByDispid)
{
    auto reader = CreateReader();
    auto dispatch = reader.as<IDispatch>(IID_IDispatch);
    ASSERT_TRUE(dispatch);
    LateBound late(dispatch.get());

    Variant name = Variant::Text(u"PreserveSpace");
    Variant yes = Variant::Text(u"Yes");
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_SETPROPERTY, {name.get(), yes.get()}), S_OK);
    Variant value;
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_GETPROPERTY, {name.get()}, value.out()), S_OK);
    ASSERT_EQ(value.get().vt, VT_BSTR);
    EXPECT_EQ(BStrView(value.get().bstrVal), u"Yes");

    Variant feature = Variant::Text(u"http://xml.org/sax/features/namespaces");
    Variant off = Variant::Boolean(false);
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_SETFEATURE, {feature.get(), off.get()}), S_OK);
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_GETFEATURE, {feature.get()}, value.out()), S_OK);
    EXPECT_EQ(value.get().vt, VT_BOOL);
    EXPECT_EQ(value.get().boolVal, VARIANT_FALSE);

    Variant document = Variant::Text(u"<a>\n<b></a>");
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_PARSESTRING, {document.get()}, value.out()), S_OK);
    EXPECT_EQ(value.get().vt, VT_BOOL);
    EXPECT_EQ(value.get().boolVal, VARIANT_FALSE);
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_LASTERROR, {}, value.out()), S_OK);
    EXPECT_EQ(BStrView(value.get().bstrVal), u"End tag does not match start tag");
    ASSERT_EQ(late.call(DISPID_SAXLOCATOR_GETLINENUMBER, {}, value.out()), S_OK);
    EXPECT_EQ(value.get().vt, VT_I4);
    EXPECT_EQ(value.get().lVal, 2);
    ASSERT_EQ(late.call(DISPID_SAXLOCATOR_GETCOLUMNNUMBER, {}, value.out()), S_OK);
    EXPECT_GT(value.get().lVal, 1);
    ASSERT_EQ(late.call(DISPID_SAXLOCATOR_GETPUBLICID, {}, value.out()), S_OK);
    EXPECT_EQ(BStrView(value.get().bstrVal), u"");

    auto stream = ComPtr<IStream>::adopt(CreateStreamOnBytes("<ok/>"));
    Variant input = Variant::Object(stream.get());
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_PARSEEX, {input.get()}, value.out()), S_OK);
    EXPECT_EQ(value.get().boolVal, VARIANT_TRUE);

    Variant path = Variant::Text(u"/no/such/file");
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_PARSEFILE, {path.get()}), S_OK);  // the result may be discarded
    ASSERT_EQ(late.call(DISPID_SAXXMLREADER_LASTERROR, {}, value.out()), S_OK);
    EXPECT_EQ(BStrView(value.get().bstrVal), u"Unable to open input file");
}

TEST(ReaderLateBinding, BadCallsAreRefusedWithTheirCodes)
{
    auto reader = CreateReader();
    auto dispatch = reader.as<IDispatch>(IID_IDispatch);
    LateBound late(dispatch.get());
    Variant text = Variant::Text(u"x");
    Variant number = Variant::Int32(3);
    UINT wrong = 99;
    EXPECT_EQ(late.call(DISPID_SAXXMLREADER_PARSESTRING, {}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(late.call(DISPID_SAXXMLREADER_SETFEATURE, {text.get()}), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(late.call(DISPID_SAXXMLREADER_SETFEATURE, {number.get(), text.get()}, nullptr, &wrong), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(wrong, 1u);  // the first argument sits last in rgvarg
    EXPECT_EQ(late.call(DISPID_SAXXMLREADER_SETPROPERTY, {text.get(), number.get()}), E_FAIL);
    EXPECT_EQ(late.call(42, {}), DISP_E_MEMBERNOTFOUND);
}

TEST(ReaderLateBinding, NamesMapToTheirDispids)
{
    auto reader = CreateReader();
    auto dispatch = reader.as<IDispatch>(IID_IDispatch);
    LateBound late(dispatch.get());
    EXPECT_EQ(late.id(u"parseFile"), 1);
    EXPECT_EQ(late.id(u"PARSESTRING"), 2);
    EXPECT_EQ(late.id(u"lastError"), 3);
    EXPECT_EQ(late.id(u"parseEx"), 4);
    EXPECT_EQ(late.id(u"setProperty"), 5);
    EXPECT_EQ(late.id(u"setFeature"), 6);
    EXPECT_EQ(late.id(u"getProperty"), 7);
    EXPECT_EQ(late.id(u"getFeature"), 8);
    EXPECT_EQ(late.id(u"getPublicId"), 0x60020000);
    EXPECT_EQ(late.id(u"getSystemId"), 0x60020001);
    EXPECT_EQ(late.id(u"getLineNumber"), 0x60020002);
    EXPECT_EQ(late.id(u"getColumnNumber"), 0x60020003);
    EXPECT_EQ(late.id(u"parse"), DISPID_UNKNOWN);
}

TEST(ReaderIdentity, EveryInterfaceLeadsToTheSameObject)
{
    auto reader = CreateReader();
    auto unknown = reader.as<IUnknown>(IID_IUnknown);
    auto locator = reader.as<ISAXLocator>(IID_ISAXLocator);
    auto container = reader.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_TRUE(unknown && locator && container);
    EXPECT_EQ(locator.as<IUnknown>(IID_IUnknown).get(), unknown.get());
    EXPECT_EQ(container.as<IUnknown>(IID_IUnknown).get(), unknown.get());
    EXPECT_EQ(locator.as<ISAXXMLReader>(IID_ISAXXMLReader).get(), reader.get());
    EXPECT_FALSE(reader.as<IUnknown>(IID_ISAXAttributes));
    void* none = &none;
    EXPECT_EQ(reader->QueryInterface(IID_IStream, &none), E_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
}

// Reads the attribute list by DISPID during startElement.
class LateAttributeReader final : public RefCounted<ISAXContentHandler> {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        return OfferInterface<ISAXContentHandler>(this, iid, object, {IID_IUnknown, IID_ISAXContentHandler});
    }
    HRESULT startElement(BSTR, BSTR, BSTR, ISAXAttributes* attributes) override
    {
        LateBound late(attributes);
        Variant result;
        auto text = [&](HRESULT hr) {
            if (FAILED(hr)) return std::string("<failed>");
            if (result.get().vt == VT_I4) return std::to_string(result.get().lVal);
            return Utf8FromUtf16(BStrView(result.get().bstrVal));
        };
        Variant zero = Variant::Int32(0), one = Variant::Int32(1), far = Variant::Int32(7);
        Variant uri = Variant::Text(u"urn:p"), local = Variant::Text(u"y"), raw = Variant::Text(u"p:y");
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETLENGTH, {}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETVALUE, {zero.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETRAWNAME, {one.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETINDEX, {raw.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETINDEXNS, {uri.get(), local.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETINDEXNS, {local.get(), uri.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETLOCALNAME, {one.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETURI, {one.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETVALUEBYRAWNAME, {raw.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETVALUENS, {uri.get(), local.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETVALUE, {far.get()}, result.out())));
        seen.push_back(text(late.call(DISPID_SAXATTRIBUTES_GETVALUE, {raw.get()}, result.out())));
        seen.push_back(std::to_string(late.id(u"getValueNS")) + "," + std::to_string(late.id(u"GetLength")));
        return S_OK;
    }
    HRESULT startDocument() override { return S_OK; }
    HRESULT endDocument() override { return S_OK; }
    HRESULT endElement(BSTR, BSTR, BSTR) override { return S_OK; }
    HRESULT processingInstruction(BSTR, BSTR) override { return S_OK; }
    HRESULT characters(BSTR, int32_t) override { return S_OK; }
    HRESULT comment(BSTR) override { return S_OK; }
    HRESULT cdata(BSTR) override { return S_OK; }
    HRESULT setLocator(ISAXLocator*) override { return S_OK; }
    HRESULT startPrefixMapping(BSTR, BSTR) override { return S_OK; }
    HRESULT endPrefixMapping(BSTR) override { return S_OK; }

    std::vector<std::string> seen;
};

TEST(AttributeListLateBinding, EveryMemberWorksByDispidWithArgumentsInOrder)
{
    auto reader = CreateReader();
    auto handler = ComPtr<LateAttributeReader>::adopt(new LateAttributeReader);
    saxtest::Subscription subscription(*reader.get(), IID_ISAXContentHandler, handler.get());
    ASSERT_TRUE(saxtest::ParseText(*reader.get(), "<r xmlns:p='urn:p' p:y='two'/>"));
    EXPECT_EQ(handler->seen, (std::vector<std::string>{"2", "urn:p", "p:y", "1", "1", "-1", "y", "urn:p", "two", "two",
                                                       "", "<failed>", "9,1"}));
}

}  // namespace
