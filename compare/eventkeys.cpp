#include "compare/eventkeys_p.h"

#include <algorithm>

namespace {

// What a masked part of a name or label reads as.
const QString maskText = QStringLiteral("\u2026");
const QString noLabel;

// A power of two at least `count`.
std::size_t powerOfTwo(std::size_t count)
{
    std::size_t power = 64;
    while (power < count)
        power *= 2;
    return power;
}

}  // namespace

EventKeys::EventKeys(const CompareOptions& options, std::size_t events)
    : options_(options), slots_(powerOfTwo(2 * events + 1))
{
    fields_.reserve(events);
}

std::vector<int> EventKeys::keysOf(const SequenceModel& model)
{
    std::vector<int> participants;
    participants.reserve(model.participants.size());
    for (const SequenceParticipant& participant : model.participants)
        participants.push_back(participantKey(participant));
    const auto participant = [&participants](int index) { return index < 0 ? -1 : participants[std::size_t(index)]; };
    std::vector<int> keys;
    keys.reserve(model.events.size());
    for (const SequenceEvent& event : model.events)
        keys.push_back(intern({int(event.kind), participant(event.from), participant(event.to),
                               crossedKey(event, participants), labelOf(event)}));
    return keys;
}

QString EventKeys::masked(const QString& text) const
{
    QString masked = text;
    for (const QRegularExpression& pattern : options_.ignore)
        masked.replace(pattern, maskText);
    return masked;
}

// The label as compared: masked, each distinct label once.  A birth's label
// is its participant's name, which the participant's key stands for.
const QString* EventKeys::labelOf(const SequenceEvent& event)
{
    if (event.kind == SequenceEvent::Birth)
        return &noLabel;
    if (options_.ignore.isEmpty())
        return &event.label;
    const auto known = masked_.constFind(event.label);
    if (known != masked_.cend())
        return *known;
    maskedTexts_.push_back(masked(event.label));
    return *masked_.insert(event.label, &maskedTexts_.back());
}

int EventKeys::participantKey(const SequenceParticipant& participant)
{
    const QString name =
        masked(options_.ignoreNames && !participant.type.isEmpty() ? participant.type : participant.name);
    const auto known = names_.constFind(name);
    return known != names_.cend() ? *known : *names_.insert(name, int(names_.size()));
}

// The participants a deletion or synchronisation crosses, as a set.
int EventKeys::crossedKey(const SequenceEvent& event, const std::vector<int>& participants)
{
    if (event.over.isEmpty())
        return -1;
    std::vector<int> crossed;
    for (int index : event.over)
        crossed.push_back(participants[std::size_t(index)]);
    std::sort(crossed.begin(), crossed.end());
    const QByteArray bytes(reinterpret_cast<const char*>(crossed.data()), qsizetype(crossed.size() * sizeof(int)));
    const auto known = crossed_.constFind(bytes);
    return known != crossed_.cend() ? *known : *crossed_.insert(bytes, int(crossed_.size()));
}

// The key of the fields: open addressing with linear probing, the table
// never more than half full.
int EventKeys::intern(const Fields& fields)
{
    const unsigned hash = unsigned(qHashMulti(0, fields.kind, fields.from, fields.to, fields.crossed, *fields.label));
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.key < 0) {
            slot = {hash, int(fields_.size())};
            fields_.push_back(fields);
            return slot.key;
        }
        if (slot.hash == hash && fields_[std::size_t(slot.key)] == fields)
            return slot.key;
    }
}
