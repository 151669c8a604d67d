#include "XmlLines.h"

#include <charconv>
#include <iterator>

#include "DescriptionFormat.h"

namespace velk {

namespace {

bool NeedsReference(char c, Escaping escaping)
{
    return c == '&' || c == '"' || c == '<' || c == '\n' || c == '\r' ||
           (c == '>' && escaping == Escaping::MarkupAndGreater);
}

void AppendEscaped(std::string& escaped, std::string_view text, Escaping escaping)
{
    size_t plainStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!NeedsReference(c, escaping)) continue;
        escaped.append(text.substr(plainStart, i - plainStart));
        plainStart = i + 1;
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '"': escaped += "&quot;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '\n': escaped += "&#10;"; break;
        default: escaped += "&#13;"; break;
        }
    }
    escaped.append(text.substr(plainStart));
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
