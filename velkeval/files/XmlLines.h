#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velk {

// How an attribute value is escaped. Every value gets "&" (first), the
// double quote and "<" as references, and line breaks as character
// references so they read back unchanged; captions and copied values also
// get ">" as "&gt;".
enum class Escaping { Markup, MarkupAndGreater };

// The lines of a written file, collected in memory: one element per line,
// indented by one TAB per depth and ended by CR LF. A line is begun with
// Open, given its attributes, and finished by one of the End calls.
class XmlLines {
public:
    // Depth TABs, "<" and the element name.
    XmlLines& Open(int depth, std::string_view name);
    // A blank, name, "=", and the value in double quotes.
    XmlLines& Attribute(std::string_view name, std::string_view value, Escaping escaping = Escaping::Markup);
    XmlLines& Attribute(std::string_view name, int64_t number);
    // ">", "/>" or " />", then the line end.
    void EndStartTag();
    void EndEmpty();
    void EndEmptySpaced();
    // Depth TABs, "</", the element name, ">" and the line end.
    void Close(int depth, std::string_view name);

    // Room for `bytes` of text, so a large file is not copied as it grows.
    void Reserve(size_t bytes) { text_.reserve(bytes); }

    const std::string& text() const { return text_; }

private:
    void Indent(int depth);
    void EndLine(std::string_view end);

    std::string text_;
};

}  // namespace velk
