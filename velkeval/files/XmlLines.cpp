#include "XmlLines.h"

#include <charconv>
#include <iterator>

#include "DescriptionFormat.h"

namespace velk {

namespace {

void AppendEscaped(std::string& escaped, std::string_view text, Escaping escaping)
{
    const char* special = escaping == Escaping::MarkupAndGreater ? "&\"<>\n\r" : "&\"<\n\r";
    const size_t first = text.find_first_of(special);
    escaped.append(text.substr(0, first));
    if (first == std::string_view::npos) return;
    for (const char c : text.substr(first)) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        case '<': escaped += "&lt;"; break;
        case '\n': escaped += "&#10;"; break;
        case '\r': escaped += "&#13;"; break;
        case '>':
            if (escaping == Escaping::MarkupAndGreater) {
                escaped += "&gt;";
                break;
            }
            [[fallthrough]];
        default: escaped += c;
        }
    }
}

}  // namespace

XmlLines& XmlLines::Open(int depth, std::string_view name)
{
    Indent(depth);
    text_ += '<';
    text_ += name;
    return *this;
}

XmlLines& XmlLines::Attribute(std::string_view name, std::string_view value, Escaping escaping)
{
    text_ += ' ';
    text_ += name;
    text_ += "=\"";
    AppendEscaped(text_, value, escaping);
    text_ += '"';
    return *this;
}

XmlLines& XmlLines::Attribute(std::string_view name, int64_t number)
{
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), number).ptr;
    return Attribute(name, std::string_view(digits, static_cast<size_t>(end - digits)));
}

void XmlLines::EndStartTag() { EndLine(">"); }

void XmlLines::EndEmpty() { EndLine("/>"); }

void XmlLines::EndEmptySpaced() { EndLine(" />"); }

void XmlLines::Close(int depth, std::string_view name)
{
    Indent(depth);
    text_ += "</";
    text_ += name;
    EndLine(">");
}

void XmlLines::Indent(int depth)
{
    if (depth > 0) text_.append(static_cast<size_t>(depth), format::Indent);
}

void XmlLines::EndLine(std::string_view end)
{
    text_ += end;
    text_ += format::LineEnd;
}

}  // namespace velk
