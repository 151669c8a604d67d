#include "Scanner.h"

#include <optional>

namespace sax {

void Scanner::flushText()
{
    if (text_.empty()) return;
    sink_.characters(text_.view(), 0, static_cast<int32_t>(text_.size()));
    text_.clear();
}

void Scanner::skipWhiteInContent()
{
    if (in_.skipAsciiWhite()) return;  // no need to read and put back what follows
    in_.unread(skipWhite(in_.next()));
}

// The root element and everything inside it. Nesting is kept in elements_,
// so a deep document uses heap memory, not the native stack.
void Scanner::scanElementTree()
{
    int c = in_.next();
    if (!isNameChar(c)) raise(ParseError::ExpectingNameChar, u"Expecting name char for element");
    if (scanStartTag(c)) {
        closeElement();
        skipWhiteInContent();
        return;
    }
    const bool preserveSpace = settings_.preserveSpace;
    if (!preserveSpace) skipWhiteInContent();
    bool pendingSpace = false;  // a collapsed line break, written as " " before the next text
    int brackets = 0;           // "]" read in a row, to catch "]]>"
    for (;;) {
        const InputDecoder::TextRun run = in_.takeTextRun(textRun_);
        if (run.length > 0) {
            if (pendingSpace) text_.push_back(u' ');
            pendingSpace = false;
            brackets = 0;
            text_.appendUtf8(run.bytes, run.length);
        }
        c = in_.next();
        switch (c) {
        case kEnd:
            raise(ParseError::ExpectingElementContent, u"Expecting element content");
        case '\n':
            brackets = 0;
            if (preserveSpace) {
                text_.push_back(u'\n');
            } else {
                skipWhiteInContent();
                pendingSpace = true;
            }
            continue;
        case '&': {
            brackets = 0;
            const std::u16string_view replacement = scanReference();
            if (pendingSpace) text_.push_back(u' ');
            pendingSpace = false;
            text_.append(replacement);
            continue;
        }
        case '<':
            break;
        case '>':
            if (brackets >= 2)
                raise(ParseError::CdataEndInContent, u"Character sequence ']]>' not allowed in element content");
            [[fallthrough]];
        default:
            brackets = c == ']' ? brackets + 1 : 0;
            if (pendingSpace) text_.push_back(u' ');
            pendingSpace = false;
            text_.push_back(static_cast<char16_t>(c));
            continue;
        }

        // Markup: the text so far goes out, a pending space goes only into merged CDATA text.
        flushText();
        const bool spaceBeforeMarkup = pendingSpace;
        pendingSpace = false;
        brackets = 0;
        c = in_.next();
        if (c == '/') {
            scanEndTag();
            if (elements_.empty()) return;
            if (!preserveSpace) skipWhiteInContent();
        } else if (c == '?') {
            scanProcessingInstruction();
        } else if (c == '!') {
            c = in_.next();
            if (c == kEnd) raise(ParseError::ExpectingCommentOrCdata, u"Expecting start of comment or CDATA");
            if (c == '-') {
                expect(in_.next(), u'-');
                scanComment();
            } else {
                expect(c, u'[');
                expectWord(u"CDATA[");
                scanCdata(spaceBeforeMarkup);
            }
        } else if (c == kEnd) {
            raise(ParseError::ExpectingElementContent, u"Expecting element content");
        } else if (!isNameChar(c)) {
            raise(ParseError::ExpectingNameChar, u"Expecting name char for element");
        } else if (scanStartTag(c)) {
            closeElement();
            skipWhiteInContent();  // even when white space is preserved
        } else if (!preserveSpace) {
            skipWhiteInContent();
        }
    }
}

// Reads a start tag from its name on and fires startElement; the element is
// then open in elements_. Returns true for an empty-element tag.
bool Scanner::scanStartTag(int first)
{
    if (settings_.namespaces) scopes_.push();
    int c = readName(first);
    const size_t colon = nameColon();
    const size_t rawBegin = AppendCounted(names_, name());
    OpenElement element{rawBegin, nameLength_, rawBegin, nameLength_, 0, 0, endPrefixes_.size()};
    if (settings_.namespaces && colon != std::u16string_view::npos) {
        // Counted text of its own, as the raw name's count sits before the prefix.
        element.localBegin = AppendCounted(names_, name().substr(colon + 1));
        element.localLength = element.rawLength - colon - 1;
    }

    attributeText_.clear();
    attributeSpans_.clear();
    bool declarations = false;  // some attribute declares a prefix or the default namespace
    bool empty = false;
    for (;;) {
        c = skipWhite(c);
        if (c == '>') break;
        if (c == '/') {
            expect(in_.next(), u'>');
            empty = true;
            break;
        }
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
        c = readName(c);
        const bool declaration = IsDeclaration(name(), nameColon());
        declarations |= declaration;
        AttributeSpan span{attributeText_.size(), nameLength_, nameColon(), 0, 0, declaration};
        attributeText_.append(name());
        expect(skipWhite(c), u'=');
        span.valueBegin = attributeText_.size();
        readAttributeValue(skipWhite(in_.next()), attributeText_);
        span.valueLength = attributeText_.size() - span.valueBegin;
        attributeSpans_.push_back(span);
        c = in_.next();
    }

    // The attribute views are made now that attributeText_ no longer grows.
    const char16_t* text = attributeText_.view().data();
    attributes_.resize(attributeSpans_.size());
    for (size_t i = 0; i < attributeSpans_.size(); ++i) {
        const AttributeSpan& span = attributeSpans_[i];
        attributes_[i] = {{}, {}, {text + span.rawBegin, span.rawLength}, {text + span.valueBegin, span.valueLength}};
    }
    if (settings_.namespaces) {
        resolveNamespaces(declarations);
        std::u16string_view uri = scopes_.defaultUri();
        // An unbound prefix stands for itself; its view lies in names_, so it
        // is copied out before names_ grows.
        std::u16string unbound;
        if (colon != std::u16string_view::npos) {
            const std::u16string_view prefix = element.raw(names_.view()).substr(0, colon);
            const std::optional<std::u16string_view> bound = scopes_.lookup(prefix);
            if (!bound) unbound.assign(prefix);
            uri = bound ? *bound : std::u16string_view(unbound);
        }
        element.uriLength = uri.size();
        if (!uri.empty()) element.uriBegin = AppendCounted(names_, uri);
    } else {
        element.localLength = 0;
    }
    elements_.push_back(element);

    const std::u16string_view names = names_.view();
    sink_.startElement(element.uri(names), element.local(names), element.raw(names), attributes_);
    return empty;
}

// Prefix declarations first (in attribute order), then every attribute's
// URI: the binding of its prefix, or the prefix itself when unbound. No
// binding changes between the lookups and startElement, so the URI views
// stay valid for that call.
void Scanner::resolveNamespaces(bool declarations)
{
    constexpr size_t none = std::u16string_view::npos;
    for (size_t i = 0; declarations && i < attributes_.size(); ++i) {
        const AttributeSpan& span = attributeSpans_[i];
        if (!span.declaration) continue;
        const std::u16string_view declared =
            span.colon == none ? std::u16string_view() : attributes_[i].rawName.substr(span.colon + 1);
        sink_.startPrefixMapping(declared, attributes_[i].value);
        scopes_.declare(declared, attributes_[i].value);
    }
    // Unprefixed attributes all take the default binding.
    const std::u16string_view defaultUri = scopes_.defaultUri();
    const bool defaultIsXmlns = defaultUri == NamespaceScope::kXmlnsUri;
    for (size_t i = 0; i < attributes_.size(); ++i) {
        Attribute& attribute = attributes_[i];
        const AttributeSpan& span = attributeSpans_[i];
        const size_t colon = span.colon;
        if (colon == none) {
            attribute.localName = attribute.rawName;
            attribute.uri = defaultUri;
            if (defaultIsXmlns || span.declaration) endPrefixes_.emplace_back();
            continue;
        }
        const std::u16string_view prefix = attribute.rawName.substr(0, colon);
        attribute.localName = attribute.rawName.substr(colon + 1);
        attribute.uri = scopes_.lookup(prefix).value_or(prefix);
        if (attribute.uri == NamespaceScope::kXmlnsUri) endPrefixes_.emplace_back(attribute.localName);
    }
}

void Scanner::readAttributeValue(int quote, TextBuffer& value)
{
    if (!IsQuote(quote)) {
        if (!lenient_ || quote == kEnd || !classes_.isDigit(static_cast<char16_t>(quote)))
            raiseUnlessEnd(quote, ParseError::MalformedMarkup);
        int c = quote;
        for (; c != kEnd && classes_.isDigit(static_cast<char16_t>(c)); c = in_.next())
            value.push_back(static_cast<char16_t>(c));
        in_.unread(c);
        return;
    }
    bool pendingSpace = false;  // a line break and the white space after it
    for (;;) {
        const InputDecoder::TextRun run = in_.takeTextRun(valueRun_);
        if (run.length > 0) {
            if (pendingSpace) value.push_back(u' ');
            pendingSpace = false;
            value.appendUtf8(run.bytes, run.length);
        }
        const int c = in_.next();
        if (c == quote) return;  // a pending line break just before it is dropped
        switch (c) {
        case kEnd:
            raise(ParseError::UnexpectedEnd);
        case '<':
            raise(ParseError::LessThanInAttributeValue, u"The character '<' is not allowed in an attribute value");
        case '\n':
            pendingSpace = true;
            in_.unread(skipWhite(in_.next()));
            continue;
        case '&': {
            const std::u16string_view replacement = scanReference();
            if (pendingSpace) value.push_back(u' ');
            value.append(replacement);
            break;
        }
        default:
            if (pendingSpace) value.push_back(u' ');
            value.push_back(static_cast<char16_t>(c));
        }
        pendingSpace = false;
    }
}

void Scanner::scanEndTag()
{
    const int c = skipWhite(readName(in_.next()));
    expect(c, u'>', ParseError::ExpectingEndTagClose, u"Expecting chGREATER_THAN for element end tag");
    const OpenElement& element = elements_.back();
    if (name() != element.raw(names_.view()))
        raise(ParseError::EndTagMismatch, u"End tag does not match start tag");
    closeElement();
}

void Scanner::closeElement()
{
    const OpenElement element = elements_.back();
    const std::u16string_view names = names_.view();
    sink_.endElement(element.uri(names), element.local(names), element.raw(names));
    for (size_t i = element.endPrefixBegin; i < endPrefixes_.size(); ++i) sink_.endPrefixMapping(endPrefixes_[i]);
    endPrefixes_.resize(element.endPrefixBegin);
    if (settings_.namespaces) scopes_.pop();
    names_.truncate(names_.size() - (element.rawBegin - kCountUnits));
    elements_.pop_back();
}

}  // namespace sax
