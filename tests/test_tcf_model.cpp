#include "tcf/tcf.h"

#include <gtest/gtest.h>

namespace {

// Counts its own destruction, to check who deletes styles.
class CountedStyle : public Style {
public:
    static int destroyed;
    CountedStyle(const QString& name, int id) : Style(name, id) {}
    ~CountedStyle() override { ++destroyed; }
};
int CountedStyle::destroyed = 0;

TEST(TCFModel, NewConfigurationHasItsDefaults)
{
    TCF tcf("Main", 3);
    EXPECT_EQ(tcf.publicName(), "Main");
    EXPECT_EQ(tcf.idLength(), 3);
    EXPECT_EQ(tcf.defaultStyle(), nullptr);
    for (int object = 0; object < TCF::objectCount; ++object)
        EXPECT_EQ(tcf.defaultStyle(TCF::Object(object)), nullptr);
    EXPECT_EQ(tcf.style(0), nullptr);
    EXPECT_EQ(tcf.style(1), nullptr);
}

TEST(TCFModel, PublicNameFallsBackOnlyWhenNeverSet)
{
    TCF tcf("Main", 1);
    tcf.setPublicName("Shown");
    EXPECT_EQ(tcf.publicName(), "Shown");
    tcf.setPublicName(QLatin1String(""));
    EXPECT_TRUE(tcf.publicName().isEmpty());
    EXPECT_FALSE(tcf.publicName().isNull());
}

TEST(TCFModel, FirstStyleAddedFillsEverySlot)
{
    TCF tcf("Main", 1);
    Style* a = new Style("a", 1);
    Style* b = new Style("b", 2);
    ASSERT_TRUE(tcf.addStyle(a));
    ASSERT_TRUE(tcf.addStyle(b));
    EXPECT_EQ(tcf.defaultStyle(), a);
    for (int object = 0; object < TCF::objectCount; ++object)
        EXPECT_EQ(tcf.defaultStyle(TCF::Object(object)), a) << object;
    tcf.setDefaultStyle(TCF::ACTION, b);
    for (int object = 0; object < TCF::objectCount; ++object)
        EXPECT_EQ(tcf.defaultStyle(TCF::Object(object)), object == TCF::ACTION ? b : a) << object;
    EXPECT_EQ(tcf.style(2), b);
    EXPECT_EQ(tcf.style(3), nullptr);
}

TEST(TCFModel, SetDefaultStyleHandlesNullAndSlotsOutOfRange)
{
    TCF tcf("Main", 1);
    tcf.setDefaultStyle(TCF::TIME, nullptr);
    EXPECT_EQ(tcf.defaultStyle(TCF::TIME), nullptr) << "no style yet";

    Style* a = new Style("a", 1);
    Style* b = new Style("b", 2);
    tcf.setDefaultStyle(TCF::TIME, b);
    tcf.addStyle(a);
    EXPECT_EQ(tcf.defaultStyle(TCF::TIME), a) << "the first style overwrites slots set before it";
    tcf.addStyle(b);
    tcf.setDefaultStyle(TCF::TIME, b);
    tcf.setDefaultStyle(TCF::TIME, nullptr);
    EXPECT_EQ(tcf.defaultStyle(TCF::TIME), a) << "null selects the first style";

    tcf.setDefaultStyle(TCF::Object(14), b);
    tcf.setDefaultStyle(TCF::Object(-1), b);
    EXPECT_EQ(tcf.defaultStyle(TCF::Object(14)), nullptr);
    EXPECT_EQ(tcf.defaultStyle(TCF::Object(-1)), nullptr);
    for (int object = 0; object < TCF::objectCount; ++object)
        EXPECT_EQ(tcf.defaultStyle(TCF::Object(object)), a) << object;
}

TEST(TCFModel, DuplicatesAreRefusedWithoutChange)
{
    TCF tcf("Main", 1);
    Style* a = new Style("a", 1);
    Style twin("twin", 1);
    tcf.addStyle(a);
    EXPECT_FALSE(tcf.addStyle(&twin));
    EXPECT_FALSE(tcf.addStyle(nullptr));
    EXPECT_EQ(tcf.styles.count, 1);
    EXPECT_EQ(tcf.style(1), a);

    ThreadState state(&tcf, 4);
    ThreadState* first = new ThreadState(&tcf, 4);
    EXPECT_TRUE(tcf.addThreadState(first));
    EXPECT_FALSE(tcf.addThreadState(&state));
    EXPECT_FALSE(tcf.addThreadState(nullptr));
    EXPECT_EQ(tcf.threadStates.count, 1);
    EXPECT_EQ(tcf.threadState(4), first);
    EXPECT_EQ(tcf.threadState(5), nullptr);

    Glyph glyph(&tcf, 2);
    Glyph* firstGlyph = new Glyph(&tcf, 2);
    EXPECT_TRUE(tcf.addGlyph(firstGlyph));
    EXPECT_FALSE(tcf.addGlyph(&glyph));
    EXPECT_EQ(tcf.glyphs.count, 1);
    EXPECT_EQ(tcf.glyph(2), firstGlyph);

    InstanceType type(&tcf, "Task", QString(), nullptr);
    InstanceType* firstType = new InstanceType(&tcf, "Task", "icon", a);
    EXPECT_TRUE(tcf.addInstanceType(firstType));
    EXPECT_FALSE(tcf.addInstanceType(&type));
    EXPECT_TRUE(tcf.addInstanceType(new InstanceType(&tcf, "task", QString(), nullptr))) << "names are case-sensitive";
    EXPECT_EQ(tcf.instanceTypes.count, 2);
    EXPECT_EQ(tcf.instanceType("Task"), firstType);
    EXPECT_EQ(tcf.instanceType("TASK"), nullptr);
}

TEST(TCFModel, InstanceTypeFollowsItsConfigurationUnlessItHasItsOwnMode)
{
    TCF tcf("Main", 1);
    InstanceType type(&tcf, "Task", QString(), nullptr);
    EXPECT_FALSE(type.nestedControlFlow());
    tcf.setNestedControlFlow(true);
    EXPECT_TRUE(type.nestedControlFlow());

    type.hasControlFlow = true;
    type.nestedControlFlow_ = false;
    EXPECT_FALSE(type.nestedControlFlow());
    tcf.setNestedControlFlow(false);
    type.nestedControlFlow_ = true;
    EXPECT_TRUE(type.nestedControlFlow());
}

TEST(TCFModel, ListSearchFindsTheFirstOfAName)
{
    TCFList list;
    EXPECT_EQ(list.search("A"), nullptr);
    TCF* first = new TCF("A", 1);
    list.append(new TCF("B", 1));
    list.append(first);
    list.append(new TCF("A", 2));
    EXPECT_EQ(list.search("A"), first);
    EXPECT_EQ(list.search("a"), nullptr);
}

// Deleting the list frees every configuration and all they hold; the
// sanitizer build checks that nothing leaks.
TEST(TCFModel, ListOwnsConfigurationsAndTheirContents)
{
    CountedStyle::destroyed = 0;
    TCFList* list = new TCFList;
    for (int i = 0; i < 2; ++i) {
        TCF* tcf = new TCF(QString::number(i), 1);
        tcf->addStyle(new CountedStyle("s", 1));
        tcf->addStyle(new CountedStyle("t", 2));
        InstanceType* type = new InstanceType(tcf, "Task", QString(), tcf->style(1));
        type->naming = new Naming;
        type->naming->ops.append(new NamingOp(NamingOp::STATIC_NAME));
        tcf->addInstanceType(type);
        tcf->addThreadState(new ThreadState(tcf, 1));
        tcf->addGlyph(new Glyph(tcf, 1));
        tcf->loopNaming = new Naming;
        tcf->loopNaming->ops.append(new NamingOp(QStringLiteral("L%1")));
        list->append(tcf);
    }
    delete list;
    EXPECT_EQ(CountedStyle::destroyed, 4) << "styles are deleted through the virtual destructor";
}

TEST(TCFModel, EnumeratedTextsRoundTrip)
{
    EXPECT_STREQ(TCF::strObject(TCF::INSTANCE_DESACTIVATED), "INSTANCE_DESACTIVATED");
    EXPECT_STREQ(TCF::strObject(TCF::TIME), "TIME");
    EXPECT_EQ(TCF::strObject(TCF::Object(-1)), nullptr);

    bool ok = false;
    for (int type = NamingOp::D_OCCURENCE; type <= NamingOp::LOOP_NUMBER; ++type) {
        EXPECT_EQ(NamingOp::toType(NamingOp::strType(NamingOp::NamingType(type)), &ok), type);
        EXPECT_TRUE(ok);
    }
    EXPECT_EQ(NamingOp::strType(NamingOp::LITERAL), nullptr);
    EXPECT_EQ(NamingOp::toType("LITERAL", &ok), NamingOp::LITERAL);
    EXPECT_FALSE(ok) << "a literal is a string, never an identifier";

    EXPECT_EQ(Glyph::toType("VERIFICATION_POINT_FAILED", &ok), Glyph::VERIFICATION_POINT_FAILED);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Glyph::toType("unexpected_call", &ok), Glyph::NO_GLYPH_TYPE);
    EXPECT_FALSE(ok);
    EXPECT_STREQ(Glyph::strType(Glyph::UNEXPECTED_DATA), "UNEXPECTED_DATA");
    EXPECT_EQ(Glyph::strType(4), nullptr);
}

}  // namespace
