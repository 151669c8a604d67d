#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ComPtr.h"
#include "EventHandler.h"
#include "JsonEventWriter.h"
#include "KXSAX2.h"

namespace saxtest {

// A reader made through the component runtime; empty when creation failed.
ComPtr<ISAXXMLReader> CreateReader(const CLSID& clsid = CLSID_SAXXMLReader);

// The events as saxdump prints them, one JSON line each.
class EventLog {
public:
    EventLog();
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    EventHandler& handler() { return *writer_; }
    // The lines written since the previous call.
    std::vector<std::string> lines();

private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
    size_t taken_ = 0;  // bytes already handed out
    std::FILE* stream_;
    std::unique_ptr<JsonEventWriter> writer_;
};

// A subscription on one of the reader's connection points, ended with the object.
class Subscription {
public:
    // `sink` answers the point's interface; see VtableEventSink / DispatchEventSink.
    Subscription(ISAXXMLReader& reader, const IID& pointIid, IUnknown* sink);
    ~Subscription();
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    HRESULT result() const { return result_; }
    DWORD cookie() const { return cookie_; }
    IConnectionPoint* point() const { return point_.get(); }

private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
    HRESULT result_;
};

// A new sink of the kind that the point with `pointIid` takes, passing events to `handler`.
ComPtr<IUnknown> MakeSink(const IID& pointIid, EventHandler& handler);

// parseString on UTF-8 test text; false unless the HRESULT succeeded and so did the parse.
bool ParseText(ISAXXMLReader& reader, std::string_view text);
// lastError as UTF-8, "<null>" for the null string.
std::string LastError(ISAXXMLReader& reader);

}  // namespace saxtest
