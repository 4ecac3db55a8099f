// Loading trace configurations from the host's resource trees.
//
// Every key is looked up by tag among the children of its group and checked
// for its resource kind.  A problem is reported at the resource concerned and
// discards one unit (a value, a style, an instance type, a thread state, a
// glyph or a whole configuration); loading then goes on with the next one.
// Checks run in a fixed order, so of two problems only the first is reported.
#include "tcf/load_messages_p.h"
#include "tcf/tcf.h"

#include <QCoreApplication>

#include <memory>

namespace {

// A resource kind as the loader checks it: its down-cast and the word that
// names it in messages.
template <class Node>
struct Kind {
    Node* (QARes::*cast)();
    const char* word;
};

const Kind<QAResGroup> groupKind{&QARes::toResGroup, QT_TRANSLATE_NOOP("Resource Type", "a group")};
const Kind<QAResList> listKind{&QARes::toResList, QT_TRANSLATE_NOOP("Resource Type", "a list")};
const Kind<QAResString> stringKind{&QARes::toResString, QT_TRANSLATE_NOOP("Resource Type", "a string")};
const Kind<QAResInt> integerKind{&QARes::toResInt, QT_TRANSLATE_NOOP("Resource Type", "an integer")};
const Kind<QAResBoolean> booleanKind{&QARes::toResBoolean, QT_TRANSLATE_NOOP("Resource Type", "a boolean")};
const Kind<QAResRGB> rgbKind{&QARes::toResRGB, QT_TRANSLATE_NOOP("Resource Type", "a rgb value")};
const Kind<QAResIdentifier> identifierKind{&QARes::toResIdentifier,
                                           QT_TRANSLATE_NOOP("Resource Type", "an identifier")};

const char* const definedString = QT_TRANSLATE_NOOP("Resource Type", "a defined string");
const char* const definedInteger = QT_TRANSLATE_NOOP("Resource Type", "a defined integer");
const char* const definedIdentifier = QT_TRANSLATE_NOOP("Resource Type", "a defined identifier");
const char* const identifierList = QT_TRANSLATE_NOOP("Resource Type", "an identifier list");
const char* const identifierOrList = QT_TRANSLATE_NOOP("Resource Type", "an identifier or an identifier list");

// Where a value of the wrong kind is reported: at the value itself, or at
// the group holding it.
enum ReportAt { AtValue, AtGroup };

// A group being read, with the dotted tag path by which messages name it.
class Section {
public:
    Section(QAResGroup* group, const QString& path) : group_(group), path_(path) {}

    QAResGroup* group() const { return group_; }
    const QString& path() const { return path_; }
    QString tag(const char* key) const { return path_ + u'.' + QLatin1String(key); }

    // The first child tagged `key`, or null.
    QARes* find(const char* key) const
    {
        return group_->firstChild() ? group_->firstChild()->search(key, '.') : nullptr;
    }

    // An optional key: `*value` is null when the key is missing.  False
    // after reporting a value of another kind.
    template <class Node>
    bool get(const char* key, const Kind<Node>& kind, Node** value, ReportAt at = AtValue) const
    {
        QARes* resource = find(key);
        *value = resource ? (resource->*kind.cast)() : nullptr;
        if (resource && !*value) {
            TCFLoad::mustBe(tag(key), kind.word, at == AtValue ? resource : group_);
            return false;
        }
        return true;
    }

