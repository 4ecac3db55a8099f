// The participants of a diagram and their identifiers.
#include "diagram/participants_p.h"
#include "tcf/tcf.h"
#include "tdf/tdfobjects.h"

#include <QSet>
#include <climits>

namespace diagram {

namespace {

// Where an instance's lifeline ends: at the return its deletion is drawn
// at, else at its deletion; INT_MAX while it lives.
int endOf(const TDFInstance* instance, const ObjectIndex& objects)
{
    if (!instance->deletion)
        return INT_MAX;
    const TDFInstanceDelete* deletion = instance->deletion->toInstanceDelete();
    return objects.positionOf(deletion && deletion->atReturn ? deletion->atReturn : instance->deletion);
}

bool holdsWorld(const List<TDFInstance*>* instances)
{
    if (instances) {
        for (const TDFInstance* instance : *instances) {
            if (!instance)
                return true;
        }
    }
    return false;
}

// Whether the event draws something on the world's lifeline.
bool involvesWorld(TDFObject* object)
{
    if (const TDFMessage* message = object->toMessage())
        return !message->sender || !message->receiver;
    if (const TDFMessageReturn* messageReturn = object->toMessageReturn())
        return messageReturn->message && (!messageReturn->message->sender || !messageReturn->message->receiver);
    if (const TDFAction* action = object->toAction())
        return !action->instance;
    if (const TDFSynchronisation* synchronisation = object->toSynchronisation())
        return holdsWorld(synchronisation->instances);
    if (const TDFNote* note = object->toNote())
        return !note->attachedTo;
    if (const TDFGlyph* glyph = object->toGlyph())
        return !glyph->attachedTo;
    return false;
}

bool windowInvolvesWorld(const ObjectIndex& objects, const Window& window)
{
    for (int position = window.first; position < window.last; ++position) {
        if (involvesWorld(objects.at(position)))
            return true;
    }
    return false;
}

// Keywords of PlantUML's and Mermaid's sequence diagrams, in lower case:
// an identifier equal to one of them (in any case) would be read as it.
const QSet<QString>& keywords()
{
    static const QSet<QString> words = {
        "accdescr",   "acctitle",     "across",     "activate", "actor",      "also",    "alt",      "and",
        "as",         "autoactivate", "autonumber", "boundary", "box",        "break",   "bottom",   "collections",
        "control",    "create",       "critical",   "database", "deactivate", "delay",   "destroy",  "details",
        "else",       "end",          "entity",     "footer",   "group",      "header",  "hide",     "hnote",
        "left",       "legend",       "link",       "links",    "loop",       "newpage", "note",     "of",
        "off",        "opt",          "option",     "order",    "over",       "par",     "par_over", "participant",
        "properties", "queue",        "rect",       "ref",      "return",     "right",   "rnote",    "sequencediagram",
        "show",       "skinparam",    "title",      "top"};
    return words;
}

bool isIdentifierCharacter(QChar c)
{
    return c.unicode() < 128 && (c.isLetterOrNumber() || c == u'_');
}

// The name's ASCII letters, digits and underscores, other runs of
// characters becoming one underscore between them; starting with a letter
// or an underscore and never a keyword.
QString identifierFor(const QString& name)
{
    QString id;
    bool gap = false;
    for (QChar c : name) {
        if (!isIdentifierCharacter(c)) {
            gap = !id.isEmpty();
            continue;
        }
        if (gap)
            id += u'_';
        id += c;
        gap = false;
    }
    if (id.isEmpty() || id.front().isDigit())
        id.prepend(u'p');
    if (keywords().contains(id.toLower()))
        id += u'_';
    return id;
}

}  // namespace

void ParticipantSet::add(const Participant& participant)
{
    if (participant.instance)
        indexes_.insert(participant.instance, int(list.size()));
    else
        world = int(list.size());
    list.append(participant);
}

ParticipantSet collectParticipants(const ObjectIndex& objects, const Window& window, const TCF* tcf)
{
    ParticipantSet participants;
    const bool worldShown = !tcf || tcf->displayWorldActor;
    if (worldShown || windowInvolvesWorld(objects, window))
        participants.add(Participant{nullptr, QStringLiteral("World"), QString(), !worldShown, true});
    for (int position = 0; position < window.last; ++position) {
        const TDFInstance* instance = objects.at(position)->toInstance();
        if (instance && endOf(instance, objects) >= window.first)
            participants.add(Participant{instance, instance->name(), QString(), false, true});
    }
    return participants;
}

void assignIdentifiers(QList<Participant>& participants)
{
    QSet<QString> taken;
    for (Participant& participant : participants) {
        const QString base = identifierFor(participant.name);
        participant.id = base;
        for (int suffix = 2; taken.contains(participant.id); ++suffix)
            participant.id = base + u'_' + QString::number(suffix);
        taken.insert(participant.id);
    }
}

}  // namespace diagram
