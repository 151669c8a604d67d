#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "EventHandler.h"

// Writes one JSON object per line per event, e.g.
//   {"event":"startElement","uri":"","local":"a","raw":"a","attrs":[{"uri":"","local":"x","raw":"x","value":"1"}]}
//   {"event":"characters","text":"hi"}
class JsonEventWriter final : public EventHandler {
public:
    explicit JsonEventWriter(std::FILE* out) : out_(out) {}

    void setLocator(ISAXLocator*) override { simple("setLocator"); }
    void startDocument() override { simple("startDocument"); }
    void endDocument() override { simple("endDocument"); }
    void startElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName,
                      ISAXAttributes* attributes) override;
    void endElement(std::u16string_view uri, std::u16string_view localName, std::u16string_view rawName) override
    {
        texts("endElement", {{"uri", uri}, {"local", localName}, {"raw", rawName}});
    }
    void processingInstruction(std::u16string_view target, std::u16string_view data) override
    {
        texts("processingInstruction", {{"target", target}, {"data", data}});
    }
    void characters(std::u16string_view text, int32_t length) override;
    void comment(std::u16string_view text) override { texts("comment", {{"text", text}}); }
    void cdata(std::u16string_view text) override { texts("cdata", {{"text", text}}); }
    void startPrefixMapping(std::u16string_view prefix, std::u16string_view uri) override
    {
        texts("startPrefixMapping", {{"prefix", prefix}, {"uri", uri}});
    }
    void endPrefixMapping(std::u16string_view prefix) override { texts("endPrefixMapping", {{"prefix", prefix}}); }

    // The outcome of a failed parse: the reader's last error and where it stopped.
    void error(std::u16string_view message, int32_t line, int32_t column);

private:
    void simple(const char* event);
    void texts(const char* event, std::initializer_list<std::pair<const char*, std::u16string_view>> fields);
    void begin(const char* event);
    void field(const char* name, std::u16string_view value);
    void end();

    std::FILE* out_;
    std::string line_;
};
