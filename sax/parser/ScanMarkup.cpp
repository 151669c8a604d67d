#include "Scanner.h"

namespace sax {

// Collects text into markup_ up to `mark` followed by `follower` (both
// consumed); a lone mark is kept. Every character must be an XML Char,
// except in lenient mode.
void Scanner::collectMarkupText(char16_t mark, char16_t follower, ParseError invalid, std::u16string_view what)
{
    markup_.clear();
    for (int c = in_.next();;) {
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
        if (c == mark) {
            const int following = in_.next();
            if (following == follower) return;
            markup_.push_back(mark);
            c = following;
            continue;
        }
        if (!lenient_ && !isXmlChar(c))
            raise(invalid, std::u16string(what) + u" contains invalid character '" + Text(c) + u"'");
        markup_.push_back(static_cast<char16_t>(c));
        c = in_.next();
    }
}

// After "<!--": the text up to "--", which must be followed by ">".
void Scanner::scanComment()
{
    collectMarkupText(u'-', u'-', ParseError::InvalidCommentCharacter, u"Comment");
    expect(in_.next(), u'>');
    sink_.comment(markup_.view());
}

// After "<?": the target, then "?>" or one space and the data up to "?>".
void Scanner::scanProcessingInstruction()
{
    const int c = readName(in_.next());
    if (c == '?') {
        expect(in_.next(), u'>');
        markup_.clear();
    } else if (c == ' ') {
        collectMarkupText(u'?', u'>', ParseError::InvalidPICharacter, u"PI");
    } else {
        raiseUnlessEnd(c, ParseError::MalformedMarkup);  // a tab or line break after the target, for one
    }
    sink_.processingInstruction(name(), markup_.view());
}

// After "<![CDATA[": the text up to "]]>". Merged into the character data,
// or reported on its own when ExpandCDATAIntoText is off.
void Scanner::scanCdata(bool pendingSpace)
{
    const bool merge = settings_.expandCdataIntoText;
    TextBuffer& out = merge ? text_ : markup_;
    if (!merge) markup_.clear();
    if (merge && pendingSpace) text_.push_back(u' ');
    int brackets = 0;
    for (;;) {
        const int c = in_.next();
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
        if (c == '>' && brackets >= 2) break;
        brackets = c == ']' ? brackets + 1 : 0;
        out.push_back(static_cast<char16_t>(c));
    }
    out.truncate(2);  // the "]]" of the closing delimiter
    if (!merge) sink_.cdata(markup_.view());
}

}  // namespace sax
