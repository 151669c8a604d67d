#include "SaxFileReader.h"

#include <cstdint>
#include <cstdio>
#include <exception>

#include "Activation.h"
#include "AsciiNarrowing.h"
#include "BStr.h"
#include "ComPtr.h"
#include "DispatchHelpers.h"
#include "FileError.h"
#include "KXSAX2.h"
#include "OfferInterface.h"
#include "RefCounted.h"
#include "TextConversion.h"

namespace velk {
namespace {

// Puts the UTF-8 of the parser's 16-bit text into `into`, reusing its
// storage. Descriptions are nearly all ASCII: the text is narrowed in one
// pass, and decoded properly only when a unit was not ASCII.
void AssignUtf8(std::u16string_view text, std::string& into)
{
    into.resize(text.size());
    if (NarrowUnits(text.data(), text.size(), into.data()) & kNotAscii) [[unlikely]]
        into = Utf8FromUtf16(text);
}
void AssignUtf8(std::u16string_view text, TextSlot& into)
{
    if (NarrowUnits(text.data(), text.size(), into.prepare(text.size())) & kNotAscii) [[unlikely]]
        into.assign(Utf8FromUtf16(text));
}

// The attribute list of one startElement, read through the reader's own
// ISAXAttributes (valid only during the event; null when the object the
// event passed does not offer it).
class SaxAttributes final : public AttributeList {
public:
    explicit SaxAttributes(ISAXAttributes* attributes) : attributes_(attributes) {}

    int getLength() const override
    {
        int32_t length = 0;
        if (attributes_) attributes_->getLength(&length);
        return length;
    }
    std::string getLocalName(int index) const override { return Read(&ISAXAttributes::getLocalName, index); }
    std::string getValue(int index) const override { return Read(&ISAXAttributes::getValue, index); }
    void readAttribute(int index, TextSlot& localName, TextSlot& value) const override
    {
        Read(&ISAXAttributes::getLocalName, index, localName);
        Read(&ISAXAttributes::getValue, index, value);
    }

private:
    template <class Text>
    [[gnu::always_inline]] void Read(HRESULT (ISAXAttributes::*member)(int32_t, BSTR*), int index, Text& into) const
    {
        BStr text;
        if (!attributes_ || FAILED((attributes_->*member)(index, text.out())))
            throw FileError("the attribute list cannot be read");
        AssignUtf8(text.view(), into);
    }
    std::string Read(HRESULT (ISAXAttributes::*member)(int32_t, BSTR*), int index) const
    {
        std::string text;
        Read(member, index, text);
        return text;
    }

    ISAXAttributes* attributes_;
};

// The loader's subscriber of _ISAXContentHandler: takes startElement and
// endElement by DISPID and hands them on. The first exception of the
// handlers is kept (it must not cross the component) and silences the rest
// of the parse. Events are handed on as they arrive: recording the whole
// parse and building from the recording afterwards copies every text once
// more and measured slower, with no gain from the parser's code and data
// staying in the caches.
class ElementEventSink final : public RefCounted<WithoutTypeInfo<IDispatch>> {
public:
    explicit ElementEventSink(ElementEvents& events) : events_(events) {}

    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        return OfferInterface<IDispatch>(this, iid, object, {IID_IUnknown, IID_IDispatch, DIID__ISAXContentHandler});
    }
    HRESULT GetIDsOfNames(const IID&, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID member, const IID&, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                   UINT* argumentError) override
    {
        if (failure_ || (member != DISPID_CONTENT_STARTELEMENT && member != DISPID_CONTENT_ENDELEMENT)) return S_OK;
        const DispatchArguments args(params, argumentError);
        BSTR localName = nullptr;
        HRESULT hr = args.expect(member == DISPID_CONTENT_STARTELEMENT ? 4 : 3);
        if (SUCCEEDED(hr)) hr = args.text(1, localName);
        if (FAILED(hr)) return hr;
        try {
            // The end of an element without child elements follows its start
            // at once and has the start's local name, which name_ holds.
            const bool end = member == DISPID_CONTENT_ENDELEMENT;
            if (!end || !nameIsLastStart_) AssignUtf8(BStrView(localName), name_);
            nameIsLastStart_ = !end;
            if (end) {
                events_.endElement(name_);
                return S_OK;
            }
            IUnknown* object = nullptr;
            if (FAILED(hr = args.object(3, object))) return hr;
            events_.startElement(name_, SaxAttributes(AttributesOf(object)));
        } catch (...) {
            failure_ = std::current_exception();
        }
        return S_OK;
    }

    void RethrowFailure() const
    {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    // The ISAXAttributes of the object a startElement passed. The reader
    // passes the same object with every element, so it is asked once; the
    // reference kept holds that object, so no other can take its address.
    ISAXAttributes* AttributesOf(IUnknown* object)
    {
        if (object != attributesObject_ || !attributes_) {
            attributesObject_ = object;
            if (object) object->QueryInterface(IID_ISAXAttributes, attributes_.outVoid());
            else attributes_ = nullptr;
        }
        return attributes_.get();
    }

    ElementEvents& events_;
    std::string name_;  // the current element's local name, its storage kept from event to event
    bool nameIsLastStart_ = false;  // name_ is that of the last startElement, and no end came since
    IUnknown* attributesObject_ = nullptr;
    ComPtr<ISAXAttributes> attributes_;
    std::exception_ptr failure_;
};

int32_t LocatorPosition(const ComPtr<ISAXXMLReader>& reader, HRESULT (ISAXLocator::*member)(int32_t*))
{
    auto locator = reader.as<ISAXLocator>(IID_ISAXLocator);
    int32_t position = 0;
    if (locator) (locator.get()->*member)(&position);
    return position;
}

std::string HResultText(HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

}  // namespace

ParseOutcome ReadWithSax(const std::string& path, ElementEvents& events)
{
    ComPtr<ISAXXMLReader> reader;
    if (const HRESULT hr = CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid());
        FAILED(hr))
        throw FileError("the XML reader component cannot be created (" + HResultText(hr) + ")");

    auto sink = ComPtr<ElementEventSink>::adopt(new ElementEventSink(events));
    auto container = reader.as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
    if (!container || FAILED(container->FindConnectionPoint(DIID__ISAXContentHandler, point.out())) ||
        FAILED(point->Advise(sink.get(), &cookie)))
        throw FileError("the XML reader component does not report its events");

    VARIANT_BOOL ok = VARIANT_FALSE;
    BStr file(Utf16FromUtf8(path));
    const HRESULT hr = reader->parseFile(file.get(), &ok);
    point->Unadvise(cookie);

    ParseOutcome outcome;
    outcome.ok = SUCCEEDED(hr) && ok == VARIANT_TRUE;
    if (!outcome.ok) {
        BStr lastError;
        reader->get_lastError(lastError.out());
        outcome.lastError = Utf8FromUtf16(lastError.view());
        if (outcome.lastError.empty() && FAILED(hr)) outcome.lastError = "the parse failed (" + HResultText(hr) + ")";
        outcome.line = LocatorPosition(reader, &ISAXLocator::getLineNumber);
        outcome.column = LocatorPosition(reader, &ISAXLocator::getColumnNumber);
    }
    sink->RethrowFailure();
    return outcome;
}

}  // namespace velk