    // A required key: null after reporting it missing ("<tag> must be
    // <missingWord>", at the group) or of another kind.
    template <class Node>
    Node* require(const char* key, const Kind<Node>& kind, const char* missingWord) const
    {
        Node* value;
        if (!get(key, kind, &value))
            return nullptr;
        if (!value)
            TCFLoad::mustBe(tag(key), missingWord, group_);
        return value;
    }

private:
    QAResGroup* group_;
    QString path_;
};

// Reads an optional key with `apply` when it is present.  False after
// reporting a value of another kind.
template <class Node, class Apply>
bool readKey(const Section& section, const char* key, const Kind<Node>& kind, Apply apply, ReportAt at = AtValue)
{
    Node* value;
    if (!section.get(key, kind, &value, at))
        return false;
    if (value)
        apply(value);
    return true;
}

// Reads an optional sub-group with `read`, which returns false to discard
// its item.
template <class Read>
bool readGroup(const Section& parent, const char* key, Read read)
{
    QAResGroup* group;
    if (!parent.get(key, groupKind, &group))
        return false;
    return !group || read(Section(group, parent.tag(key)));
}

// Calls `read` with every group tagged `key` among `first` and its following
// siblings; a resource with that tag that is no group is reported and skipped.
template <class Read>
void forEachGroup(QARes* first, const char* key, const QString& tag, Read read)
{
    for (QARes* found = first ? first->search(key, '.') : nullptr; found;
         found = found->next() ? found->next()->search(key, '.') : nullptr) {
        if (QAResGroup* group = found->toResGroup())
            read(Section(group, tag));
        else
            TCFLoad::mustBe(tag, groupKind.word, found);
    }
}

// The repeatable items tagged `key` of a configuration.
template <class Read>
void forEachItem(const Section& tcf, const char* key, Read read)
{
    forEachGroup(tcf.group()->firstChild(), key, tcf.tag(key), read);
}

QString valueText(int value)
{
    return QString::number(value);
}

QString valueText(const char* value)
{
    return QString::fromUtf8(value);
}

// The "id" of an item: required, of its kind, and not used yet by an item
// of the configuration (`used` looks it up).  Null after a report.
template <class Node, class Used>
Node* readId(const Section& item, const Kind<Node>& kind, const char* missingWord, const QString& duplicateTag,
             Used used)
{
    Node* id = item.require("id", kind, missingWord);
    if (id && used(id->value())) {
        TCFLoad::alreadyDefined(duplicateTag, valueText(id->value()), id);
        return nullptr;
    }
    return id;
}

// ---- Control flow

enum ControlFlow { NoControlFlow, FlatControlFlow, NestedControlFlow, BadControlFlow };

// The "control_flow" of a section: the identifier FLAT or NESTED, if any.
ControlFlow readControlFlow(const Section& section)
{
    QARes* value = section.find("control_flow");
    if (!value)
        return NoControlFlow;
    const QAResIdentifier* identifier = value->toResIdentifier();
    const QByteArray text = identifier ? QByteArray(identifier->value()) : QByteArray();
    if (text == "FLAT")
        return FlatControlFlow;
    if (text == "NESTED")
        return NestedControlFlow;
    return BadControlFlow;
}

// ---- Styles

// "text.style": one identifier replaces the emphasis, a list of
// identifiers adds each of them.
bool readFontStyle(const Section& text, Style* style)
{
    QARes* value = text.find("style");
    if (!value)
        return true;
    if (QAResIdentifier* identifier = value->toResIdentifier()) {
        style->setFontStyle(Style::toFont(identifier->value()));
        return true;
    }
    QAResList* list = value->toResList();
    if (!list || !list->isListOf(QARes::Identifier)) {
        TCFLoad::mustBe(text.tag("style"), list ? identifierList : identifierOrList, value);
        return false;
    }
    for (QARes* element = list->firstElement(); element; element = element->next())
        style->composeFontStyle(Style::toFont(element->toResIdentifier()->value()));
    return true;
}

bool readText(const Section& text, Style* style)
{
    return readKey(text, "color", rgbKind, [style](QAResRGB* color) { style->setTextColor(color->value()); })
        && readKey(text, "font", stringKind, [style](QAResString* font) { style->setFontName(font->value()); })
        && readKey(text, "size", integerKind, [style](QAResInt* size) { style->setFontSize(size->value()); })
        && readFontStyle(text, style);
}

bool readBackground(const Section& background, Style* style)
{
    return readKey(background, "color", rgbKind, [style](QAResRGB* color) { style->setBackColor(color->value()); });
}

bool readLine(const Section& line, Style* style)
{
    return readKey(line, "color", rgbKind, [style](QAResRGB* color) { style->setLineColor(color->value()); })
        && readKey(line, "style", identifierKind,
                   [style](QAResIdentifier* text) { style->setLineStyle(Style::toLine(text->value())); })
        && readKey(line, "arrow", identifierKind,
                   [style](QAResIdentifier* text) { style->setArrowStyle(Style::toArrow(text->value())); });
}

// One "style" group.  The factory makes the style as soon as its name and
// id are known to be good; the attributes are then set through the
// style's virtual setters.
Style* readStyle(const Section& section, const TCF* tcf, StyleFactory factory)
{
    QAResString* name = section.require("name", stringKind, definedString);
    QAResInt* id = name
        ? readId(section, integerKind, definedInteger, section.tag("id"), [tcf](int id) { return tcf->style(id); })
        : nullptr;
    if (!id)
        return nullptr;
    std::unique_ptr<Style> style(factory ? factory(name->value(), id->value()) : new Style(name->value(), id->value()));
    // A factory that fails to make the style leaves nothing to add.
    if (!style)
        return nullptr;
    Style* target = style.get();
    const bool good = readGroup(section, "text", [target](const Section& text) { return readText(text, target); })
        && readGroup(section, "background", [target](const Section& back) { return readBackground(back, target); })
        && readGroup(section, "line", [target](const Section& line) { return readLine(line, target); });
    return good ? style.release() : nullptr;
}

// ---- Default styles

struct DefaultSlot {
    const char* key;
    TCF::Object slot;
};

const DefaultSlot instanceSlots[] = {{"title", TCF::INSTANCE_TITLE},
                                     {"activated", TCF::INSTANCE_ACTIVATED},
                                     {"desactivated", TCF::INSTANCE_DESACTIVATED},
                                     {"delete", TCF::INSTANCE_DELETE},
                                     {"note", TCF::INSTANCE_NOTE}};
const DefaultSlot messageSlots[] = {
    {"body", TCF::MESSAGE_BODY}, {"return", TCF::MESSAGE_RETURN}, {"note", TCF::MESSAGE_NOTE}};
const DefaultSlot topSlots[] = {
    {"synchronisation", TCF::SYNCHRONISATION}, {"action", TCF::ACTION}, {"world", TCF::WORLD}, {"time", TCF::TIME}};
const DefaultSlot loopSlots[] = {{"start", TCF::LOOP_START}, {"end", TCF::LOOP_END}};

// Sets one default-style slot from its value, which must be the id of a
// style of the configuration; `tag` names it in messages.
void setDefaultSlot(QARes* value, TCF::Object slot, TCF* tcf, const QString& tag)
{
    QAResInt* id = value->toResInt();
    if (!id) {
        TCFLoad::mustBe(tag, integerKind.word, value);
        return;
    }
    Style* style = tcf->style(id->value());
    if (!style) {
        TCFLoad::error(
            QCoreApplication::translate("Load TCF", "undefined style %1 for %2", "%1 is a style number, %2 a string")
                .arg(QString::number(id->value()), tag),
            value);
        return;
    }
    tcf->setDefaultStyle(slot, style);
}

template <int N>
void readSlots(const Section& section, const DefaultSlot (&entries)[N], TCF* tcf)
{
    for (const DefaultSlot& slot : entries) {
        if (QARes* value = section.find(slot.key))
            setDefaultSlot(value, slot.slot, tcf, section.tag(slot.key));
    }
}

template <int N>
void readSlotGroup(const Section& defaults, const char* key, const DefaultSlot (&entries)[N], TCF* tcf)
{
    readGroup(defaults, key, [&entries, tcf](const Section& group) {
        readSlots(group, entries, tcf);
        return true;
    });
}

void readDefaultStyles(const Section& section, TCF* tcf)
{
    readGroup(section, "default_style", [tcf](const Section& defaults) {
        readSlotGroup(defaults, "instance", instanceSlots, tcf);
        readSlotGroup(defaults, "message", messageSlots, tcf);
        readSlots(defaults, topSlots, tcf);
        readSlotGroup(defaults, "loop", loopSlots, tcf);
        return true;
    });
}

// ---- Instance types

bool readOwnControlFlow(const Section& section, InstanceType* type)
{
    const ControlFlow flow = readControlFlow(section);
    if (flow == BadControlFlow) {
        TCFLoad::mustBe(section.tag("control_flow"), definedIdentifier, section.find("control_flow"));
        return false;
    }
    type->hasControlFlow = flow != NoControlFlow;
    type->nestedControlFlow_ = flow == NestedControlFlow;
    return true;
}

bool readTypeStyle(const Section& section, InstanceType* type)
{
    QAResInt* id;
    if (!section.get("style", integerKind, &id, AtGroup))
        return false;
    if (!id)
        return true;
    Style* style = type->tcf->style(id->value());
    if (!style) {
        TCFLoad::error(QCoreApplication::translate("Load TCF", "undefined style %1 for tcf.instance_type.style.\n",
                                                   "%1 is a number")
                           .arg(id->value()),
                       id);
        return false;
    }
    type->setStyle(style);
    return true;
}

InstanceType* readInstanceType(const Section& section, TCF* tcf)
{
    QAResIdentifier* id = readId(section, identifierKind, definedIdentifier, section.path(),
                                 [tcf](const char* name) { return tcf->instanceType(QString::fromUtf8(name)); });
    if (!id)
        return nullptr;
    std::unique_ptr<InstanceType> type(new InstanceType(tcf, QString::fromUtf8(id->value()), QString(), nullptr));
    InstanceType* target = type.get();
    const bool good =
        readKey(section, "icon_tag", stringKind, [target](QAResString* icon) { target->setIconTag(icon->value()); })
        && readOwnControlFlow(section, target) && readTypeStyle(section, target)
        && readKey(
            section, "naming", listKind,
            [target](QAResList* list) { target->naming = _TCFFromResources_Naming(list, "tcf.instance_type.naming"); },
            AtGroup);
    return good ? type.release() : nullptr;
}

// ---- Thread states and glyphs

// A thread state or glyph made from its "id" (an integer not used yet, as
// `used` tells) and its "name"; null after a report.  A missing name is
// reported with `missingName`, translated in context "Load TCF".
template <class Item, class Used>
std::unique_ptr<Item> readNumberedItem(const Section& section, TCF* tcf, const char* missingName, Used used)
{
    QAResInt* id = readId(section, integerKind, integerKind.word, section.path(), used);
    if (!id)
        return nullptr;
    std::unique_ptr<Item> item(new Item(tcf, id->value()));
    QAResString* name;
    if (!section.get("name", stringKind, &name))
        return nullptr;
    if (!name) {
        TCFLoad::error(QCoreApplication::translate("Load TCF", missingName), section.group());
        return nullptr;
    }
    item->setName(name->value());
    return item;
}

ThreadState* readThreadState(const Section& section, TCF* tcf)
{
    std::unique_ptr<ThreadState> state = readNumberedItem<ThreadState>(
        section, tcf, QT_TRANSLATE_NOOP("Load TCF", "tcf.thread_state.name must defined."),
        [tcf](int id) { return tcf->threadState(id); });
    ThreadState* target = state.get();
    const bool good = target && readKey(section, "is_active_state", booleanKind, [target](QAResBoolean* active) {
                          target->isActiveState = active->value();
                      });
    return good ? state.release() : nullptr;
}

Glyph* readGlyph(const Section& section, TCF* tcf)
{
    std::unique_ptr<Glyph> glyph =
        readNumberedItem<Glyph>(section, tcf, QT_TRANSLATE_NOOP("Load TCF", "tcf.glyph.name must defined."),
                                [tcf](int id) { return tcf->glyph(id); });
    Glyph* target = glyph.get();
    const bool good = target
        && readKey(section, "icon_tag", stringKind, [target](QAResString* icon) { target->setIconTag(icon->value()); })
        && readKey(section, "type", identifierKind,
                   [target](QAResIdentifier* type) { target->type = Glyph::toType(type->value()); });
    return good ? glyph.release() : nullptr;
}

// ---- Configurations

bool readIdLength(const Section& section, TCF* tcf)
{
    QAResInt* length;
    if (!section.get("id_length", integerKind, &length))
        return false;
    if (!length)
        return true;
    // A negative count cannot size a definition block's ids, and a trace
    // selects a block by at most 9 of them.
    if (length->value() < 0 || length->value() > 9) {
        TCFLoad::error(
            QCoreApplication::translate("Load TCF", "tcf.id_length must be between 0 and 9, not %1.", "%1 is a number")
                .arg(length->value()),
            length);
        return false;
    }
    tcf->setIdLength(length->value());
    return true;
}

bool readTCFControlFlow(const Section& section, TCF* tcf)
{
    const ControlFlow flow = readControlFlow(section);
    if (flow == BadControlFlow) {
        TCFLoad::error(QCoreApplication::translate("Load TCF", "tcf.control_flow must be FLAT or NESTED identifier."),
                       section.find("control_flow"));
        return false;
    }
    tcf->setNestedControlFlow(flow == NestedControlFlow);
    return true;
}

// The single-valued keys of a configuration; false discards it.
bool readSettings(const Section& section, TCF* tcf)
{
    return readIdLength(section, tcf) && readTCFControlFlow(section, tcf)
        && readKey(section, "comment", stringKind, [tcf](QAResString* comment) { tcf->setComment(comment->value()); })
        && readKey(section, "public_name", stringKind, [tcf](QAResString* name) { tcf->setPublicName(name->value()); })
        && readKey(section, "display_world_actor", booleanKind,
                   [tcf](QAResBoolean* shown) { tcf->displayWorldActor = shown->value(); })
        && readKey(section, "loop_naming", listKind,
                   [tcf](QAResList* list) { tcf->loopNaming = _TCFFromResources_Naming(list, "tcf.loop_naming"); });
}

TCF* readTCF(const Section& section, StyleFactory factory)
{
    QAResString* name = section.require("name", stringKind, definedString);
    if (!name)
        return nullptr;
    std::unique_ptr<TCF> tcf(new TCF(name->value(), 1));
    TCF* target = tcf.get();
    if (!readSettings(section, target))
        return nullptr;
    forEachItem(section, "style", [&](const Section& style) {
        Style* read = readStyle(style, target, factory);
        // Only a factory that ignored the id it was given can make a style
        // that addStyle refuses.
        if (read && !target->addStyle(read))
            delete read;
    });
    readDefaultStyles(section, target);
    forEachItem(section, "instance_type",
                [target](const Section& type) { target->addInstanceType(readInstanceType(type, target)); });
    forEachItem(section, "thread_state",
                [target](const Section& state) { target->addThreadState(readThreadState(state, target)); });
    forEachItem(section, "glyph", [target](const Section& glyph) { target->addGlyph(readGlyph(glyph, target)); });
    return tcf.release();
}

}  // namespace

TCFList* readTCFFromResources(QARes* root, StyleFactory factory)
{
    if (!root)
        return nullptr;
    TCFList* list = new TCFList;
    forEachGroup(root, "tcf", QStringLiteral("tcf"), [list, factory](const Section& section) {
        if (TCF* tcf = readTCF(section, factory))
            list->append(tcf);
    });
    return list;
}
