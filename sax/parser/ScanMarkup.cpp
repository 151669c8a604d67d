#include "Scanner.h"

namespace sax {

// After "<!--": the text up to "--", which must be followed by ">".
void Scanner::scanComment()
{
    markup_.clear();
    for (int c = in_.next();;) {
        if (c == kEnd) raise(ParseError::UnexpectedEnd);
        if (c == '-') {
            const int following = in_.next();
            if (following == '-') {
                expect(in_.next(), u'>');
                break;
            }
            markup_.push_back(u'-');
            c = following;
            continue;
        }
        if (!lenient_ && !isXmlChar(c))
            raise(ParseError::InvalidCommentCharacter, u"Comment contains invalid character '" + Text(c) + u"'");
        markup_.push_back(static_cast<char16_t>(c));
        c = in_.next();
    }
    sink_.comment(markup_.view());
}

// After "<?": the target, then "?>" or one space and the data up to "?>".
void Scanner::scanProcessingInstruction()
{
    int c = readName(in_.next());
    markup_.clear();
    if (c == '?') {
        expect(in_.next(), u'>');
    } else if (c == ' ') {
        for (c = in_.next();;) {
            if (c == kEnd) raise(ParseError::UnexpectedEnd);
            if (c == '?') {
                const int following = in_.next();
                if (following == '>') break;
                markup_.push_back(u'?');
                c = following;
                continue;
            }
            if (!lenient_ && !isXmlChar(c))
                raise(ParseError::InvalidPICharacter, u"PI contains invalid character '" + Text(c) + u"'");
            markup_.push_back(static_cast<char16_t>(c));
            c = in_.next();
        }
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
