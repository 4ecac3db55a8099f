// The trace object model: type texts, down-casts, the name, link and style
// that fall back on static definitions, definition blocks and their source
// links, and instance activation and naming.
#include "test_tdf_support.h"

namespace {

TEST(TDFObjects, TypeTextsAndDownCasts)
{
    const std::pair<int, const char*> texts[] = {
        {0, "generic"},         {1, "message"},        {2, "message_call"},  {3, "return"}, {4, "instance"},
        {5, "instance_delete"}, {6, nullptr},          {7, "note"},          {8, "glyph"},  {9, "synchronisation"},
        {10, "action"},         {11, "loop_start"},    {12, "loop_end"},     {13, nullptr}, {14, "thread"},
        {15, nullptr},          {16, "trigger_start"}, {17, "trigger_stop"}, {18, nullptr}, {19, nullptr},
        {31, nullptr},
    };
    for (const auto& [type, expected] : texts) {
        const char* actual = strTDFObjectType(TDFObjectType(type));
        EXPECT_EQ(actual ? std::string(actual) : "null", expected ? expected : "null") << type;
    }
    EXPECT_EQ(TDFDBstatementTypeString(TDFDB_MESSAGE), std::string("message"));
    EXPECT_EQ(TDFDBstatementTypeString(TDFDB_INSTANCE), std::string("instance"));
    EXPECT_EQ(TDFDBstatementTypeString(TDFDB_TEXT), std::string("text"));
    EXPECT_EQ(TDFDBstatementTypeString(TDFDBObjectType(100)), nullptr);
    EXPECT_EQ(TDFDBstatementTypeString(TDFDBObjectType(104)), nullptr);

    TDFNote note;
    TDFObject& asObject = note;
    EXPECT_EQ(asObject.toNote(), &note);
    EXPECT_EQ(asObject.toTextObject(), &note);
    EXPECT_EQ(asObject.toObject(), &note);
    EXPECT_EQ(asObject.toGlyph(), nullptr);
    TDFDefinitionBlock block;
    EXPECT_EQ(block.toTDFDefinitionBlock(), &block);
    EXPECT_EQ(block.toTextObject(), &block);
    TDFInstanceDelete deletion;
    TDFInstanceDeleteAll deleteAll;
    EXPECT_EQ(deletion.toInstanceDelete(), &deletion);
    EXPECT_EQ(deletion.toInstanceDeleteAll(), nullptr);
    EXPECT_EQ(deleteAll.toInstanceDeleteAll(), &deleteAll);
    TDFNewTrace newTrace;
    EXPECT_EQ(newTrace.toNewTrace(), &newTrace);
    EXPECT_EQ(newTrace.toMessage(), nullptr);
    EXPECT_EQ(newTrace.type, TDF_NEW_TRACE);
}

TEST(TDFObjects, NamesOfNotesAndGlyphsComposeTheStaticTextAndTheOwnText)
{
    TDFDBText warn(1, QStringLiteral("Warn"));
    TDFGlyph glyph;
    glyph.setName(QStringLiteral("late"));
    EXPECT_EQ(glyph.name(), QStringLiteral("late")) << "without a model, the own name";
    glyph.model = &warn;
    EXPECT_EQ(glyph.name(), QStringLiteral("Warn late"));
    const TDFGlyph& constGlyph = glyph;
    TDFObject& asObject = glyph;
    EXPECT_EQ(constGlyph.name(), QStringLiteral("Warn")) << "const: the model's name alone";
    EXPECT_EQ(asObject.name(), QStringLiteral("Warn"));
    glyph.setName(QString());
    EXPECT_EQ(glyph.name(), QStringLiteral("Warn"));

    TDFNote note;
    note.model = &warn;
    note.setName(QStringLiteral("x"));
    EXPECT_EQ(note.name(), QStringLiteral("Warn x"));
    TDFAction action;
    action.setName(QStringLiteral("own"));
    EXPECT_EQ(action.name(), QStringLiteral("own"));
    action.model = &warn;
    EXPECT_EQ(action.name(), QStringLiteral("Warn")) << "other text objects show the static text only";
}

TEST(TDFObjects, LinksAndStylesFallBackOnTheModel)
{
    TDFDefinitionBlock block;
    TDFDBSource source;
    source.init(QStringLiteral("prog.src"), 0, TDFDBSource::TXT);
    block.source = new TDFDBSource(source);
    auto* model = new TDFDBMessage(3, QStringLiteral("m"));
    model->sourceLine = 42;
    Style modelStyle(QStringLiteral("model"), 1);
    model->style_ = &modelStyle;
    block.addMessage(model);

    TDFMessage message;
    EXPECT_EQ(message.link(), QString()) << "no model, no link";
    EXPECT_EQ(message.style(), nullptr);
    message.model = model;
    EXPECT_EQ(message.link(), QStringLiteral("prog.src:42"));
    EXPECT_EQ(message.style(), &modelStyle);
    message.linkText = QStringLiteral("");
    EXPECT_EQ(message.link(), QStringLiteral("")) << "an empty own link does not consult the model";
    Style own(QStringLiteral("own"), 2);
    message.style_ = &own;
    EXPECT_EQ(message.style(), &own);

    InstanceType type(nullptr, QStringLiteral("task"), QString(), &modelStyle);
    TDFDBInstance staticInstance(1, &type, QStringLiteral("S"));
    EXPECT_EQ(staticInstance.style(), &modelStyle) << "the instance type's style";
    TDFInstance instance;
    instance.model = &staticInstance;
    EXPECT_EQ(instance.style(), &modelStyle);
}

TEST(TDFObjects, ThreadInfoSettersNeedAThreadAndIgnoreZero)
{
    TDFThreadInfo info;
    info.setNum(5);
    info.setName(QStringLiteral("lost"));
    EXPECT_EQ(info.name(), QString());
    TDFThread thread;
    thread.num = 3;
    thread.colorIndex = 4;
    info.thread = &thread;
    info.setNum(0);
    info.setColorIndex(0);
    EXPECT_EQ(thread.num, 3u);
    EXPECT_EQ(thread.colorIndex, 4);
    info.setNum(9);
    info.setColorIndex(2);
    info.setName(QStringLiteral("worker"));
    EXPECT_EQ(thread.num, 9u);
    EXPECT_EQ(thread.colorIndex, 2);
    EXPECT_EQ(info.name(), QStringLiteral("worker"));

    TDFMessage message;
    TDFNote note;
    message.setNote(&note);
    EXPECT_EQ(note.attachedTo, &message);
    message.setNote(nullptr);
    EXPECT_EQ(message.note, nullptr);
}

TEST(TDFDefinitionBlock, IdsCompareOnlyAtTheConfigurationsLength)
{
    TCF three(QStringLiteral("three"), 3);
    TCF none(QStringLiteral("none"), 0);
    TDFDefinitionBlock block;
    unsigned long ids[] = {1, 2, 3};
    EXPECT_FALSE(block.cmpId(ids, 0)) << "no configuration";
    EXPECT_EQ(block.id(0), 0u);
    block.setTCF(&three);
    for (int i = 0; i < 3; ++i)
        block.setId(i, ids[i]);
    block.setId(3, 99);
    block.setId(-1, 99);
    EXPECT_EQ(block.id(2), 3u);
    EXPECT_EQ(block.id(3), 0u);
    EXPECT_EQ(block.id(-1), 0u);
    EXPECT_TRUE(block.cmpId(ids, 3));
    EXPECT_FALSE(block.cmpId(ids, 2)) << "a shorter list never matches";
    ids[2] = 4;
    EXPECT_FALSE(block.cmpId(ids, 3));
    block.setTCF(&none);
    EXPECT_TRUE(block.cmpId(nullptr, 0));
    EXPECT_FALSE(block.cmpId(ids, 1));

    TDFDefinitionBlockList list;
    TDFDefinitionBlock other;
    other.setTCF(&none);
    list.append(&other);
    list.append(&block);
    EXPECT_EQ(list.search(nullptr, 0), &other) << "the first match";
    EXPECT_EQ(list.search(ids, 3), nullptr);
}

TEST(TDFDefinitionBlock, DefinitionsShareOneNumberSpaceAndAreOwned)
{
    static int alive = 0;
    struct CountedText : TDFDBText {
        CountedText(unsigned long id) : TDFDBText(id, QStringLiteral("t")) { ++alive; }
        ~CountedText() override { --alive; }
    };
    {
        TDFDefinitionBlock block;
        auto* instance = new TDFDBInstance(5, nullptr, QStringLiteral("i"));
        block.addInstance(instance);
        block.addText(new CountedText(5));
        block.addText(new CountedText(6));
        auto* message = new TDFDBMessage(6 + 51, QStringLiteral("m"));
        block.addMessage(message);
        EXPECT_EQ(block.getObjectFromId(5), instance) << "the instance wins";
        EXPECT_EQ(block.getObjectFromId(57), message);
        EXPECT_EQ(block.getMessageFromId(6), nullptr) << "same bucket, other id";
        EXPECT_EQ(block.getObjectFromId(6)->type, TDFDB_TEXT);
        EXPECT_EQ(block.getObjectFromId(7), nullptr);
        EXPECT_EQ(instance->block, &block);
        EXPECT_EQ(alive, 2);
    }
    EXPECT_EQ(alive, 0) << "the block deletes its definitions";
}

struct SourceLinkCase {
    const char* name;
    bool withSource;
    TDFDBSource::Type type;
    const char* fileName;  // null: none
    int line;
    const char* linkText;  // null: none
    const char* link;      // null: a null link
};

TEST(TDFDefinitionBlock, SourceLinks)
{
    const SourceLinkCase cases[] = {
        {"text file and line", true, TDFDBSource::TXT, "prog.src", 42, nullptr, "prog.src:42"},
        {"text file and anchor", true, TDFDBSource::TXT, "prog.src", 0, "#main", "prog.src#main"},
        {"text file, no line, no anchor", true, TDFDBSource::TXT, "prog.src", 0, nullptr, nullptr},
        {"line without file name", true, TDFDBSource::TXT, nullptr, 7, "#ignored", ":7"},
        {"model file", true, TDFDBSource::XRD, "model.xrd", 3, "Obj_7", "xrd#model.xrd#Obj_7"},
        {"model file, nothing set", true, TDFDBSource::XRD, nullptr, 0, nullptr, "xrd##"},
        {"no source", false, TDFDBSource::TXT, "prog.src", 42, "x", nullptr},
    };
    for (const SourceLinkCase& c : cases) {
        TDFDefinitionBlock block;
        if (c.withSource) {
            block.source = new TDFDBSource;
            block.source->init(c.fileName ? QString::fromUtf8(c.fileName) : QString(), 0, c.type);
        }
        auto* definition = new TDFDBText(1, QStringLiteral("t"));
        definition->sourceLine = c.line;
        definition->setSourceLinkText(c.linkText ? QString::fromUtf8(c.linkText) : QString());
        block.addText(definition);
        EXPECT_EQ(text(definition->sourceLink()), c.link ? c.link : "null") << c.name;
    }
}

TEST(TDFDefinitionBlock, SourceLinkIsBuiltOnce)
{
    TDFDefinitionBlock block;
    block.source = new TDFDBSource;
    block.source->init(QStringLiteral("a.src"), 0, TDFDBSource::TXT);
    auto* text = new TDFDBText(1, QStringLiteral("t"));
    text->sourceLine = 3;
    block.addText(text);
    EXPECT_EQ(text->sourceLink(), QStringLiteral("a.src:3"));
    block.source->fileName = QStringLiteral("b.src");
    text->sourceLine = 4;
    EXPECT_EQ(text->sourceLink(), QStringLiteral("a.src:3"));
}

// An instance of a static instance of type `type` of configuration T.
struct Bound {
    std::unique_ptr<TCFList> tcf = loadTCF(traceConfiguration);
    TDFDBInstance model;
    Bound(const char* type, const char* name)
        : model(1, tcf->search(QStringLiteral("T"))->instanceType(QString::fromUtf8(type)), QString::fromUtf8(name))
    {
    }
};

TEST(TDFInstance, ModelsNumberTheirInstancesAndNameThem)
{
    Bound sensor("task", "Sensor");
    TDFInstance first;
    TDFInstance second;
    TDFInstance named;
    first.setModel(&sensor.model);
    second.setModel(&sensor.model);
    named.setName(QStringLiteral("Mine"));
    named.setModel(&sensor.model);
    EXPECT_EQ(text(first.name()), "obj0:Sensor");
    EXPECT_EQ(text(second.name()), "obj1:Sensor");
    EXPECT_EQ(text(named.name()), "Mine") << "an own name survives";
    EXPECT_EQ(named.occurrence, 2u) << "but still takes a number";
    first.setModel(&sensor.model);
    EXPECT_EQ(text(first.name()), "obj3:Sensor") << "a new binding, a new number";
    first.setModel(nullptr);
    EXPECT_EQ(first.name(), QString());
    EXPECT_EQ(first.occurrence, 0u);

    Bound timer("isr", "Timer");
    TDFInstance isr;
    isr.setModel(&timer.model);
    EXPECT_EQ(text(isr.name()), "ISR Timer") << "the type's naming";

    TDF reader(nullptr);
    TDFInstance modeless[3];
    modeless[1].setName(QStringLiteral("kept"));
    for (TDFInstance& instance : modeless)
        instance.setModeless(&reader);
    EXPECT_EQ(text(modeless[0].name()), "obj0:?");
    EXPECT_EQ(text(modeless[1].name()), "kept");
    EXPECT_EQ(text(modeless[2].name()), "obj2:?");
    EXPECT_EQ(reader.modelessCount, 3u);
}

// The activation array as indexes into `events`, then the depth.
std::string activations(const TDFInstance& instance, const std::vector<TDFObject*>& events)
{
    std::string out;
    if (instance.activations) {
        for (int i = 0; i < instance.activations->count; ++i) {
            for (size_t k = 0; k < events.size(); ++k)
                out += instance.activations->data[i] == events[k] ? std::to_string(k) + ' ' : "";
        }
    }
    return out + "depth " + std::to_string(instance.activationDepth);
}

TEST(TDFInstance, ActivationsUnderNestedControlFlow)
{
    Bound task("task", "T");
    TDFMessage outer, inner;
    TDFMessageReturn innerReturn, outerReturn;
    const std::vector<TDFObject*> events{&outer, &inner, &innerReturn, &outerReturn};

    TDFInstance receiver;
    receiver.setModel(&task.model);
    receiver.computeActivation(&outer, true);
    receiver.computeActivation(&inner, true);
    receiver.computeActivation(&innerReturn, false);
    receiver.computeActivation(&outerReturn, false);
    EXPECT_EQ(activations(receiver, events), "0 3 depth 0");

    TDFInstance sender;
    sender.setModel(&task.model);
    sender.computeActivation(&outer, false);
    EXPECT_EQ(activations(sender, events), "depth 0") << "a message leaving an instance changes nothing";
    sender.computeActivation(&outerReturn, true);
    EXPECT_EQ(activations(sender, events), "3 depth 1") << "control comes back";
    sender.computeActivation(&innerReturn, true);
    EXPECT_EQ(activations(sender, events), "3 depth 1") << "already active";

    TDFInstance created;
    created.creatingMessage = &outer;
    created.setModel(&task.model);
    created.activationDepth = 1;
    created.computeActivation(&outerReturn, false);
    EXPECT_EQ(activations(created, events), "3 depth 0") << "created active: the first entry ends a bar";
    created.computeActivation(&innerReturn, false);
    EXPECT_EQ(activations(created, events), "3 depth -1") << "the depth is not clamped";
}

TEST(TDFInstance, NoActivationsWithoutNestedControlFlow)
{
    Bound isr("isr", "Timer");
    TDFMessage message;
    TDFInstance flat;
    flat.setModel(&isr.model);
    TDFInstance modeless;
    for (TDFInstance* instance : {&flat, &modeless}) {
        EXPECT_FALSE(instance->hasActivation());
        instance->computeActivation(&message, true);
        EXPECT_EQ(instance->activations, nullptr);
        EXPECT_EQ(instance->activationDepth, 0);
    }
    TDFInstanceDelete deletion;
    flat.deletion = &deletion;
    EXPECT_EQ(flat.instanceDelete(), &deletion);
    EXPECT_EQ(flat.instanceDeleteAll(), nullptr);
    EXPECT_EQ(modeless.instanceDelete(), nullptr);
}

TEST(TDFInstance, ActivationArrayGrowsByItsStep)
{
    Bound task("task", "T");
    TDFInstance instance;
    instance.setModel(&task.model);
    std::vector<TDFMessageReturn> returns(60);
    std::vector<TDFMessage> messages(60);
    for (int i = 0; i < 60; ++i) {
        instance.computeActivation(&messages[i], true);
        instance.computeActivation(&returns[i], false);
    }
    ASSERT_NE(instance.activations, nullptr);
    EXPECT_EQ(instance.activations->count, 120);
    EXPECT_EQ(instance.activations->capacity, 200);
    EXPECT_EQ(instance.activations->data[119], &returns[59]);
}

TEST(TDFInstance, ActivationArrayDoublesPastItsFirstHundred)
{
    Bound task("task", "T");
    const struct {
        int records;
        int capacity;
    } cases[] = {{20, 20}, {21, 100}, {100, 100}, {101, 200}, {201, 400}, {1000, 1600}};
    for (const auto& c : cases) {
        TDFInstance instance;
        instance.setModel(&task.model);
        std::vector<TDFMessage> messages(size_t(c.records));
        std::vector<TDFMessageReturn> returns(size_t(c.records));
        std::vector<TDFObject*> events;
        for (int i = 0; i < c.records; ++i) {
            // Alternately a message that activates the instance and the return that ends it.
            events.push_back(i % 2 ? static_cast<TDFObject*>(&returns[size_t(i)]) : &messages[size_t(i)]);
            instance.computeActivation(events.back(), i % 2 == 0);
        }
        ASSERT_NE(instance.activations, nullptr);
        EXPECT_EQ(instance.activations->count, c.records);
        EXPECT_EQ(instance.activations->capacity, c.capacity) << c.records;
        EXPECT_TRUE(std::equal(events.begin(), events.end(), instance.activations->data)) << c.records;
    }
}

}  // namespace
