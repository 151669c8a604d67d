#include "EventFirer.h"

namespace {

// Built in place, without a call into the runtime: a few arguments per event.
VARIANT TextArgument(BSTR text)
{
    VARIANT v{};
    v.vt = VT_BSTR;
    v.bstrVal = text;
    return v;
}

VARIANT ObjectArgument(IDispatch* object)
{
    VARIANT v{};
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
    return v;
}

VARIANT Int32Argument(int32_t value)
{
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

}  // namespace

void EventFirer::fire(DISPID member, UINT count)
{
    DISPPARAMS params{count ? arguments_.data() : nullptr, nullptr, count, 0};
    for (const ComPtr<IDispatch>& subscriber : dispatch_)
        subscriber->Invoke(member, IID_NULL, kKXSAX2Locale, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

void EventFirer::setLocator(const sax::Locator&)
{
    for (const auto& subscriber : vtable_) subscriber->setLocator(&locator_);
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_SETLOCATOR, ObjectArgument(&locator_));
}

void EventFirer::startDocument()
{
    for (const auto& subscriber : vtable_) subscriber->startDocument();
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_STARTDOCUMENT);
}

void EventFirer::endDocument()
{
    for (const auto& subscriber : vtable_) subscriber->endDocument();
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_ENDDOCUMENT);
}

void EventFirer::startPrefixMapping(std::u16string_view prefix, std::u16string_view uri)
{
    BSTR p = lend(0, prefix);
    BSTR u = lend(1, uri);
    for (const auto& subscriber : vtable_) subscriber->startPrefixMapping(p, u);
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_STARTPREFIXMAPPING, TextArgument(p), TextArgument(u));
}

void EventFirer::endPrefixMapping(std::u16string_view prefix)
{
    BSTR p = lend(0, prefix);
    for (const auto& subscriber : vtable_) subscriber->endPrefixMapping(p);
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_ENDPREFIXMAPPING, TextArgument(p));
}

// The element events come in pairs for every element: with one vtable
// subscriber each is a single call, and the loops over every subscriber stay
// out of line, so that the common path saves no registers.
void EventFirer::startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                              sax::AttributeList attributes)
{
    attributes_.show(attributes);
    if (only_)
        only_->startElement(lendCounted(uri), lendCounted(localName), lendCounted(rawName), &attributes_);
    else
        startElementToAll(lendCounted(uri), lendCounted(localName), lendCounted(rawName));
    attributes_.hide();
}

void EventFirer::startElementToAll(BSTR uri, BSTR localName, BSTR rawName)
{
    for (const auto& subscriber : vtable_) subscriber->startElement(uri, localName, rawName, &attributes_);
    if (!dispatch_.empty())
        invoke(DISPID_CONTENT_STARTELEMENT, TextArgument(uri), TextArgument(localName), TextArgument(rawName),
               ObjectArgument(&attributes_));
}

void EventFirer::endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName)
{
    if (only_)
        only_->endElement(lendCounted(uri), lendCounted(localName), lendCounted(rawName));
    else
        endElementToAll(lendCounted(uri), lendCounted(localName), lendCounted(rawName));
}

void EventFirer::endElementToAll(BSTR uri, BSTR localName, BSTR rawName)
{
    for (const auto& subscriber : vtable_) subscriber->endElement(uri, localName, rawName);
    if (!dispatch_.empty())
        invoke(DISPID_CONTENT_ENDELEMENT, TextArgument(uri), TextArgument(localName), TextArgument(rawName));
}

void EventFirer::processingInstruction(std::u16string_view target, std::u16string_view data)
{
    BSTR t = lend(0, target);
    BSTR d = lend(1, data);
    for (const auto& subscriber : vtable_) subscriber->processingInstruction(t, d);
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_PROCESSINGINSTRUCTION, TextArgument(t), TextArgument(d));
}

void EventFirer::characters(std::u16string_view text, int32_t, int32_t)
{
    BSTR t = lend(0, text);
    const auto length = static_cast<int32_t>(text.size());
    for (const auto& subscriber : vtable_) subscriber->characters(t, length);
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_CHARACTERS, TextArgument(t), Int32Argument(length));
}

void EventFirer::comment(std::u16string_view text)
{
    BSTR t = lend(0, text);
    for (const auto& subscriber : vtable_) subscriber->comment(t);
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_COMMENT, TextArgument(t));
}

void EventFirer::cdata(std::u16string_view text)
{
    BSTR t = lend(0, text);
    for (const auto& subscriber : vtable_) subscriber->cdata(t);
    if (!dispatch_.empty()) invoke(DISPID_CONTENT_CDATA, TextArgument(t));
}
