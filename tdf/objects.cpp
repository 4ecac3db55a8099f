// Trace objects: type texts, construction, destruction, and the name, link
// and style that fall back on an object's static definition.
#include "tdf/tdf_db.h"

#include "tcf/tcf.h"

#include <vector>

namespace {

const char* const objectTypeTexts[] = {
    "generic",  "message", "message_call", "return",          "instance",      "instance_delete",
    nullptr,    "note",    "glyph",        "synchronisation", "action",        "loop_start",
    "loop_end", nullptr,   "thread",       nullptr,           "trigger_start", "trigger_stop",
};

// The model's name, its own name after a blank when it has one.
QString composedName(const TDFTextObject& object)
{
    const QString own = object.name_;
    if (!object.model)
        return own;
    const QString& modelName = object.TDFTextObject::name();
    return own.isNull() ? modelName : modelName + QLatin1Char(' ') + own;
}

// The own link when set, else the source link of the model, if any.
template <class Model>
QString ownOrModelLink(const QString& own, Model* model)
{
    return !own.isNull() || !model ? own : model->sourceLink();
}

// The own style when set, else the model's, if any.
template <class Model>
Style* ownOrModelStyle(Style* own, Model* model)
{
    return own || !model ? own : model->style();
}

}  // namespace

const char* strTDFObjectType(TDFObjectType type)
{
    const unsigned index = unsigned(type);
    return index < sizeof objectTypeTexts / sizeof *objectTypeTexts ? objectTypeTexts[index] : nullptr;
}

TDFUserData::~TDFUserData() = default;

TDFObject::TDFObject(TDFObjectType type) : type(type) {}

TDFObject::~TDFObject()
{
    delete userData;
}

QString TDFObject::name() const
{
    return name_;
}

QString TDFObject::link() const
{
    return linkText;
}

Style* TDFObject::style()
{
    return style_;
}

void TDFObject::setName(const QString& name)
{
    name_ = name;
}

void TDFObject::setNote(TDFNote* note)
{
    this->note = note;
    if (note)
        note->attachedTo = this;
}

void TDFObject::setGlyph(TDFGlyph* glyph)
{
    this->glyph = glyph;
    if (glyph)
        glyph->attachedTo = this;
}

QString TDFTextObject::name() const
{
    return model ? model->name : name_;
}

QString TDFTextObject::link() const
{
    return ownOrModelLink(linkText, model);
}

Style* TDFTextObject::style()
{
    return ownOrModelStyle(style_, model);
}

QString TDFNote::name()
{
    return composedName(*this);
}

QString TDFGlyph::name()
{
    return composedName(*this);
}

TDFSynchronisation::~TDFSynchronisation()
{
    delete instances;
}

TDFInstanceDeleteAll::~TDFInstanceDeleteAll()
{
    delete deletedInstances;
}

TDFInstance::~TDFInstance()
{
    delete activations;
}

QString TDFInstance::link() const
{
    return ownOrModelLink(linkText, model);
}

Style* TDFInstance::style()
{
    return ownOrModelStyle(style_, model);
}

void TDFInstance::setName(const QString& name)
{
    name_ = name;
    hasOwnName = !name.isNull();
}

QString TDFMessage::link() const
{
    return ownOrModelLink(linkText, model);
}

Style* TDFMessage::style()
{
    return ownOrModelStyle(style_, model);
}

QString TDFThreadInfo::name() const
{
    return thread ? thread->name : QString();
}

void TDFThreadInfo::setName(const QString& name)
{
    if (thread)
        thread->setName(name);
}

void TDFThreadInfo::setNum(unsigned long num)
{
    if (thread && num != 0)
        thread->num = num;
}

void TDFThreadInfo::setColorIndex(int index)
{
    if (thread && index != 0)
        thread->colorIndex = index;
}

struct TDFLoopPath::Level {
    std::shared_ptr<const Level> outer;
    int number = 0;
    QString text;  // a path given whole, without outer levels
};

TDFLoopPath::TDFLoopPath(const QString& text)
{
    if (!text.isEmpty())
        level_ = std::make_shared<const Level>(Level{nullptr, 0, text});
}

TDFLoopPath::TDFLoopPath(const TDFLoopPath& outer, int number)
    : level_(std::make_shared<const Level>(Level{outer.level_, number, QString()}))
{
}

QString TDFLoopPath::toString() const
{
    std::vector<const Level*> levels;
    for (const Level* level = level_.get(); level; level = level->outer.get())
        levels.push_back(level);
    QString path;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        if (!path.isEmpty())
            path += QLatin1Char('.');
        path += (*level)->text.isNull() ? QString::number((*level)->number) : (*level)->text;
    }
    return path;
}

QString TDFLoopStart::name() const
{
    if (!namedByNaming_)
        return name_;
    return Naming::processLoop(naming_, loopNumber, loopPath, int(iterations));
}

void TDFLoopStart::setName(const QString& name)
{
    name_ = name;
    namedByNaming_ = false;
}

void TDFLoopStart::nameBy(Naming* naming)
{
    name_ = QString();
    naming_ = naming;
    namedByNaming_ = true;
}

TDFInstance* TDFInstanceList::search(unsigned long dynamicId)
{
    for (TDFInstance* instance : *this) {
        if (instance && instance->dynamicId == dynamicId)
            return instance;
    }
    return nullptr;
}

unsigned TDFInstanceHash::code(TDFInstance* instance)
{
    return unsigned(instance->dynamicId % unsigned(bucketCount));
}

TDFInstance* TDFInstanceHash::search(unsigned long dynamicId)
{
    for (Node* node = buckets[dynamicId % unsigned(bucketCount)]; node; node = node->next) {
        if (node->item->dynamicId == dynamicId)
            return node->item;
    }
    return nullptr;
}
