#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Component.h"

namespace {

std::vector<std::string> log;

class TLogged : public TComponent {
public:
    TLogged(TComponent* owner, std::string tag) : TComponent(owner), tag_(std::move(tag)) {}
    ~TLogged() override { log.push_back("free " + tag_); }
    std::vector<std::string> notes;

protected:
    void Notification(TComponent* c, TOperation op) override {
        notes.push_back(std::string(op == TOperation::opInsert ? "insert " : "remove ") +
                        (c->Name().empty() ? "?" : c->Name()));
        TComponent::Notification(c, op);
    }

private:
    std::string tag_;
};

TEST(CoreComponent, OwnerFreesWhatItOwnsLastCreatedFirst) {
    log.clear();
    auto* owner = new TLogged(nullptr, "owner");
    auto* a = new TLogged(owner, "a");
    new TLogged(owner, "b");
    new TLogged(a, "a1");  // grandchildren go with their owner
    new TLogged(owner, "c");
    EXPECT_EQ(owner->ComponentCount(), 3);
    delete owner;
    std::vector<std::string> expected = {"free owner", "free c", "free b", "free a", "free a1"};
    EXPECT_EQ(log, expected);
}

TEST(CoreComponent, FreedComponentLeavesItsOwnerWhichIsTold) {
    TLogged owner(nullptr, "owner");
    auto* a = new TLogged(&owner, "a");
    a->SetName("First");
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 0);
    ASSERT_EQ(owner.notes.size(), 2u);
    EXPECT_EQ(owner.notes[0], "insert ?");  // named after insertion
    EXPECT_EQ(owner.notes[1], "remove First");
    EXPECT_EQ(owner.FindComponent("First"), nullptr);
}

TEST(CoreComponent, FreeNotificationReachesComponentsOfOtherOwners) {
    TLogged ownerA(nullptr, "A"), ownerB(nullptr, "B");
    auto* source = new TLogged(&ownerA, "source");
    source->SetName("DataSource1");
    auto* grid = new TLogged(&ownerB, "grid");
    grid->FreeNotification(source);
    grid->FreeNotification(source);  // asking twice tells once
    delete source;
    ASSERT_EQ(grid->notes.size(), 1u);
    EXPECT_EQ(grid->notes[0], "remove DataSource1");
    // And the other way: the one who asked goes first; the other must forget it.
    auto* source2 = new TLogged(&ownerA, "source2");
    auto* grid2 = new TLogged(&ownerB, "grid2");
    grid2->FreeNotification(source2);
    delete grid2;
    delete source2;  // would notify the freed grid2 if it were still remembered (ASan reports it)
    EXPECT_EQ(ownerB.ComponentCount(), 1);  // only the first grid is left
}

TEST(CoreComponent, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
    TComponent owner;
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName("Query1");
    EXPECT_THROW(b->SetName("query1"), Exception);  // letter case does not make it new
    EXPECT_THROW(b->SetName("1Query"), Exception);
    EXPECT_THROW(b->SetName("Query 2"), Exception);
    b->SetName("Query2");
    EXPECT_EQ(owner.FindComponent("QUERY2"), b);
    a->SetName("Query1");  // its own name again is fine
    b->SetName("");        // unnamed components do not clash
    auto* c = new TComponent(&owner);
    EXPECT_EQ(c->Name(), "");
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

class TWithProps : public TComponent {
public:
    using TComponent::TComponent;
    int32_t width = 75;

protected:
    void DefineProperties(std::vector<TPublishedProperty>& props) const override {
        TComponent::DefineProperties(props);
        props.push_back({"Width", [](const TComponent& c) { return Variant(static_cast<const TWithProps&>(c).width); },
                         [](TComponent& c, const Variant& v) {
                             static_cast<TWithProps&>(c).width = static_cast<int32_t>(v.IntValue());
                         }});
        props.push_back({"Kind", [](const TComponent&) { return Variant("bkOK"); }, nullptr});
    }
};

TEST(CoreComponent, PublishedPropertiesByNameWithTheAncestorsFirst) {
    TWithProps c;
    EXPECT_EQ(c.Properties().front().name, "Name");
    EXPECT_TRUE(c.HasProperty("width"));
    c.SetProperty("WIDTH", Variant(int32_t{105}));
    EXPECT_EQ(c.width, 105);
    EXPECT_EQ(c.GetProperty("Width"), Variant(int32_t{105}));
    c.SetProperty("Name", Variant("BAdd_food"));
    EXPECT_EQ(c.Name(), "BAdd_food");
    c.SetProperty("Tag", Variant(int32_t{99}));
    EXPECT_EQ(c.Tag(), 99);
    EXPECT_EQ(c.GetProperty("Kind"), Variant("bkOK"));
    EXPECT_THROW(c.SetProperty("Kind", Variant("bkCancel")), Exception);  // read-only
    EXPECT_THROW(c.GetProperty("Glyph"), Exception);
    EXPECT_THROW(c.SetProperty("Tag", Variant("ninety-nine")), Exception);
    EXPECT_FALSE(TComponent().HasProperty("Width"));
}

}  // namespace
