// The identifiers of participants in the diagram text.
#include "diagram/participants_p.h"

#include <QSet>

namespace diagram {

namespace {

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
