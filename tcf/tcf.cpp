#include "tcf/tcf.h"

#include "foundation/enum_text_p.h"
#include "tcf/indexes_p.h"

namespace {

// The first non-null item of `list`, in insertion order, that `matches`.
template <class T, class Match>
T* firstMatch(const List<T*>& list, Match matches)
{
    for (T* item : list) {
        if (item && matches(item))
            return item;
    }
    return nullptr;
}

bool isSlot(TCF::Object object)
{
    return unsigned(object) < unsigned(TCF::objectCount);
}

}  // namespace

InstanceType::InstanceType(TCF* tcf, const QString& name, const QString& iconTag, Style* style)
    : tcf(tcf), name(name), iconTag(iconTag), style(style)
{
}

InstanceType::~InstanceType()
{
    delete naming;
}

bool InstanceType::nestedControlFlow() const
{
    return hasControlFlow ? nestedControlFlow_ : tcf->nestedControlFlow();
}

TCF::TCF(const QString& name, int idLength) : name_(name), idLength_(idLength), indexes_(std::make_unique<TCFIndexes>())
{
}

TCF::~TCF()
{
    styles.deleteAll();
    instanceTypes.deleteAll();
    threadStates.deleteAll();
    glyphs.deleteAll();
    delete loopNaming;
}

Style* TCF::defaultStyle() const
{
    return styles.head ? styles.head->item : nullptr;
}

Style* TCF::defaultStyle(Object object) const
{
    return isSlot(object) ? defaultStyles[object] : nullptr;
}

void TCF::setDefaultStyle(Object object, Style* style)
{
    if (isSlot(object))
        defaultStyles[object] = style ? style : defaultStyle();
}

const char* TCF::strObject(Object object)
{
    static const char* const texts[objectCount] = {
        "WORLD",
        "INSTANCE_TITLE",
        "INSTANCE_ACTIVATED",
        "INSTANCE_DESACTIVATED",
        "INSTANCE_DELETE",
        "INSTANCE_NOTE",
        "MESSAGE_BODY",
        "MESSAGE_RETURN",
        "MESSAGE_NOTE",
        "SYNCHRONISATION",
        "ACTION",
        "LOOP_START",
        "LOOP_END",
        "TIME",
    };
    return isSlot(object) ? texts[object] : nullptr;
}

Style* TCF::style(int id) const
{
    return indexes_->styles.find(styles, id, [](const Style* style) { return style->id(); });
}

bool TCF::addStyle(Style* style)
{
    if (!style || this->style(style->id()))
        return false;
    styles.append(style);
    if (!defaultStyles[WORLD]) {
        for (Style*& slot : defaultStyles)
            slot = style;
    }
    return true;
}

ThreadState* TCF::threadState(int id) const
{
    return indexes_->threadStates.find(threadStates, id, [](const ThreadState* state) { return state->id; });
}

bool TCF::addThreadState(ThreadState* state)
{
    if (!state || threadState(state->id))
        return false;
    threadStates.append(state);
    return true;
}

Glyph* TCF::glyph(int id) const
{
    return indexes_->glyphs.find(glyphs, id, [](const Glyph* glyph) { return glyph->id; });
}

bool TCF::addGlyph(Glyph* glyph)
{
    if (!glyph || this->glyph(glyph->id))
        return false;
    glyphs.append(glyph);
    return true;
}

InstanceType* TCF::instanceType(const QString& name) const
{
    return indexes_->instanceTypes.find(instanceTypes, name, [](const InstanceType* type) { return type->name; });
}

bool TCF::addInstanceType(InstanceType* type)
{
    if (!type || instanceType(type->name))
        return false;
    instanceTypes.append(type);
    return true;
}

TCFList::~TCFList()
{
    deleteAll();
}

TCF* TCFList::search(const QString& name)
{
    return firstMatch(*this, [&name](TCF* tcf) { return tcf->name() == name; });
}

static const EnumText glyphTypes[] = {
    {"NO_GLYPH_TYPE", Glyph::NO_GLYPH_TYPE},
    {"UNEXPECTED_CALL", Glyph::UNEXPECTED_CALL},
    {"VERIFICATION_POINT_FAILED", Glyph::VERIFICATION_POINT_FAILED},
    {"UNEXPECTED_DATA", Glyph::UNEXPECTED_DATA},
};

const char* Glyph::strType(int type)
{
    return enumToText(glyphTypes, type);
}

Glyph::GlyphType Glyph::toType(const char* text, bool* ok)
{
    return GlyphType(enumFromText(glyphTypes, text, ok));
}
