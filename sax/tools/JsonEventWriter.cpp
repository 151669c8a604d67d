#include "JsonEventWriter.h"

#include <algorithm>

#include "BStr.h"
#include "TextConversion.h"

namespace {

void AppendJsonString(std::string& out, std::u16string_view text)
{
    out += '"';
    for (char c : Utf8FromUtf16(text)) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

}  // namespace

void JsonEventWriter::begin(const char* event)
{
    line_ = "{\"event\":\"";
    line_ += event;
    line_ += '"';
}

void JsonEventWriter::field(const char* name, std::u16string_view value)
{
    line_ += ",\"";
    line_ += name;
    line_ += "\":";
    AppendJsonString(line_, value);
}

void JsonEventWriter::end()
{
    line_ += "}\n";
    std::fwrite(line_.data(), 1, line_.size(), out_);
}

void JsonEventWriter::simple(const char* event)
{
    begin(event);
    end();
}

void JsonEventWriter::texts(const char* event, std::initializer_list<std::pair<const char*, std::u16string_view>> fields)
{
    begin(event);
    for (const auto& [name, value] : fields) field(name, value);
    end();
}

void JsonEventWriter::startElement(std::u16string_view uri, std::u16string_view local, std::u16string_view raw,
                                   ISAXAttributes* attributes)
{
    begin("startElement");
    field("uri", uri);
    field("local", local);
    field("raw", raw);
    line_ += ",\"attrs\":[";
    int32_t count = 0;
    if (attributes) attributes->getLength(&count);
    for (int32_t i = 0; i < count; ++i) {
        BStr attributeUri, attributeLocal, attributeRaw, value;
        attributes->getURI(i, attributeUri.out());
        attributes->getLocalName(i, attributeLocal.out());
        attributes->getRawName(i, attributeRaw.out());
        attributes->getValue(i, value.out());
        line_ += i ? ",{\"uri\":" : "{\"uri\":";
        AppendJsonString(line_, attributeUri.view());
        line_ += ",\"local\":";
        AppendJsonString(line_, attributeLocal.view());
        line_ += ",\"raw\":";
        AppendJsonString(line_, attributeRaw.view());
        line_ += ",\"value\":";
        AppendJsonString(line_, value.view());
        line_ += '}';
    }
    line_ += ']';
    end();
}

void JsonEventWriter::characters(std::u16string_view text, int32_t length)
{
    // The text is exactly `length` units; never read past what arrived.
    const size_t units = length < 0 ? 0 : std::min(text.size(), static_cast<size_t>(length));
    texts("characters", {{"text", text.substr(0, units)}});
}

void JsonEventWriter::error(std::u16string_view message, int32_t line, int32_t column)
{
    begin("error");
    field("message", message);
    line_ += ",\"line\":" + std::to_string(line) + ",\"column\":" + std::to_string(column);
    end();
}
