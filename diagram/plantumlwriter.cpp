// A Script as a PlantUML sequence diagram.
#include "diagram/lines_p.h"
#include "diagram/textescape_p.h"
#include "diagram/writers_p.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace diagram {

namespace {

QString hexColour(const RGBValue& colour)
{
    QString text = QStringLiteral("#");
    for (int component : {colour.red(), colour.green(), colour.blue()})
        text += QStringLiteral("%1").arg(std::clamp(component, 0, 255), 2, 16, QChar(u'0')).toUpper();
    return text;
}

// The arrow of a message or return: colour and line kind in brackets,
// dashed for a return, then the head.
QString arrowOf(const ArrowStep& arrow)
{
    QStringList attributes;
    if (arrow.look.colour)
        attributes << hexColour(*arrow.look.colour);
    if (!arrow.isReturn && arrow.look.line == Style::DOT_LINE)
        attributes << QStringLiteral("dotted");
    else if (!arrow.isReturn && arrow.look.line != Style::SOLID_LINE)
        attributes << QStringLiteral("dashed");
    QString text = QStringLiteral("-");
    if (!attributes.isEmpty())
        text += u'[' + attributes.join(u',') + u']';
    if (arrow.isReturn)
        text += u'-';
    switch (arrow.look.head) {
    case Style::OPEN_ARROW:
        return text + QStringLiteral(">>");
    case Style::HALF_ARROW:
        return text + u'\\';
    default:
        return text + u'>';
    }
}

// The text of an arrow, none when empty.
QString label(const QString& text)
{
    return text.isEmpty() ? QString() : QStringLiteral(" : ") + plantUmlText(text);
}

// The text of a note, even empty: a note without one opens a note of
// several lines.
QString noteText(const QString& text)
{
    return QStringLiteral(" : ") + plantUmlText(text);
}

const char* noteKeyword(NoteKind kind)
{
    switch (kind) {
    case NoteKind::Action:
        return "rnote";
    case NoteKind::Glyph:
    case NoteKind::Synchronisation:
        return "hnote";
    default:
        return "note";
    }
}

class PlantUmlWriter {
public:
    explicit PlantUmlWriter(const Script& script) : script_(script) {}

    QString text()
    {
        lines_.addUnindented(QStringLiteral("@startuml"));
        if (hasVisibleParticipant()) {
            for (int index = 0; index < script_.participants.size(); ++index) {
                if (script_.participants[index].declaredAtTop && !hidden(index))
                    lines_.add(declaration(index));
            }
            for (const Step& step : script_.steps) {
                if (!std::holds_alternative<ArrowStep>(step) && !std::holds_alternative<TimeStep>(step))
                    writeTime(false);
                std::visit(*this, step);
            }
        } else {
            lines_.add(QStringLiteral("title Empty trace"));
        }
        lines_.addUnindented(QStringLiteral("@enduml"));
        return lines_.text();
    }

    void operator()(const ArrowStep& arrow)
    {
        if (hidden(arrow.from) && hidden(arrow.to)) {
            writeTime(false);
            return acrossAll(arrow);
        }
        changes_.clear();
        if (arrow.createsReceiver)
            lines_.add(QStringLiteral("create ") + declaration(arrow.to));
        writeTime(true);
        const QString from = hidden(arrow.from) ? QStringLiteral("[") : id(arrow.from) + u' ';
        const QString to = hidden(arrow.to) ? QStringLiteral("]") : u' ' + id(arrow.to);
        lines_.add(from + arrowOf(arrow) + to + label(arrow.text));
        arrowWritten_ = true;
        for (const QString& remark : arrow.remarks)
            lines_.add(QStringLiteral("note right") + noteText(remark));
        if (arrow.destroys >= 0 && !hidden(arrow.destroys))
            lines_.add(QStringLiteral("destroy ") + id(arrow.destroys));
    }

    void operator()(const DeclareStep& declare) { lines_.add(declaration(declare.participant)); }

