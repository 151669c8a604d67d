#include "Scanner.h"

#include <algorithm>
#include <iterator>

namespace sax {
namespace {

bool IsOccurrence(int c) { return c == '?' || c == '*' || c == '+'; }

}  // namespace

// After "<!DOCTYPE ": the root name, an optional external identifier and an
// optional internal subset. Nothing outside the document is ever read.
void Scanner::scanDoctype()
{
    int c = skipWhite(readName(skipWhite(in_.next())));
    if (c == '>') return;
    if (c != '[') {
        c = skipWhite(scanExternalId(c, false));
        if (c == '>') return;
        expect(c, u'[');
    }
    scanInternalSubset();
}

void Scanner::scanInternalSubset()
{
    for (;;) {
        int c = skipWhite(in_.next());
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
        if (c == '%') {  // a parameter-entity reference, skipped
            expect(readName(in_.next()), u';', ParseError::ExpectingSemicolon, u"Expecting end of reference chSEMI_COLON");
            continue;
        }
        if (c == ']') {
            expect(skipWhite(in_.next()), u'>');
            return;
        }
        if (c != '<')
            raise(ParseError::InvalidDeclaration,
                  u"The character " + Text(c) + u" does not start a declaration in the internal subset");
        c = in_.next();
        if (c == '?') {
            scanProcessingInstruction();
            continue;
        }
        expect(c, u'!');
        c = in_.next();
        if (c == '-') {
            expect(in_.next(), u'-');
            scanComment();
            continue;
        }
        // A keyword and exactly one space.
        c = readNameToken(c);
        expect(c, u' ');
        const std::u16string_view keyword = name();
        if (keyword == u"ENTITY")
            scanEntityDecl();
        else if (keyword == u"ELEMENT")
            scanElementDecl();
        else if (keyword == u"ATTLIST")
            scanAttlistDecl();
        else if (keyword == u"NOTATION")
            scanNotationDecl();
        else
            raise(ParseError::MalformedMarkup);
    }
}

// "SYSTEM" literal, or "PUBLIC" literal and a second literal (which a
// notation may leave out). Returns the character after it.
int Scanner::scanExternalId(int c, bool systemLiteralOptional)
{
    constexpr std::u16string_view message = u"Expecting PUBLIC or SYSTEM for ExternalID";
    const bool isPublic = c == 'P';
    if (c != 'S' && !isPublic) raiseUnlessEnd(c, ParseError::MalformedMarkup, message);
    expectWord(isPublic ? u"UBLIC" : u"YSTEM", ParseError::MalformedMarkup, message);
    c = in_.next();
    if (!IsWhite(c)) raiseUnlessEnd(c, ParseError::MalformedMarkup);
    c = skipLiteral(skipWhite(c));
    if (!isPublic) return c;
    const bool separated = IsWhite(c);
    c = skipWhite(c);
    if (IsQuote(c) && separated) return skipLiteral(c);
    if (!systemLiteralOptional) raiseUnlessEnd(c, ParseError::MalformedMarkup);
    return c;
}

int Scanner::skipLiteral(int quote)
{
    if (!IsQuote(quote)) raiseUnlessEnd(quote, ParseError::MalformedMarkup);
    for (int c = in_.next(); c != quote; c = in_.next())
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
    return in_.next();
}

// After "<!ENTITY ". Only general entities with a quoted value are kept.
void Scanner::scanEntityDecl()
{
    int c = skipWhite(in_.next());
    const bool parameter = c == '%';
    if (parameter) c = skipWhite(in_.next());
    c = readName(c);
    const std::u16string entityName(name());
    if (!IsWhite(c))
        raiseUnlessEnd(c, ParseError::InvalidDeclaration, u"Expecting whitespace after EntityDecl name");
    c = skipWhite(c);

    const bool external = !IsQuote(c);
    if (external) {
        c = scanExternalId(c, false);
    } else {
        // Character references are replaced; "&name;" and "%" stay as written.
        const int quote = c;
        markup_.clear();
        for (c = in_.next(); c != quote; c = in_.next()) {
            if (c == kEnd) raise(ParseError::UnexpectedEnd);
            if (c == '&') {
                const int following = in_.next();
                if (following == '#') {
                    markup_.push_back(scanCharacterReference());
                    continue;
                }
                markup_.push_back(u'&');
                in_.unread(following);
                continue;
            }
            markup_.push_back(static_cast<char16_t>(c));
        }
        if (!parameter) entities_.insert(entityName, markup_.view());
        c = in_.next();
    }

    c = skipWhite(c);
    if (c == 'N' && (parameter || external)) {
        expectWord(u"DATA", ParseError::InvalidDeclaration, u"Expecting NDATA");
        c = in_.next();
        if (!IsWhite(c)) raiseUnlessEnd(c, ParseError::InvalidDeclaration, u"Expecting NDATA");
        c = skipWhite(readName(skipWhite(c)));
    } else if (parameter && c != '>') {
        raiseUnlessEnd(c, ParseError::InvalidDeclaration, u"Expecting NDATA");
    }
    expect(c, u'>', ParseError::InvalidDeclaration, u"Expecting close of entity chGREATER_THAN");
}

// After "<!ELEMENT ": the name and a content model, ANY or EMPTY.
void Scanner::scanElementDecl()
{
    int c = skipWhite(readName(skipWhite(in_.next())));
    constexpr std::u16string_view message = u"Expecting opening left bracket, 'ANY' or 'EMPTY' after element name";
    if (c == '(') {
        c = scanContentModel();
    } else if (c == 'A' || c == 'E') {
        expectWord(c == 'A' ? u"NY" : u"MPTY", ParseError::InvalidDeclaration, message);
        c = in_.next();
    } else {
        raiseUnlessEnd(c, ParseError::InvalidDeclaration, message);
    }
    expect(skipWhite(c), u'>', ParseError::InvalidDeclaration, u"Expecting closing chGREATER_THAN for element");
}

// After the "(" of a content model: mixed content, or names and nested
// groups joined by "|" or ",", each with an optional "?", "*" or "+".
// Nesting is counted, not recursed into. Returns the character after it.
int Scanner::scanContentModel()
{
    constexpr std::u16string_view unclosed = u"Expecting closing ')' for choice/sequence";
    int c = skipWhite(in_.next());
    if (c == '#') {
        expectWord(u"PCDATA");
        for (c = skipWhite(in_.next()); c == '|'; c = skipWhite(c)) c = readName(skipWhite(in_.next()));
        expect(c, u')', ParseError::InvalidDeclaration, unclosed);
        c = in_.next();
        return c == '*' ? in_.next() : c;
    }
    size_t depth = 1;
    for (;;) {
        c = skipWhite(c);
        if (c == '(') {
            ++depth;
            c = in_.next();
            continue;
        }
        c = readName(c);
        if (IsOccurrence(c)) c = in_.next();
        for (;;) {  // after a particle: a separator, or the end of one or more groups
            c = skipWhite(c);
            if (c == '|' || c == ',') {
                c = in_.next();
                break;
            }
            expect(c, u')', ParseError::InvalidDeclaration, unclosed);
            c = in_.next();
            if (IsOccurrence(c)) c = in_.next();
            if (--depth == 0) return c;
        }
    }
}

// After "<!ATTLIST ": the element name and attribute definitions up to ">".
void Scanner::scanAttlistDecl()
{
    static constexpr std::u16string_view kSimpleTypes[] = {u"CDATA",  u"ID",       u"IDREF",   u"IDREFS",
                                                           u"ENTITY", u"ENTITIES", u"NMTOKEN", u"NMTOKENS"};
    int c = readName(skipWhite(in_.next()));
    for (;;) {
        c = skipWhite(c);
        if (c == '>') return;
        c = skipWhite(readName(c));
        if (c == '(') {
            c = scanEnumeration();
        } else {
            c = readName(c);
            const std::u16string_view type = name();
            if (type == u"NOTATION") {
                expect(skipWhite(c), u'(');
                c = scanEnumeration();
            } else if (std::find(std::begin(kSimpleTypes), std::end(kSimpleTypes), type) == std::end(kSimpleTypes)) {
                raise(ParseError::InvalidDeclaration, u"Unknown attlist type '" + std::u16string(type) + u"'");
            }
        }
        if (!IsWhite(c))
            raiseUnlessEnd(c, ParseError::InvalidDeclaration, u"Required whitespace is missing after AttType");
        c = skipWhite(c);
        if (c == '#') {
            c = readName(in_.next());
            const std::u16string_view keyword = name();
            if (keyword == u"FIXED") {
                scratchValue_.clear();
                readAttributeValue(skipWhite(c), scratchValue_);
                c = in_.next();
            } else if (keyword != u"REQUIRED" && keyword != u"IMPLIED") {
                raise(ParseError::MalformedMarkup);
            }
        } else if (IsQuote(c)) {
            scratchValue_.clear();
            readAttributeValue(c, scratchValue_);
            c = in_.next();
        } else {
            raiseUnlessEnd(c, ParseError::InvalidDeclaration, u"Expecting a HASH");
        }
    }
}

// After "(": name tokens joined by "|" up to ")". Returns the character after it.
int Scanner::scanEnumeration()
{
    int c;
    do {
        c = skipWhite(readNameToken(skipWhite(in_.next())));
    } while (c == '|');
    expect(c, u')');
    return in_.next();
}

// After "<!NOTATION ": the name and an external identifier whose system literal is optional.
void Scanner::scanNotationDecl()
{
    const int c = skipWhite(scanExternalId(skipWhite(readName(skipWhite(in_.next()))), true));
    expect(c, u'>', ParseError::InvalidDeclaration, u"Expecting closing chGREATER_THAN for notation decl");
}

}  // namespace sax
