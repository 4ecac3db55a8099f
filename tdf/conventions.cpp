// What every event line does with the reader's state: the time stamp, and
// the decorations (style, link, note, glyph, thread info) that earlier lines
// left pending for the next event.
#include "tdf/indexes_p.h"
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <climits>

void TDF::stamp(TDFObject* object)
{
    object->line = (unsigned int)lineNumber;
    object->time = currentTime;
    currentTime += timeStep;
}

void TDF::takeStyle(TDFObject* object)
{
    object->style_ = pendingStyle;
    pendingStyle = nullptr;
}

void TDF::takeLink(TDFObject* object)
{
    object->linkText = pendingLinkText;
    pendingLinkText = QString();
}

TDFObjectNode* TDF::takeThreadInfo()
{
    TDFObjectNode* info = currentThreadInfo;
    currentThreadInfo = nullptr;
    return info;
}

TDFObject* TDF::appendTo(List<TDFObject*>& list, TDFObjectNode** listNode, TDFObject* object, bool* created)
{
    place(object);
    *listNode = list.append(object);
    if (created)
        *created = true;
    return object;
}

void TDF::appendPendingNote()
{
    if (pendingNote)
        appendTo(notes, &pendingNote->listNode, pendingNote, nullptr);
    pendingNote = nullptr;
}

void TDF::appendPendingGlyph()
{
    if (pendingGlyph)
        appendTo(glyphs, &pendingGlyph->listNode, pendingGlyph, nullptr);
    pendingGlyph = nullptr;
}

void TDF::discardPendingNote()
{
    if (pendingNote)
        dispose(pendingNote);
    pendingNote = nullptr;
}

void TDF::discardPendingGlyph()
{
    if (pendingGlyph)
        dispose(pendingGlyph);
    pendingGlyph = nullptr;
}

bool TDF::readOperand(char** cursor, unsigned long* value, TDFReport failure)
{
    if (readNumber(cursor, value))
        return true;
    error(failure);
    return false;
}

bool TDF::readIntNumber(char** cursor, unsigned long* value)
{
    if (!readNumber(cursor, value))
        return false;
    if (*value <= (unsigned long)INT_MAX)
        return true;
    error(TDFReport::HexOverflow);
    return false;
}

TDF::Optional TDF::readOptionalOperand(char** cursor, unsigned long* value, TDFReport failure)
{
    if (readNumber(cursor, value))
        return Optional::Read;
    readWhite(cursor);
    if (!**cursor)
        return Optional::Absent;
    error(failure);
    return Optional::Failed;
}

TDFInstance* TDF::findInstance(unsigned long dynamicId)
{
    const TDFIndexes::Numbered* found = indexes->newestInstance.find(dynamicId);
    return found ? found->second : nullptr;
}

TDFInstance* TDF::newInstance(unsigned long dynamicId, TDFInstance* previous)
{
    TDFInstance* instance = maker()->newTDFInstance();
    instance->dynamicId = dynamicId;
    instance->previous = previous;
    place(instance);
    instance->tableNode = instanceTable.insert(instance);  // a new instance: no need to look
    instance->instancesNode = instances.append(instance);
    const TDFIndexes::Numbered numbered(indexes->nextSequence++, instance);
    indexes->newestInstance[dynamicId] = numbered;
    indexes->living.push_back(numbered);
    return instance;
}

// The instance deleted is always the newest of its id: the one alive.
void TDF::endInstance(TDFInstance* instance, TDFObject* deletion)
{
    instance->deletion = deletion;
    indexes->addEnded(deletion->time, indexes->newestInstance[instance->dynamicId]);
}
