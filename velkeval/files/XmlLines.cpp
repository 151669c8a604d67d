#include "XmlLines.h"

#include "DescriptionFormat.h"

namespace velk {

std::string EscapedValue(std::string_view text, Escaping escaping)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
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
    return escaped;
}

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
    text_ += EscapedValue(value, escaping);
    text_ += '"';
    return *this;
}

XmlLines& XmlLines::Attribute(std::string_view name, int64_t number)
{
    return Attribute(name, std::to_string(number));
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
