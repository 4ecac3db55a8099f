// Definition blocks, their static definitions and the tables that find them.
#include "tcf/tcf.h"
#include "tdf/tdf_db.h"

namespace {

const char* const definitionTypeTexts[] = {"message", "instance", "text"};

template <class T>
T* firstWithId(List<T*>& list, unsigned long id)
{
    for (T* item : list) {
        if (item && item->id == id)
            return item;
    }
    return nullptr;
}

// The item of `table`'s chain for `key` whose key is `key`, newest first.
template <class T, class Key>
T* searchChain(Hash<T*>& table, unsigned long key, Key keyOf)
{
    for (typename Hash<T*>::Node* node = table.buckets[key % unsigned(table.bucketCount)]; node; node = node->next) {
        if (keyOf(node->item) == key)
            return node->item;
    }
    return nullptr;
}

}  // namespace

const char* TDFDBstatementTypeString(TDFDBObjectType type)
{
    const unsigned index = unsigned(type) - unsigned(TDFDB_MESSAGE);
    return index < 3 ? definitionTypeTexts[index] : nullptr;
}

void TDFDBSource::init(const QString& fileName, unsigned long date, Type type)
{
    this->fileName = fileName;
    this->date = date;
    this->type = type;
}

TDFDBObject::TDFDBObject(TDFDBObjectType type, unsigned long id, const QString& name) : type(type), id(id), name(name)
{
}

TDFDBObject::~TDFDBObject() = default;

Style* TDFDBObject::style() const
{
    return style_;
}

QString TDFDBObject::sourceLink()
{
    if (!sourceLinkCache.isNull())
        return sourceLinkCache;
    const TDFDBSource* source = block ? block->source : nullptr;
    if (!source)
        return QString();
    QString link;
    switch (source->type) {
    case TDFDBSource::XRD:
        link = QLatin1String("xrd#") + source->fileName + QLatin1Char('#') + sourceLinkText;
        break;
    case TDFDBSource::TXT:
        if (sourceLine < 1 && sourceLinkText.isNull())
            return QString();
        link = source->fileName + (sourceLine < 1 ? sourceLinkText : QStringLiteral(":%1").arg(sourceLine));
        break;
    default:
        return QString();
    }
    sourceLinkCache = link;
    return link;
}

TDFDBInstance::TDFDBInstance(unsigned long id, InstanceType* type, const QString& name)
    : TDFDBObject(TDFDB_INSTANCE, id, name), instanceType(type)
{
}

Style* TDFDBInstance::style() const
{
    if (style_)
        return style_;
    return instanceType ? instanceType->style : nullptr;
}

TDFDBInstance* TDFDBInstanceList::search(unsigned long id)
{
    return firstWithId(*this, id);
}

TDFDBText* TDFDBTextList::search(unsigned long id)
{
    return firstWithId(*this, id);
}

unsigned TDFDBMessageHash::code(TDFDBMessage* message)
{
    return unsigned(message->id % unsigned(bucketCount));
}

TDFDBMessage* TDFDBMessageHash::search(unsigned long id)
{
    return searchChain(*this, id, [](const TDFDBMessage* message) { return message->id; });
}

unsigned TDF_USE_DBTraceIdHash::code(TDF_USE_DBTraceId* entry)
{
    return unsigned(entry->sfNumber % unsigned(bucketCount));
}

TDF_USE_DBTraceId* TDF_USE_DBTraceIdHash::search(unsigned long sfNumber)
{
    return searchChain(*this, sfNumber, [](const TDF_USE_DBTraceId* entry) { return entry->sfNumber; });
}

TDFDefinitionBlock::~TDFDefinitionBlock()
{
    dbInstances.deleteAll();
    dbTexts.deleteAll();
    dbMessages.deleteAll();
    delete[] ids;
    delete source;
}

unsigned long TDFDefinitionBlock::id(int i) const
{
    return tcf && i >= 0 && i < tcf->idLength() ? ids[i] : 0;
}

void TDFDefinitionBlock::setId(int i, unsigned long value)
{
    if (tcf && i >= 0 && i < tcf->idLength())
        ids[i] = value;
}

bool TDFDefinitionBlock::cmpId(unsigned long* values, int n)
{
    if (!tcf || n != tcf->idLength())
        return false;
    for (int k = 0; k < n; ++k) {
        if (values[k] != ids[k])
            return false;
    }
    return true;
}

void TDFDefinitionBlock::setTCF(TCF* tcf)
{
    this->tcf = tcf;
    delete[] ids;
    ids = nullptr;
    if (tcf && tcf->idLength() > 0)
        ids = new unsigned long[tcf->idLength()]();
}

void TDFDefinitionBlock::addText(TDFDBText* text)
{
    text->block = this;
    dbTexts.append(text);
}

void TDFDefinitionBlock::addInstance(TDFDBInstance* instance)
{
    instance->block = this;
    dbInstances.append(instance);
}

void TDFDefinitionBlock::addMessage(TDFDBMessage* message)
{
    message->block = this;
    dbMessages.intern(message);
}

TDFDBMessage* TDFDefinitionBlock::getMessageFromId(unsigned long id)
{
    return dbMessages.search(id);
}

TDFDBInstance* TDFDefinitionBlock::getInstanceFromId(unsigned long id)
{
    return dbInstances.search(id);
}

TDFDBText* TDFDefinitionBlock::getTextFromId(unsigned long id)
{
    return dbTexts.search(id);
}

TDFDBObject* TDFDefinitionBlock::getObjectFromId(unsigned long id)
{
    if (TDFDBObject* instance = getInstanceFromId(id))
        return instance;
    if (TDFDBObject* message = getMessageFromId(id))
        return message;
    return getTextFromId(id);
}

TDFDefinitionBlock* TDFDefinitionBlockList::search(unsigned long* values, int n)
{
    for (TDFDefinitionBlock* block : *this) {
        if (block && block->cmpId(values, n))
            return block;
    }
    return nullptr;
}
