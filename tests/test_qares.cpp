#include "host/qares.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// group "outer" { a = 1, b = "x", inner { a = 2 } }, followed by sibling "outer" { c = true }
QARes* sampleTree()
{
    QARes* a = new QAResInt("a", 1);
    QARes* b = new QAResString("b", "x");
    QARes* innerA = new QAResInt("a", 2);
    QARes* inner = new QAResGroup("inner", innerA);
    a->setNext(b);
    b->setNext(inner);
    QARes* outer = new QAResGroup("outer", a);
    outer->setNext(new QAResGroup("outer", new QAResBoolean("c", true)));
    return outer;
}

TEST(QARes, SearchWalksSiblingsFromTheNodeItIsCalledOn)
{
    QARes* root = sampleTree();
    QARes* first = root->toResGroup()->firstChild();
    EXPECT_EQ(first->search("a"), first);
    EXPECT_EQ(first->search("inner"), first->next()->next());
    EXPECT_EQ(first->next()->search("a"), nullptr) << "search must not look back or into children";
    EXPECT_EQ(first->search("missing"), nullptr);
    EXPECT_EQ(first->search(nullptr), nullptr);
    delete root;
}

TEST(QARes, SearchWithSeparatorFollowsAPathAcrossRepeatedGroups)
{
    QARes* root = sampleTree();
    QARes* nested = root->search("outer.inner.a");
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->toResInt()->value(), 2);
    QARes* inSecond = root->search("outer.c");
    ASSERT_NE(inSecond, nullptr) << "the path continues into a later sibling with the same tag";
    EXPECT_TRUE(inSecond->toResBoolean()->value());
    EXPECT_EQ(root->search("outer/c", '/'), inSecond);
    EXPECT_EQ(root->search("outer.b.x"), nullptr) << "a string has no children";
    delete root;
}

TEST(QARes, TagsAreExactAndNullTagsMatchNothing)
{
    QAResInt tagged("size", 3);
    EXPECT_TRUE(tagged.isTag("size"));
    EXPECT_FALSE(tagged.isTag("Size"));
    EXPECT_FALSE(tagged.isTag("siz"));
    EXPECT_FALSE(tagged.isTag(nullptr));
    QAResInt untagged(nullptr, 3);
    EXPECT_EQ(untagged.tag(), nullptr);
    EXPECT_FALSE(untagged.isTag(""));
}

TEST(QARes, EachKindCastsOnlyToItself)
{
    QAResGroup group("g", nullptr);
    QAResList list("l", nullptr);
    QAResString string("s", "v");
    QAResInt integer("i", 5);
    QAResBoolean boolean("b", true);
    QAResIdentifier identifier("id", "NESTED");
    QAResRGB rgb("c", RGBValue(1, 2, 3));
    QARes* all[] = {&group, &list, &string, &integer, &boolean, &identifier, &rgb};
    const QARes::Type types[] = {QARes::Group,   QARes::List,       QARes::String, QARes::Integer,
                                 QARes::Boolean, QARes::Identifier, QARes::RGB};
    for (int i = 0; i < 7; ++i) {
        QARes* res = all[i];
        EXPECT_EQ(res->type(), types[i]);
        const int casts = (res->toResGroup() != nullptr) + (res->toResList() != nullptr)
            + (res->toResString() != nullptr) + (res->toResInt() != nullptr) + (res->toResBoolean() != nullptr)
            + (res->toResIdentifier() != nullptr) + (res->toResRGB() != nullptr);
        EXPECT_EQ(casts, 1) << "kind " << types[i];
    }
    EXPECT_EQ(group.toResGroup(), &group);
    EXPECT_EQ(rgb.toResRGB()->value(), RGBValue(1, 2, 3));
    EXPECT_STREQ(identifier.toResIdentifier()->value(), "NESTED");
    EXPECT_EQ(string.toResString()->value(), QString("v"));
    EXPECT_EQ(QARes::String, 6);
    EXPECT_EQ(QARes::Identifier, 8);
}

TEST(QAResList, AppendKeepsOrderAndIsListOfChecksEveryElement)
{
    QAResList list("l", new QAResIdentifier(nullptr, "A"));
    EXPECT_TRUE(list.isListOf(QARes::Identifier));
    QARes* two = new QAResIdentifier(nullptr, "B");
    two->setNext(new QAResIdentifier(nullptr, "C"));
    list.append(two);
    list.append(new QAResIdentifier(nullptr, "D"));
    std::string order;
    for (QARes* e = list.firstElement(); e; e = e->next())
        order += e->toResIdentifier()->value();
    EXPECT_EQ(order, "ABCD");
    EXPECT_TRUE(list.isListOf(QARes::Identifier));
    list.append(new QAResInt(nullptr, 1));
    EXPECT_FALSE(list.isListOf(QARes::Identifier));
    EXPECT_TRUE(QAResList("empty", nullptr).isListOf(QARes::String));
}

TEST(QARes, DeletingTheRootFreesLongChainsWithoutDeepRecursion)
{
    // Under the sanitizer build a leak or a double free fails this test.
    QAResList* list = new QAResList("big", nullptr);
    for (int i = 0; i < 200000; ++i)
        list->append(new QAResInt(nullptr, i));
    QARes* root = new QAResGroup("root", list);
    root->setNext(sampleTree());
    delete root;
}

TEST(RGBValue, ComparesAndPrintsItsComponentsInOrder)
{
    RGBValue colour(10, 20, 30);
    EXPECT_EQ(colour.red(), 10);
    EXPECT_EQ(colour.green(), 20);
    EXPECT_EQ(colour.blue(), 30);
    EXPECT_NE(colour, RGBValue(10, 20, 31));
    std::ostringstream out;
    out << colour;
    EXPECT_EQ(out.str(), "rgb(10, 20, 30)");
}

}  // namespace
