// Actions, synchronisations, notes and glyphs: AC, BA, EA, SA, SY, NO, GL.
#include "tcf/tcf.h"
#include "tdf/indexes_p.h"
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <QTextCodec>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>

bool TDF::readTextOperand(char** line, QString& text, TDFDBText** model, bool emptyIsNumber, TDFReport none,
                          TDFReport notFound)
{
    *model = nullptr;
    if (readString(line, text, false) && !(emptyIsNumber && text.isEmpty()))
        return true;
    text = QString();
    unsigned long id;
    if (!readNumber(line, &id)) {
        error(none);
        return false;
    }
    if (!currentBlock) {
        error(TDFReport::TextWithoutBlock);
        return false;
    }
    *model = currentBlock->getTextFromId(id);
    if (!*model) {
        error(notFound);
        return false;
    }
    return true;
}

TDFAction* TDF::newAction(TDFDBText* model, TDFInstance* instance, const QString& text, bool* created)
{
    TDFAction* action = maker()->newTDFAction();
    action->model = model;
    action->instance = instance;
    action->setName(text);
    takeStyle(action);
    takeLink(action);
    appendTo(actions, &action->listNode, action, created);
    stamp(action);
    return action;
}

// The instance of an action: the one with this id, the world for 0.
bool TDF::readActionInstance(char** line, TDFInstance** instance)
{
    readWhite(line);
    unsigned long dynamicId;
    if (!readOperand(line, &dynamicId, TDFReport::CantReadInstanceId))
        return false;
    *instance = findInstance(dynamicId);
    if (*instance || dynamicId == 0)
        return true;
    error(TDFReport::ActionWithoutInstance);
    return false;
}

TDFObject* TDF::readAC(char* line, bool* created)
{
    QString text;
    TDFDBText* model;
    TDFInstance* instance;
    if (!readTextOperand(&line, text, &model, true, TDFReport::ActionWithoutText, TDFReport::ActionTextNotFound)
        || !readActionInstance(&line, &instance))
        return nullptr;
    return newAction(model, instance, text, created);
}

void TDF::readBA(char* line)
{
    if (!readTextOperand(&line, blockActionText, &blockActionModel, false, TDFReport::ActionWithoutText,
                         TDFReport::BlockActionTextNotFound)
        || !readActionInstance(&line, &blockActionInstance))
        return;
    ++blockActionDepth;
    inBlockAction = true;
}

TDFObject* TDF::readEA(char*, bool* created)
{
    if (--blockActionDepth != 0)
        return nullptr;
    inBlockAction = false;
    return newAction(blockActionModel, blockActionInstance, blockActionText, created);
}

TDFSynchronisation* TDF::newSynchronisation(List<TDFInstance*>* instances, TDFDBText* model, const QString& text,
                                            bool* created)
{
    TDFSynchronisation* synchronisation = maker()->newTDFSynchronisation();
    synchronisation->instances = instances;
    synchronisation->model = model;
    synchronisation->setName(text);
    takeStyle(synchronisation);
    takeLink(synchronisation);
    appendTo(synchronisations, &synchronisation->listNode, synchronisation, created);
    stamp(synchronisation);
    return synchronisation;
}

// The instances not ended, and those whose deletion comes later than the
// current time, in the order of instances.
void TDF::appendSynchronisedInstances(List<TDFInstance*>* list)
{
    std::vector<TDFIndexes::Numbered>& living = indexes->living;
    living.erase(std::remove_if(living.begin(), living.end(),
                                [](const TDFIndexes::Numbered& entry) { return entry.second->deletion; }),
                 living.end());
    std::vector<TDFIndexes::Numbered> endedLater = indexes->endedAfter(currentTime);
    endedLater.erase(std::remove_if(endedLater.begin(), endedLater.end(),
                                    [this](const TDFIndexes::Numbered& entry) {
                                        // an earlier deletion of an instance deleted again
                                        return entry.second->deletion->time <= currentTime;
                                    }),
                     endedLater.end());
    std::sort(endedLater.begin(), endedLater.end());
    endedLater.erase(std::unique(endedLater.begin(), endedLater.end()), endedLater.end());
    std::vector<TDFIndexes::Numbered> merged;
    std::merge(living.begin(), living.end(), endedLater.begin(), endedLater.end(), std::back_inserter(merged));
    for (const TDFIndexes::Numbered& entry : merged)
        list->append(entry.second);
}

TDFObject* TDF::readSA(char* line, bool* created)
{
    QString text;
    TDFDBText* model;
    if (!readTextOperand(&line, text, &model, true, TDFReport::SynchronisationWithoutText,
                         TDFReport::SynchronisationTextNotFound))
        return nullptr;
    auto* list = new List<TDFInstance*>;
    // Where the world is not drawn as an actor, it takes part in every SA.
    if (currentBlock && currentBlock->tcf && !currentBlock->tcf->displayWorldActor)
        list->append(nullptr);
    appendSynchronisedInstances(list);
    if (!list->count) {
        delete list;
        error(TDFReport::SynchronisationWithoutInstance);
        return nullptr;
    }
    return newSynchronisation(list, model, text, created);
}

