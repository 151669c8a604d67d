#pragma once

#include <exception>

namespace sax {

// Why the scanner stopped. The code stays inside the parser; clients see the
// message text the scanner set before raising.
enum class ParseError {
    UnexpectedEnd,              // end of input inside a tag, comment, PI, CDATA, reference or declaration
    MalformedXmlDeclaration,
    MalformedMarkup,            // a form error that carries no text
    TrailingData,
    ExpectingElementStart,
    ExpectingNameChar,
    ExpectingElementContent,
    ExpectingCommentOrCdata,
    CdataEndInContent,
    ExpectingSemicolon,
    UndefinedEntity,
    InvalidCharacterReference,
    UnsupportedCharacterReference,
    ExpectingEndTagClose,
    EndTagMismatch,
    InvalidNameStart,
    NameTooLong,
    LessThanInAttributeValue,
    InvalidCommentCharacter,
    InvalidPICharacter,
    InvalidDeclaration,
};

// Raised inside the scanner; ParserCore turns it into a CSAXParseException.
class AXMLParserException : public std::exception {
public:
    explicit AXMLParserException(ParseError code) : code_(code) {}
    ParseError code() const { return code_; }
    const char* what() const noexcept override { return "XML scanner error"; }

private:
    ParseError code_;
};

}  // namespace sax
