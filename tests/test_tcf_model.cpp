// The configuration model: default-style slots, duplicates, control flow and
// enumerator texts.
#include "test_tcf_support.h"

namespace {

TEST(TCFModel, FirstStyleFillsEverySlotAndNullSelectsIt)
{
    TCF tcf("Main", 1);
    Style* a = new Style("a", 1);
    Style* b = new Style("b", 2);
    tcf.setDefaultStyle(TCF::TIME, nullptr);
    EXPECT_EQ(slotIds(tcf), std::vector<int>(TCF::objectCount, 0)) << "no style yet";

    tcf.setDefaultStyle(TCF::TIME, b);
    ASSERT_TRUE(tcf.addStyle(a));
    ASSERT_TRUE(tcf.addStyle(b));
    EXPECT_EQ(slotIds(tcf), std::vector<int>(TCF::objectCount, 1)) << "the first style overwrites every slot";

    tcf.setDefaultStyle(TCF::ACTION, b);
    tcf.setDefaultStyle(TCF::TIME, b);
    tcf.setDefaultStyle(TCF::TIME, nullptr);
    tcf.setDefaultStyle(TCF::Object(TCF::objectCount), b);
    tcf.setDefaultStyle(TCF::Object(-1), b);
    EXPECT_EQ(slotIds(tcf), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1}))
        << "only ACTION changed: null selects the first style, slots out of range change nothing";
    EXPECT_EQ(tcf.defaultStyle(TCF::Object(TCF::objectCount)), nullptr);
    EXPECT_EQ(tcf.defaultStyle(TCF::Object(-1)), nullptr);
}

// Adds `first`, then `twin` with the same key and null: only `first` is
// taken.  A twin taken by mistake, allocated on the stack, is freed twice.
template <class T>
void expectTwinRefused(TCF& tcf, bool (TCF::*add)(T*), const List<T*>& list, T* first, T* twin)
{
    EXPECT_TRUE((tcf.*add)(first));
    EXPECT_FALSE((tcf.*add)(twin));
    EXPECT_FALSE((tcf.*add)(nullptr));
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list.head->item, first);
}

TEST(TCFModel, DuplicatesAndNullAreRefusedWithoutChange)
{
    TCF tcf("Main", 1);
    Style style("twin", 1);
    expectTwinRefused(tcf, &TCF::addStyle, tcf.styles, new Style("a", 1), &style);
    EXPECT_EQ(tcf.defaultStyle(TCF::WORLD)->name(), "a");
    ThreadState state(&tcf, 4);
    expectTwinRefused(tcf, &TCF::addThreadState, tcf.threadStates, new ThreadState(&tcf, 4), &state);
    Glyph glyph(&tcf, 2);
    expectTwinRefused(tcf, &TCF::addGlyph, tcf.glyphs, new Glyph(&tcf, 2), &glyph);
    InstanceType type(&tcf, "Task", QString(), nullptr);
    expectTwinRefused(tcf, &TCF::addInstanceType, tcf.instanceTypes, new InstanceType(&tcf, "Task", "i", nullptr),
                      &type);
    EXPECT_TRUE(tcf.addInstanceType(new InstanceType(&tcf, "task", QString(), nullptr))) << "names are case-sensitive";
    EXPECT_EQ(tcf.instanceType("TASK"), nullptr);
}

TEST(TCFModel, InstanceTypeFollowsItsConfigurationUnlessItHasItsOwnMode)
{
    TCF tcf("Main", 1);
    InstanceType type(&tcf, "Task", QString(), nullptr);
    for (bool nested : {true, false, true}) {
        tcf.setNestedControlFlow(nested);
        type.hasControlFlow = false;
        EXPECT_EQ(type.nestedControlFlow(), nested);
        type.hasControlFlow = true;
        type.nestedControlFlow_ = !nested;
        EXPECT_EQ(type.nestedControlFlow(), !nested);
    }
}

struct Enumerator {
    int value;
    const char* text;
};

// The resource texts of the enumerations, both ways; values outside the
// tables have none, and texts outside them convert to the first value.
TEST(TCFModel, EnumeratorTexts)
{
    const Enumerator namings[] = {
        {NamingOp::D_OCCURENCE, "D_OCCURENCE"}, {NamingOp::STATIC_NAME, "STATIC_NAME"}, {NamingOp::LOOP_ID, "LOOP_ID"},
        {NamingOp::LOOP_REPEAT, "LOOP_REPEAT"}, {NamingOp::LOOP_NUMBER, "LOOP_NUMBER"},
    };
    const Enumerator glyphs[] = {
        {Glyph::NO_GLYPH_TYPE, "NO_GLYPH_TYPE"},
        {Glyph::UNEXPECTED_CALL, "UNEXPECTED_CALL"},
        {Glyph::VERIFICATION_POINT_FAILED, "VERIFICATION_POINT_FAILED"},
        {Glyph::UNEXPECTED_DATA, "UNEXPECTED_DATA"},
    };
    const Enumerator objects[] = {
        {TCF::WORLD, "WORLD"}, {TCF::INSTANCE_DESACTIVATED, "INSTANCE_DESACTIVATED"}, {TCF::TIME, "TIME"}};
    bool ok = false;
    for (const auto& c : namings) {
        EXPECT_STREQ(NamingOp::strType(NamingOp::NamingType(c.value)), c.text);
        EXPECT_EQ(NamingOp::toType(c.text, &ok), c.value);
        EXPECT_TRUE(ok) << c.text;
    }
    for (const auto& c : glyphs) {
        EXPECT_STREQ(Glyph::strType(c.value), c.text);
        EXPECT_EQ(Glyph::toType(c.text, &ok), c.value);
        EXPECT_TRUE(ok) << c.text;
    }
    for (const auto& c : objects)
        EXPECT_STREQ(TCF::strObject(TCF::Object(c.value)), c.text);
    EXPECT_EQ(NamingOp::strType(NamingOp::LITERAL), nullptr);
    EXPECT_EQ(NamingOp::toType("loop_id", &ok), NamingOp::LITERAL);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Glyph::strType(4), nullptr);
    EXPECT_EQ(Glyph::toType("", &ok), Glyph::NO_GLYPH_TYPE);
    EXPECT_FALSE(ok);
    EXPECT_EQ(TCF::strObject(TCF::Object(TCF::objectCount)), nullptr);
}

}  // namespace
