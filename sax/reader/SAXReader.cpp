#include "SAXReader.h"

#include <new>

#include "FileByteSource.h"
#include "MemoryByteSource.h"
#include "ParserSettings.h"
#include "StreamByteSource.h"
#include "TextConversion.h"

static_assert(std::u16string_view(kInlineEncodingFeature) == sax::ParserSettings::kInlineEncodingFeature,
              "the public header names the inline-encoding feature as the parser does");

namespace {

constexpr const char16_t* kUnableToOpen = u"Unable to open input file";

HRESULT ReturnCopy(std::u16string_view text, BSTR* out)
{
    if (!out) return E_POINTER;
    *out = SysAllocString(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

HRESULT SAXReader::Create(IUnknown* outer, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer && !(iid == IID_IUnknown)) return CLASS_E_NOAGGREGATION;
    auto* reader = new (std::nothrow) SAXReader(outer);
    if (!reader) return E_OUTOFMEMORY;
    // The inner unknown holds the one reference during the query; the answer takes its own.
    reader->inner_.AddRef();
    const HRESULT hr = reader->inner_.QueryInterface(iid, object);
    reader->inner_.Release();
    return hr;
}

SAXReader::SAXReader(IUnknown* outer) : controlling_(outer ? outer : &inner_) {}

HRESULT SAXReader::InnerUnknown::QueryInterface(const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown) {
        *object = static_cast<IUnknown*>(this);
    } else if (iid == IID_IDispatch || iid == IID_ISAXXMLReader) {
        *object = static_cast<ISAXXMLReader*>(&reader_);
    } else if (iid == IID_ISAXLocator) {
        *object = static_cast<ISAXLocator*>(&reader_);
    } else if (iid == IID_IConnectionPointContainer) {
        *object = static_cast<IConnectionPointContainer*>(&reader_);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    static_cast<IUnknown*>(*object)->AddRef();
    return S_OK;
}

ULONG SAXReader::InnerUnknown::AddRef() { return ++count_; }

ULONG SAXReader::InnerUnknown::Release()
{
    const ULONG left = --count_;
    if (left == 0) delete &reader_;
    return left;
}

void SAXReader::fatalError(const sax::CSAXParseException& error) { lastError_ = error.message(); }

sax::ParserCore& SAXReader::pendingParser()
{
    if (!pending_) pending_ = std::make_unique<sax::ParserCore>();
    return *pending_;
}

HRESULT SAXReader::parse(sax::ByteSource& source, bool sixteenBitInput, VARIANT_BOOL* isSuccessful)
{
    if (running_) return E_FAIL;  // a subscriber may not start a second parse on the same reader
    // A subscriber may drop the client's last reference during an event: the
    // reader lives until the parse is over.
    const ComPtr<IUnknown> keepAlive(controlling_);
    try {
        std::unique_ptr<sax::ParserCore> parser = std::move(pending_);
        if (!parser) parser = std::make_unique<sax::ParserCore>();
        parser->setContentSink(&firer_);
        parser->setErrorSink(this);
        firer_.prepare(vtablePoint_.snapshot(), dispatchPoint_.snapshot());
        running_ = parser.get();
        bool succeeded = false;
        HRESULT hr = S_OK;
        try {
            parser->parse(source, sixteenBitInput);
            succeeded = true;
        } catch (const sax::CSAXParseException&) {
            // The error sink has stored the message.
        } catch (const sax::InputReadError& error) {
            lastError_ = Utf16FromUtf8(error.what());
        } catch (const std::bad_alloc&) {
            hr = E_OUTOFMEMORY;
        } catch (...) {
            hr = E_FAIL;
        }
        finalLine_ = parser->lineNumber();
        finalColumn_ = parser->columnNumber();
        running_ = nullptr;
        firer_.release();
        *isSuccessful = succeeded ? VARIANT_TRUE : VARIANT_FALSE;
        return hr;
    } catch (const std::bad_alloc&) {
        running_ = nullptr;
        firer_.release();
        return E_OUTOFMEMORY;
    }
}

HRESULT SAXReader::parseFile(BSTR sFilename, VARIANT_BOOL* isSuccessful)
{
    if (!isSuccessful) return E_POINTER;
    sax::FileByteSource file(Utf8FromUtf16(BStrView(sFilename)));
    if (!file.isOpen()) {
        lastError_ = kUnableToOpen;
        *isSuccessful = VARIANT_FALSE;
        return S_OK;
    }
    return parse(file, false, isSuccessful);
}

HRESULT SAXReader::parseString(BSTR bstrXML, VARIANT_BOOL* isSuccessful)
{
    if (!isSuccessful) return E_POINTER;
    sax::MemoryByteSource text(BStrView(bstrXML));
    return parse(text, true, isSuccessful);
}

HRESULT SAXReader::parseEx(VARIANT vInputStream, VARIANT_BOOL* isSuccessful)
{
    if (!isSuccessful) return E_POINTER;
    IUnknown* object = vInputStream.vt == VT_DISPATCH ? vInputStream.pdispVal
                       : vInputStream.vt == VT_UNKNOWN ? vInputStream.punkVal
                                                       : nullptr;
    if (!object) return E_FAIL;
    ComPtr<IStream> stream;
    if (FAILED(object->QueryInterface(IID_IStream, stream.outVoid())) || !stream) return E_FAIL;
    StreamByteSource bytes(*stream.get());
    return parse(bytes, false, isSuccessful);
}

HRESULT SAXReader::get_lastError(BSTR* pVal)
{
    if (!pVal) return E_POINTER;
    *pVal = nullptr;
    return lastError_ ? ReturnCopy(*lastError_, pVal) : S_OK;
}

template <class Action>
HRESULT SAXReader::withSettings(Action action)
{
    try {
        action(pendingParser());
        return S_OK;
    } catch (const sax::CSAXException&) {
        return E_FAIL;  // "unknown property" / "unknown feature": neither stored nor passed on
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT SAXReader::setProperty(BSTR sFilename, VARIANT val)
{
    if (val.vt != VT_BSTR) return E_FAIL;
    return withSettings([&](sax::ParserCore& p) { p.setProperty(BStrView(sFilename), BStrView(val.bstrVal)); });
}

HRESULT SAXReader::getProperty(BSTR sFilename, VARIANT* val)
{
    if (!val) return E_POINTER;
    VariantInit(val);
    std::u16string value;
    const HRESULT hr = withSettings([&](sax::ParserCore& p) { value = p.getProperty(BStrView(sFilename)); });
    if (FAILED(hr)) return hr;
    BSTR text = SysAllocString(value);
    if (!text) return E_OUTOFMEMORY;
    val->vt = VT_BSTR;
    val->bstrVal = text;
    return S_OK;
}

HRESULT SAXReader::setFeature(BSTR sFilename, VARIANT_BOOL val)
{
    return withSettings([&](sax::ParserCore& p) { p.setFeature(BStrView(sFilename), val != VARIANT_FALSE); });
}

HRESULT SAXReader::getFeature(BSTR sFilename, VARIANT_BOOL* val)
{
    if (!val) return E_POINTER;
    bool on = false;
    const HRESULT hr = withSettings([&](sax::ParserCore& p) { on = p.getFeature(BStrView(sFilename)); });
    if (SUCCEEDED(hr)) *val = on ? VARIANT_TRUE : VARIANT_FALSE;
    return hr;
}

HRESULT SAXReader::getPublicId(BSTR* pbsPublicId) { return ReturnCopy(u"", pbsPublicId); }

HRESULT SAXReader::getSystemId(BSTR* pbsSystemId) { return ReturnCopy(u"", pbsSystemId); }

HRESULT SAXReader::getLineNumber(int32_t* plLineNumber)
{
    if (!plLineNumber) return E_POINTER;
    *plLineNumber = running_ ? running_->lineNumber() : finalLine_;
    return S_OK;
}

HRESULT SAXReader::getColumnNumber(int32_t* plColumn)
{
    if (!plColumn) return E_POINTER;
    *plColumn = running_ ? running_->columnNumber() : finalColumn_;
    return S_OK;
}

HRESULT SAXReader::EnumConnectionPoints(IEnumConnectionPoints** points)
{
    if (points) *points = nullptr;
    return E_NOTIMPL;
}

HRESULT SAXReader::FindConnectionPoint(const IID& iid, IConnectionPoint** point)
{
    if (!point) return E_POINTER;
    if (iid == vtablePoint_.iid())
        *point = &vtablePoint_;
    else if (iid == dispatchPoint_.iid())
        *point = &dispatchPoint_;
    else {
        *point = nullptr;
        return CONNECT_E_NOCONNECTION;
    }
    (*point)->AddRef();
    return S_OK;
}
