#include "Scanner.h"

#include <algorithm>

namespace sax {

Scanner::Scanner(const ParserSettings& settings, ContentSink& sink, InputDecoder& input, const CharClassTable& classes,
                 std::u16string& encodingName)
    : settings_(settings), sink_(sink), in_(input), classes_(classes), encodingName_(encodingName)
{
    // A colon ends the run, so that collectNameChars notes where it is.
    for (char16_t c = 0; c < 0x80; ++c) nameRun_[c] = c != ':' && classes_.isNameChar(c);
}

Scanner::AsciiSet Scanner::AsciiExcept(std::u16string_view excluded)
{
    AsciiSet set{};
    std::fill_n(set.begin(), 0x80, true);
    set['\n'] = set['\r'] = false;  // line ends need the decoder's folding and counting
    for (char16_t c : excluded) set[c] = false;
    return set;
}

void Scanner::raise(ParseError code, std::u16string message)
{
    message_ = std::move(message);
    throw AXMLParserException(code);
}

void Scanner::raiseNameTooLong()
{
    raise(ParseError::NameTooLong, u"Name too long: names are limited to 511 characters");
}

void Scanner::raiseInvalidNameStart(int c)
{
    raise(ParseError::InvalidNameStart, u"The character " + Text(c) + u" is not valid for the start of a name");
}

void Scanner::raiseUnlessEnd(int c, ParseError code, std::u16string_view message)
{
    if (c == kEnd) raise(ParseError::UnexpectedEnd);
    raise(code, std::u16string(message));
}

void Scanner::expectWord(std::u16string_view rest, ParseError code, std::u16string_view message)
{
    for (char16_t wanted : rest) expect(in_.next(), wanted, code, message);
}

bool Scanner::lookingAt(std::u16string_view word)
{
    for (size_t i = 0; i < word.size(); ++i) {
        const int c = in_.next();
        if (c != word[i]) {
            in_.unread(c);
            while (i > 0) in_.unread(word[--i]);
            return false;
        }
    }
    return true;
}

int Scanner::readNameToken(int c)
{
    if (!isNameChar(c)) raiseUnlessEnd(c, ParseError::MalformedMarkup);
    return collectNameChars(c);
}

char16_t Scanner::scanCharacterReference()
{
    int c = in_.next();
    const bool hex = c == 'x';
    if (hex) c = in_.next();
    uint32_t value = 0;
    size_t digits = 0;
    for (; c != ';'; c = in_.next()) {
        uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<uint32_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<uint32_t>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<uint32_t>(c - 'A' + 10);
        else if (hex)
            raiseUnlessEnd(c, ParseError::InvalidCharacterReference);
        else
            raiseUnlessEnd(c, ParseError::InvalidCharacterReference,
                           u"The character " + Text(c) + u" is not valid for a character reference");
        // Past 0xFFFF the value is only remembered as too large, so it cannot overflow.
        value = std::min<uint32_t>(value * (hex ? 16 : 10) + digit, 0x10000);
        ++digits;
    }
    if (digits == 0) raise(ParseError::InvalidCharacterReference, u"Character reference without digits");
    if (value > 0xFFFF)
        raise(ParseError::UnsupportedCharacterReference, u"Character reference above 0xFFFF is not supported");
    return static_cast<char16_t>(value);
}

std::u16string_view Scanner::scanReference()
{
    int c = in_.next();
    if (c == '#') {
        referenceChar_ = scanCharacterReference();
        return {&referenceChar_, 1};
    }
    c = readName(c);
    expect(c, u';', ParseError::ExpectingSemicolon, u"Expecting end of reference chSEMI_COLON");
    const std::u16string* replacement = entities_.find(name());
    if (!replacement) raise(ParseError::UndefinedEntity, u"Undefined entity '" + std::u16string(name()) + u"'");
    return *replacement;
}

}  // namespace sax