TDFObject* TDF::readSY(char* line, bool* created)
{
    QString text;
    TDFDBText* model;
    if (!readTextOperand(&line, text, &model, false, TDFReport::SynchronisationWithoutText,
                         TDFReport::SynchronisationTextNotFound))
        return nullptr;
    readWhite(&line);
    auto* list = new List<TDFInstance*>;
    const unsigned long thisLine = ++indexes->synchronisations;
    unsigned long dynamicId;
    bool anyId = false;
    while (readNumber(&line, &dynamicId)) {
        anyId = true;
        TDFInstance* instance = dynamicId ? findInstance(dynamicId) : nullptr;  // null: the world
        const unsigned long address = reinterpret_cast<std::uintptr_t>(instance);
        const unsigned long* named = instance ? indexes->lastSynchronisation.find(address) : nullptr;
        const bool repeated = named && *named == thisLine;
        if (repeated)
            error(TDFReport::AlreadySynchronised, QString::number(dynamicId));
        if (instance && instance->deletion) {
            error(TDFReport::DestroyedAtSynchronisation, QString::number(dynamicId));
        } else if (!repeated) {
            list->append(instance);
            if (instance)
                indexes->lastSynchronisation[address] = thisLine;
        }
    }
    if (!anyId)
        error(TDFReport::CantReadInstanceId);
    TDFSynchronisation* synchronisation = nullptr;
    if (list->count)
        synchronisation = newSynchronisation(list, model, text, created);
    else
        delete list;
    if (created)
        *created = synchronisation != nullptr;
    pendingStyle = nullptr;
    pendingLinkText = QString();
    return synchronisation;
}

// The codec named by a note's first string, so that its second string is
// decoded with it; looked up once per name.
QTextCodec* TDF::codecNamed(const QString& name)
{
    auto known = codecs.find(name);
    if (known == codecs.end())
        known = codecs.insert(name, QTextCodec::codecForName(name.toUtf8()));
    return known.value();
}

void TDF::readNO(char* line)
{
    if (pendingNote) {
        warning(TDFReport::PendingNoteBeforeNote);
        discardPendingNote();
    }
    if (pendingGlyph) {
        warning(TDFReport::PendingGlyphBeforeNote);
        discardPendingGlyph();
    }
    QString own;
    TDFDBText* model = nullptr;
    if (!readNoteText(&line, own, &model))
        return;
    TDFNote* note = maker()->newTDFNote();
    note->model = model;
    note->setName(own);
    takeStyle(note);
    takeLink(note);
    stamp(note);
    pendingNote = note;
}

// The operands of a note: its text; a codec name and a text in that codec;
// or a static text id and an optional text.  False, reported, when the
// line makes no note.
bool TDF::readNoteText(char** line, QString& own, TDFDBText** model)
{
    if (**line == '"') {
        QString first;
        if (!readString(line, first, false)) {
            error(TDFReport::CantReadNoteText);
            return false;
        }
        readWhite(line);
        if (**line != '"') {
            own = first;
            return true;
        }
        textCodec = codecNamed(first);
        const bool known = textCodec;
        const bool read = readString(line, own, false);
        textCodec = nullptr;
        if (!read)
            error(TDFReport::CantReadNoteText);
        else if (!known)
            error(TDFReport::UnknownCodec, first);
        return read && known;
    }
    unsigned long textId;
    if (!readOperand(line, &textId, TDFReport::CantReadNoteText))
        return false;
    if (!currentBlock) {
        error(TDFReport::TextWithoutBlock);
        return false;
    }
    if (!readString(line, own, true))
        error(TDFReport::CantReadNoteText);  // the note still shows its static text
    *model = currentBlock->getTextFromId(textId);
    if (!*model)
        error(TDFReport::CantRetrieveStaticText);
    return *model != nullptr;
}

void TDF::readGL(char* line)
{
    if (pendingGlyph) {
        warning(TDFReport::PendingGlyphBeforeGlyph);
        discardPendingGlyph();
    }
    if (pendingNote) {
        warning(TDFReport::PendingNoteBeforeGlyph);
        discardPendingNote();
    }
    if (!currentBlock)
        return error(TDFReport::GlyphWithoutBlock);
    if (!currentBlock->tcf)
        return error(TDFReport::GlyphBlockWithoutTCF);
    unsigned long glyphId;
    if (!readOperand(&line, &glyphId, TDFReport::GlyphIdNotNumber))
        return;
    Glyph* glyphModel = glyphId <= unsigned(INT_MAX) ? currentBlock->tcf->glyph(int(glyphId)) : nullptr;
    if (!glyphModel)
        return error(TDFReport::CantRetrieveGlyph);
    TDFDBText* model = nullptr;
    unsigned long textId;
    if (readNumber(&line, &textId)) {
        model = currentBlock->getTextFromId(textId);
        if (!model)
            return error(TDFReport::CantRetrieveStaticText);
    }
    QString own;
    if (!readString(&line, own, true))
        error(TDFReport::CantReadGlyphText);  // the glyph is drawn without it
    TDFGlyph* glyph = maker()->newTDFGlyph();
    glyph->glyphModel = glyphModel;
    glyph->model = model;
    glyph->setName(own);
    takeLink(glyph);
    pendingStyle = nullptr;  // a glyph takes no style
    stamp(glyph);
    pendingGlyph = glyph;
}
