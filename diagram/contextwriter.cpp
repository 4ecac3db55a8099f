// The context diagram: a node per participant, an edge per sender and
// receiver with the number of messages (and of calls among them) sent that
// way, in the colours of the configuration's styles.
#include "diagram/textescape_p.h"
#include "diagram/writers_p.h"
#include "foundation/style.h"
#include "sequence/sequencemodel.h"

#include <QMap>
#include <QStringList>

#include <algorithm>

namespace diagram {

namespace {

QString colour(const RGBValue& value)
{
    QString text = QStringLiteral("#");
    for (int component : {value.red(), value.green(), value.blue()})
        text += QStringLiteral("%1").arg(std::clamp(component, 0, 255), 2, 16, QChar(u'0'));
    return text;
}

struct Traffic {
    int messages = 0;
    int calls = 0;
    const Style* style = nullptr;  // of the first message
};

QString countText(const Traffic& traffic)
{
    QString text =
        traffic.messages == 1 ? QStringLiteral("1 message") : QStringLiteral("%1 messages").arg(traffic.messages);
    if (traffic.calls > 0)
        text += traffic.calls == 1 ? QStringLiteral("\\n1 call") : QStringLiteral("\\n%1 calls").arg(traffic.calls);
    return text;
}

QString node(int index, const SequenceParticipant& participant)
{
    QStringList attributes{QStringLiteral("label=\"%1\"").arg(dotText(participant.name))};
    if (participant.kind == SequenceParticipant::World)
        attributes << QStringLiteral("shape=ellipse");
    if (!participant.visible)
        attributes << QStringLiteral("style=dashed");
    else if (const Style* style = participant.style)
        attributes << QStringLiteral("color=\"%1\"").arg(colour(style->lineColor()))
                   << QStringLiteral("fillcolor=\"%1\"").arg(colour(style->backColor()))
                   << QStringLiteral("fontcolor=\"%1\"").arg(colour(style->textColor()));
    return QStringLiteral("    p%1 [%2];\n").arg(index).arg(attributes.join(QLatin1String(", ")));
}

}  // namespace

QString writeContextDiagram(const SequenceModel& model)
{
    QMap<std::pair<int, int>, Traffic> edges;
    for (const SequenceEvent& event : model.events) {
        if (event.kind != SequenceEvent::Message)
            continue;
        Traffic& traffic = edges[{event.from, event.to}];
        ++traffic.messages;
        traffic.calls += event.call ? 1 : 0;
        if (!traffic.style)
            traffic.style = event.style;
    }
    std::vector<bool> talks(model.participants.size());
    for (auto edge = edges.cbegin(); edge != edges.cend(); ++edge)
        talks[std::size_t(edge.key().first)] = talks[std::size_t(edge.key().second)] = true;
    QString text = QStringLiteral("digraph context {\n    rankdir=LR;\n"
                                  "    node [shape=box, style=\"rounded,filled\", fillcolor=white];\n");
    for (std::size_t index = 0; index < model.participants.size(); ++index) {
        if (model.participants[index].visible || talks[index])
            text += node(int(index), model.participants[index]);
    }
    for (auto edge = edges.cbegin(); edge != edges.cend(); ++edge) {
        QString attributes = QStringLiteral("label=\"%1\"").arg(countText(*edge));
        if (edge->style)
            attributes += QStringLiteral(", color=\"%1\", fontcolor=\"%1\"").arg(colour(edge->style->lineColor()));
        text += QStringLiteral("    p%1 -> p%2 [%3];\n").arg(edge.key().first).arg(edge.key().second).arg(attributes);
    }
    return text + QStringLiteral("}\n");
}

}  // namespace diagram
