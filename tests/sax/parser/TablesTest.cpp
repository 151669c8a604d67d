// The scanner's small tables: entities, namespace scopes, text buffers.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "EntityTable.h"
#include "NamespaceScope.h"
#include "TextBuffer.h"

using namespace sax;

TEST(EntityTable, PredefinedFiveAndFirstDefinitionWins)
{
    EntityTable table;
    EXPECT_EQ(*table.find(u"lt"), u"<");
    EXPECT_EQ(*table.find(u"gt"), u">");
    EXPECT_EQ(*table.find(u"amp"), u"&");
    EXPECT_EQ(*table.find(u"apos"), u"'");
    EXPECT_EQ(*table.find(u"quot"), u"\"");
    EXPECT_FALSE(table.insert(u"amp", u"and"));
    EXPECT_EQ(*table.find(u"amp"), u"&");
    EXPECT_TRUE(table.insert(u"e", u"one"));
    EXPECT_FALSE(table.insert(u"e", u"two"));
    EXPECT_EQ(*table.find(u"e"), u"one");
    EXPECT_EQ(table.find(u"E"), nullptr);
}

TEST(NamespaceScope, InnermostBindingWinsUntilItsScopeCloses)
{
    NamespaceScope scopes;
    EXPECT_EQ(scopes.lookup(u"xmlns"), NamespaceScope::kXmlnsUri);
    scopes.push();
    scopes.declare(u"", u"urn:outer");
    scopes.declare(u"p", u"urn:p");
    scopes.push();
    scopes.declare(u"", u"urn:inner");
    EXPECT_EQ(scopes.lookup(u""), u"urn:inner");
    EXPECT_EQ(scopes.lookup(u"p"), u"urn:p");
    scopes.pop();
    EXPECT_EQ(scopes.lookup(u""), u"urn:outer");
    scopes.pop();
    EXPECT_FALSE(scopes.lookup(u"p").has_value());
    EXPECT_THROW(scopes.pop(), std::logic_error);
}

TEST(TextBuffer, StartsAtKilobyteAndDoublesKeepingItsPadding)
{
    TextBuffer buffer;
    EXPECT_EQ(buffer.capacity(), 1024u);
    const size_t room = 1024 - TextBuffer::kPaddingUnits;
    for (size_t i = 0; i < room - 1; ++i) buffer.push_back(u'a');
    buffer.appendAscii("a");
    EXPECT_EQ(buffer.capacity(), 1024u);
    buffer.push_back(u'b');
    EXPECT_EQ(buffer.capacity(), 2048u);
    buffer.append(std::u16string(5000, u'c'));
    EXPECT_EQ(buffer.capacity(), 8192u);
    EXPECT_EQ(buffer.size(), room + 5001);
    EXPECT_EQ(buffer.view().substr(room - 1, 3), u"abc");
    buffer.truncate(5000);
    EXPECT_EQ(buffer.view().back(), u'b');
    buffer.clear();
    EXPECT_TRUE(buffer.empty());
    EXPECT_EQ(buffer.capacity(), 8192u);  // kept for the next run
}

TEST(NamespaceScope, DefaultNamespaceAndPrefixesComeAndGoWithTheirScopes)
{
    NamespaceScope scopes;
    EXPECT_FALSE(scopes.lookup(u"").has_value());
    for (int round = 0; round < 2; ++round) {  // a prefix bound again after its scope closed
        scopes.push();
        scopes.declare(u"p", u"urn:p");
        scopes.declare(u"", u"urn:default");
        scopes.push();
        scopes.declare(u"p", u"urn:inner");
        EXPECT_EQ(scopes.lookup(u"p"), u"urn:inner");
        EXPECT_EQ(scopes.lookup(u""), u"urn:default");
        scopes.pop();
        EXPECT_EQ(scopes.lookup(u"p"), u"urn:p");
        scopes.pop();
        EXPECT_FALSE(scopes.lookup(u"p").has_value());
        EXPECT_FALSE(scopes.lookup(u"").has_value());
    }
    scopes.push();
    scopes.declare(u"xmlns", u"urn:x");  // a binding of "xmlns" hides the built-in one while it lasts
    EXPECT_EQ(scopes.lookup(u"xmlns"), u"urn:x");
    scopes.pop();
    EXPECT_EQ(scopes.lookup(u"xmlns"), NamespaceScope::kXmlnsUri);
}
