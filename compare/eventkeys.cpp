#include "compare/eventkeys_p.h"

#include <algorithm>

namespace {

// What a masked part of a name or label reads as.
const QString maskText = QStringLiteral("\u2026");

int intern(QHash<QString, int>& table, const QString& text)
{
    const auto known = table.constFind(text);
    return known != table.cend() ? *known : *table.insert(text, int(table.size()));
}

}  // namespace

std::vector<int> EventKeys::keysOf(const SequenceModel& model)
{
    std::vector<int> participants;
    participants.reserve(model.participants.size());
    for (const SequenceParticipant& participant : model.participants)
        participants.push_back(participantKey(participant));
    std::vector<int> keys;
    keys.reserve(model.events.size());
    std::vector<int> fields;
    for (const SequenceEvent& event : model.events)
        keys.push_back(eventKey(event, participants, fields));
    return keys;
}

int EventKeys::textKey(const QString& text)
{
    QString masked = text;
    for (const QRegularExpression& pattern : options_.ignore)
        masked.replace(pattern, maskText);
    return intern(texts_, masked);
}

// Labels repeat: the masks run once per distinct label.
int EventKeys::labelKey(const QString& label)
{
    if (options_.ignore.isEmpty())
        return intern(texts_, label);
    const auto known = labels_.constFind(label);
    return known != labels_.cend() ? *known : *labels_.insert(label, textKey(label));
}

int EventKeys::participantKey(const SequenceParticipant& participant)
{
    return textKey(options_.ignoreNames && !participant.type.isEmpty() ? participant.type : participant.name);
}

// Kind, sender, receiver, label and the participants crossed, in a byte
// array of integers.  A birth's label is its participant's name, which the
// participant's key stands for.
int EventKeys::eventKey(const SequenceEvent& event, const std::vector<int>& participants, std::vector<int>& fields)
{
    const auto participant = [&participants](int index) { return index < 0 ? -1 : participants[std::size_t(index)]; };
    fields.assign({int(event.kind), participant(event.from), participant(event.to),
                   event.kind == SequenceEvent::Birth ? -1 : labelKey(event.label)});
    const std::size_t crossedFrom = fields.size();
    for (int index : event.over)
        fields.push_back(participant(index));
    std::sort(fields.begin() + std::ptrdiff_t(crossedFrom), fields.end());
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(fields.data()), qsizetype(fields.size() * sizeof(int)));
    const auto known = events_.constFind(bytes);
    if (known != events_.cend())
        return *known;
    return *events_.insert(QByteArray(bytes.constData(), bytes.size()), int(events_.size()));
}
