#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlRecCollection.h"
#include "Field.h"
#include "FieldCollection.h"
#include "Group.h"
#include "GroupCollection.h"
#include "ModelError.h"
#include "NameRegistry.h"

using namespace velk;

namespace {

std::shared_ptr<Group> NamedGroup(const std::string& name)
{
    auto group = std::make_shared<Group>();
    group->groupName = name;
    return group;
}

std::vector<std::string> Names(const GroupCollection& groups)
{
    std::vector<std::string> names;
    for (const auto& group : groups) names.push_back(group->groupName);
    return names;
}

}  // namespace

TEST(GroupCollection, OneBasedInsertionOrderedWithCaseInsensitiveKeys)
{
    GroupCollection groups;
    groups.Add(NamedGroup("A"), "Alpha");
    groups.Add(NamedGroup("B"), "Beta");
    groups.Add(NamedGroup("C"));  // no key
    ASSERT_EQ(groups.count(), 3);
    EXPECT_EQ(groups.Item(1)->groupName, "A");
    EXPECT_EQ(groups.Item(3)->groupName, "C");
    EXPECT_EQ(groups.Item("BETA")->groupName, "B");
    EXPECT_EQ(groups.Item("alpha")->groupName, "A");
    EXPECT_THROW(groups.Item(0), ModelError);
    EXPECT_THROW(groups.Item(4), ModelError);
    EXPECT_THROW(groups.Item("Gamma"), ModelError);
    EXPECT_THROW(groups.Add(NamedGroup("D"), "ALPHA"), ModelError);
    EXPECT_EQ(groups.count(), 3);  // the refused add left nothing behind
}

TEST(GroupCollection, AddBeforeKeyAndRemoveByPositionOrKey)
{
    GroupCollection groups;
    groups.Add(NamedGroup("A"), "a");
    groups.Add(NamedGroup("C"), "c");
    auto b = groups.Add(NamedGroup("B"), "b", "C");
    EXPECT_EQ(b->groupName, "B");
    groups.Add(NamedGroup("Z"), "", "a");  // without a key of its own: at the end
    EXPECT_EQ(Names(groups), (std::vector<std::string>{"A", "B", "C", "Z"}));
    EXPECT_THROW(groups.Add(NamedGroup("Y"), "y", "missing"), ModelError);

    groups.Remove("B");
    EXPECT_EQ(Names(groups), (std::vector<std::string>{"A", "C", "Z"}));
    groups.Remove(3);
    EXPECT_EQ(Names(groups), (std::vector<std::string>{"A", "C"}));
    EXPECT_THROW(groups.Item("b"), ModelError);  // the key went with the item
    groups.Add(NamedGroup("B2"), "b");           // and may be used again
    EXPECT_EQ(groups.Item(3)->groupName, "B2");
    EXPECT_THROW(groups.Remove("nothing"), ModelError);
    EXPECT_THROW(groups.Remove(9), ModelError);
}

TEST(FieldCollection, ItemOfAMissingKeyOrPositionGivesNoField)
{
    auto group = NamedGroup("G");
    auto field = group->childFields.AddV(3, 1, 5, 2, group, SequenceOf(1, 5), "key12");
    EXPECT_EQ(field->value, 3);
    EXPECT_EQ(field->byteIndex, 1);
    EXPECT_EQ(field->bitIndex, 5);
    EXPECT_EQ(field->size, 2);
    EXPECT_EQ(field->sequence, 12);
    EXPECT_EQ(field->ParentGroup(), group);
    EXPECT_EQ(group->childFields.Item("KEY12"), field);
    EXPECT_EQ(group->childFields.Item(1), field);
    EXPECT_EQ(group->childFields.Item("key13"), nullptr);
    EXPECT_EQ(group->childFields.Item(2), nullptr);
    EXPECT_EQ(group->childFields.Item(0), nullptr);
}

TEST(ControlRecCollection, ItemOfAMissingOneIsAnError)
{
    ControlRecCollection controls;
    auto first = controls.Add(std::make_shared<ControlRecord>(), "First");
    auto second = controls.Add(std::make_shared<ControlRecord>());
    EXPECT_EQ(controls.count(), 2);
    EXPECT_EQ(controls.Item("first"), first);
    EXPECT_EQ(controls.Item(2), second);
    EXPECT_THROW(controls.Item(3), ModelError);
    EXPECT_THROW(controls.Item("second"), ModelError);
}

TEST(NameRegistry, KeysDropSpacesSoNamesDifferingOnlyInSpacesCollide)
{
    EXPECT_EQ(GroupRegistryKey("Gamma Table"), "groupGammaTable");
    EXPECT_EQ(FieldRegistryKey(" P L L "), "fieldPLL");

    NameRegistry registry;
    auto field = std::make_shared<Field>();
    registry.Add(field, FieldRegistryKey("Clock Divider"));
    EXPECT_TRUE(registry.Contains(FieldRegistryKey("ClockDivider")));
    EXPECT_TRUE(registry.Contains(FieldRegistryKey("clock divider")));
    EXPECT_THROW(registry.Add(std::make_shared<Field>(), FieldRegistryKey("ClockDivider")), ModelError);
    // a group and a field of the same name do not collide
    registry.Add(NamedGroup("Clock Divider"), GroupRegistryKey("Clock Divider"));
    EXPECT_EQ(registry.count(), 2);
    EXPECT_EQ(std::get<std::shared_ptr<Field>>(registry.Get(FieldRegistryKey("ClockDivider"))), field);
}

TEST(NameRegistry, ManyNamesStayFoundAndEmptyFromTheFront)
{
    NameRegistry registry;
    constexpr int names = 100000;
    for (int i = 0; i < names; ++i) registry.Add(NamedGroup(std::to_string(i)), GroupRegistryKey("R" + std::to_string(i)));
    ASSERT_EQ(registry.count(), names);
    for (int i : {0, 1, 4242, names - 1}) {
        const auto* entry = registry.Find("groupr" + std::to_string(i));
        ASSERT_NE(entry, nullptr) << i;
        EXPECT_EQ(std::get<std::shared_ptr<Group>>(*entry)->groupName, std::to_string(i));
    }
    while (registry.count() > 0) registry.Remove(1);  // how the program empties it
    EXPECT_FALSE(registry.Contains("groupR0"));
}
