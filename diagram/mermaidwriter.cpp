// A Script as a Mermaid sequence diagram.
#include "diagram/lines_p.h"
#include "diagram/textescape_p.h"
#include "diagram/writers_p.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace diagram {

namespace {

// Mermaid has no colours on arrows: a dashed or dotted message is dotted,
// an open head is its asynchronous head.
QString arrowOf(const ArrowStep& arrow)
{
    const bool dotted = arrow.isReturn || arrow.look.line != Style::SOLID_LINE;
    const bool open = arrow.look.head == Style::OPEN_ARROW;
    return (dotted ? QStringLiteral("--") : QStringLiteral("-")) + (open ? QStringLiteral(")") : QStringLiteral(">>"));
}

class MermaidWriter {
public:
    explicit MermaidWriter(const Script& script) : script_(script) {}

    QString text()
    {
        lines_.addUnindented(QStringLiteral("sequenceDiagram"));
        for (int index = 0; index < script_.participants.size(); ++index) {
            if (script_.participants[index].declaredAtTop && !script_.participants[index].hidden)
                declare(index, QString());
        }
        for (const Step& step : script_.steps)
            std::visit(*this, step);
        return lines_.text();
    }

    void operator()(const ArrowStep& arrow)
    {
        const bool destroysAnEnd = arrow.destroys == arrow.from || arrow.destroys == arrow.to;
        if (arrow.createsReceiver)
            declare(arrow.to, QStringLiteral("create "));
        if (arrow.destroys >= 0 && destroysAnEnd)
            lines_.add(QStringLiteral("destroy ") + id(arrow.destroys));
        lines_.add(id(arrow.from) + arrowOf(arrow) + id(arrow.to) + QStringLiteral(": ") + mermaidText(arrow.text));
        markDrawn();
        for (const QString& remark : arrow.remarks)
            note({arrow.from, arrow.to}, remark);
        if (arrow.destroys >= 0 && !destroysAnEnd)
            note({arrow.destroys}, QStringLiteral("destroyed"));
    }

    void operator()(const DeclareStep& declare) { this->declare(declare.participant, QString()); }
    void operator()(const DestroyStep& destroy) { note(destroy.participants, QStringLiteral("destroyed")); }

    void operator()(const ActivationStep& activation)
    {
        lines_.add((activation.active ? QStringLiteral("activate ") : QStringLiteral("deactivate "))
                   + id(activation.participant));
    }

    void operator()(const NoteStep& step) { note(step.over, step.text); }
    void operator()(const LoopStartStep& loop)
    {
        lines_.open(QStringLiteral("loop ") + mermaidText(loop.text));
        blockDrawn_.push_back(false);
    }

    // Mermaid cannot lay out a block that draws nothing (only declarations
    // or activations): such a block gets a note.
    void operator()(const LoopEndStep&)
    {
        if (!blockDrawn_.back())
            note({declared_.isEmpty() ? 0 : declared_.front()}, emptyLoopText());
        blockDrawn_.pop_back();
        lines_.close(QStringLiteral("end"));
    }

    // Mermaid has no separators: a note across the participants drawn so far.
    void operator()(const DividerStep& divider)
    {
        if (!declared_.isEmpty())
            note({declared_.front(), declared_.back()}, divider.text);
    }

    // Mermaid has no delays: the time as a comment.
    void operator()(const TimeStep& time) { lines_.add(QStringLiteral("%% ") + mermaidText(time.text)); }

private:
    const Script& script_;
    DiagramLines lines_{4};
    QList<int> declared_;           // in order of declaration, which is participant order
    std::vector<bool> blockDrawn_;  // per open block: whether a statement in it draws something

    const QString& id(int index) const { return script_.participants[index].id; }

    void declare(int index, const QString& prefix)
    {
        const Participant& participant = script_.participants[index];
        QString line =
            prefix + (participant.actor ? QStringLiteral("actor ") : QStringLiteral("participant ")) + participant.id;
        if (participant.name != participant.id)
            line += QStringLiteral(" as ") + mermaidText(participant.name);
        lines_.add(line);
        declared_.append(index);
    }

    // A note over the first to the last of the participants, in participant order.
    void note(const QList<int>& over, const QString& text)
    {
        if (over.isEmpty())
            return;
        const auto [first, last] = std::minmax_element(over.begin(), over.end());
        const QString where = *first == *last ? id(*first) : id(*first) + u',' + id(*last);
        lines_.add(QStringLiteral("Note over ") + where + QStringLiteral(": ") + mermaidText(text));
        markDrawn();
    }

    void markDrawn() { std::fill(blockDrawn_.begin(), blockDrawn_.end(), true); }
};

}  // namespace

QString writeMermaid(const Script& script)
{
    return MermaidWriter(script).text();
}

}  // namespace diagram
