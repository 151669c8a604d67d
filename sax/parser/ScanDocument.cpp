#include "Scanner.h"

namespace sax {

void Scanner::run()
{
    sink_.startDocument();
    if (lookingAt(u"<?xml")) {
        scanXmlDeclaration();
    } else if (lookingAt(u"<XML>")) {
        // Lenient mode: single bytes, text after the root, unquoted numeric values, unchecked comments and PIs.
        lenient_ = true;
        encodingName_ = u"LENIENT";
        if (!in_.sixteenBit()) in_.useSingleByte();
    }
    scanMiscItems();
    if (lookingAt(u"<!DOCTYPE ")) {
        scanDoctype();
        scanMiscItems();
    }
    int c = in_.next();
    if (c != kEnd) {  // a document that ends before any "<" has no root, which is no error
        if (c != '<')
            raise(ParseError::ExpectingElementStart,
                  u"Unexpected character '" + Text(c) + u"' - expecting element start.");
        scanElementTree();
        scanMiscItems();
        if (in_.next() != kEnd && !lenient_)
            raise(ParseError::TrailingData, u"Unexpected data trailing end of root element");
    }
    sink_.endDocument();
}

void Scanner::scanXmlDeclaration()
{
    constexpr ParseError malformed = ParseError::MalformedXmlDeclaration;
    int c = in_.next();
    if (!IsWhite(c)) raiseUnlessEnd(c, malformed);
    c = skipWhite(c);

    std::u16string version, encoding, standalone;
    if (c == 'v') {
        expectWord(u"ersion", malformed);
        expect(skipWhite(in_.next()), u'=', malformed);
        const int open = skipWhite(in_.next());
        if (open == kEnd) raise(ParseError::UnexpectedEnd);
        version = Text(open);
        for (c = in_.next(); isNameChar(c); c = in_.next()) version.push_back(static_cast<char16_t>(c));
        expect(c, static_cast<char16_t>(open), malformed);
        version.push_back(static_cast<char16_t>(open));
        c = in_.next();
    }
    for (;; c = in_.next()) {
        c = skipWhite(c);
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
        if (c == '?') {
            expect(in_.next(), u'>', malformed);
            break;
        }
        if (c != 'e' && c != 's') continue;  // anything else is skipped
        const bool isEncoding = c == 'e';
        std::u16string& value = isEncoding ? encoding : standalone;
        if (!value.empty()) raise(malformed);
        expectWord(isEncoding ? u"ncoding" : u"tandalone", malformed);
        expect(skipWhite(in_.next()), u'=', malformed);
        // The encoding takes any opening character as its delimiter; standalone needs a quote.
        const int open = skipWhite(in_.next());
        if (open == kEnd || (!isEncoding && !IsQuote(open))) raiseUnlessEnd(open, malformed);
        value = Text(open);
        for (c = in_.next(); !IsQuote(c); c = in_.next()) {
            if (c == kEnd) raise(ParseError::UnexpectedEnd);
            value.push_back(static_cast<char16_t>(c));
        }
        expect(c, static_cast<char16_t>(open), malformed);
        value.push_back(static_cast<char16_t>(open));
    }

    // The data is rebuilt from the pseudo-attributes present, each with the quotes it was written with.
    std::u16string data;
    const auto add = [&data](std::u16string_view label, const std::u16string& quoted) {
        if (quoted.empty()) return;
        if (!data.empty()) data += u' ';
        data.append(label).append(quoted);
    };
    add(u"version=", version);
    add(u"encoding=", encoding);
    add(u"standalone=", standalone);
    sink_.processingInstruction(u"xml", data);

    if (!encoding.empty() && settings_.inlineEncodingDetection) {
        encodingName_ = encoding.substr(1, encoding.size() - 2);
        // 16-bit input keeps its decoding: one byte per character would split every unit.
        if ((encodingName_ == u"ASCII" || encodingName_ == u"ISO-8859-1") && !in_.sixteenBit()) in_.useSingleByte();
    }
}

void Scanner::scanMiscItems()
{
    for (;;) {
        const int c = skipWhite(in_.next());
        if (c != '<') {
            in_.unread(c);
            return;
        }
        if (lookingAt(u"?")) {
            scanProcessingInstruction();
        } else if (lookingAt(u"!--")) {
            scanComment();
        } else {
            in_.unread(c);
            return;
        }
    }
}

}  // namespace sax
