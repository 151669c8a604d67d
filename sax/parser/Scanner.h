#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "AXMLParserException.h"
#include "Attribute.h"
#include "CharClassTable.h"
#include "CountedText.h"
#include "ContentSink.h"
#include "EntityTable.h"
#include "InputDecoder.h"
#include "NamespaceScope.h"
#include "ParserSettings.h"
#include "TextBuffer.h"

namespace sax {

// The grammar of one parse, run by ParserCore. Elements nest through an
// explicit stack, never through native recursion, so depth costs heap memory
// only. Every error raises AXMLParserException after setting message().
class Scanner {
public:
    static constexpr size_t kMaxNameLength = 511;

    Scanner(const ParserSettings& settings, ContentSink& sink, InputDecoder& input, const CharClassTable& classes,
            std::u16string& encodingName);

    // The whole document, from startDocument to endDocument.
    void run();
    const std::u16string& message() const { return message_; }

private:
    static constexpr int kEnd = InputDecoder::kEnd;
    using AsciiSet = InputDecoder::ByteSet;  // ASCII members only
    static AsciiSet AsciiExcept(std::u16string_view excluded);

    // An element whose end has not been seen. Its names live in names_ as
    // counted text: the raw name, the local name when it differs from the raw
    // one, then the URI. An empty local name (namespaces off) or URI is not
    // stored: it is kEmptyCounted.
    struct OpenElement {
        size_t rawBegin;
        size_t rawLength;
        size_t localBegin;
        size_t localLength;
        size_t uriBegin;
        size_t uriLength;
        size_t endPrefixBegin;  // its prefixes to end, in endPrefixes_
        std::u16string_view raw(std::u16string_view names) const { return {names.data() + rawBegin, rawLength}; }
        std::u16string_view local(std::u16string_view names) const { return Stored(names, localBegin, localLength); }
        std::u16string_view uri(std::u16string_view names) const { return Stored(names, uriBegin, uriLength); }
        static std::u16string_view Stored(std::u16string_view names, size_t begin, size_t length)
        {
            return length ? std::u16string_view(names.data() + begin, length) : kEmptyCounted;
        }
    };

