#pragma once

#include "DispatchHelpers.h"
#include "EventHandler.h"
#include "KXSAX2.h"
#include "RefCounted.h"

// A subscriber of the dispatch event interface _ISAXContentHandler: Invoke
// takes each event by DISPID, reads its arguments (given in reverse order)
// and hands them to the handler. This is how a late-bound client listens.
class DispatchEventSink final : public RefCounted<WithoutTypeInfo<IDispatch>> {
public:
    explicit DispatchEventSink(EventHandler& handler) : handler_(handler) {}

    HRESULT QueryInterface(const IID& iid, void** object) override;
    HRESULT GetIDsOfNames(const IID& reserved, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT Invoke(DISPID member, const IID& reserved, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError) override;

private:
    EventHandler& handler_;
};

// A subscriber of the vtable event interface ISAXContentHandler.
class VtableEventSink final : public RefCounted<ISAXContentHandler> {
public:
    explicit VtableEventSink(EventHandler& handler) : handler_(handler) {}

    HRESULT QueryInterface(const IID& iid, void** object) override;
    HRESULT startDocument() override;
    HRESULT endDocument() override;
    HRESULT startElement(BSTR URI, BSTR localName, BSTR rawName, ISAXAttributes* pAttributes) override;
    HRESULT endElement(BSTR URI, BSTR localName, BSTR rawName) override;
    HRESULT processingInstruction(BSTR sTarget, BSTR sData) override;
    HRESULT characters(BSTR sCharacter, int32_t iLength) override;
    HRESULT comment(BSTR sComment) override;
    HRESULT cdata(BSTR sComment) override;
    HRESULT setLocator(ISAXLocator* pLocator) override;
    HRESULT startPrefixMapping(BSTR prefix, BSTR URI) override;
    HRESULT endPrefixMapping(BSTR prefix) override;

private:
    EventHandler& handler_;
};