    // A deletion is drawn at the last arrow; before any arrow, PlantUML
    // cannot draw it.
    void operator()(const DestroyStep& destroy)
    {
        if (!arrowWritten_)
            return (*this)(NoteStep{NoteKind::Note, destroy.participants, QStringLiteral("destroyed")});
        for (int index : destroy.participants)
            lines_.add(QStringLiteral("destroy ") + id(index));
    }

    // PlantUML takes one activation change per participant and message: a
    // change that undoes one made since the last message takes it back (the
    // bar goes on).
    void operator()(const ActivationStep& activation)
    {
        const auto earlier = changes_.constFind(activation.participant);
        if (earlier != changes_.cend() && earlier->active != activation.active) {
            lines_.remove(earlier->line);
            changes_.erase(earlier);
            return;
        }
        const qsizetype line =
            lines_.add((activation.active ? QStringLiteral("activate ") : QStringLiteral("deactivate "))
                       + id(activation.participant));
        changes_.insert(activation.participant, {line, activation.active});
    }

    void operator()(const NoteStep& note)
    {
        QStringList over;
        for (int index : note.over) {
            if (!hidden(index))
                over << id(index);
        }
        const QString where = over.isEmpty() ? QStringLiteral(" across")
                                             : QStringLiteral(" over ") + over.front()
                + (over.size() > 1 ? QStringLiteral(", ") + over.back() : QString());
        lines_.add((over.isEmpty() ? QStringLiteral("note") : QLatin1String(noteKeyword(note.kind))) + where
                   + noteText(note.text));
    }

    void operator()(const LoopStartStep& loop) { lines_.open(QStringLiteral("loop ") + plantUmlText(loop.text)); }
    void operator()(const LoopEndStep&) { lines_.close(QStringLiteral("end")); }
    void operator()(const DividerStep& divider)
    {
        lines_.add(QStringLiteral("== ") + plantUmlText(divider.text) + QStringLiteral(" =="));
    }
    // The time of the next step: a delay before an arrow, a comment before
    // any other step (a delay right before a creation or between an arrow
    // and its deletion is refused).  Of two times in a row, the later one.
    void operator()(const TimeStep& time) { time_ = time.text; }

private:
    const Script& script_;
    DiagramLines lines_{0};
    QString time_;               // the time waiting to be written; null: none
    bool arrowWritten_ = false;  // an arrow was written
    struct Change {
        qsizetype line;
        bool active;
    };
    QHash<int, Change> changes_;  // the activation changes since the last message, by participant

    void writeTime(bool asDelay)
    {
        if (time_.isNull())
            return;
        const QString text = plantUmlText(time_);
        lines_.add(asDelay ? QStringLiteral("...") + text + QStringLiteral("...") : QStringLiteral("' ") + text);
        time_ = QString();
    }

    bool hidden(int index) const { return script_.participants[index].hidden; }
    const QString& id(int index) const { return script_.participants[index].id; }

    bool hasVisibleParticipant() const
    {
        for (const Participant& participant : script_.participants) {
            if (!participant.hidden)
                return true;
        }
        return false;
    }

    QString declaration(int index) const
    {
        const Participant& participant = script_.participants[index];
        const QString keyword = participant.actor ? QStringLiteral("actor ") : QStringLiteral("participant ");
        const QString name = participant.name.isEmpty() ? QStringLiteral(" ") : plantUmlText(participant.name);
        if (name == participant.id)
            return keyword + participant.id;  // a name that needs no quotes nor escapes
        return keyword + u'"' + name + QStringLiteral("\" as ") + participant.id;
    }

    // A message between two ends at the hidden world, which PlantUML cannot
    // draw, as a note across the diagram.
    void acrossAll(const ArrowStep& arrow)
    {
        for (const QString& text : QStringList(arrow.text) + arrow.remarks)
            lines_.add(QStringLiteral("note across") + noteText(text));
    }
};

}  // namespace

QString writePlantUml(const Script& script)
{
    return PlantUmlWriter(script).text();
}

}  // namespace diagram
