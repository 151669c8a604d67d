#include "ComponentHarness.h"

#include "Activation.h"
#include "BStr.h"
#include "EventSinks.h"
#include "TextConversion.h"

namespace saxtest {

ComPtr<ISAXXMLReader> CreateReader(const CLSID& clsid)
{
    ComPtr<ISAXXMLReader> reader;
    CoCreateInstance(clsid, nullptr, IID_ISAXXMLReader, reader.outVoid());
    return reader;
}

EventLog::EventLog()
    : stream_(open_memstream(&buffer_, &size_)), writer_(std::make_unique<JsonEventWriter>(stream_))
{
}

EventLog::~EventLog()
{
    std::fclose(stream_);
    std::free(buffer_);
}

std::vector<std::string> EventLog::lines()
{
    std::fflush(stream_);
    std::vector<std::string> result;
    std::string_view text(buffer_ + taken_, size_ - taken_);
    taken_ = size_;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        result.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return result;
}

Subscription::Subscription(ISAXXMLReader& reader, const IID& pointIid, IUnknown* sink)
{
    ComPtr<IConnectionPointContainer> container;
    result_ = reader.QueryInterface(IID_IConnectionPointContainer, container.outVoid());
    if (SUCCEEDED(result_)) result_ = container->FindConnectionPoint(pointIid, point_.out());
    if (SUCCEEDED(result_)) result_ = point_->Advise(sink, &cookie_);
}

Subscription::~Subscription()
{
    if (point_ && SUCCEEDED(result_)) point_->Unadvise(cookie_);
}

ComPtr<IUnknown> MakeSink(const IID& pointIid, EventHandler& handler)
{
    if (pointIid == IID_ISAXContentHandler) return ComPtr<IUnknown>::adopt(new VtableEventSink(handler));
    return ComPtr<IUnknown>::adopt(new DispatchEventSink(handler));
}

bool ParseText(ISAXXMLReader& reader, std::string_view text)
{
    BStr document(Utf16FromUtf8(text));
    VARIANT_BOOL ok = VARIANT_FALSE;
    return SUCCEEDED(reader.parseString(document.get(), &ok)) && ok == VARIANT_TRUE;
}

std::string LastError(ISAXXMLReader& reader)
{
    BStr text;
    reader.get_lastError(text.out());
    return text.get() ? Utf8FromUtf16(text.view()) : "<null>";
}

}  // namespace saxtest