    // Scanner.cpp: raising, character tests, names, small lexical helpers.
    [[noreturn]] void raise(ParseError code, std::u16string message = {});
    [[noreturn]] void raiseUnlessEnd(int c, ParseError code, std::u16string_view message = {});
    [[noreturn]] void raiseNameTooLong();
    [[noreturn]] void raiseInvalidNameStart(int c);
    static std::u16string Text(int c) { return std::u16string(1, static_cast<char16_t>(c)); }
    static bool IsWhite(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    static bool IsQuote(int c) { return c == '"' || c == '\''; }
    bool isNameChar(int c) const { return c >= 0 && classes_.isNameChar(static_cast<char16_t>(c)); }
    bool isXmlChar(int c) const { return classes_.isChar(static_cast<char16_t>(c)); }
    int skipWhite(int c)
    {
        while (IsWhite(c)) {
            in_.skipAsciiWhite();
            c = in_.next();
        }
        return c;
    }
    // The message is a view, so that a check that passes builds no string.
    void expect(int c, char16_t wanted, ParseError code = ParseError::MalformedMarkup, std::u16string_view message = {})
    {
        if (c != wanted) [[unlikely]]
            raiseUnlessEnd(c, code, message);
    }
    // Reads the rest of a keyword whose first letter has been read.
    void expectWord(std::u16string_view rest, ParseError code = ParseError::MalformedMarkup,
                    std::u16string_view message = {});
    // True and consumed when the input continues with `word`, else nothing is consumed.
    bool lookingAt(std::u16string_view word);
    // Reads a name starting with c into the name buffer; returns the character after it.
    int readName(int c)
    {
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
        if (!classes_.isNameStart(static_cast<char16_t>(c))) raiseInvalidNameStart(c);
        return collectNameChars(c);
    }
    // The same for a name token, which may start with any name character.
    int readNameToken(int c);
    // Inline, as names are read around every attribute; works on locals and
    // stores the name's length and colon once at the end.
    int collectNameChars(int c)
    {
        constexpr size_t none = std::u16string_view::npos;
        size_t length = 0;
        size_t colon = none;
        while (isNameChar(c)) {
            // One character past the limit is read, as if one at a time, before the error.
            if (length == kMaxNameLength) raiseNameTooLong();
            if (c == ':' && colon == none) colon = length;
            name_[length++] = static_cast<char16_t>(c);
            const std::string_view run = in_.takeAsciiRun(nameRun_, kMaxNameLength + 1 - length);
            if (length + run.size() > kMaxNameLength) raiseNameTooLong();
            std::copy(run.begin(), run.end(), name_ + length);
            length += run.size();
            c = in_.next();
        }
        nameLength_ = length;
        nameColon_ = colon;
        return c;
    }
    std::u16string_view name() const { return {name_, nameLength_}; }
    // The first ':' in the name, or npos.
    size_t nameColon() const { return nameColon_; }
    char16_t scanCharacterReference();
    // After "&": the reference's replacement text.
    std::u16string_view scanReference();

    // ScanDocument.cpp: prolog and epilog.
    void scanXmlDeclaration();
    void scanMiscItems();

    // ScanContent.cpp: elements and character data.
    void scanElementTree();
    bool scanStartTag(int first);  // true for an empty-element tag
    // Appends the value that starts with the quote to `value`.
    void readAttributeValue(int quote, TextBuffer& value);
    // Whether an attribute of that name declares a prefix or the default namespace.
    static bool IsDeclaration(std::u16string_view rawName, size_t colon)
    {
        constexpr std::u16string_view xmlns = u"xmlns";
        return rawName.starts_with(xmlns) && (rawName.size() == xmlns.size() || colon == xmlns.size());
    }
    void resolveNamespaces(bool declarations);
    void closeElement();
    void scanEndTag();
    void flushText();
    void skipWhiteInContent();

    // ScanMarkup.cpp: comments, processing instructions, CDATA sections.
    void collectMarkupText(char16_t mark, char16_t follower, ParseError invalid, std::u16string_view what);
    void scanComment();
    void scanProcessingInstruction();
    void scanCdata(bool pendingSpace);

    // ScanDtd.cpp: the document type declaration and its internal subset.
    void scanDoctype();
    void scanInternalSubset();
    int scanExternalId(int c, bool systemLiteralOptional);
    int skipLiteral(int quote);
    void scanEntityDecl();
    void scanElementDecl();
    int scanContentModel();
    void scanAttlistDecl();
    int scanEnumeration();
    void scanNotationDecl();

    const ParserSettings settings_;
    ContentSink& sink_;
    InputDecoder& in_;
    const CharClassTable& classes_;
    std::u16string& encodingName_;
    std::u16string message_;
    bool lenient_ = false;

    EntityTable entities_;
    NamespaceScope scopes_;
    TextBuffer text_;    // character data of the content being read
    TextBuffer markup_;  // comment, PI data and separate CDATA text
    char16_t name_[kMaxNameLength + 1];
    size_t nameLength_ = 0;
    size_t nameColon_ = std::u16string_view::npos;
    char16_t referenceChar_ = 0;

    // ASCII runs the decoder may hand over in one piece.
    AsciiSet nameRun_{};
    const AsciiSet textRun_ = AsciiExcept(u"<&]>");
    const AsciiSet valueRun_ = AsciiExcept(u"<&\"'");

    std::vector<OpenElement> elements_;
    TextBuffer names_;  // the open elements' names, as counted text
    std::vector<std::u16string> endPrefixes_;
    // Where an attribute of the start tag being read lies in attributeText_.
    struct AttributeSpan {
        size_t rawBegin;
        size_t rawLength;
        size_t colon;  // in the raw name, or npos
        size_t valueBegin;
        size_t valueLength;
        bool declaration;  // an "xmlns" or "xmlns:" attribute
    };
    TextBuffer attributeText_;  // every raw name and value of the start tag
    std::vector<AttributeSpan> attributeSpans_;
    std::vector<Attribute> attributes_;  // views handed to startElement
    TextBuffer scratchValue_;  // attribute defaults in the internal subset
};

}  // namespace sax
