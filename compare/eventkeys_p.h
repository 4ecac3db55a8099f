// The events of sequence models as integers that are equal exactly when the
// events compare equal: kind, participants and label, after the masks.
#pragma once

#include "compare/tracecompare.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <deque>
#include <vector>

class EventKeys {
public:
    // A table for `events` events in all, the events of every model it is
    // given; it has room for no more.
    EventKeys(const CompareOptions& options, std::size_t events);

    // One key per event of the model, from 0 up; keys of both models come
    // from the same table, so that they compare.  The model must outlive
    // the table.
    std::vector<int> keysOf(const SequenceModel& model);

private:
    // What an event is compared by.
    struct Fields {
        int kind = 0;
        int from = -1;  // participants' keys; -1 for none
        int to = -1;
        int crossed = -1;                // the key of the participants crossed; -1 for none
        const QString* label = nullptr;  // masked: the model's own label, or one of maskedTexts_

        bool operator==(const Fields& other) const
        {
            return kind == other.kind && from == other.from && to == other.to && crossed == other.crossed
                && *label == *other.label;
        }
    };
    // A slot of the open-addressing table of fields: the hash of its
    // fields, so that a probe looks at the fields only when hashes match.
    struct Slot {
        unsigned hash = 0;
        int key = -1;  // -1: free
    };

    const CompareOptions& options_;
    QHash<QString, int> names_;              // masked participant names
    QHash<QString, const QString*> masked_;  // labels as read, to their masked texts (with masks only)
    std::deque<QString> maskedTexts_;
    QHash<QByteArray, int> crossed_;  // sorted lists of participants' keys
    std::vector<Fields> fields_;      // by key
    std::vector<Slot> slots_;         // a power of two of them, at most half used

    QString masked(const QString& text) const;
    const QString* labelOf(const SequenceEvent& event);
    int participantKey(const SequenceParticipant& participant);
    int crossedKey(const SequenceEvent& event, const std::vector<int>& participants);
    int intern(const Fields& fields);
};
