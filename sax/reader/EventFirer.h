#pragma once

#include <array>
#include <cassert>
#include <vector>

#include "BStr.h"
#include "ComPtr.h"
#include "ContentSink.h"
#include "CountedText.h"
#include "KXSAX2.h"
#include "SAXAttributeList.h"

// Turns the scanner's content calls into events: each goes first to every
// ISAXContentHandler subscriber, then, when there are any, to every
// _ISAXContentHandler subscriber through Invoke. The strings are lent for the
// call only: element names and URIs straight from the scanner's counted
// text, the others from buffers reused from event to event. Subscriber
// results are not examined.
class EventFirer final : public sax::ContentSink {
public:
    EventFirer(ISAXLocator& locator, SAXAttributeList& attributes) : locator_(locator), attributes_(attributes) {}

    // The subscribers of one parse; release() drops them afterwards.
    void prepare(std::vector<ComPtr<ISAXContentHandler>> vtable, std::vector<ComPtr<IDispatch>> dispatch)
    {
        vtable_ = std::move(vtable);
        dispatch_ = std::move(dispatch);
        only_ = vtable_.size() == 1 && dispatch_.empty() ? vtable_.front().get() : nullptr;
    }
    void release()
    {
        only_ = nullptr;
        vtable_.clear();
        dispatch_.clear();
        attributes_.hide();
    }

    void startDocument() override;
    void endDocument() override;
    void startPrefixMapping(std::u16string_view prefix, std::u16string_view uri) override;
    void endPrefixMapping(std::u16string_view prefix) override;
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      sax::AttributeList attributes) override;
    void endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName) override;
    void processingInstruction(std::u16string_view target, std::u16string_view data) override;
    void characters(std::u16string_view text, int32_t start, int32_t length) override;
    void setLocator(const sax::Locator& locator) override;
    void comment(std::u16string_view text) override;
    void cdata(std::u16string_view text) override;

private:
    // Lends `text` as the BSTR in buffer `slot`.
    BSTR lend(size_t slot, std::u16string_view text) { return buffers_[slot].assign(text); }
    // Lends counted text as it lies: its count and terminator make it a BSTR already.
    static BSTR lendCounted(std::u16string_view text)
    {
        assert(sax::IsCounted(text));
        return const_cast<BSTR>(text.data());
    }
    // Calls every dispatch subscriber with `args` given in signature order.
    // DISPPARAMS wants the last argument first; the variants are borrowed:
    // nobody clears them.
    template <class... Arguments>
    void invoke(DISPID member, const Arguments&... args)
    {
        static_assert(sizeof...(args) <= std::tuple_size_v<decltype(arguments_)>);
        VARIANT* slot = arguments_.data() + sizeof...(args);
        ((*--slot = args), ...);
        fire(member, sizeof...(args));
    }
    void fire(DISPID member, UINT count);
    // The element events for every subscriber, when there is not just one.
    [[gnu::noinline]] void startElementToAll(BSTR uri, BSTR localName, BSTR rawName);
    [[gnu::noinline]] void endElementToAll(BSTR uri, BSTR localName, BSTR rawName);

    ISAXLocator& locator_;
    SAXAttributeList& attributes_;
    std::vector<ComPtr<ISAXContentHandler>> vtable_;
    // The one subscriber when a parse has just one, on the vtable: the
    // element events then make one call without a loop or a dispatch check.
    ISAXContentHandler* only_ = nullptr;
    std::vector<ComPtr<IDispatch>> dispatch_;
    std::array<BStrBuffer, 2> buffers_;
    std::array<VARIANT, 4> arguments_{};  // the current dispatch event's, last first
};
