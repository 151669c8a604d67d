#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ConnectionPoint.h"
#include "DispatchHelpers.h"
#include "ErrorSink.h"
#include "EventFirer.h"
#include "KXSAX2.h"
#include "ModuleLifetime.h"
#include "ParserCore.h"
#include "SAXAttributeList.h"

namespace sax {
class ByteSource;
}

// The reader object behind SAXXMLReader and SAXXMLReaderEx: ISAXXMLReader,
// ISAXLocator (it is its own locator) and IConnectionPointContainer with one
// point per event interface. It can be aggregated: its IUnknown members then
// go to the outer object, and the outer object holds the inner unknown.
class SAXReader final : public WithoutTypeInfo<ISAXXMLReader>,
                        public WithoutTypeInfo<ISAXLocator>,
                        public IConnectionPointContainer,
                        private sax::ErrorSink {
public:
    // Creates a reader (inside `outer` when given, which then must ask for IID_IUnknown).
    static HRESULT Create(IUnknown* outer, const IID& iid, void** object);

    HRESULT QueryInterface(const IID& iid, void** object) override { return controlling_->QueryInterface(iid, object); }
    ULONG AddRef() override { return controlling_->AddRef(); }
    ULONG Release() override { return controlling_->Release(); }

    HRESULT GetIDsOfNames(const IID& reserved, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT Invoke(DISPID member, const IID& reserved, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError) override;

    HRESULT parseFile(BSTR sFilename, VARIANT_BOOL* isSuccessful) override;
    HRESULT parseString(BSTR bstrXML, VARIANT_BOOL* isSuccessful) override;
    HRESULT get_lastError(BSTR* pVal) override;
    HRESULT parseEx(VARIANT vInputStream, VARIANT_BOOL* isSuccessful) override;
    HRESULT setProperty(BSTR sFilename, VARIANT val) override;
    HRESULT setFeature(BSTR sFilename, VARIANT_BOOL val) override;
    HRESULT getProperty(BSTR sFilename, VARIANT* val) override;
    HRESULT getFeature(BSTR sFilename, VARIANT_BOOL* val) override;

    HRESULT getPublicId(BSTR* pbsPublicId) override;
    HRESULT getSystemId(BSTR* pbsSystemId) override;
    HRESULT getLineNumber(int32_t* plLineNumber) override;
    HRESULT getColumnNumber(int32_t* plColumn) override;

    HRESULT EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override;

private:
    // The reader's own reference count and interface table.
    class InnerUnknown final : public IUnknown {
    public:
        explicit InnerUnknown(SAXReader& reader) : reader_(reader) {}
        HRESULT QueryInterface(const IID& iid, void** object) override;
        ULONG AddRef() override;
        ULONG Release() override;

    private:
        SAXReader& reader_;
        std::atomic<ULONG> count_{0};
    };

    explicit SAXReader(IUnknown* outer);
    ~SAXReader() override = default;

    void fatalError(const sax::CSAXParseException& error) override;

    // The parser carrying the settings of the next parse, made on first use.
    sax::ParserCore& pendingParser();
    // Runs one parse with the pending parser and every subscriber of the moment.
    HRESULT parse(sax::ByteSource& source, bool sixteenBitInput, VARIANT_BOOL* isSuccessful);
    // Runs a settings call, turning a refused name into E_FAIL.
    template <class Action>
    HRESULT withSettings(Action action);
    HRESULT invokeReader(DISPID member, const DispatchArguments& args, VARIANT* result);

    ModuleObject liveObject_;
    InnerUnknown inner_{*this};
    IUnknown* controlling_;

    std::unique_ptr<sax::ParserCore> pending_;
    const sax::ParserCore* running_ = nullptr;  // while a parse runs
    std::optional<std::u16string> lastError_;   // absent until the first failure
    int32_t finalLine_ = 0;
    int32_t finalColumn_ = 0;

    SAXAttributeList attributes_{*controlling_};
    ConnectionPoint<ISAXContentHandler> vtablePoint_{*controlling_, *this, IID_ISAXContentHandler, nullptr};
    ConnectionPoint<IDispatch> dispatchPoint_{*controlling_, *this, DIID__ISAXContentHandler, &IID_IDispatch};
    EventFirer firer_{static_cast<ISAXLocator&>(*this), attributes_};
};
